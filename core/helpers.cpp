#include "core/helpers.h"

#include <cmath>
#include <utility>

#include "platform/number_text.h"

namespace orvane {

double distance(double x1, double y1, double x2, double y2) {
  const double dx = std::abs(x1 - x2);
  const double dy = std::abs(y1 - y2);
  if (dx > 100000 || dy > 100000) return 0;
  const double s = dx * dx + dy * dy;
  return s > 0 ? std::sqrt(s) : 0;
}

double fix_angle(double a) {
  if (a > 360) a -= 360;
  if (a > 360) a -= 360;
  if (a < 0) a += 360;
  if (a < 0) a += 360;
  return a;
}

double get_angle_degrees(double x1, double y1, double x2, double y2) {
  if (x1 == x2 && y1 == y2) return 0;
  // Exactly level or exactly vertical directions are nudged off the axis by 1e-7.
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
  double t = std::atan(dy / dx) * kDegPerRad;
  if (x1 > x2 && y1 < y2) {
    t = 180 - t;
  } else if (x1 > x2 && y1 > y2) {
    t = t + 180;
  } else if (x1 < x2 && y1 > y2) {
    t = 360 - t;
  }
  return fix_angle(t);
}

double get_arc_angle(double start, double end, int direction) {
  if (start == end) return 360;
  if (direction != 2 && direction != 3) return 0;
  const double d = std::abs(end - start);
  const bool counterclockwise = direction == 3;
  if (start < end) return counterclockwise ? d : 360 - d;
  return counterclockwise ? 360 - d : d;
}

double get_cdl_arc_angle(double start, double end) {
  if (start > end) end += 360;
  return end - start;
}

void get_arc_end_points_arc(const darc& arc, double& x1, double& y1, double& x2, double& y2) {
  const double s = arc.start_angle / kDegPerRad;
  const double e = arc.end_angle / kDegPerRad;
  const double r = arc.radius;
  x1 = arc.center.x + r * std::cos(s);
  y1 = arc.center.y + r * std::sin(s);
  x2 = arc.center.x + r * std::cos(e);
  y2 = arc.center.y + r * std::sin(e);
}

void get_arc_end_points(const TElement* e, double& x1, double& y1, double& x2, double& y2) {
  const double* g = e->values;
  get_arc_end_points_arc(darc{{g[0], g[1], g[2]}, g[3], g[4], g[5]}, x1, y1, x2, y2);
}

void vtl_switch(double& a, double& b) {
  std::swap(a, b);
}

std::string strip_spaces(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (c != ' ') s += c;
  }
  return s;
}

int val_int(std::string_view text) {
  const std::string s = strip_spaces(text);
  for (char c : s) {
    if (c != '+' && c != '-' && (c < '0' || c > '9')) return 0;
  }
  int32_t value = 0;
  return text_to_int(s, value) ? value : 0;
}

}  // namespace orvane
