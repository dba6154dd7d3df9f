#include "calc/closest_points.h"

#include "calc/elements.h"
#include "calc/errors.h"
#include "calc/intersections.h"
#include "calc/lines.h"
#include "calc/primitives.h"

namespace orvane::calc {

void get_closest_point_line(const TDLine& l, const TDPoint& p, TDPoint& c) {
  const TDLine line = l;
  const TDPoint from = p;
  TDPoint across;
  point_arc_angle(TDArc{from, 1.0, 0, 0}, get_angle_line(line) + 90, across);
  TDLine normal;
  if (CHECK_ERROR2(line_2_points(from, across, normal)) <= 0) {
    CHECK_ERROR2(point_inter_2_lines(line, normal, c));
  }
}

void get_closest_point_arc(const TDArc& arc, const TDPoint& p, TDPoint& c) {
  const TDArc a = arc;
  point_arc_angle(a, get_angle_degrees(a.center.x, a.center.y, p.x, p.y), c);
}

int get_closest_point(const TElement& e, const TDPoint& p, TDPoint& c) {
  switch (e.element_type) {
    case kPoint:
      c = get_point_from_element_pointer(&e);
      break;
    case kLine:
      get_closest_point_line(get_line_from_element_pointer(&e), p, c);
      break;
    case kArc:
      get_closest_point_arc(get_arc_from_element_pointer(&e), p, c);
      break;
    default:
      break;
  }
  return 1;
}

}  // namespace orvane::calc
