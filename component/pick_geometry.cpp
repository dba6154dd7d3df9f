// Plane constructions behind the closest points: lines through two points, their crossing,
// points on a circle, and the element's geometry as records.
#include <cmath>

#include "component/pick.h"
#include "core/helpers.h"

namespace orvane {

namespace {

// Slope and intercept of a line in XY; a near-vertical line gets a very steep slope.
void slope_form(const dline& l, double& m, double& b) {
  double dx = l.p1.x - l.p2.x;
  if (std::abs(dx) < 1e-6) dx = 1e-6;
  m = (l.p1.y - l.p2.y) / dx;
  b = l.p1.y - m * l.p1.x;
}

}  // namespace

int line_2_points(const dpoint& a, const dpoint& b, dline& l) {
  l = {a, b};
  return a.x == b.x && a.y == b.y ? kUndefinedLineError : 0;
}

int point_inter_2_lines(const dline& l1, const dline& l2, dpoint& p) {
  double m1, b1, m2, b2;
  slope_form(l1, m1, b1);
  slope_form(l2, m2, b2);
  double dm = m1 - m2;
  if (dm == 0) return kParallelLinesError;
  if (std::abs(dm) < 1e-6) dm = 1e-6;
  p.x = (b2 - b1) / dm;
  p.y = m1 * p.x + b1;
  p.z = 0;
  return 0;
}

int point_arc_angle(const darc& a, double angle, dpoint& p) {
  const double t = angle / kDegPerRad;
  p = {a.center.x + a.radius * std::cos(t), a.center.y + a.radius * std::sin(t), a.center.z};
  return 0;
}

darc get_arc_from_element(const TElement* e) {
  if (e == nullptr) return {};
  const double* v = e->values;
  return {{v[0], v[1], v[2]}, v[3], v[4], v[5]};
}

dline get_line_from_element(const TElement* e) {
  if (e == nullptr) return {};
  const double* v = e->values;
  return {{v[0], v[1], v[2]}, {v[3], v[4], v[5]}};
}

double dpoint_distance(const dpoint& a, const dpoint& b) {
  return distance(a.x, a.y, b.x, b.y);
}

}  // namespace orvane
