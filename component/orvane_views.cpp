// Choosing the window (top, front, side, isometric) and the rotation of the projection.
#include "component/drawing_scope.h"
#include "core/projection.h"
#include "core/state.h"
#include "orvane/orvane.h"

namespace orvane {

namespace {

int window_of_view(TDView v) {
  switch (v) {
    case vFRONT:
      return 2;
    case vSIDE:
      return 3;
    case vISO:
      return 4;
    default:
      return 1;
  }
}

}  // namespace

// Back in the isometric window the last isometric rotation returns; asking for it again while
// there resets it to the standard angles.
void TOrvane::SetView(TDView v) {
  const DrawingScope scope(own_.get());
  if (v == vISO) {
    if (current_plot_window == 4) {
      view_window_proc();
      old_view_x = view_x;
      old_view_y = view_y;
      old_view_z = view_z;
    } else {
      view_x = old_view_x;
      view_y = old_view_y;
      view_z = old_view_z;
    }
  }
  current_plot_window = window_of_view(v);
  if (v != vISO) view_window_proc();
  set_onchangeview();
  Redraw();
}

void TOrvane::RotateView(double rx, double ry, double rz) {
  const DrawingScope scope(own_.get());
  view_x = rx;
  view_y = ry;
  view_z = rz;
  current_plot_window = 4;
  set_onchangeview();
  Redraw();
}

void TOrvane::SetXRotation(double v) {
  const DrawingScope scope(own_.get());
  view_x = v;
  set_onchangeview();
}

void TOrvane::SetYRotation(double v) {
  const DrawingScope scope(own_.get());
  view_y = v;
  set_onchangeview();
}

void TOrvane::SetZRotation(double v) {
  const DrawingScope scope(own_.get());
  view_z = v;
  set_onchangeview();
}

double TOrvane::GetXRotation() const {
  const DrawingScope scope(own_.get());
  return view_x;
}

double TOrvane::GetYRotation() const {
  const DrawingScope scope(own_.get());
  return view_y;
}

double TOrvane::GetZRotation() const {
  const DrawingScope scope(own_.get());
  return view_z;
}

}  // namespace orvane
