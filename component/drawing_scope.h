// Which drawing the core's drawing-wide state holds: the shared one, or the own drawing of one
// widget. Every widget call that reaches the core makes its widget's drawing current with a
// DrawingScope and the one current before comes back when the scope ends.
#pragma once

#include <memory>

#include "core/core_state.h"
#include "fileio/load_report.h"

namespace orvane {

// The drawing-wide state of a widget with a drawing of its own: the core's, the report of its
// last load and its chord tolerance. While it is current it holds the shared state instead.
struct WidgetDrawing {
  CoreState core;
  LoadReport load_report;
  double chord_tolerance = 0;
};

// A new own drawing in the start state: no elements, the start views and options.
std::unique_ptr<WidgetDrawing> new_widget_drawing();

// Makes drawing current (nullptr: the shared drawing) from construction to destruction, then
// brings back the one that was current before. Scopes nest in any order of widgets: a scope
// whose drawing is current already changes nothing, so a call on the same widget or on a shared
// widget while the shared drawing is current costs one comparison. A change is two exchanges of
// the state (the current own drawing out, the new one in), each independent of the drawing's
// size.
class DrawingScope {
 public:
  explicit DrawingScope(WidgetDrawing* drawing) {
    if (drawing != current_) enter(drawing);
  }
  ~DrawingScope() {
    if (entered_) leave();
  }
  DrawingScope(const DrawingScope&) = delete;
  DrawingScope& operator=(const DrawingScope&) = delete;

  // The own drawing current now; nullptr while the shared one is.
  static WidgetDrawing* current() { return current_; }

  // Where the report of drawing's last load is kept now: in the globals while drawing is current,
  // otherwise in the place of the drawing that holds it (the shared drawing's in the current
  // own drawing's place).
  static const LoadReport& load_report_of(const WidgetDrawing* drawing);

  // Frees the elements of drawing, which is about to be destroyed: when it is current the shared
  // drawing becomes current, and scopes that would bring it back bring back the shared one.
  static void release(WidgetDrawing& drawing);

 private:
  void enter(WidgetDrawing* drawing);
  void leave();
  static void make_current(WidgetDrawing* drawing);

  static WidgetDrawing* current_;
  static DrawingScope* innermost_;  // the innermost scope that changed the drawing

  bool entered_ = false;
  WidgetDrawing* previous_ = nullptr;
  DrawingScope* outer_ = nullptr;
};

}  // namespace orvane
