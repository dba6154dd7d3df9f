#include "calc/tangent_arcs.h"

#include <algorithm>
#include <cmath>

#include "calc/closest_points.h"
#include "calc/errors.h"
#include "calc/intersections.h"
#include "calc/lines.h"
#include "calc/primitives.h"

namespace orvane::calc {

namespace {

double distance_to_line(const TDPoint& p, const TDLine& l) {
  TDPoint foot;
  get_closest_point_line(l, p, foot);
  return distance_2_points(p, foot);
}

// The line from a corner along the bisector of the directions to the two other corners.
TDLine bisector(const TDPoint& corner, const TDPoint& to1, const TDPoint& to2) {
  const double b1 = get_angle_2_points(corner, to1);
  const double b2 = get_angle_2_points(corner, to2);
  const double dir = std::min(b1, b2) + std::abs(b1 - b2) / 2;
  TDPoint along;
  point_arc_angle(TDArc{corner, 1.0, 0, 0}, dir, along);
  return TDLine{corner, along};
}

struct ParallelPairs {
  bool p12 = false;
  bool p13 = false;
  bool p23 = false;
};

int parallel_case(const TDLine& l1, const TDLine& l2, const TDLine& l3, ParallelPairs pairs,
                  const TDPoint& pick, double start, double end, TDArc& arc) {
  if (int{pairs.p12} + int{pairs.p13} + int{pairs.p23} > 1) return 0;
  // h is half the gap of the parallel pair; one offset is their middle line, the other the
  // third line moved toward the pick.
  const TDLine& first = pairs.p23 ? l2 : l1;
  const TDLine& second = pairs.p12 ? l2 : l3;
  const TDLine& shifted = pairs.p13 ? l2 : l3;
  const double h = distance_to_line(first.p1, second) / 2;
  TDLine s1;
  TDLine s2;
  offset_line(l1, h, pick, s1);
  offset_line(shifted, h, pick, s2);
  TDArc out = arc;
  point_inter_2_lines(s1, s2, out.center);
  out.radius = h;
  out.start_angle = start;
  out.end_angle = end;
  arc = out;
  return 0;
}

}  // namespace

int arc_tangent_line_point(const TDLine& l, const TDPoint& pick, const TDPoint& p, double radius,
                           double start, double end, TDArc& arc) {
  const TDLine line = l;
  const TDPoint through = p;
  const TDPoint at = pick;
  TDPoint foot;
  get_closest_point_line(line, through, foot);
  if (!(radius * 2 >= distance_2_points(foot, through))) return kArcDoesNotIntersect;
  TDLine normal;
  line_2_points(through, foot, normal);
  TDLine m1;
  TDLine m2;
  offset_line(line, radius, through, m1);
  offset_line(normal, radius, at, m2);
  TDArc out = arc;
  out.radius = radius;
  out.start_angle = start;
  out.end_angle = end;
  point_inter_2_lines(m1, m2, out.center);
  // How far the first placement misses P along the parallel through P is how far the centre
  // moves along L so that the circle passes through P.
  TDLine parallel;
  line_parallel_point(through, line, parallel);
  TDPoint miss;
  get_intersection_line_arc(parallel, out, through, miss);
  const double g = distance_2_points(through, miss);
  offset_line(normal, radius - g, at, m2);
  point_inter_2_lines(m1, m2, out.center);
  arc = out;
  return 0;
}

int arc_tangent_arc_point(const TDArc& a, const TDPoint& pick, const TDPoint& p, double radius,
                          double start, double end, TDArc& arc) {
  const double dp = distance_2_points(a.center, p);
  const bool outside =
      within(dp, a.radius, 0.00001) ? distance_2_points(a.center, pick) > a.radius : dp >= a.radius;
  TDArc centres = a;
  centres.radius = outside ? radius + a.radius : a.radius - radius;
  TDPoint x;
  get_intersection_arc_arc(centres, TDArc{p, radius, 0, 0}, pick, x);
  arc = TDArc{x, radius, start, end};
  return 0;
}

int arc_tan_3_lines(const TDLine& l1, const TDLine& l2, const TDLine& l3, const TDPoint& pick,
                    double start, double end, TDArc& arc) {
  const double a1 = fix_angle(get_angle_line(l1));
  const double a2 = fix_angle(get_angle_line(l2));
  const double a3 = fix_angle(get_angle_line(l3));
  const ParallelPairs pairs{within(a1, a2, 0.00001), within(a1, a3, 0.00001),
                            within(a2, a3, 0.00001)};
  if (pairs.p12 || pairs.p13 || pairs.p23) {
    return parallel_case(l1, l2, l3, pairs, pick, start, end, arc);
  }
  TDPoint x12;
  TDPoint x13;
  TDPoint x23;
  point_inter_2_lines(l1, l2, x12);
  point_inter_2_lines(l1, l3, x13);
  point_inter_2_lines(l2, l3, x23);
  TDPoint centre;
  point_inter_2_lines(bisector(x12, x13, x23), bisector(x13, x12, x23), centre);
  const double radius = distance_to_line(centre, l1);
  arc = TDArc{TDPoint{centre.x, centre.y, 0}, radius, start, end};
  return 1;
}

void arc_tangent_line_2_points(const TDLine& /*l*/, const TDPoint& /*p1*/, const TDPoint& /*p2*/,
                               double /*start*/, double /*end*/, TDArc& /*arc*/) {}

}  // namespace orvane::calc
