// A repaint of 50 000 arcs and circles through the Qt canvas into a 1920 x 1080 RGB32 image,
// zoomed far in, against the same repaint at the full view measured in the same run. The
// zoomed repaint drawing every segment of every arc (no plot area) is measured too: what a
// zoomed repaint cost before arcs outside the window were left out.
#include <benchmark/benchmark.h>

#include <QImage>
#include <random>
#include <string>
#include <vector>

#include "bench/limits.h"
#include "core/core.h"
#include "platform/qt/qt_canvas.h"

namespace {

constexpr int kArcs = 50000;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr double kZoomedHeight = 0.08;  // model units shown top to bottom when zoomed in

// Arcs of radius 1 to 60 spread over 1000 x 560 units in the top view, a tenth of them full
// circles, and as many circle elements; then the full view fitted to them.
void make_drawing() {
  orvane::startup();
  std::mt19937 random(11);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int i = 0; i < kArcs; ++i) {
    const double x = -500 + 1000 * unit(random), y = -280 + 560 * unit(random);
    const double r = 1 + 59 * unit(random), start = 360 * unit(random);
    const double end = i % 10 == 0 ? start : 360 * unit(random);
    if (i % 20 == 1) {
      orvane::make_element(orvane::get_new_element_number(), orvane::kCircle, x, y, 0, r, 0, 0,
                           orvane::clLime, 0, 1, 0, 0);
    } else {
      orvane::make_element(orvane::get_new_element_number(), orvane::kArc, x, y, 0, r, start, end,
                           orvane::clLime, 0, 1, 0, -1);
    }
  }
  orvane::draw_axis_flag = false;
  orvane::current_plot_window = 1;
  orvane::view_window_proc();
  orvane::set_coefficiants();
}

void view(bool zoomed) {
  if (orvane::last_element_number < kArcs) make_drawing();
  orvane::screen_center_x[1] = 3.1;
  orvane::screen_center_y[1] = -1.7;
  orvane::view_height[1] = zoomed ? kZoomedHeight : 620;
  orvane::set_scale(1, kWidth, kHeight);
}

QImage& image() {
  static QImage i(kWidth, kHeight, QImage::Format_RGB32);
  return i;
}

void ArcsFullView(benchmark::State& state) {
  view(false);
  for (auto _ : state) {
    orvane::QtCanvas canvas(&image());
    orvane::redraw2(canvas, kWidth, kHeight);
  }
}

void ArcsZoomed(benchmark::State& state) {
  view(true);
  for (auto _ : state) {
    orvane::QtCanvas canvas(&image());
    orvane::redraw2(canvas, kWidth, kHeight);
  }
}

// The zoomed repaint without a plot area: every segment of every arc projected and drawn.
void ArcsZoomedEverySegment(benchmark::State& state) {
  view(true);
  for (auto _ : state) {
    orvane::QtCanvas canvas(&image());
    orvane::set_coefficiants();
    orvane::clear_screen(canvas, kWidth, kHeight);
    orvane::plot_elements(canvas, orvane::current_plot_window, 1);
  }
}

const bool registered = [] {
  for (auto [name, run] : {std::pair{"ArcsFullView", &ArcsFullView},
                           {"ArcsZoomed", &ArcsZoomed},
                           {"ArcsZoomedEverySegment", &ArcsZoomedEverySegment}}) {
    bench::set_items(name, kArcs);
    benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMillisecond);
  }
  return true;
}();

std::vector<bench::Limit> arc_limits() {
  return {{"Qt canvas redraw2 of 50 000 arcs at view size 0.08 / at the full view",
           bench::ratio("ArcsZoomed", "ArcsFullView"), 3.0, ""},
          {"the same zoomed repaint drawing every arc segment / at the full view (before)",
           bench::ratio("ArcsZoomedEverySegment", "ArcsFullView"), 1000.0, ""}};
}

static bench::AddLimits limits(arc_limits);

}  // namespace
