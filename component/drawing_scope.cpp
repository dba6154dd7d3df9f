#include "component/drawing_scope.h"

#include <utility>

#include "fileio/curve_tessellation.h"

namespace orvane {

WidgetDrawing* DrawingScope::current_ = nullptr;
DrawingScope* DrawingScope::innermost_ = nullptr;

namespace {

// Exchanges the drawing-wide state with d's: vectors and arrays are swapped, nothing is copied
// element by element.
void exchange(WidgetDrawing& d) {
  swap_core_state(d.core);
  std::swap(d.load_report, load_report);
  std::swap(d.chord_tolerance, chord_tolerance);
}

}  // namespace

std::unique_ptr<WidgetDrawing> new_widget_drawing() {
  auto d = std::make_unique<WidgetDrawing>();
  d->core = start_core_state();
  d->chord_tolerance = kDefaultChordTolerance;
  return d;
}

void DrawingScope::enter(WidgetDrawing* drawing) {
  entered_ = true;
  previous_ = current_;
  outer_ = innermost_;
  innermost_ = this;
  make_current(drawing);
}

void DrawingScope::leave() {
  innermost_ = outer_;
  make_current(previous_);
}

// The shared state lives in the globals whenever no own drawing is current, and in the current
// own drawing's place while one is; so a change goes through the shared state.
void DrawingScope::make_current(WidgetDrawing* drawing) {
  if (drawing == current_) return;
  if (current_ != nullptr) exchange(*current_);
  current_ = drawing;
  if (drawing != nullptr) exchange(*drawing);
}

const LoadReport& DrawingScope::load_report_of(const WidgetDrawing* drawing) {
  if (drawing == current_) return load_report;
  return drawing != nullptr ? drawing->load_report : current_->load_report;
}

void DrawingScope::release(WidgetDrawing& drawing) {
  if (current_ == &drawing) make_current(nullptr);
  for (DrawingScope* s = innermost_; s != nullptr; s = s->outer_) {
    if (s->previous_ == &drawing) s->previous_ = nullptr;
  }
  free_core_state(drawing.core);
}

}  // namespace orvane
