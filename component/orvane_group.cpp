// The group and the transforms of elements and of the group.
#include "component/drawing_scope.h"
#include "component/orvane_canvas.h"
#include "component/orvane_element_table.h"
#include "core/group.h"
#include "core/state.h"
#include "core/store.h"
#include "core/transforms.h"
#include "orvane/orvane.h"

namespace orvane {

void TOrvane::AddToGroup(int index) {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  add_to_group(canvas_, index);
}

void TOrvane::ClearGroup() {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  clear_group(canvas_);
}

void TOrvane::DeleteGroup() {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  delete_group();
  Redraw();
}

void TOrvane::ShiftElement(int index, double dx, double dy, double dz) {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  shift_element(index, 0, dx, dy, dz);
}

void TOrvane::ShiftGroup(double dx, double dy, double dz, int count, bool keep) {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  cad_offsetxy(dx, dy, dz, keep, count, 0);
  Redraw();
}

void TOrvane::NewOrigin(double x, double y, double z) {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  cad_offsetxy(x, y, z, false, 1, 1);
  Redraw();
}

void TOrvane::RotateElement(int index, double angle, double cx, double cy) {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  const TElement* e = lock_element(index);
  if (e == nullptr) return;
  rotate_element(e, cx, cy, angle);
  globalunlock(element_handle[index]);
}

void TOrvane::RotateGroup(double angle, double cx, double cy, int count, bool keep) {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  rotate_group(canvas_, angle, cx, cy, count, keep);
}

}  // namespace orvane
