// A vector print (TOrvane::PrintCad on a 1920 x 1080 widget) of 100 000 mixed elements into a
// PDF file through QtPrinter, against the floor: one plain QPainter pass onto a QPdfWriter of the
// same page drawing the same shapes (drawLine, drawArc, drawEllipse) with the same pen, set when
// the colour changes. Both the time and the size of the PDF are compared.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QLineF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "bench/component/mixed_drawing.h"
#include "bench/component/top_window.h"
#include "bench/fileio/cpu_time.h"
#include "bench/limits.h"
#include "core/core.h"
#include "orvane/orvane.h"
#include "platform/qt/qt_printer.h"
#include "platform/recording_printer.h"

namespace {

constexpr int kElements = 100000;

// The offscreen application the widget and the printer need, and the widget; made on first use.
orvane::TOrvane& widget() {
  static orvane::TOrvane* w = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "component_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    auto* made = new orvane::TOrvane;
    made->resize(bench::kWidgetWidth, bench::kWidgetHeight);
    return made;
  }();
  return *w;
}

// The PDF files go to a folder removed when the program ends.
QString pdf_path(const char* stem) {
  static const QTemporaryDir dir;
  return dir.filePath(QString(stem) + ".pdf");
}

std::map<std::string, double>& pdf_bytes() {
  static std::map<std::string, double> sizes;
  return sizes;
}

// One shape of the floor in page pixels.
struct Shape {
  enum Kind { kLine, kArc, kEllipse } kind = kLine;
  QColor colour;
  bool filled = false;
  QLineF line;
  QRectF box;
  int start16 = 0, span16 = 0;
};

struct Page {
  QPageLayout layout;
  int resolution = 0;
  int pen_width = 0;
  std::vector<Shape> shapes;
};

QColor colour_of(orvane::TColor c) {
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// The shapes the print draws, worked out from the store with the print's own scale: the
// control's width over the page's printable width, in the top view.
void add_shapes(Page& page, double page_width) {
  using namespace orvane;
  const double f = page_width / bench::kWidgetWidth;
  const double sx = xscale[1] * f, sy = yscale[1] * f;
  const double ox = std::nearbyint(x_plot_origin[1] * f), oy = std::nearbyint(y_plot_origin[1] * f);
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e == nullptr || e->deleted || e->element_type == kNoElement) continue;
    const double* g = e->values;
    Shape s;
    s.colour = colour_of(e->color);
    const QPointF c(g[0] * sx + ox, g[1] * sy + oy);
    switch (e->element_type) {
      case kPoint:
        s.line = QLineF(c - QPointF(5, 0), c + QPointF(5, 0));
        page.shapes.push_back(s);
        s.line = QLineF(c - QPointF(0, 5), c + QPointF(0, 5));
        break;
      case kLine:
        s.line = QLineF(c, QPointF(g[3] * sx + ox, g[4] * sy + oy));
        break;
      case kArc: {
        s.kind = Shape::kArc;
        const double r = std::abs(g[3] * sx);
        s.box = QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r);
        s.start16 = qRound(g[4] * 16);
        s.span16 = qRound(get_arc_angle(g[4], g[5], 3) * 16);
        break;
      }
      case kCircle: {
        s.kind = Shape::kEllipse;
        s.filled = e->view == 9;
        const double r = std::abs(g[3] * sx);
        s.box = QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r);
        break;
      }
      default:
        continue;
    }
    page.shapes.push_back(s);
  }
}

Page& page() {
  static Page p;
  if (!p.shapes.empty()) return p;
  widget();
  bench::make_mixed_drawing(kElements, 5);
  bench::look_at_top(591);
  // The page a PDF print gets, from a printer made as QtPrinter makes it.
  QPrinter probe(QPrinter::HighResolution);
  probe.setOutputFormat(QPrinter::PdfFormat);
  p.layout = probe.pageLayout();
  p.resolution = probe.resolution();
  const int page_width = probe.pageRect(QPrinter::DevicePixel).toRect().width();
  const int ppi = static_cast<int>(std::nearbyint(page_width / (probe.widthMM() / 25.4)));
  p.pen_width = static_cast<int>(std::nearbyint(ppi * 0.005));
  add_shapes(p, page_width);
  return p;
}

void record_size(const char* name, const QString& file) {
  pdf_bytes()[name] = static_cast<double>(QFileInfo(file).size());
}

void PrintCadToPdf(benchmark::State& state) {
  page();
  const QString file = pdf_path("print");
  for (auto _ : state) {
    const double start = bench::thread_seconds();
    {
      orvane::QtPrinter printer(file.toStdString());
      orvane::ScopedPrinter scope(printer);
      widget().PrintCad();
    }
    state.SetIterationTime(bench::thread_seconds() - start);
  }
  record_size("PrintCadToPdf", file);
}

// The plain pass: one painter on a PDF writer of the same page, the pen set per colour run.
void draw_floor(const Page& p, const QString& file) {
  QPdfWriter writer(file);
  writer.setResolution(p.resolution);
  writer.setPageLayout(p.layout);
  QPainter painter(&writer);
  QColor pen_colour, brush_colour;
  bool brush = true;
  for (const Shape& s : p.shapes) {
    if (s.colour != pen_colour) {
      pen_colour = s.colour;
      painter.setPen(QPen(s.colour, p.pen_width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    if (s.filled != brush || (s.filled && s.colour != brush_colour)) {
      brush = s.filled;
      brush_colour = s.colour;
      painter.setBrush(s.filled ? QBrush(s.colour) : QBrush());
    }
    switch (s.kind) {
      case Shape::kLine:
        painter.drawLine(s.line);
        break;
      case Shape::kArc:
        painter.drawArc(s.box, s.start16, s.span16);
        break;
      case Shape::kEllipse:
        painter.drawEllipse(s.box);
        break;
    }
  }
}

void QPainterToPdfFloor(benchmark::State& state) {
  const Page& p = page();
  const QString file = pdf_path("floor");
  for (auto _ : state) {
    const double start = bench::thread_seconds();
    draw_floor(p, file);
    state.SetIterationTime(bench::thread_seconds() - start);
  }
  record_size("QPainterToPdfFloor", file);
}

const bool registered = [] {
  for (auto [name, run] :
       {std::pair{"QPainterToPdfFloor", &QPainterToPdfFloor}, {"PrintCadToPdf", &PrintCadToPdf}}) {
    bench::set_items(name, kElements);
    // The thread's CPU time, file writing included: neighbours on a shared machine weigh little.
    benchmark::RegisterBenchmark(name, run)->UseManualTime()->Unit(benchmark::kMillisecond);
  }
  return true;
}();

double size_ratio() {
  const double floor = pdf_bytes()["QPainterToPdfFloor"];
  const double print = pdf_bytes()["PrintCadToPdf"];
  return floor > 0 && print > 0 ? print / floor : std::nan("");
}

std::vector<bench::Limit> print_limits() {
  return {{"PrintCad of 100 000 mixed elements to PDF / plain QPainter pass on QPdfWriter",
           bench::ratio("PrintCadToPdf", "QPainterToPdfFloor"), 2.0, ""},
          {"its PDF file size / the plain QPainter pass's", size_ratio(), 1.5, ""}};
}

static bench::AddLimits limits(print_limits);

}  // namespace
