// The mouse: Qt's events become MouseDown, MouseMove and MouseUp, which pan and rotate the view
// while a button is held and then hand the event to the application. The wheel zooms.
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "component/drawing_scope.h"
#include "component/orvane_canvas.h"
#include "component/orvane_element_table.h"
#include "core/helpers.h"
#include "core/projection.h"
#include "core/rendering.h"
#include "core/state.h"
#include "core/zoom.h"
#include "orvane/orvane.h"

namespace orvane {

namespace {

constexpr int kNotch = 120;              // wheel angle of one notch, in eighths of a degree
constexpr double kPixelsPerDegree = 8;   // mouse travel that turns the view one degree
constexpr int kQuickFrame = 4;           // plot_elements mode: the first 200 visible elements
constexpr int kVisibleLayers = 1;        // plot_elements mode: every element on a visible layer
constexpr double kFrameBudgetNs = 16e6;  // time a rotation preview may take to draw
constexpr double kFirstGuessNs = 100;    // cost of an element before any preview measured one

TShiftState shift_state(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons) {
  TShiftState s;
  if (keys & Qt::ShiftModifier) s += ssShift;
  if (keys & Qt::AltModifier) s += ssAlt;
  if (keys & Qt::ControlModifier) s += ssCtrl;
  if (buttons & Qt::LeftButton) s += ssLeft;
  if (buttons & Qt::RightButton) s += ssRight;
  if (buttons & Qt::MiddleButton) s += ssMiddle;
  return s;
}

TShiftState shift_state(const QMouseEvent& e) {
  return shift_state(e.modifiers(), e.buttons());
}

std::optional<TMouseButton> mouse_button(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return mbLeft;
    case Qt::RightButton:
      return mbRight;
    case Qt::MiddleButton:
      return mbMiddle;
    default:
      return std::nullopt;
  }
}

bool is_pan_gesture(TShiftState s) {
  return (s == TShiftState{ssMiddle} && mouse_pan) || s == TShiftState{ssCtrl, ssLeft};
}

}  // namespace

// The rotate setting's button and keys exactly, or the middle button with Shift (for desktops
// whose window manager takes Alt + drag for itself).
bool TOrvane::is_rotate_gesture(TShiftState s) const {
  if (s == TShiftState{ssShift, ssMiddle}) return true;
  return rotate_button_ != Qt::NoButton && s == shift_state(rotate_modifiers_, rotate_button_);
}

void TOrvane::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const DrawingScope scope(own_.get());
  pan_flag = false;
  global_int1 = x;
  global_int2 = y;
  begin_point = {x, y};
  end_point = {x, y};
  remember_drag_start();
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
  emit mouseDown(button, shift, x, y);
}

void TOrvane::MouseMove(TShiftState shift, int x, int y) {
  const DrawingScope scope(own_.get());
  if (drag_cancelled_) {
    pan_flag = false;
  } else if (is_pan_gesture(shift)) {
    pan_by_mouse(x, y);
  } else if (is_rotate_gesture(shift)) {
    rotate_by_mouse(x, y);
  } else {
    pan_flag = false;
  }
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
  emit mouseMove(shift, x, y);
}

void TOrvane::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const DrawingScope scope(own_.get());
  if (pick_flag) {
    finish_pick(x, y);
  } else if (dynamic_rotate_flag || pan_flag) {
    dynamic_rotate_flag = false;
    pan_flag = false;
    ensure_element_table();
    if (first_elements_preview_) {
      // The whole drawing over the last quick frame, which is not cleared first.
      const PlotArea area(width(), height());
      plot_elements(canvas_, current_plot_window, kVisibleLayers);
    } else {
      // A full repaint: the frame may hold a moved picture or a sample of an older drawing.
      redraw2(canvas_, width(), height());
    }
  }
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
  emit mouseUp(button, shift, x, y);
}

// The picture follows the pointer: the centre moves against the pointer's travel.
void TOrvane::pan_by_mouse(int x, int y) {
  const DrawingScope scope(own_.get());
  const int w = current_plot_window;
  if (!is_view_number(w)) return;
  const int old_origin_x = x_plot_origin[w], old_origin_y = y_plot_origin[w];
  screen_center_x[w] += (static_cast<double>(global_int1) - x) / xscale[w];
  screen_center_y[w] += (static_cast<double>(global_int2) - y) / yscale[w];
  set_scale(-1, width(), height());
  global_int1 = x;
  global_int2 = y;
  pan_flag = true;
  if (first_elements_preview_) {
    quick_frame();
  } else {
    // The picture moves as the pixel origin did, which is the pointer's travel up to rounding.
    const int dx = x_plot_origin[w] - old_origin_x, dy = y_plot_origin[w] - old_origin_y;
    canvas_.scroll(dx, dy, plot_background);
    draw_uncovered(dx, dy);
  }
}

namespace {

// The strips a pan by (dx, dy) uncovered: a column on the side the picture moved from and a
// row above or below it, in widget pixels.
std::vector<QRect> uncovered_strips(int width, int height, int dx, int dy) {
  std::vector<QRect> strips;
  const int across = std::min(std::abs(dx), width), down = std::min(std::abs(dy), height);
  if (across > 0) strips.emplace_back(dx > 0 ? 0 : width - across, 0, across, height);
  if (down > 0) {
    // The row leaves out the corner the column holds.
    const int left = dx > 0 ? across : 0;
    strips.emplace_back(left, dy > 0 ? 0 : height - down, width - across, down);
  }
  return strips;
}

}  // namespace

// The elements the index finds in the strips a pan uncovered, as many as a frame's time allows at
// the cost per element the last such frame measured; the rest of the strips keep the background
// until the release repaints. Where the index cannot serve (the drawing changed since it was
// built, is too small to index, or the strip reaches most of it), every k-th element of the
// whole drawing is drawn into the strip instead, k chosen so that the strips share the budget.
void TOrvane::draw_uncovered(int dx, int dy) {
  const int w = current_plot_window;
  const double cost = strip_ns_per_element_ > 0 ? strip_ns_per_element_ : kFirstGuessNs;
  int budget = static_cast<int>(std::clamp(kFrameBudgetNs / cost, 1.0, 1e9));
  QElapsedTimer timer;
  timer.start();
  int drawn_total = 0;
  const std::vector<QRect> strips = uncovered_strips(width(), height(), dx, dy);
  for (std::size_t i = 0; i < strips.size(); ++i) {
    const QRect& strip = strips[i];
    if (strip.isEmpty() || budget <= 0) continue;
    canvas_.draw_into(strip, plot_background, [&](Canvas& canvas) {
      // The strip's corner becomes pixel (0, 0) for the drawing.
      x_plot_origin[w] -= strip.x();
      y_plot_origin[w] -= strip.y();
      {
        const PlotArea area(strip.width(), strip.height());
        int drawn = plot_indexed_elements(canvas, budget);
        if (drawn < 0) {
          const double share = static_cast<double>(budget) / static_cast<double>(strips.size() - i);
          const double count = std::max(last_element_number, 1);
          const int stride = static_cast<int>(std::clamp(std::ceil(count / share), 1.0, count));
          drawn = plot_sampled_elements(canvas, w, stride);
        }
        if (drawn > 0) budget -= drawn, drawn_total += drawn;
      }
      x_plot_origin[w] += strip.x();
      y_plot_origin[w] += strip.y();
    });
  }
  const qint64 elapsed = timer.nsecsElapsed();
  if (drawn_total > 0 && elapsed > 0) {
    strip_ns_per_element_ = static_cast<double>(elapsed) / drawn_total;
  }
}

// Vertical travel turns the view about X, horizontal travel about Y.
void TOrvane::rotate_by_mouse(int x, int y) {
  const DrawingScope scope(own_.get());
  dynamic_rotate_flag = true;
  view_x = fix_angle(view_x - (static_cast<double>(global_int2) - y) / kPixelsPerDegree);
  view_y = fix_angle(view_y - (static_cast<double>(global_int1) - x) / kPixelsPerDegree);
  if (current_plot_window == 4) {
    old_view_x = view_x;
    old_view_y = view_y;
    old_view_z = view_z;
  }
  global_int1 = x;
  global_int2 = y;
  // The top window does not use the rotation: its picture stays as it is.
  if (current_plot_window != 1) {
    set_coefficiants();
    if (first_elements_preview_) {
      quick_frame();
    } else {
      sampled_frame();
    }
  }
  set_onchangeview();
}

void TOrvane::quick_frame() {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  clear_screen(canvas_, width(), height());
  const PlotArea area(width(), height());
  plot_elements(canvas_, current_plot_window, kQuickFrame);
}

// Every k-th element, k chosen so that the frame takes about the budget at the cost per element
// the last frame measured.
void TOrvane::sampled_frame() {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  clear_screen(canvas_, width(), height());
  const PlotArea area(width(), height());
  const double cost = preview_ns_per_element_ > 0 ? preview_ns_per_element_ : kFirstGuessNs;
  const double count = std::max(last_element_number, 1);
  const double stride = std::ceil(count * cost / kFrameBudgetNs);
  QElapsedTimer timer;
  timer.start();
  const int drawn = plot_sampled_elements(canvas_, current_plot_window,
                                          static_cast<int>(std::clamp(stride, 1.0, count)));
  canvas_.close();  // the drawing queued on the canvas is part of the cost
  const qint64 elapsed = timer.nsecsElapsed();
  if (drawn > 0 && elapsed > 0) preview_ns_per_element_ = static_cast<double>(elapsed) / drawn;
}

void TOrvane::mousePressEvent(QMouseEvent* event) {
  const DrawingScope scope(own_.get());
  const std::optional<TMouseButton> button = mouse_button(event->button());
  if (!button) return QWidget::mousePressEvent(event);
  const QPoint p = event->position().toPoint();
  MouseDown(*button, shift_state(*event), p.x(), p.y());
}

void TOrvane::mouseDoubleClickEvent(QMouseEvent* event) {
  const DrawingScope scope(own_.get());
  const std::optional<TMouseButton> button = mouse_button(event->button());
  if (!button) return QWidget::mouseDoubleClickEvent(event);
  TShiftState shift = shift_state(*event);
  shift += ssDouble;
  const QPoint p = event->position().toPoint();
  MouseDown(*button, shift, p.x(), p.y());
}

void TOrvane::mouseMoveEvent(QMouseEvent* event) {
  const DrawingScope scope(own_.get());
  const QPoint p = event->position().toPoint();
  MouseMove(shift_state(*event), p.x(), p.y());
}

void TOrvane::mouseReleaseEvent(QMouseEvent* event) {
  const DrawingScope scope(own_.get());
  const std::optional<TMouseButton> button = mouse_button(event->button());
  if (!button) return QWidget::mouseReleaseEvent(event);
  const QPoint p = event->position().toPoint();
  MouseUp(*button, shift_state(*event), p.x(), p.y());
}

// Wheel away from the user zooms in. Fine-grained wheels send parts of a notch; they add up.
void TOrvane::wheelEvent(QWheelEvent* event) {
  const DrawingScope scope(own_.get());
  const long long total = static_cast<long long>(wheel_rest_) + event->angleDelta().y();
  const int notches = static_cast<int>(total / kNotch);
  wheel_rest_ = static_cast<int>(total % kNotch);
  const QPoint p = event->position().toPoint();
  if (notches != 0) ZoomAt(p.x(), p.y(), notches);
  event->accept();
}

}  // namespace orvane
