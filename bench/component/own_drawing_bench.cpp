// What a drawing of its own costs. A call on a widget with its own drawing exchanges the whole
// drawing-wide state twice (in and out); the cost must not follow the drawing's size, so the same
// call on a widget holding a million lines is measured against one holding a single line. A full
// repaint through a shared widget, which only compares its drawing with the current one, is
// measured against the core's repaint on the same canvas.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <memory>

#include "bench/component/top_window.h"
#include "bench/limits.h"
#include "bench/random_lines.h"
#include "core/core.h"
#include "orvane/orvane.h"

namespace {

constexpr int kLargeDrawing = 1000000;
constexpr int kRepaintLines = 100000;

void ensure_application() {
  if (QApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "component_bench";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
}

// A hidden widget with a drawing of its own of count random lines, made from inside one of its
// calls (its paint handler), where its drawing is the current one.
std::unique_ptr<orvane::TOrvane> own_widget_with(int count) {
  ensure_application();
  auto w = std::make_unique<orvane::TOrvane>();
  w->SetOwnDrawing(true);
  w->OnPaint = [count](orvane::TOrvane*) { bench::make_random_lines(count, 11); };
  w->Paint();
  w->OnPaint = nullptr;
  return w;
}

void OwnCall(benchmark::State& state, int count) {
  static std::unique_ptr<orvane::TOrvane> small = own_widget_with(1);
  static std::unique_ptr<orvane::TOrvane> large = own_widget_with(kLargeDrawing);
  orvane::TOrvane& w = count == 1 ? *small : *large;
  if (w.GetLastElement() != count + 1) return state.SkipWithError("drawing not made");
  for (auto _ : state)
    benchmark::DoNotOptimize(w.GetLastElement());
}

// The shared drawing of these benchmarks is set aside for their length, so that the other
// benchmarks find theirs as they left it.
class SharedDrawingAside {
 public:
  SharedDrawingAside() : aside_(orvane::start_core_state()) { orvane::swap_core_state(aside_); }
  ~SharedDrawingAside() {
    orvane::swap_core_state(aside_);
    orvane::free_core_state(aside_);
  }
  SharedDrawingAside(const SharedDrawingAside&) = delete;
  SharedDrawingAside& operator=(const SharedDrawingAside&) = delete;

 private:
  orvane::CoreState aside_;
};

void SharedRepaint(benchmark::State& state, bool through_widget) {
  ensure_application();
  const SharedDrawingAside aside;
  bench::make_random_lines(kRepaintLines, 5);
  bench::look_at_top(600);
  orvane::TOrvane w;
  w.resize(bench::kWidgetWidth, bench::kWidgetHeight);
  for (auto _ : state) {
    if (through_widget) {
      w.Redraw();
    } else {
      orvane::redraw2(w.canvas(), bench::kWidgetWidth, bench::kWidgetHeight);
    }
    benchmark::DoNotOptimize(w.backing_image().constBits());  // the pending lines drawn
  }
}

const bool registered = [] {
  bench::set_items("OwnCallSmallDrawing", 1);
  bench::set_items("OwnCallLargeDrawing", 1);
  benchmark::RegisterBenchmark("OwnCallSmallDrawing", OwnCall, 1);
  benchmark::RegisterBenchmark("OwnCallLargeDrawing", OwnCall, kLargeDrawing);
  bench::set_items("SharedWidgetRedraw", kRepaintLines);
  bench::set_items("CoreRedrawOnWidgetCanvas", kRepaintLines);
  benchmark::RegisterBenchmark("SharedWidgetRedraw", SharedRepaint, true)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("CoreRedrawOnWidgetCanvas", SharedRepaint, false)
      ->Unit(benchmark::kMillisecond);
  return true;
}();

std::vector<bench::Limit> own_drawing_limits() {
  return {{"call on an own drawing of 1 000 000 lines / of 1 line",
           bench::ratio("OwnCallLargeDrawing", "OwnCallSmallDrawing"), 1.5, ""},
          {"shared widget Redraw of 100 000 lines / core redraw2 on its canvas",
           bench::ratio("SharedWidgetRedraw", "CoreRedrawOnWidgetCanvas"), 1.1, ""}};
}

static bench::AddLimits limits(own_drawing_limits);

}  // namespace
