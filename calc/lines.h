// Lines through points, at an angle, at right angles, parallel and offset.
#pragma once

#include "core/records.h"

namespace orvane::calc {

// L := (P1, P2), written in every case: 0, or 903 when the points coincide in x and y.
int line_2_points(const TDPoint& p1, const TDPoint& p2, TDLine& l);
// The segment from P in the direction Angle of the given length; only x and y of L are
// written. Returns 0.
int line_point_angle(const TDPoint& p, double angle, double length, TDLine& l);
// Out := (P, P's foot on L), the foot with z 0. Returns 0.
int line_perpendicular_point(const TDPoint& p, const TDLine& l, TDLine& out);
// Out := L moved so that it passes through P.
void line_parallel_point(const TDPoint& p, const TDLine& l, TDLine& out);
// Out := L moved by Dist at right angles toward P's side (away from it for a negative Dist);
// each end keeps its own z.
void offset_line(const TDLine& l, double dist, const TDPoint& p, TDLine& out);

}  // namespace orvane::calc
