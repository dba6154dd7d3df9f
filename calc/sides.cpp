#include "calc/sides.h"

#include "calc/closest_points.h"
#include "calc/primitives.h"

namespace orvane::calc {

void calc3(double x1, double x2, double y1, double y2, int side, TDPoint& p) {
  bool take_second = false;
  switch (side & 0x7F) {
    case kSideRight:
      take_second = !(x1 > x2);
      break;
    case kSideLeft:
      take_second = x2 < x1;
      break;
    case kSideTop:
      take_second = !(y1 > y2);
      break;
    case kSideBottom:
      take_second = y2 < y1;
      break;
    default:
      return;
  }
  p.x = take_second ? x2 : x1;
  p.y = take_second ? y2 : y1;
}

int get_side_from_pick(const TDLine& l, const TDPoint& p) {
  TDPoint foot;
  get_closest_point_line(l, p, foot);
  const double a = get_angle_2_points(foot, p);
  if (a > 45 && a <= 135) return kSideTop;
  if (a > 135 && a <= 225) return kSideLeft;
  if (a > 225 && a <= 315) return kSideBottom;
  return kSideRight;
}

void get_intermediate_angle(double a, int side, double& out) {
  if (!(a >= 0 && a <= 360) || side < kSideRight || side > kSideBottom) return;
  // One row per quadrant of A, one column per side.
  static constexpr double kTurn[4][4] = {
      {270, 90, 90, 270},     // [0, 90]
      {-90, 90, -90, 90},     // (90, 180]
      {90, -90, -90, 90},     // (180, 270]
      {-270, -90, -270, -90}  // (270, 360]
  };
  const int row = a <= 90 ? 0 : a <= 180 ? 1 : a <= 270 ? 2 : 3;
  out = a + kTurn[row][side - 1];
}

}  // namespace orvane::calc
