// A pick over a million lines, in the top and in the isometric window, against a floor that only
// computes each segment's distance to the pointer from a packed copy of the same end points.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "bench/limits.h"
#include "bench/random_lines.h"
#include "component/pick.h"
#include "core/core.h"

namespace {

constexpr int kLines = 1000000;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

std::vector<double>& end_points() {
  static std::vector<double> points;
  return points;
}

// Whether the store still holds this file's drawing (other benchmarks make their own).
bool drawing_is_current() {
  const std::vector<double>& points = end_points();
  if (points.empty() || orvane::last_element_number != kLines + 1) return false;
  const orvane::TElement* last = orvane::lock_element(kLines + 1);
  return last != nullptr && last->values[5] == points.back();
}

// A million random lines in a cube of 1000 units, every window zoomed to fit 1920 x 1080.
void make_drawing() {
  end_points() = bench::make_random_lines(kLines, 11);
  for (int w = 1; w <= 4; ++w) {
    orvane::current_plot_window = w;
    orvane::set_scale(0, kWidth, kHeight);
    orvane::set_scale(0, kWidth, kHeight);
  }
}

void use_window(int w) {
  if (!drawing_is_current()) make_drawing();
  orvane::current_plot_window = w;
  orvane::view_window_proc();
  orvane::set_coefficiants();
  orvane::type_of_pick = 10;
}

void Pick(benchmark::State& state, int window) {
  use_window(window);
  int found = 0;
  for (auto _ : state) {
    int number = 0;
    orvane::dpoint near_end, far_end, mid, closest;
    found +=
        orvane::pick2(0, kWidth / 2 + 3, kHeight / 2 - 2, number, near_end, far_end, mid, closest);
    benchmark::DoNotOptimize(number);
  }
  if (found == 0) state.SkipWithError("the pick found nothing");
}

// The nearest segment to a point: projection onto each segment, clamped, and one root.
void SegmentDistanceFloor(benchmark::State& state) {
  if (!drawing_is_current()) make_drawing();
  const std::vector<double>& points = end_points();
  const double px = 0.3;
  const double py = -0.2;
  for (auto _ : state) {
    double best = 1e300;
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < points.size(); i += 6) {
      const double x1 = points[i], y1 = points[i + 1];
      const double dx = points[i + 3] - x1, dy = points[i + 4] - y1;
      const double length2 = dx * dx + dy * dy;
      const double t =
          length2 > 0 ? std::clamp(((px - x1) * dx + (py - y1) * dy) / length2, 0.0, 1.0) : 0;
      const double ex = x1 + t * dx - px, ey = y1 + t * dy - py;
      const double d = std::sqrt(ex * ex + ey * ey);
      if (d < best) {
        best = d;
        chosen = i;
      }
    }
    benchmark::DoNotOptimize(chosen);
  }
}

const bool registered = [] {
  bench::set_items("SegmentDistanceFloor", kLines);
  bench::set_items("PickTop", kLines);
  bench::set_items("PickIsometric", kLines);
  benchmark::RegisterBenchmark("SegmentDistanceFloor", SegmentDistanceFloor)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("PickTop", Pick, 1)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("PickIsometric", Pick, 4)->Unit(benchmark::kMillisecond);
  return true;
}();

std::vector<bench::Limit> pick_limits() {
  return {{"pick2 over 1 000 000 lines, top window / bare segment-distance loop",
           bench::ratio("PickTop", "SegmentDistanceFloor"), 3.0, ""},
          {"pick2 over 1 000 000 lines, isometric window / bare segment-distance loop",
           bench::ratio("PickIsometric", "SegmentDistanceFloor"), 3.0, ""}};
}

static bench::AddLimits limits(pick_limits);

}  // namespace
