// Printing from the widget: on a recording printer, and for real into PDF files read back as
// pixels with pdftoppm.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <numbers>
#include <sstream>
#include <stdexcept>

#include "fileio/print.h"
#include "platform/qt/qt_printer.h"
#include "platform/recording_printer.h"
#include "tests/component/orvane_fixture.h"

using namespace orvane;

namespace {

class FailingPrinter : public RecordingPrinter {
 public:
  using RecordingPrinter::RecordingPrinter;
  void EndDoc() override {
    during = xscale[1];
    throw std::runtime_error("out of paper");
  }
  double during = 0;
};

class OrvanePrint : public OrvaneTest {
 protected:
  void TearDown() override {
    set_current_printer(nullptr);
    qunsetenv("ORVANE_PRINT_PDF");
    OrvaneTest::TearDown();
  }

  // The first page of a PDF at dpi dots per inch.
  QImage render(const QString& pdf, int dpi = 100) {
    const QString tool = QStandardPaths::findExecutable("pdftoppm");
    EXPECT_FALSE(tool.isEmpty()) << "pdftoppm (poppler-utils) is needed to read printed PDFs";
    if (tool.isEmpty()) return {};
    const QString stem = dir.filePath("page");
    const int rc = QProcess::execute(
        tool, {"-r", QString::number(dpi), "-f", "1", "-l", "1", "-png", "-singlefile", pdf, stem});
    EXPECT_EQ(rc, 0);
    return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
  }
  // Rows (or columns) of the picture in which more than half of the pixels are not white.
  static int long_runs(const QImage& page, bool rows) {
    const int lines = rows ? page.height() : page.width();
    const int along = rows ? page.width() : page.height();
    int found = 0;
    for (int i = 0; i < lines; ++i) {
      int inked = 0;
      for (int j = 0; j < along; ++j) {
        const QRgb p = rows ? page.pixel(j, i) : page.pixel(i, j);
        inked += qRed(p) < 200 || qGreen(p) < 200 || qBlue(p) < 200;
      }
      found += inked * 2 > along;
    }
    return found;
  }

  // Whether a pixel within two of (x, y) is inked.
  static bool ink_near(const QImage& page, double x, double y) {
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -2; dx <= 2; ++dx) {
        const QPoint p(static_cast<int>(std::lround(x)) + dx,
                       static_cast<int>(std::lround(y)) + dy);
        if (page.rect().contains(p) && qGray(page.pixel(p)) < 200) return true;
      }
    }
    return false;
  }

  // The vector print as it was made before arcs became curves: every element's chain of
  // lines at the print's scale, drawn on a PDF printer with the print's pen.
  void print_chains(const QString& pdf) {
    QtPrinter printer(pdf.toStdString());
    const double factor = static_cast<double>(printer.PageWidth()) / widget->width();
    const double sx = xscale[1], sy = yscale[1];
    const int ox = x_plot_origin[1], oy = y_plot_origin[1];
    xscale[1] *= factor, yscale[1] *= factor;
    x_plot_origin[1] = static_cast<int>(std::nearbyint(ox * factor));
    y_plot_origin[1] = static_cast<int>(std::nearbyint(oy * factor));
    RecordingCanvas chains;  // the screen's routing: arcs as chains
    plot_elements(chains, 1, 1);
    xscale[1] = sx, yscale[1] = sy, x_plot_origin[1] = ox, y_plot_origin[1] = oy;
    const double dots_per_inch = printer.PageWidth() / (printer.WidthMM() / 25.4);
    printer.BeginDoc();
    Canvas& page = printer.GetCanvas();
    page.SetPenWidth(static_cast<int>(std::nearbyint(std::nearbyint(dots_per_inch) * 0.005)));
    page.SetBrushStyle(bsClear);
    for (const std::string& entry : chains.log()) {
      std::istringstream in(entry);
      std::string word;
      long long a = 0, b = 0;
      in >> word >> a >> b;
      if (word == "PenColor") page.SetPenColor(static_cast<TColor>(a));
      if (word == "MoveTo") page.MoveTo(static_cast<int>(a), static_cast<int>(b));
      if (word == "LineTo") page.LineTo(static_cast<int>(a), static_cast<int>(b));
    }
    printer.EndDoc();
  }

  QTemporaryDir dir;
};

TEST_F(OrvanePrint, VectorPrintScalesTheWidgetToThePageAndPutsEverythingBack) {
  RecordingPrinter printer(4800, 6600, 203);
  ScopedPrinter scope(printer);
  widget->MakeLine(-20, 0, 0, 20, 0, 0);
  const double scale = xscale[1];
  const int x = x_plot_origin[1], y = y_plot_origin[1];
  widget->PrintCad();
  // 200 widget pixels on 4800 page pixels: the line runs across the whole page.
  const auto& log = printer.GetCanvas().log();
  EXPECT_NE(std::find(log.begin(), log.end(), "LineTo 4800 1200"), log.end());
  EXPECT_FALSE(print_on);
  EXPECT_DOUBLE_EQ(pscale, 1.0);
  EXPECT_DOUBLE_EQ(xscale[1], scale);
  EXPECT_EQ(x_plot_origin[1], x);
  EXPECT_EQ(y_plot_origin[1], y);
}

TEST_F(OrvanePrint, FailedVectorPrintLeavesTheWidgetAsItWas) {
  FailingPrinter printer(4800, 6600, 203);
  ScopedPrinter scope(printer);
  const double scale = xscale[1];
  EXPECT_THROW(widget->PrintCad(), std::runtime_error);
  EXPECT_DOUBLE_EQ(printer.during, scale * 24);
  EXPECT_FALSE(print_on);
  EXPECT_DOUBLE_EQ(xscale[1], scale);
  EXPECT_EQ(printer.jobs().back(), "Abort");
}

TEST_F(OrvanePrint, MonochromeIsAWidgetProperty) {
  EXPECT_FALSE(widget->GetPrintMonochrome());
  widget->setProperty("PrintMonochrome", true);
  EXPECT_TRUE(print_monochrome);
  EXPECT_TRUE(widget->GetPrintMonochrome());
}

TEST_F(OrvanePrint, VectorPrintToPdfShowsTheLines) {
  widget->MakeLine(-20, 0, 0, 20, 0, 0);
  widget->MakeLine(0, -10, 0, 0, 10, 0);
  const QString pdf = dir.filePath("lines.pdf");
  QtPrinter printer(pdf.toStdString());
  ScopedPrinter scope(printer);
  widget->PrintCad();
  const QImage page = render(pdf);
  ASSERT_FALSE(page.isNull());
  // The horizontal line spans the printable width, the vertical one half the widget's height
  // at the same scale, which is less than half the page: only the horizontal line is long.
  EXPECT_GE(long_runs(page, true), 1);
  EXPECT_EQ(long_runs(page, false), 0);
  EXPECT_EQ(last_pdf_print_file(), pdf.toStdString());
}

TEST_F(OrvanePrint, PrintOnTheApplicationsPrinterLeavesTheCurrentPrinterSet) {
  widget->MakeLine(-20, 0, 0, 20, 0, 0);
  widget->MakeLine(0, -10, 0, 0, 10, 0);
  RecordingPrinter recorder(1000, 700, 200);
  ScopedPrinter scope(recorder);
  // A QPrinter as a print dialog leaves it: a PDF file named by the application.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = dir.filePath("dialog.pdf");
  printer.setOutputFileName(pdf);
  widget->PrintCad(printer);
  const QImage page = render(pdf);
  ASSERT_FALSE(page.isNull());
  EXPECT_GE(long_runs(page, true), 1);
  EXPECT_EQ(long_runs(page, false), 0);
  // The application's current printer saw nothing and is current again.
  EXPECT_EQ(current_printer(), &recorder);
  EXPECT_TRUE(recorder.jobs().empty());

  const QString picture = dir.filePath("dialog-picture.pdf");
  printer.setOutputFileName(picture);
  widget->PrintBMP(printer);
  EXPECT_GT(QFileInfo(picture).size(), 0);

  // A printer whose file cannot be written is an error naming the file; nothing stays set.
  const QString bad = dir.filePath("missing/folder/x.pdf");
  printer.setOutputFileName(bad);
  EXPECT_THROW(widget->PrintCad(printer), std::runtime_error);
  EXPECT_EQ(current_printer(), &recorder);
  EXPECT_FALSE(print_on);
}

TEST_F(OrvanePrint, PdfArcIsACurveWhereTheViewPutsIt) {
  // The axes through the centre, and a quarter circle of radius 8 from three to twelve o'clock.
  widget->MakeLine(-20, 0, 0, 20, 0, 0);
  widget->MakeLine(0, -10, 0, 0, 10, 0);
  widget->MakeArc(-1, 0, 0, 0, 8, 0, 90);
  const QString pdf = dir.filePath("arc.pdf");
  QtPrinter printer(pdf.toStdString());
  ScopedPrinter scope(printer);
  widget->PrintCad();
  const QImage page = render(pdf);
  ASSERT_FALSE(page.isNull());
  // The centre is where the axes cross: the row and the column with the most ink.
  const auto densest = [&page](bool rows) {
    int best = 0, best_count = -1;
    for (int i = 0; i < (rows ? page.height() : page.width()); ++i) {
      int n = 0;
      for (int j = 0; j < (rows ? page.width() : page.height()); ++j)
        n += qGray(rows ? page.pixel(j, i) : page.pixel(i, j)) < 200;
      if (n > best_count) best = i, best_count = n;
    }
    return best;
  };
  const int cy = densest(true), cx = densest(false);
  // The x axis spans the 40 units of the widget's width: that gives the scale.
  int left = page.width(), right = -1;
  for (int x = 0; x < page.width(); ++x) {
    if (qGray(page.pixel(x, cy)) < 200) left = std::min(left, x), right = std::max(right, x);
  }
  const double radius = 8 * (right - left + 1) / 40.0;
  ASSERT_GT(radius, 100);
  for (int a = 10; a <= 80; a += 10) {
    const double t = a * std::numbers::pi / 180;
    EXPECT_TRUE(ink_near(page, cx + radius * std::cos(t), cy - radius * std::sin(t))) << a;
  }
  for (int a : {120, 135, 160, 200, 225, 250, 290, 315, 340}) {
    const double t = a * std::numbers::pi / 180;
    EXPECT_FALSE(ink_near(page, cx + radius * std::cos(t), cy - radius * std::sin(t))) << a;
  }
}

TEST_F(OrvanePrint, PdfOfCurvesIsSmallerThanTheChainsAndLooksTheSame) {
  for (int i = 0; i < 60; ++i) {
    const double x = -16 + (i % 10) * 3.5, y = -6 + (i / 10) * 2.5, r = 1 + (i % 7) * 0.8;
    widget->MakeArc(-1, x, y, 0, r, i * 37 % 360, i * 83 % 360);
  }
  widget->MakeLine(-20, 0, 0, 20, 0, 0);
  const QString curves = dir.filePath("curves.pdf"), chains = dir.filePath("chains.pdf");
  {
    QtPrinter printer(curves.toStdString());
    ScopedPrinter scope(printer);
    widget->PrintCad();
  }
  print_chains(chains);
  const qint64 curve_bytes = QFileInfo(curves).size(), chain_bytes = QFileInfo(chains).size();
  RecordProperty("curve_pdf_bytes", std::to_string(curve_bytes));
  RecordProperty("chain_pdf_bytes", std::to_string(chain_bytes));
  EXPECT_GT(curve_bytes, 0);
  EXPECT_LT(curve_bytes * 2, chain_bytes) << curve_bytes << " " << chain_bytes;
  // Rendered, the two pages agree but for the odd pixel at the edge of a stroke.
  const QImage a = render(curves), b = render(chains);
  ASSERT_EQ(a.size(), b.size());
  int inked = 0, differ = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      inked += qGray(b.pixel(x, y)) < 200;
      differ += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 96;
    }
  }
  RecordProperty("pixels_differing", std::to_string(differ) + " of " + std::to_string(inked));
  EXPECT_GT(inked, 2000);
  EXPECT_LT(differ * 50, inked) << differ << " of " << inked;
}

TEST_F(OrvanePrint, PicturePrintToPdfIsTheNegativeOfABlackWidget) {
  widget->MakeLine(-20, 0, 0, 20, 0, 0);
  widget->Redraw();
  const QString pdf = dir.filePath("picture.pdf");
  QtPrinter printer(pdf.toStdString());
  ScopedPrinter scope(printer);
  widget->PrintBMP();
  const QImage page = render(pdf, 50);
  ASSERT_FALSE(page.isNull());
  // Black becomes white paper; the lime line becomes a magenta row across the page.
  int magenta = 0;
  for (int x = 0; x < page.width(); ++x) {
    for (int y = 0; y < page.height(); ++y) {
      const QRgb p = page.pixel(x, y);
      magenta += qRed(p) - qGreen(p) > 60 && qBlue(p) - qGreen(p) > 60;
    }
  }
  EXPECT_GT(magenta, page.width() / 2);
  EXPECT_EQ(long_runs(page, false), 0);
}

TEST_F(OrvanePrint, WithoutAPrinterThePrintGoesToThePdfFileNamed) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "this system has a printer";
  const QString pdf = dir.filePath("default.pdf");
  qputenv("ORVANE_PRINT_PDF", pdf.toUtf8());
  widget->MakeLine(-20, 0, 0, 20, 0, 0);
  widget->PrintCad();
  EXPECT_TRUE(QFile::exists(pdf));
  EXPECT_EQ(last_pdf_print_file(), pdf.toStdString());
  EXPECT_EQ(current_printer(), nullptr);

  // A file that cannot be written makes a clear error naming it, and no print is left running.
  const std::string bad = dir.filePath("missing/folder/x.pdf").toStdString();
  qputenv("ORVANE_PRINT_PDF", QByteArray::fromStdString(bad));
  try {
    widget->PrintCad();
    ADD_FAILURE() << "printing into a missing folder succeeded";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
  }
  EXPECT_FALSE(print_on);
}

TEST_F(OrvanePrint, DefaultPdfGoesToTheDocumentsFolderAndNeverOverwritesAPrint) {
  // A home of the test's own, so that nothing is written into the real one.
  const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", dir.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
  const QString first = QString::fromStdString(default_pdf_print_file());
  EXPECT_EQ(QFileInfo(first).absolutePath(), QDir(dir.filePath("Documents")).absolutePath());
  EXPECT_TRUE(QFileInfo(first).fileName().startsWith("orvane-print-")) << first.toStdString();
  QFile taken(first);
  ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
  taken.close();
  const QString second = QString::fromStdString(default_pdf_print_file());
  qputenv("HOME", home);
  qputenv("XDG_CONFIG_HOME", config);
  if (config.isEmpty()) qunsetenv("XDG_CONFIG_HOME");
  EXPECT_NE(second, first);
  EXPECT_TRUE(second.endsWith(".pdf"));
}

}  // namespace
