#include "calc/fillets.h"

#include "calc/intersections.h"
#include "calc/lines.h"
#include "calc/primitives.h"

namespace orvane::calc {

int arc_tangent_2_lines(const TDLine& l1, const TDLine& l2, double radius, double start, double end,
                        const TDPoint& p1, const TDPoint& p2, TDArc& arc) {
  TDLine m1;
  TDLine m2;
  offset_line(l1, radius, p1, m1);
  offset_line(l2, radius, p2, m2);
  TDArc out = arc;
  const int status = point_inter_2_lines(m1, m2, out.center);
  out.radius = radius;
  out.start_angle = start;
  out.end_angle = end;
  arc = out;
  return status;
}

void arc_tangent_line_arc(const TDLine& l, const TDArc& a, double radius, double start, double end,
                          const TDPoint& p1, const TDPoint& p2, TDArc& arc) {
  TDArc grown = a;
  const bool outside = distance_2_points(p2, a.center) > a.radius;
  grown.radius = outside ? a.radius + radius : a.radius - radius;
  TDLine m;
  offset_line(l, radius, p1, m);
  TDPoint x;
  get_intersection_line_arc(m, grown, p1, x);
  arc.center.x = x.x;
  arc.center.y = x.y;
  arc.radius = radius;
  arc.start_angle = start;
  arc.end_angle = end;
}

int arc_tangent_2_arcs(const TDArc& a1, const TDArc& a2, double radius, double start, double end,
                       const TDPoint& /*p1*/, const TDPoint& /*p2*/, TDArc& arc) {
  TDArc grown1 = a1;
  TDArc grown2 = a2;
  grown1.radius += radius;
  grown2.radius += radius;
  TDPoint x1;
  TDPoint x2;
  const int status = point_inter_2_arcs(grown1, grown2, x1, x2);
  arc = TDArc{x1, radius, start, end};
  return status;
}

}  // namespace orvane::calc
