// Making, drawing and reaching elements, and the full repaint.
#include "component/drawing_scope.h"
#include "component/orvane_canvas.h"
#include "component/orvane_element_table.h"
#include "core/rendering.h"
#include "core/state.h"
#include "core/store.h"
#include "orvane/orvane.h"

namespace orvane {

namespace {

constexpr int kFilledCircle = 9;

// Stores one element with the current colour, line type and layer under a new number.
int make(uint8_t type, double g1, double g2, double g3, double g4, double g5, double g6, int view) {
  ensure_element_table();
  return make_element(get_new_element_number(), type, g1, g2, g3, g4, g5, g6, current_color,
                      current_line_type, current_layer, 0, view);
}

}  // namespace

int TOrvane::MakePoint(double x, double y, double z) {
  const DrawingScope scope(own_.get());
  return make(kPoint, x, y, z, 0, 0, 0, 1);
}

int TOrvane::MakeLine(double x1, double y1, double z1, double x2, double y2, double z2) {
  const DrawingScope scope(own_.get());
  return make(kLine, x1, y1, z1, x2, y2, z2, 1);
}

int TOrvane::MakeArc(int view, double cx, double cy, double cz, double radius, double start_angle,
                     double end_angle) {
  const DrawingScope scope(own_.get());
  return make(kArc, cx, cy, cz, radius, start_angle, end_angle, view);
}

int TOrvane::MakeCircle(double cx, double cy, double cz, double radius, bool filled) {
  const DrawingScope scope(own_.get());
  return make(kCircle, cx, cy, cz, radius, 0, 0, filled ? kFilledCircle : 1);
}

int TOrvane::MakePointX(const TDPoint& p) {
  const DrawingScope scope(own_.get());
  return MakePoint(p.x, p.y, p.z);
}

int TOrvane::MakeLineX(const TDLine& l) {
  const DrawingScope scope(own_.get());
  return MakeLine(l.p1.x, l.p1.y, l.p1.z, l.p2.x, l.p2.y, l.p2.z);
}

int TOrvane::MakeArcX(const TDArc& a) {
  const DrawingScope scope(own_.get());
  return MakeArc(current_view, a.center.x, a.center.y, a.center.z, a.radius, a.start_angle,
                 a.end_angle);
}

void TOrvane::DrawPoint(double x, double y, double z) {
  const DrawingScope scope(own_.get());
  draw_point(canvas_, x, y, z, current_color);
}

void TOrvane::DrawLine(double x1, double y1, double z1, double x2, double y2, double z2) {
  const DrawingScope scope(own_.get());
  draw_line(canvas_, x1, y1, z1, x2, y2, z2, current_color, current_line_type);
}

void TOrvane::DrawArc(int view, double cx, double cy, double cz, double radius, double start_angle,
                      double end_angle) {
  const DrawingScope scope(own_.get());
  draw_arc(canvas_, cx, cy, cz, radius, start_angle, end_angle, current_color, current_line_type,
           view);
}

void TOrvane::DrawCircle(double cx, double cy, double cz, double radius, bool filled) {
  const DrawingScope scope(own_.get());
  draw_circle(canvas_, cx, cy, cz, radius, current_color, current_line_type,
              filled ? kFilledCircle : 1);
}

void TOrvane::DrawPointX(const TDPoint& p) {
  const DrawingScope scope(own_.get());
  DrawPoint(p.x, p.y, p.z);
}

void TOrvane::DrawLineX(const TDLine& l) {
  const DrawingScope scope(own_.get());
  DrawLine(l.p1.x, l.p1.y, l.p1.z, l.p2.x, l.p2.y, l.p2.z);
}

void TOrvane::DrawArcX(const TDArc& a) {
  const DrawingScope scope(own_.get());
  DrawArc(1, a.center.x, a.center.y, a.center.z, a.radius, a.start_angle, a.end_angle);
}

int TOrvane::GetLastElement() const {
  const DrawingScope scope(own_.get());
  return last_element_number;
}

TElement TOrvane::GetElement(int index) const {
  const DrawingScope scope(own_.get());
  const TElement* e = lock_element(index);
  if (e == nullptr) return TElement{};
  const TElement copy = *e;
  globalunlock(element_handle[index]);
  return copy;
}

void TOrvane::SetElement(int index, const TElement& e) {
  const DrawingScope scope(own_.get());
  TElement* stored = lock_element(index);
  if (stored == nullptr) return;
  note_store_change();
  *stored = e;
  globalunlock(element_handle[index]);
}

bool TOrvane::GetIsDeleted(int index) const {
  const DrawingScope scope(own_.get());
  const TElement* e = lock_element(index);
  if (e == nullptr) return true;
  const bool deleted = e->deleted;
  globalunlock(element_handle[index]);
  return deleted;
}

void TOrvane::SetIsDeleted(int index, bool value) {
  const DrawingScope scope(own_.get());
  TElement* e = lock_element(index);
  if (e == nullptr) return;
  e->deleted = value;
  e->group_mark = 0;
  globalunlock(element_handle[index]);
}

void TOrvane::DrawElement(int index) {
  const DrawingScope scope(own_.get());
  const TElement* e = lock_element(index);
  if (e == nullptr) return;
  draw_element(canvas_, current_plot_window, e);
  globalunlock(element_handle[index]);
}

void TOrvane::ClearElements() {
  const DrawingScope scope(own_.get());
  release_element_table();
}

void TOrvane::Clear() {
  const DrawingScope scope(own_.get());
  set_color(canvas_, plot_background, 1);
  canvas_.SetPenMode(pmCopy);
  canvas_.SetBrushColor(plot_background);
  // set_color left the brush clear; the rectangle is to be filled with the background.
  canvas_.SetBrushStyle(bsSolid);
  canvas_.Rectangle(0, 0, plot_window_width, plot_window_height);
}

void TOrvane::Redraw() {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  redraw2(canvas_, width(), height());
}

void TOrvane::DrawAxis() {
  const DrawingScope scope(own_.get());
  draw_axis(canvas_);
}

}  // namespace orvane
