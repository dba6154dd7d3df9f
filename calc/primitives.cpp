#include "calc/primitives.h"

#include <cmath>

#include "calc/errors.h"

namespace orvane::calc {

namespace {

// Steps shared by the two direction routines: the angle in degrees before it is folded.
double raw_angle_degrees(double x1, double y1, double x2, double y2) {
  double dy = std::abs(y2 - y1);
  if (dy == 0) {
    dy = 1e-7;
    y1 += 1e-7;
  }
  double dx = std::abs(x2 - x1);
  if (dx == 0) {
    dx = 1e-7;
    x1 += 1e-7;
  }
  double a = to_degrees(std::atan(dy / dx));
  if (x2 < x1 && y2 > y1) {
    a = 180 - a;
  } else if (x2 < x1 && y2 < y1) {
    a = a + 180;
  } else if (x2 > x1 && y2 < y1) {
    a = 360 - a;
  }
  return a;
}

double root_of_sum(double s) {
  return s > 0 ? std::sqrt(s) : 0;
}

}  // namespace

double distance(double x1, double y1, double x2, double y2) {
  const double dx = std::abs(x2 - x1);
  const double dy = std::abs(y2 - y1);
  return root_of_sum(dx * dx + dy * dy);
}

double distance_2_points(const TDPoint& p1, const TDPoint& p2) {
  return distance(p1.x, p1.y, p2.x, p2.y);
}

double distance3d(const TDPoint& p1, const TDPoint& p2) {
  const double dx = std::abs(p2.x - p1.x);
  const double dy = std::abs(p2.y - p1.y);
  const double dz = std::abs(p2.z - p1.z);
  return root_of_sum(dx * dx + dy * dy + dz * dz);
}

double get_length_of_line(const TDLine& l) {
  return distance3d(l.p1, l.p2);
}

void midPoint(double x1, double y1, double z1, double x2, double y2, double z2, TDPoint& p) {
  p = TDPoint{x1 + (x2 - x1) / 2, y1 + (y2 - y1) / 2, z1 + (z2 - z1) / 2};
}

TDPoint midPoint_2_points(const TDPoint& p1, const TDPoint& p2) {
  TDPoint m;
  midPoint(p1.x, p1.y, p1.z, p2.x, p2.y, p2.z, m);
  return m;
}

TDPoint make_Point(double x, double y, double z) {
  return TDPoint{x, y, z};
}

double get_angle_degrees(double x1, double y1, double x2, double y2) {
  if (x1 == x2 && y1 == y2) return 0;
  return fix_angle(raw_angle_degrees(x1, y1, x2, y2));
}

double get_angle_radians(double x1, double y1, double x2, double y2) {
  if (x1 == x2 && y1 == y2) return 0;
  return to_radians(raw_angle_degrees(x1, y1, x2, y2));
}

double get_angle_2_points(const TDPoint& p1, const TDPoint& p2) {
  return get_angle_degrees(p1.x, p1.y, p2.x, p2.y);
}

double get_angle_line(const TDLine& l) {
  return get_angle_2_points(l.p1, l.p2);
}

double angle_of_line(const TElement* e) {
  if (e == nullptr) return 0;
  const double dx = e->values[3] - e->values[0];
  const double dy = e->values[4] - e->values[1];
  if (dx == 0 && dy == 0) return 0;
  if (dx == 0) return dy > 0 ? 90 : 270;
  if (dy == 0) return dx > 0 ? 0 : 180;
  const double a = to_degrees(std::atan(dy / dx));
  if (dx < 0) return a + 180;
  return dy > 0 ? a : a + 360;
}

double fix_angle(double a) {
  if (a > 360) a -= 360;
  if (a > 360) a -= 360;
  if (a < 0) a += 360;
  if (a < 0) a += 360;
  return a;
}

bool within(double a, double b, double tol) {
  return !(std::abs(b - a) > tol);
}

int point_arc_angle(const TDArc& arc, double angle, TDPoint& p) {
  const double r = to_radians(angle);
  p = TDPoint{std::cos(r) * arc.radius + arc.center.x, std::sin(r) * arc.radius + arc.center.y,
              arc.center.z};
  return 0;
}

int point_center_arc(const TDArc& arc, TDPoint& p) {
  const TDPoint c = arc.center;
  p.x = c.x;
  p.y = c.y;
  return 0;
}

int make_iline(const TDLine& l, diline& n) {
  const double dy = l.p2.y - l.p1.y;
  const double dx = l.p1.x - l.p2.x;
  const double len = std::sqrt(dy * dy + dx * dx);
  if (len == 0) return kUndefinedLine;
  const double a = dy / len;
  const double b = dx / len;
  n = diline{a, b, -(l.p1.x * a) - l.p1.y * b};
  return 0;
}

}  // namespace orvane::calc
