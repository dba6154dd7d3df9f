// Intersections of lines and circles.
//
// Pairs of solutions come in intersection order: the first has the larger y; on a horizontal
// line (the normal's x-part below 1e-7) both share y and the first has the larger x.
#pragma once

#include "calc/primitives.h"
#include "core/records.h"

namespace orvane::calc {

// The crossing of the two infinite lines in slope form, P.z := 0: 0, or 902 (P unchanged) for
// equal slopes. A vertical line counts as a very steep one (slope over a run of 1e-6), so its
// crossings are approximate.
int point_inter_2_lines(const TDLine& l1, const TDLine& l2, TDPoint& p);
// Both crossings of a normal-form line with the circle (centre and radius of C): 0, or 904
// (nothing written) for a horizontal line that misses it. A slanted line that misses the circle
// still gives two points, from the absolute value of the discriminant.
int iline_circle_intersect(const diline& n, const TDArc& c, double& x1, double& x2, double& y1,
                           double& y2);
// Both crossings of two circles: 0, 905 (centres farther apart than the radii reach, plus
// 0.0001) or 906 (same centre); nothing is written on an error.
int CALC_2(const TDArc& a1, const TDArc& a2, double& x1, double& x2, double& y1, double& y2);
// CALC_2 as points with A1's centre z. Its status goes through CHECK_ERROR2, so the answer is
// always 0; when the circles do not meet P1 and P2 are left as they were.
int point_inter_2_arcs(const TDArc& a1, const TDArc& a2, TDPoint& p1, TDPoint& p2);
// The crossing of two circles nearer to the pick (a tie takes the second).
void get_intersection_arc_arc(const TDArc& a1, const TDArc& a2, const TDPoint& pick, TDPoint& p);
// The crossing of a line and a circle nearest to the pick, among the two crossings and their
// mirror images across the centre's parallel to the line. Returns 0.
int get_intersection_line_arc(const TDLine& l, const TDArc& a, const TDPoint& pick, TDPoint& p);
// The crossing of the line element held by H with the horizontal line at height Y; false (P
// unchanged) for a horizontal element line or a handle that holds no element.
bool horizontal_inter(double y, Handle h, TDPoint& p);

}  // namespace orvane::calc
