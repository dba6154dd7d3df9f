// Fillets: arcs of a given radius tangent to two lines, a line and an arc, or two arcs.
#pragma once

#include "core/records.h"

namespace orvane::calc {

// The fillet between two lines on the sides picked by P1 (for L1) and P2 (for L2), centre z 0:
// 0, or 902 for parallel lines, when only the centre stays unwritten.
int arc_tangent_2_lines(const TDLine& l1, const TDLine& l2, double radius, double start, double end,
                        const TDPoint& p1, const TDPoint& p2, TDArc& arc);
// The fillet between a line (side picked by P1) and an arc (outside it when P2 lies outside the
// circle, else inside). Only x and y of the centre are written.
void arc_tangent_line_arc(const TDLine& l, const TDArc& a, double radius, double start, double end,
                          const TDPoint& p1, const TDPoint& p2, TDArc& arc);
// The fillet outside both arcs whose centre is the first crossing (larger y) of the circles
// enlarged by the radius; the picks are not looked at. Returns 0.
int arc_tangent_2_arcs(const TDArc& a1, const TDArc& a2, double radius, double start, double end,
                       const TDPoint& p1, const TDPoint& p2, TDArc& arc);

}  // namespace orvane::calc
