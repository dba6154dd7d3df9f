// Arc views and the conversions between model points and the widget's pixels.
#include "component/drawing_scope.h"
#include "core/projection.h"
#include "core/state.h"
#include "orvane/orvane.h"

namespace orvane {

namespace {

bool is_arc_view(int index) {
  return index >= 1 && index <= kArcViews;
}

}  // namespace

// The record lists the coefficients column by column, the entry row by row.
void TOrvane::SetArcView(int index, const TDView3D& v) {
  const DrawingScope scope(own_.get());
  if (!is_arc_view(index)) return;
  view_entry& e = arc_view[index];
  e.ax = v.ax;
  e.ay = v.ay;
  e.az = v.az;
  e.bx = v.bx;
  e.by = v.by;
  e.bz = v.bz;
  e.cx = v.cx;
  e.cy = v.cy;
  e.cz = v.cz;
  e.defined = true;
}

void TOrvane::GetArcView(int index, TDView3D& result) const {
  const DrawingScope scope(own_.get());
  if (!is_arc_view(index)) return;
  const view_entry& e = arc_view[index];
  result.reserved[0] = index;
  result.ax = e.ax;
  result.ay = e.ay;
  result.az = e.az;
  result.bx = e.bx;
  result.by = e.by;
  result.bz = e.bz;
  result.cx = e.cx;
  result.cy = e.cy;
  result.cz = e.cz;
}

TDView3D TOrvane::GetArcView(int index) const {
  const DrawingScope scope(own_.get());
  TDView3D result;
  GetArcView(index, result);
  return result;
}

TPoint TOrvane::CoordToPixel(double x, double y, double) const {
  const DrawingScope scope(own_.get());
  TPoint p;
  coord_to_pixel(current_plot_window, x, y, p.x, p.y);
  return p;
}

TDPoint TOrvane::PixelToCoord(int px, int py) const {
  const DrawingScope scope(own_.get());
  TDPoint p;
  trans_pixel_coords(current_plot_window, px, py, p.x, p.y, p.z);
  return p;
}

}  // namespace orvane
