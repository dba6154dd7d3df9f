// What the spatial index buys: a repaint zoomed in on about 1 % of a million short lines, against
// a floor that draws only the segments that show through the same Qt canvas; and a pick among
// many short lines, against a floor that computes the segment distance of only the lines within
// the pick tolerance. The same repaint and pick over the whole store (index off) are measured
// beside them, as the figures before the index.
//
// The pick drawing holds 1 000 000 lines unless ORVANE_BENCH_PICK_LINES asks for more
// (10 000 000 takes about a gigabyte and a minute to make).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QLine>
#include <QRect>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "bench/component/segment_canvas.h"
#include "bench/component/top_window.h"
#include "bench/limits.h"
#include "component/pick.h"
#include "core/core.h"
#include "core/spatial_index.h"
#include "platform/qt/qt_canvas.h"

namespace {

constexpr int kWidth = bench::kWidgetWidth;
constexpr int kHeight = bench::kWidgetHeight;
constexpr int kRepaintLines = 1000000;

int pick_lines() {
  const char* asked = std::getenv("ORVANE_BENCH_PICK_LINES");
  const int n = asked != nullptr ? std::atoi(asked) : 0;
  return n > 0 ? n : 1000000;
}

using bench::SegmentCanvas;

struct Drawing {
  int count = 0;
  std::vector<double> ends;
};

Drawing& drawing() {
  static Drawing d;
  return d;
}

bool is_current(int count) {
  const Drawing& d = drawing();
  if (d.count != count || orvane::last_element_number != count + 1) return false;
  const orvane::TElement* last = orvane::lock_element(count + 1);
  return last != nullptr && !d.ends.empty() && last->values[4] == d.ends.back();
}

// Short lines (3 to 25 units, any direction) over 950 x 510 units in the top view.
void make_lines(int count) {
  if (is_current(count)) return;
  orvane::startup();
  std::mt19937 random(7);
  std::uniform_real_distribution<double> unit(0, 1);
  Drawing& d = drawing();
  d.ends.clear();
  d.ends.reserve(static_cast<std::size_t>(count) * 4);
  for (int i = 0; i < count; ++i) {
    const double a = 2 * std::numbers::pi * unit(random), l = 3 + 22 * unit(random);
    const double x1 = -475 + 950 * unit(random), y1 = -255 + 510 * unit(random);
    const double x2 = x1 + l * std::cos(a), y2 = y1 + l * std::sin(a);
    d.ends.insert(d.ends.end(), {x1, y1, x2, y2});
    orvane::make_element(orvane::get_new_element_number(), orvane::kLine, x1, y1, 0, x2, y2, 0,
                         orvane::clLime, 0, 1, 0, 1);
  }
  d.count = count;
}

// The top window around (0, 0), view_height units high (591 shows the whole drawing).
void look(double view_height) {
  bench::look_at_top(view_height);
}

// About 1 % of the drawing's area.
constexpr double kZoomedHeight = 59.1;

QImage& image() {
  static QImage i(kWidth, kHeight, QImage::Format_RGB32);
  return i;
}

void index_on(bool on) {
  orvane::set_spatial_index_enabled(on);
  orvane::spatial_index::set_min_elements(on ? 4096 : INT_MAX);
}

void RedrawZoomed(benchmark::State& state, bool indexed) {
  make_lines(kRepaintLines);
  look(kZoomedHeight);
  index_on(indexed);
  for (int warm = 0; warm < 2; ++warm) {
    orvane::QtCanvas canvas(&image());
    orvane::redraw2(canvas, kWidth, kHeight);
  }
  if (indexed && !orvane::spatial_index::last_used())
    state.SkipWithError("the index did not serve");
  for (auto _ : state) {
    orvane::QtCanvas canvas(&image());
    orvane::redraw2(canvas, kWidth, kHeight);
    canvas.Flush();
    benchmark::ClobberMemory();
  }
  index_on(true);
}

// Floor: only the segments that show, drawn with one pen through the same canvas.
void VisibleSegmentsFloor(benchmark::State& state) {
  make_lines(kRepaintLines);
  look(kZoomedHeight);
  index_on(false);
  SegmentCanvas all;
  orvane::redraw2(all, kWidth, kHeight);
  index_on(true);
  std::vector<QLine> visible;
  const QRect area(0, 0, kWidth, kHeight);
  for (const QLine& s : all.segments) {
    const QRect box = QRect(s.p1(), s.p2()).normalized();
    if (box.intersects(area) || area.contains(s.p1())) visible.push_back(s);
  }
  state.counters["segments"] = static_cast<double>(visible.size());
  for (auto _ : state) {
    orvane::QtCanvas canvas(&image());
    canvas.SetPenColor(orvane::clLime);
    for (const QLine& s : visible) {
      canvas.MoveTo(s.x1(), s.y1());
      canvas.LineTo(s.x2(), s.y2());
    }
    canvas.Flush();
    benchmark::ClobberMemory();
  }
}

// The pointer of every pick: a little off the image's centre.
constexpr int kPickX = kWidth / 2 + 3;
constexpr int kPickY = kHeight / 2 - 2;

void Pick(benchmark::State& state, bool indexed) {
  make_lines(pick_lines());
  look(591);
  orvane::type_of_pick = 10;
  index_on(indexed);
  int found = 0;
  const auto once = [&found] {
    int number = 0;
    orvane::dpoint near_end, far_end, mid, closest;
    found += orvane::pick2(0, kPickX, kPickY, number, near_end, far_end, mid, closest);
    benchmark::DoNotOptimize(number);
  };
  once();
  once();
  if (indexed && !orvane::spatial_index::last_used())
    state.SkipWithError("the index did not serve");
  for (auto _ : state)
    once();
  if (found == 0) state.SkipWithError("the pick found nothing");
  index_on(true);
}

// Floor: the segment distance of only the lines that lie within the pick tolerance of the
// pointer, from a packed copy of their ends.
void NearSegmentDistanceFloor(benchmark::State& state) {
  make_lines(pick_lines());
  look(591);
  double px, py, pz;
  orvane::trans_pixel_coords(1, kPickX, kPickY, px, py, pz);
  const double reach = orvane::pick_tolerance / orvane::xscale[1];
  const auto distance = [px, py](const double* e) {
    const double x1 = e[0], y1 = e[1];
    const double dx = e[2] - x1, dy = e[3] - y1;
    const double length2 = dx * dx + dy * dy;
    const double t =
        length2 > 0 ? std::clamp(((px - x1) * dx + (py - y1) * dy) / length2, 0.0, 1.0) : 0;
    const double ex = x1 + t * dx - px, ey = y1 + t * dy - py;
    return std::sqrt(ex * ex + ey * ey);
  };
  std::vector<double> near;
  const std::vector<double>& ends = drawing().ends;
  for (std::size_t i = 0; i < ends.size(); i += 4) {
    if (distance(&ends[i]) < reach) near.insert(near.end(), &ends[i], &ends[i] + 4);
  }
  state.counters["lines"] = static_cast<double>(near.size() / 4);
  for (auto _ : state) {
    double best = 1e300;
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < near.size(); i += 4) {
      const double d = distance(&near[i]);
      if (d < best) {
        best = d;
        chosen = i;
      }
    }
    benchmark::DoNotOptimize(chosen);
  }
}

const bool registered = [] {
  for (const char* name : {"RedrawZoomedIndexed", "RedrawZoomedFullPass", "VisibleSegmentsFloor",
                           "PickIndexed", "PickFullPass", "NearSegmentDistanceFloor"}) {
    bench::set_items(name, 1);
  }
  benchmark::RegisterBenchmark("VisibleSegmentsFloor", VisibleSegmentsFloor)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("RedrawZoomedIndexed", RedrawZoomed, true)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("RedrawZoomedFullPass", RedrawZoomed, false)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("NearSegmentDistanceFloor", NearSegmentDistanceFloor)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("PickIndexed", Pick, true)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("PickFullPass", Pick, false)->Unit(benchmark::kMicrosecond);
  return true;
}();

std::vector<bench::Limit> index_limits() {
  const std::string lines = std::to_string(pick_lines());
  // The passes over the whole store are the figures before the index; they have no limit.
  std::printf(
      "without the index: zoomed repaint %.1fx the visible-segment floor, pick over %s "
      "lines %.0fx the near-segment floor (%.3f ms)\n",
      bench::ratio("RedrawZoomedFullPass", "VisibleSegmentsFloor"), lines.c_str(),
      bench::ratio("PickFullPass", "NearSegmentDistanceFloor"),
      bench::ns_per_item("PickFullPass") / 1e6);
  return {{"zoomed repaint of 1 000 000 short lines, about 1 % on screen / drawing only the "
           "visible segments",
           bench::ratio("RedrawZoomedIndexed", "VisibleSegmentsFloor"), 3.0, ""},
          {"pick2 among " + lines +
               " short lines / segment distance of the lines within the "
               "tolerance",
           bench::ratio("PickIndexed", "NearSegmentDistanceFloor"), 20.0, ""},
          {"pick2 among " + lines + " short lines", bench::ns_per_item("PickIndexed") / 1e6, 1.0,
           "ms"}};
}

static bench::AddLimits limits(index_limits);

}  // namespace
