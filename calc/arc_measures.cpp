#include "calc/arc_measures.h"

#include <cmath>

#include "calc/elements.h"
#include "calc/primitives.h"

namespace orvane::calc {

double get_arc_angle(double start, double end, int kind) {
  if (start == end) return 360;
  if (kind == 3) return start < end ? end - start : 360 - (start - end);
  if (kind == 2) return start < end ? 360 - (end - start) : start - end;
  return 0;
}

double get_arc_length(double radius, double start, double end, int kind) {
  const double sweep = get_arc_angle(start, end, kind);
  if (sweep == 0) return 0;
  constexpr long double kTurn = 6.283185307179586477L;
  return static_cast<double>(std::abs(radius * kTurn) / (360 / std::abs(sweep)));
}

int get_arc_end_points_arc(const TDArc& arc, double& x1, double& y1, double& x2, double& y2) {
  if (arc.radius == 0) return 0;
  TDPoint first;
  TDPoint second;
  calc::point_arc_angle(arc, arc.start_angle, first);
  calc::point_arc_angle(arc, arc.end_angle, second);
  x1 = first.x;
  y1 = first.y;
  x2 = second.x;
  y2 = second.y;
  return 1;
}

int get_arc_end_points(const TElement* e, double& x1, double& y1, double& x2, double& y2) {
  if (e == nullptr) return 0;
  return calc::get_arc_end_points_arc(get_arc_from_element_pointer(e), x1, y1, x2, y2);
}

void mid_arc_e(const TElement* e, double& x, double& y, double& z) {
  if (e == nullptr) return;
  const TDArc arc = get_arc_from_element_pointer(e);
  const double sweep = calc::get_arc_angle(arc.start_angle, arc.end_angle, 3);
  TDPoint mid;
  calc::point_arc_angle(arc, arc.start_angle + sweep / 2, mid);
  x = mid.x;
  y = mid.y;
  z = arc.center.z;
}

}  // namespace orvane::calc
