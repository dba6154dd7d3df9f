#include "calc/intersections.h"

#include <cmath>

#include "calc/closest_points.h"
#include "calc/elements.h"
#include "calc/errors.h"

namespace orvane::calc {

namespace {

struct SlopeForm {
  double m = 0;  // slope
  double b = 0;  // y at x = 0
};

SlopeForm slope_form(const TDLine& l) {
  double dx = l.p1.x - l.p2.x;
  if (std::abs(dx) < 1e-6) dx = 1e-6;
  const double m = (l.p1.y - l.p2.y) / dx;
  return SlopeForm{m, l.p1.y - m * l.p1.x};
}

// The nearer of two candidates to the pick; a tie takes the second.
const TDPoint& nearer(const TDPoint& first, const TDPoint& second, const TDPoint& pick) {
  return distance_2_points(first, pick) >= distance_2_points(second, pick) ? second : first;
}

}  // namespace

int point_inter_2_lines(const TDLine& l1, const TDLine& l2, TDPoint& p) {
  const SlopeForm s1 = slope_form(l1);
  const SlopeForm s2 = slope_form(l2);
  double dm = s1.m - s2.m;
  if (dm == 0) return kParallelLines;
  if (std::abs(dm) < 1e-6) dm = 1e-6;
  const double x = (s2.b - s1.b) / dm;
  p = TDPoint{x, s1.m * x + s1.b, 0};
  return 0;
}

int iline_circle_intersect(const diline& n, const TDArc& c, double& x1, double& x2, double& y1,
                           double& y2) {
  double a = n.a;
  const double b = n.b;
  const double k = n.c;
  const double cx = c.center.x;
  const double cy = c.center.y;
  const double r = c.radius;
  if (std::abs(a) < 1e-7) a = 0;
  if (a == 0) {
    // A normal of zero length describes no line; it meets nothing.
    if (b == 0) return kArcDoesNotIntersect;
    const double y = -k / b;
    double t = r * r - (cy - y) * (cy - y);
    if (t < -1e-8) return kArcDoesNotIntersect;
    t = std::sqrt(std::abs(t));
    x1 = cx + t;
    x2 = cx - t;
    y1 = y2 = y;
    return 0;
  }
  const double q = a * a + b * b;
  const double w = b * k - a * a * cy + a * b * cx;
  const double kk = a * a * (cx * cx + cy * cy - r * r) + k * k + 2 * a * k * cx;
  double d = std::abs(w * w - q * kk);
  if (d == 0) d = 1e-8;
  const double s = std::sqrt(d);
  const double first_y = (s - w) / q;
  const double second_y = -(s + w) / q;
  x1 = -(b * first_y + k) / a;
  x2 = -(b * second_y + k) / a;
  y1 = first_y;
  y2 = second_y;
  return 0;
}

int CALC_2(const TDArc& a1, const TDArc& a2, double& x1, double& x2, double& y1, double& y2) {
  const TDArc first = a1;
  const double cx1 = a1.center.x, cy1 = a1.center.y, r1 = a1.radius;
  const double cx2 = a2.center.x, cy2 = a2.center.y, r2 = a2.radius;
  const double d = distance(cx1, cy1, cx2, cy2);
  if (!(d <= r1 + r2 + 0.0001)) return kRadiusDoesNotIntersect;
  const double u = 2 * (cx2 - cx1);
  const double v = 2 * (cy2 - cy1);
  const double w = std::sqrt(u * u + v * v);
  if (w == 0) return kConcentricCircles;
  // The radical line: the difference of the two circle equations.
  const diline radical{u / w, v / w,
                       (cx1 * cx1 + cy1 * cy1 - cx2 * cx2 - cy2 * cy2 + r2 * r2 - r1 * r1) / w};
  return iline_circle_intersect(radical, first, x1, x2, y1, y2);
}

int point_inter_2_arcs(const TDArc& a1, const TDArc& a2, TDPoint& p1, TDPoint& p2) {
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  const double z = a1.center.z;
  const int status = CALC_2(a1, a2, x1, x2, y1, y2);
  const int answer = CHECK_ERROR2(status);
  if (status == 0) {
    p1 = TDPoint{x1, y1, z};
    p2 = TDPoint{x2, y2, z};
  }
  return answer;
}

void get_intersection_arc_arc(const TDArc& a1, const TDArc& a2, const TDPoint& pick, TDPoint& p) {
  TDPoint q1;
  TDPoint q2;
  point_inter_2_arcs(a1, a2, q1, q2);
  p = nearer(q1, q2, pick);
}

int get_intersection_line_arc(const TDLine& l, const TDArc& a, const TDPoint& pick, TDPoint& p) {
  const TDArc arc = a;
  const TDPoint at = pick;
  TDPoint foot;
  get_closest_point_line(l, arc.center, foot);
  const double h = distance_2_points(arc.center, foot);
  const double r = arc.radius;
  const double s =
      std::abs(std::abs(r) - std::abs(h)) < 1e-5 ? 0 : std::sqrt(std::abs(r * r - h * h));
  double d = get_angle_line(l);
  if (d > 180) d -= 180;
  const double e = s == 0 ? 90 : to_degrees(std::atan(h / s));
  TDPoint c[4];
  point_arc_angle(arc, d - e, c[0]);
  point_arc_angle(arc, d + e, c[1]);
  point_arc_angle(arc, d + 180 + e, c[2]);
  point_arc_angle(arc, d + 180 - e, c[3]);
  const TDPoint w1 = nearer(c[0], c[1], at);
  const TDPoint w2 = nearer(c[2], c[3], at);
  p = nearer(w1, w2, at);
  return 0;
}

bool horizontal_inter(double y, Handle h, TDPoint& p) {
  const TElement* e = globallock(h);
  if (e == nullptr) return false;
  const TDLine l = get_line_from_element_pointer(e);
  globalunlock(h);
  const TDLine level{{0, y, 0}, {1, y, 0}};
  return point_inter_2_lines(l, level, p) == 0;
}

}  // namespace orvane::calc
