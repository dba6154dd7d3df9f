#include "calc/element_arcs.h"

#include <cmath>

#include "calc/arcs.h"
#include "calc/elements.h"
#include "calc/errors.h"
#include "calc/intersections.h"
#include "calc/lines.h"
#include "calc/tangent_arcs.h"

namespace orvane::calc {

namespace {

// True when the directions differ by a multiple of 180 degrees, within the tolerance: a chord
// running either way along the line.
bool parallel_directions(double a, double b, double tol) {
  const double d = std::abs(a - b);
  return d < tol || std::abs(d - 180) < tol || std::abs(d - 360) < tol;
}

}  // namespace

int arc_tangent_element_point(Handle h, const TDPoint& pick, const TDPoint& p, double radius,
                              double start, double end, TDArc& arc) {
  const TElement* e = globallock(h);
  if (e == nullptr) return 0;
  const int type = e->element_type;
  const TDLine line = get_line_from_element_pointer(e);
  const TDArc circle = get_arc_from_element_pointer(e);
  globalunlock(h);
  if (type == kLine) return arc_tangent_line_point(line, pick, p, radius, start, end, arc);
  if (type == kArc) return arc_tangent_arc_point(circle, pick, p, radius, start, end, arc);
  return 0;
}

int arc_tan_2_points_element(const TDPoint& p1, const TDPoint& p2, Handle h, double /*unused1*/,
                             double /*unused2*/, double /*unused3*/, TDArc& arc) {
  const TElement* e = globallock(h);
  if (e == nullptr) return 0;
  const TDLine line = get_line_from_element_pointer(e);
  globalunlock(h);
  const TDPoint a = p1;
  const TDPoint b = p2;
  if (parallel_directions(get_angle_line(line), get_angle_2_points(a, b), 0.0001)) {
    // The circle touches the line below the chord's midpoint.
    TDLine to_foot;
    line_perpendicular_point(midPoint_2_points(a, b), line, to_foot);
    arc_3_points(a, b, to_foot.p2, 0, 360, arc);
    return 0;
  }
  // The tangent length from the crossing of the line and the chord is the geometric mean of
  // the distances to the two points.
  TDPoint x;
  point_inter_2_lines(line, TDLine{a, b}, x);
  const double t = std::sqrt(distance_2_points(x, a) * distance_2_points(x, b));
  TDPoint touch;
  iline_tangent_point(line, TDArc{x, t, 0, 0}, a, touch);
  arc_3_points(a, b, touch, 0, 360, arc);
  return 0;
}

int iline_tangent_point(const TDLine& l, const TDArc& circle, const TDPoint& p, TDPoint& t) {
  diline n;
  if (make_iline(l, n) != 0) return 0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  CHECK_ERROR2(iline_circle_intersect(n, circle, x1, x2, y1, y2));
  const bool second = distance(x1, y1, p.x, p.y) >= distance(x2, y2, p.x, p.y);
  t.x = second ? x2 : x1;
  t.y = second ? y2 : y1;
  return 0;
}

}  // namespace orvane::calc
