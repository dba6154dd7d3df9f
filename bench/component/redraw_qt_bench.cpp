// A full repaint of a million lines through the Qt canvas into a 1920 x 1080 RGB32 image, for
// short lines and for lines across the image, against two floors drawing the same pixel
// segments: Qt's drawLines with one pen in batches of 10 000, and a plain Bresenham loop
// writing straight into the image's pixels.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QLine>
#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "bench/component/segment_canvas.h"
#include "bench/component/top_window.h"
#include "bench/limits.h"
#include "core/core.h"
#include "platform/qt/qt_canvas.h"

namespace {

constexpr int kLines = 1000000;
constexpr int kWidth = bench::kWidgetWidth;
constexpr int kHeight = bench::kWidgetHeight;
constexpr int kBatch = 10000;

enum class Length { kShort, kLong };

const char* name_of(Length length) {
  return length == Length::kShort ? "Short" : "Long";
}

using bench::SegmentCanvas;

struct Drawing {
  int length = -1;  // the Length the store holds now, -1 for none
  std::vector<QLine> segments;
  bool inside = false;  // every end point lies in the image
};

Drawing& drawing() {
  static Drawing d;
  return d;
}

// A million lines in the top view, filling the image. Short lines are 3 to 25 units long in any
// direction (5 to 45 pixels); long ones run from the left edge to the right edge.
void make_drawing(Length length) {
  orvane::startup();
  std::mt19937 random(7);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int i = 0; i < kLines; ++i) {
    double x1, y1, x2, y2;
    if (length == Length::kShort) {
      const double a = 2 * std::numbers::pi * unit(random), l = 3 + 22 * unit(random);
      x1 = -475 + 950 * unit(random);
      y1 = -255 + 510 * unit(random);
      x2 = x1 + l * std::cos(a);
      y2 = y1 + l * std::sin(a);
    } else {
      x1 = -500 + 50 * unit(random);
      x2 = 450 + 50 * unit(random);
      y1 = -280 + 560 * unit(random);
      y2 = -280 + 560 * unit(random);
    }
    orvane::make_element(orvane::get_new_element_number(), orvane::kLine, x1, y1, 0, x2, y2, 0,
                         orvane::clLime, 0, 1, 0, 1);
  }
  // 1.83 pixels a unit around the origin: the 1000 x 560 units of the lines fill the image.
  bench::look_at_top(591);

  SegmentCanvas collect;
  orvane::redraw2(collect, kWidth, kHeight);
  Drawing& d = drawing();
  d.length = static_cast<int>(length);
  d.segments = std::move(collect.segments);
  d.inside = d.segments.size() == kLines;
  const QRect image(0, 0, kWidth, kHeight);
  for (const QLine& s : d.segments)
    d.inside = d.inside && image.contains(s.p1()) && image.contains(s.p2());
}

const Drawing& drawing_of(Length length) {
  if (drawing().length != static_cast<int>(length)) make_drawing(length);
  return drawing();
}

QImage& image() {
  static QImage i(kWidth, kHeight, QImage::Format_RGB32);
  return i;
}

void RedrawQt(benchmark::State& state, Length length) {
  if (!drawing_of(length).inside) return state.SkipWithError("segments leave the image");
  for (auto _ : state) {
    orvane::QtCanvas canvas(&image());
    orvane::redraw2(canvas, kWidth, kHeight);
    canvas.Flush();
    benchmark::ClobberMemory();
  }
}

// Floor (a): Qt with one pen, batches of 10 000 segments.
void QPainterFloor(benchmark::State& state, Length length) {
  const Drawing& d = drawing_of(length);
  if (!d.inside) return state.SkipWithError("segments leave the image");
  for (auto _ : state) {
    QPainter painter(&image());
    painter.setPen(QPen(QColor(0, 255, 0), 0));
    for (std::size_t i = 0; i < d.segments.size(); i += kBatch) {
      const int n = static_cast<int>(std::min<std::size_t>(kBatch, d.segments.size() - i));
      painter.drawLines(d.segments.data() + i, n);
    }
    painter.end();
    benchmark::ClobberMemory();
  }
}

// The textbook all-octant Bresenham loop, end pixel left out; the segment lies in the image.
void plain_line(uint32_t* bits, std::ptrdiff_t stride, int x0, int y0, int x1, int y1,
                uint32_t value) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  while (x0 != x1 || y0 != y1) {
    bits[y0 * stride + x0] = value;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

// Floor (b): the same segments written straight into the pixels.
void BresenhamFloor(benchmark::State& state, Length length) {
  const Drawing& d = drawing_of(length);
  if (!d.inside) return state.SkipWithError("segments leave the image");
  QImage& i = image();
  uint32_t* bits = reinterpret_cast<uint32_t*>(i.bits());
  const std::ptrdiff_t stride = i.bytesPerLine() / 4;
  for (auto _ : state) {
    for (const QLine& s : d.segments)
      plain_line(bits, stride, s.x1(), s.y1(), s.x2(), s.y2(), 0xFF00FF00u);
    benchmark::ClobberMemory();
  }
}

std::string bench_name(const char* what, Length length) {
  return std::string(what) + name_of(length);
}

const bool registered = [] {
  for (Length length : {Length::kShort, Length::kLong}) {
    for (auto [what, run] : {std::pair{"BresenhamFloor", &BresenhamFloor},
                             {"QPainterFloor", &QPainterFloor},
                             {"RedrawQt", &RedrawQt}}) {
      const std::string name = bench_name(what, length);
      bench::set_items(name, kLines);
      auto* b = benchmark::RegisterBenchmark(name.c_str(), run, length);
      b->Unit(benchmark::kMillisecond);
      // The repaint and its Bresenham floor each count their fastest of three runs: the short
      // lines' 1.2x limit leaves little room for a neighbour's burst.
      if (run != &QPainterFloor) b->Repetitions(3);
    }
  }
  return true;
}();

std::vector<bench::Limit> redraw_limits() {
  std::vector<bench::Limit> limits;
  for (Length length : {Length::kShort, Length::kLong}) {
    const std::string kind = length == Length::kShort ? "short" : "long";
    const std::string redraw = bench_name("RedrawQt", length);
    limits.push_back({"Qt canvas redraw2 of 1 000 000 " + kind + " lines / plain Bresenham loop",
                      bench::ratio(redraw, bench_name("BresenhamFloor", length)),
                      length == Length::kShort ? 1.2 : 3.0, ""});
    limits.push_back({"Qt canvas redraw2 of 1 000 000 " + kind + " lines / QPainter drawLines",
                      bench::ratio(redraw, bench_name("QPainterFloor", length)), 1.0, ""});
  }
  return limits;
}

static bench::AddLimits limits(redraw_limits);

}  // namespace
