// A full repaint of a million lines through the rendering routines, against a floor that only
// projects and rounds the same end points.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/limits.h"
#include "bench/random_lines.h"
#include "core/core.h"

namespace {

constexpr int kLines = 1000000;

// A canvas that takes every call and does nothing with it.
class DiscardCanvas : public orvane::Canvas {
 public:
  void SetPenColor(orvane::TColor) override {}
  void SetPenStyle(orvane::TPenStyle) override {}
  void SetPenWidth(int) override {}
  void SetPenMode(orvane::TPenMode) override {}
  void SetBrushColor(orvane::TColor) override {}
  void SetBrushStyle(orvane::TBrushStyle) override {}
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void Ellipse(int, int, int, int) override {}
  void Rectangle(int, int, int, int) override {}
  void CopyRect(const orvane::TRect&, Canvas&, const orvane::TRect&, uint32_t) override {}
  void SetFont(const std::string&, int) override {}
};

std::vector<double>& end_points() {
  static std::vector<double> points;
  return points;
}

// The drawing of the benchmark: a million lines in the isometric view, zoomed to fit 1920 x 1080.
void make_drawing() {
  end_points() = bench::make_random_lines(kLines, 7);
  orvane::current_plot_window = 4;
  orvane::view_window_proc();
  orvane::set_coefficiants();
  orvane::set_scale(0, 1920, 1080);
  orvane::set_scale(0, 1920, 1080);
}

void Redraw2Lines(benchmark::State& state) {
  if (orvane::last_element_number < kLines) make_drawing();
  DiscardCanvas canvas;
  for (auto _ : state) {
    orvane::redraw2(canvas, 1920, 1080);
    benchmark::ClobberMemory();
  }
}

void ProjectAndRoundFloor(benchmark::State& state) {
  if (orvane::last_element_number < kLines) make_drawing();
  const std::vector<double>& points = end_points();
  const int w = orvane::current_plot_window;
  long long sum = 0;
  for (auto _ : state) {
    for (std::size_t i = 0; i < points.size(); i += 3) {
      double vx, vy;
      orvane::view_coordinates(w, points[i], points[i + 1], points[i + 2], vx, vy);
      sum += orvane::pixel_x(w, vx);
      sum += orvane::pixel_y(w, vy);
    }
    benchmark::DoNotOptimize(sum);
  }
}

}  // namespace

void bench::register_redraw() {
  bench::set_items("Redraw2Lines", kLines);
  bench::set_items("ProjectAndRoundFloor", kLines);
  benchmark::RegisterBenchmark("ProjectAndRoundFloor", ProjectAndRoundFloor)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Redraw2Lines", Redraw2Lines)->Unit(benchmark::kMillisecond);
}
