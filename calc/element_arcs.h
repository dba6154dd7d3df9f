// Tangent circles on elements held by handles, and the touching point on a line they use.
#pragma once

#include "calc/primitives.h"
#include "core/records.h"

namespace orvane::calc {

// arc_tangent_line_point for a line element, arc_tangent_arc_point for an arc element, with
// that routine's status; 0 with nothing written for any other element or an empty handle.
int arc_tangent_element_point(Handle h, const TDPoint& pick, const TDPoint& p, double radius,
                              double start, double end, TDArc& arc);
// The full circle (0 to 360) through P1 and P2 touching the line element held by H, the one
// touching nearer to P1; the three Doubles are not used. Returns 0; nothing is written for an
// empty handle.
int arc_tan_2_points_element(const TDPoint& p1, const TDPoint& p2, Handle h, double unused1,
                             double unused2, double unused3, TDArc& arc);
// T.x, T.y := the crossing of L with the circle nearer to P (a tie takes the second); T.z is
// left alone, and so is T for a line whose points coincide. Returns 0.
int iline_tangent_point(const TDLine& l, const TDArc& circle, const TDPoint& p, TDPoint& t);

}  // namespace orvane::calc
