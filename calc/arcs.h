// Circles and arcs from centres, points and radii. Every construction copies the start and end
// angles it is given into the result and computes only the centre and the radius.
#pragma once

#include "core/records.h"

namespace orvane::calc {

void arc_center_radius(const TDPoint& c, double radius, double start, double end, TDArc& arc);
// Centred at C (its z) through P.
void arc_center_point(const TDPoint& c, const TDPoint& p, double start, double end, TDArc& arc);
// Centred at C (its z), touching the line L; a radius below 1e-5 becomes 0.
void arc_center_tangent_line(const TDPoint& c, const TDLine& l, double start, double end,
                             TDArc& arc);
// Centred at C (its z), touching A's circle: on its far side when the pick lies beyond A's
// centre as seen from C, else on its near side.
void arc_center_tangent_arc(const TDPoint& pick, const TDPoint& c, const TDArc& a, double start,
                            double end, TDArc& arc);
// The circle on P1 P2 as diameter (centre z included). Returns 1.
int arc_between_2_points(const TDPoint& p1, const TDPoint& p2, double start, double end,
                         TDArc& arc);
// The two circles of the radius through P1 and P2 (Arc1 the first in intersection order, centre
// z P1's): 1, or 0 with nothing written when the points lie too far apart.
int arc_through_2_points(const TDPoint& p1, const TDPoint& p2, double radius, double start,
                         double end, TDArc& arc1, TDArc& arc2);
// The circle through three points, centre z 0: 0, or 908 (Arc unchanged) when they lie on one
// line. Two coinciding points make the other pair a diameter.
int arc_3_points(const TDPoint& p1, const TDPoint& p2, const TDPoint& p3, double start, double end,
                 TDArc& arc);

}  // namespace orvane::calc
