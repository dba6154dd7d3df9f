// The point of a line, an arc or an element nearest to a given point.
#pragma once

#include "core/records.h"

namespace orvane::calc {

// C := the foot of the perpendicular from P on the infinite line (z 0). The foot is found as the
// crossing of L with the line through P at right angles, so it carries the precision of the
// slope form of point_inter_2_lines.
void get_closest_point_line(const TDLine& l, const TDPoint& p, TDPoint& c);
// C := the point of the arc's full circle nearest to P (the direction 0 when P is the centre).
void get_closest_point_arc(const TDArc& arc, const TDPoint& p, TDPoint& c);
// By element type: a point is copied, a line and an arc as above; other types leave C alone.
// Returns 1.
int get_closest_point(const TElement& e, const TDPoint& p, TDPoint& c);

}  // namespace orvane::calc
