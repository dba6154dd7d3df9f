// The reference points of a picked element: its ends, midpoint and closest point.
#include <cmath>

#include "component/pick.h"
#include "core/helpers.h"
#include "core/projection.h"
#include "core/state.h"
#include "core/store.h"

namespace orvane {

namespace {

// The foot of the perpendicular from c on the infinite line l, in XY; false when it could not be
// constructed (p is then unwritten).
bool closest_on_line(const dline& l, const dpoint& c, dpoint& p) {
  const double a = get_angle_degrees(l.p1.x, l.p1.y, l.p2.x, l.p2.y);
  dpoint q;
  point_arc_angle(darc{c, 1, 0, 0}, a + 90, q);
  dline perpendicular;
  if (line_2_points(c, q, perpendicular) != 0) return false;
  return point_inter_2_lines(l, perpendicular, p) == 0;
}

// get_closest_point on a locked record; false when p is unwritten.
bool closest_of(const TElement& e, const dpoint& c, dpoint& p) {
  switch (e.element_type) {
    case kPoint:
      p = {e.values[0], e.values[1], e.values[2]};
      return true;
    case kLine:
      return closest_on_line(get_line_from_element(&e), c, p);
    case kArc:
      get_closest_point_arc(get_arc_from_element(&e), c, p);
      return true;
    default:
      return false;
  }
}

// A line's end for end picks: in the top window the end nearer to c (the first on a tie), in
// the others the first end; the other end becomes the far end.
void line_end(const TElement& e, int w, const dpoint& c, dpoint& p) {
  const dline l = get_line_from_element(&e);
  bool second = false;
  if (w == 1) {
    // Plain distances: the 100000-unit cut-off of distance() would call a far end near.
    const double d1 = std::hypot(c.x - l.p1.x, c.y - l.p1.y);
    const double d2 = std::hypot(c.x - l.p2.x, c.y - l.p2.y);
    second = d2 < d1;
  }
  p = second ? l.p2 : l.p1;
  global_farend_point = second ? l.p1 : l.p2;
}

bool line_point(const TElement& e, int w, const dpoint& c, dpoint& p) {
  const double* v = e.values;
  switch (type_of_pick) {
    case 6:
    case 9:
      midpoint(v[0], v[1], v[2], v[3], v[4], v[5], p);
      return true;
    case 7:
    case 10:
      line_end(e, w, c, p);
      return true;
    case 12:
      return closest_of(e, c, p);
    default:
      return false;
  }
}

bool arc_point(const TElement& e, int w, const dpoint& c, dpoint& p) {
  switch (type_of_pick) {
    case 6:
      p = {e.values[0], e.values[1], e.values[2]};
      return true;
    case 7:
    case 10:
      return is_view_number(w) &&
             on_arc(w, c.x, c.y, c.z, xscale[w], pick_tolerance, &e, p.x, p.y, p.z);
    case 9:
      mid_arc(&e, p.x, p.y, p.z);
      return true;
    case 12:
      return closest_of(e, c, p);
    default:
      return false;
  }
}

}  // namespace

bool get_endpoint(Handle handle, int x, int y, dpoint& p) {
  p = {-999, -999, -999};
  const int w = current_plot_window;
  dpoint c;
  trans_pixel_coords(w, x, y, c.x, c.y, c.z);
  const TElement* e = globallock(handle);
  if (e == nullptr) return false;
  // Whether a point was set is tracked, not read back from p: a real point may lie at -999.
  bool set = false;
  switch (e->element_type) {
    case kPoint:
      p = {e->values[0], e->values[1], e->values[2]};
      set = true;
      break;
    case kLine:
      set = line_point(*e, w, c, p);
      break;
    case kArc:
      set = arc_point(*e, w, c, p);
      break;
    default:
      break;
  }
  globalunlock(handle);
  return set;
}

int get_closest_point(Handle handle, const dpoint& c, dpoint& p) {
  const TElement* e = globallock(handle);
  if (e == nullptr) return 1;
  closest_of(*e, c, p);
  globalunlock(handle);
  return 1;
}

void get_closest_point_line(const dline& l, const dpoint& c, dpoint& p) {
  closest_on_line(l, c, p);
}

void get_closest_point_arc(const darc& a, const dpoint& c, dpoint& p) {
  point_arc_angle(a, get_angle_degrees(a.center.x, a.center.y, c.x, c.y), p);
}

void mid_arc(const TElement* e, double& x, double& y, double& z) {
  if (e == nullptr) return;
  const darc a = get_arc_from_element(e);
  dpoint p;
  point_arc_angle(a, a.start_angle + get_arc_angle(a.start_angle, a.end_angle, 3) / 2, p);
  x = p.x;
  y = p.y;
  z = p.z;
}

void midpoint(double x1, double y1, double z1, double x2, double y2, double z2, dpoint& p) {
  p = {x1 + (x2 - x1) / 2, y1 + (y2 - y1) / 2, z1 + (z2 - z1) / 2};
}

dpoint midpoint_2_points(const dpoint& a, const dpoint& b) {
  dpoint p;
  midpoint(a.x, a.y, a.z, b.x, b.y, b.z, p);
  return p;
}

}  // namespace orvane
