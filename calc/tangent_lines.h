// Lines tangent to circles.
#pragma once

#include "core/records.h"

namespace orvane::calc {

// L := the tangent from Through to A's circle, from Through (its z) to the touching point nearer
// to the pick (A's centre z): 0, or 908 (L unchanged) when Through lies inside the circle.
int line_tangent_point(const TDPoint& pick, const TDPoint& through, const TDArc& a, TDLine& l);
// The common tangent of two circles, P1 picked near A1 and P2 near A2: picks on opposite sides
// of the centre line give the crossing tangent, picks on one side the outer tangent (running
// from the bigger circle to the smaller). Returns 0.
int line_tangent_2_arcs2(const TDArc& a1, const TDArc& a2, const TDPoint& p1, const TDPoint& p2,
                         TDLine& l);
// L := the tangent segment of the given direction and length that starts where it touches A's
// circle (at Angle + 90); only x and y of L are written.
void line_tangent_angle(const TDArc& a, double angle, double length, TDLine& l);

}  // namespace orvane::calc
