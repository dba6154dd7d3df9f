// Choices by side: 1 = right (+X), 2 = left, 3 = top (+Y), 4 = bottom.
#pragma once

#include "core/records.h"

namespace orvane::calc {

inline constexpr int kSideRight = 1;
inline constexpr int kSideLeft = 2;
inline constexpr int kSideTop = 3;
inline constexpr int kSideBottom = 4;

// P.x, P.y := the one of (X1, Y1) and (X2, Y2) that lies farther to the side: 1 larger x, 2
// smaller x, 3 larger y, 4 smaller y. Ties: sides 1 and 3 take the second point, 2 and 4 the
// first. Only the lowest 7 bits of the side are looked at; any other side leaves P unchanged.
void calc3(double x1, double x2, double y1, double y2, int side, TDPoint& p);
// The side of L on which P lies, judged by the direction from P's foot on L to P.
int get_side_from_pick(const TDLine& l, const TDPoint& p);
// Out := the direction at right angles to A that points to the side; written only for A in
// 0..360 and a side of 1 to 4.
void get_intermediate_angle(double a, int side, double& out);

}  // namespace orvane::calc
