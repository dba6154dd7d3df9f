#include "calc/arcs.h"

#include <cmath>

#include "calc/errors.h"
#include "calc/intersections.h"
#include "calc/lines.h"
#include "calc/primitives.h"

namespace orvane::calc {

namespace {

bool same_xy(const TDPoint& a, const TDPoint& b) {
  return a.x == b.x && a.y == b.y;
}

// The circle through three points of which two coincide: the other two are a diameter.
TDArc diameter_circle(const TDPoint& p1, const TDPoint& p2, const TDPoint& p3) {
  const TDPoint& other = same_xy(p1, p2) ? p3 : p2;
  const TDPoint centre{p1.x + (other.x - p1.x) / 2, p1.y + (other.y - p1.y) / 2, 0};
  return TDArc{centre, distance_2_points(p1, centre), 0, 0};
}

}  // namespace

void arc_center_radius(const TDPoint& c, double radius, double start, double end, TDArc& arc) {
  arc = TDArc{c, radius, start, end};
}

void arc_center_point(const TDPoint& c, const TDPoint& p, double start, double end, TDArc& arc) {
  arc = TDArc{c, distance_2_points(c, p), start, end};
}

void arc_center_tangent_line(const TDPoint& c, const TDLine& l, double start, double end,
                             TDArc& arc) {
  const TDPoint centre = c;
  TDLine to_foot;
  line_perpendicular_point(centre, l, to_foot);
  // The length in the plane: the foot has z 0, and a centre's z must not lengthen the radius.
  double len = distance_2_points(to_foot.p1, to_foot.p2);
  if (len <= 1e-5) len = 0;
  arc = TDArc{centre, len, start, end};
}

void arc_center_tangent_arc(const TDPoint& pick, const TDPoint& c, const TDArc& a, double start,
                            double end, TDArc& arc) {
  const TDPoint centre = c;
  const double d1 = distance(pick.x, pick.y, centre.x, centre.y);
  const double d2 = distance(a.center.x, a.center.y, centre.x, centre.y);
  // For a centre inside A the near-side difference is negative; the radius is its size.
  const double radius = d2 < d1 ? d2 + a.radius : std::abs(d2 - a.radius);
  arc = TDArc{centre, radius, start, end};
}

int arc_between_2_points(const TDPoint& p1, const TDPoint& p2, double start, double end,
                         TDArc& arc) {
  const TDPoint centre = midPoint_2_points(p1, p2);
  arc = TDArc{centre, distance_2_points(centre, p2), start, end};
  return 1;
}

int arc_through_2_points(const TDPoint& p1, const TDPoint& p2, double radius, double start,
                         double end, TDArc& arc1, TDArc& arc2) {
  if (!(distance_2_points(p1, p2) <= radius * 2 + 0.0001)) {
    error_box2("Points Too Far Apart to Fit Arc");
    return 0;
  }
  TDPoint q1;
  TDPoint q2;
  point_inter_2_arcs(TDArc{p1, radius, 0, 0}, TDArc{p2, radius, 0, 0}, q1, q2);
  arc1 = TDArc{q1, radius, start, end};
  arc2 = TDArc{q2, radius, start, end};
  return 1;
}

int arc_3_points(const TDPoint& p1, const TDPoint& p2, const TDPoint& p3, double start, double end,
                 TDArc& arc) {
  TDArc circle;
  if (same_xy(p1, p2) || same_xy(p1, p3) || same_xy(p2, p3)) {
    circle = diameter_circle(p1, p2, p3);
  } else {
    const double a13 = get_angle_radians(p1.x, p1.y, p3.x, p3.y);
    const double a12 = get_angle_radians(p1.x, p1.y, p2.x, p2.y);
    if (std::abs(a13 - a12) < 0.001) return kPointsOnSameLine;
    const double u = 2 * (p1.x - p2.x), v = 2 * (p1.y - p2.y);
    const double k1 = p1.x * p1.x + p1.y * p1.y - p2.x * p2.x - p2.y * p2.y;
    const double w = 2 * (p2.x - p3.x), t = 2 * (p2.y - p3.y);
    const double k2 = p2.x * p2.x + p2.y * p2.y - p3.x * p3.x - p3.y * p3.y;
    const double det = u * t - w * v;
    // Collinear points that the angle test misses (P1 between the others) leave no circle.
    if (det == 0) return kPointsOnSameLine;
    circle.center = TDPoint{(t * k1 - v * k2) / det, (u * k2 - w * k1) / det, 0};
    circle.radius = distance_2_points(circle.center, p2);
  }
  arc = TDArc{circle.center, circle.radius, start, end};
  return 0;
}

}  // namespace orvane::calc
