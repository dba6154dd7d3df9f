// Circles through a point tangent to a line or an arc, and the circle tangent to three lines.
#pragma once

#include "core/records.h"

namespace orvane::calc {

// The circle of the radius touching L and passing through P, on the side along L chosen by the
// pick, centre z 0: 0, or 904 (Arc unchanged) when P lies farther than a diameter from L.
int arc_tangent_line_point(const TDLine& l, const TDPoint& pick, const TDPoint& p, double radius,
                           double start, double end, TDArc& arc);
// The circle of the radius touching A's circle and passing through P, the candidate nearer to
// the pick. Returns 0.
int arc_tangent_arc_point(const TDArc& a, const TDPoint& pick, const TDPoint& p, double radius,
                          double start, double end, TDArc& arc);
// The circle tangent to three lines, centre z 0. Lines of one direction within 0.00001 degrees
// count as parallel: with one parallel pair the circle between them on the pick's side of the
// third line (result 0); with more than one pair nothing is written (0). Otherwise the centre
// is where the bisectors at two corners meet (result 1).
int arc_tan_3_lines(const TDLine& l1, const TDLine& l2, const TDLine& l3, const TDPoint& pick,
                    double start, double end, TDArc& arc);
// Builds nothing: Arc is left unchanged.
void arc_tangent_line_2_points(const TDLine& l, const TDPoint& p1, const TDPoint& p2, double start,
                               double end, TDArc& arc);

}  // namespace orvane::calc
