#include "calc/arc_measures.h"

#include <gtest/gtest.h>

#include <numbers>

#include "calc/closest_points.h"
#include "calc/elements.h"
#include "calc_test_util.h"

namespace {

namespace calc = orvane::calc;
using orvane::TDArc;
using orvane::TDPoint;
using orvane::TElement;

TElement arc_element(const TDArc& a) {
  TElement e{};
  e.element_type = orvane::kArc;
  const double v[6] = {a.center.x, a.center.y, a.center.z, a.radius, a.start_angle, a.end_angle};
  std::copy(std::begin(v), std::end(v), std::begin(e.values));
  return e;
}

TEST(CalcArcMeasures, SweepByKind) {
  EXPECT_EQ(calc::get_arc_angle(350, 10, 3), 20);
  EXPECT_EQ(calc::get_arc_angle(350, 10, 2), 340);
  EXPECT_EQ(calc::get_arc_angle(10, 20, 2), 350);
  for (int kind : {1, 2, 3, 7})
    EXPECT_EQ(calc::get_arc_angle(45, 45, kind), 360);
  EXPECT_EQ(calc::get_arc_angle(10, 20, 1), 0);
}

TEST(CalcArcMeasures, LengthOfTheSweep) {
  EXPECT_NEAR(calc::get_arc_length(1, 0, 90, 3), std::numbers::pi / 2, 1e-12);
  EXPECT_NEAR(calc::get_arc_length(-2, 0, 90, 2), 3 * std::numbers::pi, 1e-12);
  EXPECT_EQ(calc::get_arc_length(1, 10, 20, 1), 0);
}

TEST(CalcArcMeasures, EndPointsOfAZeroRadiusArcAreNotWritten) {
  double x1 = 7, y1 = 7, x2 = 7, y2 = 7;
  EXPECT_EQ(calc::get_arc_end_points_arc({{1, 1, 0}, 0, 0, 90}, x1, y1, x2, y2), 0);
  EXPECT_EQ(x1 + y1 + x2 + y2, 28);
  const TElement e = arc_element({{1, 1, 0}, 2, 0, 90});
  ASSERT_EQ(calc::get_arc_end_points(&e, x1, y1, x2, y2), 1);
  EXPECT_NEAR(x1, 3, 1e-9);
  EXPECT_NEAR(y1, 1, 1e-9);
  EXPECT_NEAR(x2, 1, 1e-9);
  EXPECT_NEAR(y2, 3, 1e-9);
}

TEST(CalcArcMeasures, MidpointOfAnArcAcrossZero) {
  const TElement e = arc_element({{0, 0, 4}, 1, 350, 10});
  double x = 0, y = 0, z = 0;
  calc::mid_arc_e(&e, x, y, z);
  EXPECT_NEAR(x, 1, 1e-9);
  EXPECT_NEAR(y, 0, 1e-9);
  EXPECT_EQ(z, 4);
}

TEST(CalcClosestPoints, FootOnTheInfiniteLineBeyondTheSegment) {
  TDPoint c{9, 9, 9};
  calc::get_closest_point_line({{0, 0, 2}, {1, 0, 2}}, {5, 3, 7}, c);
  // The normal through P is nearly vertical, which the slope form resolves to about 1e-7.
  EXPECT_XY_NEAR(c, 5, 0, 1e-5);
  EXPECT_EQ(c.z, 0);
  calc::get_closest_point_line({{0, 0, 0}, {2, 2, 0}}, {0, 2, 0}, c);
  EXPECT_XY_NEAR(c, 1, 1, 1e-9);
}

TEST(CalcClosestPoints, NearestPointOfTheFullCircle) {
  TDPoint c;
  calc::get_closest_point_arc({{1, 1, 3}, 2, 0, 10}, {1, 9, 0}, c);
  EXPECT_XY_NEAR(c, 1, 3, 1e-5);
  EXPECT_EQ(c.z, 3);
  calc::get_closest_point_arc({{1, 1, 3}, 2, 0, 10}, {1, 1, 0}, c);
  EXPECT_XY_NEAR(c, 3, 1, 1e-9);
}

TEST(CalcClosestPoints, ByElementType) {
  TElement e{};
  e.element_type = orvane::kPoint;
  e.values[0] = 4;
  e.values[2] = 6;
  TDPoint c{1, 1, 1};
  EXPECT_EQ(calc::get_closest_point(e, {0, 0, 0}, c), 1);
  EXPECT_EQ(c.x, 4);
  EXPECT_EQ(c.z, 6);
  e.element_type = orvane::kCircle;
  c = TDPoint{1, 1, 1};
  EXPECT_EQ(calc::get_closest_point(e, {0, 0, 0}, c), 1);
  EXPECT_EQ(c.x, 1);
  EXPECT_TRUE(calc::isbadreadptr(nullptr, 80));
  EXPECT_FALSE(calc::isbadreadptr(&e, 0));
}

}  // namespace
