#include "calc/lines.h"

#include "calc/closest_points.h"
#include "calc/errors.h"
#include "calc/intersections.h"
#include "calc/primitives.h"

namespace orvane::calc {

namespace {

// The point at the given distance from P in the given direction, with P's z.
TDPoint moved(const TDPoint& p, double dist, double angle) {
  TDPoint q;
  point_arc_angle(TDArc{p, dist, 0, 0}, angle, q);
  return q;
}

}  // namespace

int line_2_points(const TDPoint& p1, const TDPoint& p2, TDLine& l) {
  const TDLine out{p1, p2};
  l = out;
  return out.p1.x == out.p2.x && out.p1.y == out.p2.y ? kUndefinedLine : 0;
}

int line_point_angle(const TDPoint& p, double angle, double length, TDLine& l) {
  const TDPoint end = moved(p, length, angle);
  l.p1.x = p.x;
  l.p1.y = p.y;
  l.p2.x = end.x;
  l.p2.y = end.y;
  return 0;
}

int line_perpendicular_point(const TDPoint& p, const TDLine& l, TDLine& out) {
  const TDPoint from = p;
  const TDLine normal{from, moved(from, 1, get_angle_line(l) + 90)};
  TDPoint foot;
  point_inter_2_lines(l, normal, foot);
  out = TDLine{from, foot};
  return 0;
}

void line_parallel_point(const TDPoint& p, const TDLine& l, TDLine& out) {
  TDPoint foot;
  get_closest_point_line(l, p, foot);
  offset_line(l, distance_2_points(p, foot), p, out);
}

void offset_line(const TDLine& l, double dist, const TDPoint& p, TDLine& out) {
  const TDLine line = l;
  TDPoint foot;
  get_closest_point_line(line, p, foot);
  const double a = get_angle_line(TDLine{foot, p});
  out = TDLine{moved(line.p1, dist, a), moved(line.p2, dist, a)};
}

}  // namespace orvane::calc
