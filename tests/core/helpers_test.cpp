#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

#include "tests/core/core_test.h"

using namespace orvane;

using HelpersTest = CoreTest;

TEST_F(HelpersTest, DistanceIsZeroForPointsFarApart) {
  EXPECT_DOUBLE_EQ(distance(0, 0, 3, 4), 5);
  EXPECT_EQ(distance(1, 1, 1, 1), 0);
  EXPECT_DOUBLE_EQ(distance(0, 0, 100000, 0), 100000);
  EXPECT_EQ(distance(0, 0, 200000, 0), 0);
  EXPECT_EQ(distance(0, 0, 3, -100001), 0);
}

TEST_F(HelpersTest, FixAngleFoldsAtMostTwoTurns) {
  EXPECT_EQ(fix_angle(360), 360);
  EXPECT_EQ(fix_angle(370), 10);
  EXPECT_EQ(fix_angle(1080), 360);
  EXPECT_EQ(fix_angle(1090), 370);
  EXPECT_EQ(fix_angle(-10), 350);
  EXPECT_EQ(fix_angle(-700), 20);
  EXPECT_EQ(fix_angle(-730), -10);
}

TEST_F(HelpersTest, AngleDegreesByQuadrantAndNudgedAxes) {
  EXPECT_EQ(get_angle_degrees(2, 3, 2, 3), 0);
  EXPECT_NEAR(get_angle_degrees(0, 0, 1, 1), 45, 1e-9);
  EXPECT_NEAR(get_angle_degrees(0, 0, -1, 1), 135, 1e-9);
  EXPECT_NEAR(get_angle_degrees(0, 0, -1, -1), 225, 1e-9);
  EXPECT_NEAR(get_angle_degrees(5, 5, 6, 4), 315, 1e-9);
  EXPECT_NEAR(get_angle_degrees(0, 0, 1, std::sqrt(3.0)), 60, 1e-9);
  EXPECT_NEAR(get_angle_degrees(0, 0, -std::sqrt(3.0), -1), 210, 1e-9);
  // Level and vertical directions are nudged by 1e-7: atan(1e-7) * 57.2957795131 degrees off.
  const double nudge = 5.72957795131e-6;
  EXPECT_NEAR(get_angle_degrees(0, 0, 1, 0), 360 - nudge, 1e-10);
  EXPECT_NEAR(get_angle_degrees(0, 0, -1, 0), 180 + nudge, 1e-10);
  EXPECT_NEAR(get_angle_degrees(0, 0, 0, 1), 90 + nudge, 1e-10);
  EXPECT_NEAR(get_angle_degrees(0, 0, 0, -1), 270 - nudge, 1e-10);
}

TEST_F(HelpersTest, ArcSweepsByDirection) {
  EXPECT_EQ(get_arc_angle(350, 10, 3), 20);
  EXPECT_EQ(get_arc_angle(10, 350, 2), 20);
  EXPECT_EQ(get_arc_angle(10, 100, 3), 90);
  EXPECT_EQ(get_arc_angle(100, 10, 3), 270);
  EXPECT_EQ(get_arc_angle(100, 10, 2), 90);
  EXPECT_EQ(get_arc_angle(45, 45, 3), 360);
  EXPECT_EQ(get_arc_angle(45, 45, 7), 360);
  EXPECT_EQ(get_arc_angle(10, 100, 1), 0);

  EXPECT_EQ(get_cdl_arc_angle(45, 45), 0);
  EXPECT_EQ(get_cdl_arc_angle(350, 10), 20);
  EXPECT_EQ(get_cdl_arc_angle(10, 350), 340);
}

namespace {

// The end points of an arc as (x1, y1, x2, y2).
std::array<double, 4> ends(const darc& arc) {
  std::array<double, 4> p;
  get_arc_end_points_arc(arc, p[0], p[1], p[2], p[3]);
  return p;
}

void expect_near(const std::array<double, 4>& got, const std::array<double, 4>& want) {
  for (int i = 0; i < 4; ++i)
    EXPECT_NEAR(got[i], want[i], 1e-9) << i;
}

}  // namespace

TEST_F(HelpersTest, ArcEndPointsLieOnTheCircle) {
  expect_near(ends(darc{{1, 2, 3}, 2, 0, 90}), {3, 2, 1, 4});
  expect_near(ends(darc{{1, 2, 3}, 2, 180, 330}), {-1, 2, 1 + std::sqrt(3.0), 1});
  EXPECT_EQ(ends(darc{{-4, 5, 0}, 0, 30, 200}), (std::array<double, 4>{-4, 5, -4, 5}));

  TElement e{};
  const double g[6] = {1, 2, 3, 2, 0, 90};
  std::copy(g, g + 6, e.values);
  std::array<double, 4> p;
  get_arc_end_points(&e, p[0], p[1], p[2], p[3]);
  expect_near(p, {3, 2, 1, 4});
}

TEST_F(HelpersTest, TextsLoseSpacesAndBadIntegersGiveZero) {
  EXPECT_EQ(strip_spaces(" a b  c "), "abc");
  EXPECT_EQ(strip_spaces("a\tb"), "a\tb");
  EXPECT_EQ(strip_spaces("   "), "");

  EXPECT_EQ(val_int(" 1 2 "), 12);
  EXPECT_EQ(val_int("-42"), -42);
  EXPECT_EQ(val_int("+ 7"), 7);
  EXPECT_EQ(val_int("-2147483648"), INT_MIN);
  for (const char* bad : {"1a", "", "  ", "1-2", "+-3", "2147483648", "1.5", "\t5", "x"}) {
    EXPECT_EQ(val_int(bad), 0) << bad;
  }
}
