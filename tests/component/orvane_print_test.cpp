// Printing from the widget: on a recording printer, and for real into PDF files read back as
// pixels with pdftoppm.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
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
