#include "calc/tangent_lines.h"

#include <cmath>

#include "calc/closest_points.h"
#include "calc/errors.h"
#include "calc/intersections.h"
#include "calc/lines.h"
#include "calc/primitives.h"

namespace orvane::calc {

namespace {

TDPoint point_at(const TDArc& a, double angle) {
  TDPoint p;
  point_arc_angle(a, angle, p);
  return p;
}

// The tangent crossing the centre line, touching A1 on the side chosen by the pick.
TDLine crossing_tangent(const TDArc& a1, const TDArc& a2, const TDPoint& pick1) {
  // The touching direction from A1's centre is where the circle of radius r1 + r2 about A1
  // meets the circle on the centres as diameter.
  const TDPoint mid = midPoint_2_points(a1.center, a2.center);
  const TDArc sum{a1.center, a1.radius + a2.radius, 0, 0};
  const TDArc thales{mid, distance_2_points(a1.center, a2.center) / 2, 0, 0};
  TDPoint x1;
  TDPoint x2;
  point_inter_2_arcs(sum, thales, x1, x2);
  const TDPoint& x = distance_2_points(pick1, x1) >= distance_2_points(pick1, x2) ? x2 : x1;
  const double c = get_angle_2_points(a1.center, x);
  return TDLine{point_at(a1, c), point_at(a2, c + 180)};
}

// The tangent on one side of both circles, from the bigger one to the smaller one.
TDLine outer_tangent(const TDArc& a1, const TDArc& a2, const TDPoint& p1, const TDPoint& p2) {
  const bool first_is_big = a1.radius > a2.radius;
  const TDArc& big = first_is_big ? a1 : a2;
  const TDArc& small = first_is_big ? a2 : a1;
  const TDPoint& big_pick = first_is_big ? p1 : p2;
  // The tangent from the small centre to the circle of the difference of the radii is parallel
  // to the wanted one.
  const TDArc difference{big.center, big.radius - small.radius, 0, 0};
  TDLine t;
  line_tangent_point(big_pick, small.center, difference, t);
  const double c = get_angle_2_points(big.center, t.p2);
  return TDLine{point_at(big, c), point_at(small, c)};
}

}  // namespace

int line_tangent_point(const TDPoint& pick, const TDPoint& through, const TDArc& a, TDLine& l) {
  const TDPoint from = through;
  const TDPoint at = pick;
  const double d = distance(from.x, from.y, a.center.x, a.center.y);
  const double t2 = d * d - a.radius * a.radius;
  if (t2 < 0) return kPointsOnSameLine;
  TDPoint t1;
  TDPoint t2_point;
  point_inter_2_arcs(a, TDArc{from, std::sqrt(t2), 0, 0}, t1, t2_point);
  const bool first = distance_2_points(t1, at) < distance_2_points(t2_point, at);
  l = TDLine{from, first ? t1 : t2_point};
  return 0;
}

int line_tangent_2_arcs2(const TDArc& a1, const TDArc& a2, const TDPoint& p1, const TDPoint& p2,
                         TDLine& l) {
  const TDArc first = a1;
  const TDArc second = a2;
  TDPoint t1;
  TDPoint t2;
  get_closest_point_arc(first, p1, t1);
  get_closest_point_arc(second, p2, t2);
  // The directions from the touching points to the centre line agree when the picks lie on the
  // same side of it.
  const TDLine centres{first.center, second.center};
  TDLine down1;
  TDLine down2;
  line_perpendicular_point(t1, centres, down1);
  line_perpendicular_point(t2, centres, down2);
  const double a1_dir = get_angle_line(down1);
  const double a2_dir = get_angle_line(down2);
  if (std::abs(a1_dir - a2_dir) >= 1e-4) {
    l = crossing_tangent(first, second, p1);
  } else {
    l = outer_tangent(first, second, p1, p2);
  }
  return 0;
}

void line_tangent_angle(const TDArc& a, double angle, double length, TDLine& l) {
  line_point_angle(point_at(a, angle + 90), angle, length, l);
}

}  // namespace orvane::calc
