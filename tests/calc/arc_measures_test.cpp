#include "calc/arc_measures.h"

#include "calc/closest_points.h"
#include "calc/elements.h"
#include "calc_test_util.h"

namespace {

using namespace calc_test;

orvane::TElement element(orvane::ElementType type, std::initializer_list<double> values) {
  orvane::TElement e{};
  e.element_type = type;
  std::copy(values.begin(), values.end(), std::begin(e.values));
  return e;
}

TEST(CalcArcMeasures, SweepAndLengthByKind) {
  EXPECT_EQ(calc::get_arc_angle(350, 10, 3), 20);
  EXPECT_EQ(calc::get_arc_angle(350, 10, 2), 340);
  EXPECT_EQ(calc::get_arc_angle(10, 20, 2), 350);
  for (int kind : {1, 2, 3, 7})
    EXPECT_EQ(calc::get_arc_angle(45, 45, kind), 360);
  EXPECT_EQ(calc::get_arc_angle(10, 20, 1), 0);
  EXPECT_NEAR(calc::get_arc_length(1, 0, 90, 3), std::numbers::pi / 2, 1e-12);
  EXPECT_NEAR(calc::get_arc_length(-2, 0, 90, 2), 3 * std::numbers::pi, 1e-12);
  EXPECT_EQ(calc::get_arc_length(1, 10, 20, 1), 0);
}

TEST(CalcArcMeasures, EndPointsAndMidpoint) {
  double x1 = 7, y1 = 7, x2 = 7, y2 = 7;
  EXPECT_EQ(calc::get_arc_end_points_arc({{1, 1, 0}, 0, 0, 90}, x1, y1, x2, y2), 0);
  EXPECT_EQ(x1 + y1 + x2 + y2, 28);
  const orvane::TElement quarter = element(orvane::kArc, {1, 1, 0, 2, 0, 90});
  ASSERT_EQ(calc::get_arc_end_points(&quarter, x1, y1, x2, y2), 1);
  EXPECT_XY_NEAR(TDPoint(x1, y1), 3, 1, 1e-9);
  EXPECT_XY_NEAR(TDPoint(x2, y2), 1, 3, 1e-9);
  const orvane::TElement across_zero = element(orvane::kArc, {0, 0, 4, 1, 350, 10});
  double z = 0;
  calc::mid_arc_e(&across_zero, x1, y1, z);
  EXPECT_XY_NEAR(TDPoint(x1, y1), 1, 0, 1e-9);
  EXPECT_EQ(z, 4);
}

TEST(CalcClosestPoints, FootOnTheInfiniteLineAndNearestCirclePoint) {
  TDPoint c{9, 9, 9};
  calc::get_closest_point_line({{0, 0, 2}, {1, 0, 2}}, {5, 3, 7}, c);
  // The normal through P is nearly vertical, which the slope form resolves to about 1e-7.
  EXPECT_XY_NEAR(c, 5, 0, 1e-5);
  EXPECT_EQ(c.z, 0);
  calc::get_closest_point_line({{0, 0, 0}, {2, 2, 0}}, {0, 2, 0}, c);
  EXPECT_XY_NEAR(c, 1, 1, 1e-9);
  calc::get_closest_point_arc({{1, 1, 3}, 2, 0, 10}, {1, 9, 0}, c);
  EXPECT_XY_NEAR(c, 1, 3, 1e-5);
  EXPECT_EQ(c.z, 3);
  calc::get_closest_point_arc({{1, 1, 3}, 2, 0, 10}, {1, 1, 0}, c);  // the centre: direction 0
  EXPECT_XY_NEAR(c, 3, 1, 1e-9);
}

TEST(CalcClosestPoints, ByElementType) {
  TDPoint c{1, 1, 1};
  EXPECT_EQ(calc::get_closest_point(element(orvane::kPoint, {4, 0, 6}), {}, c), 1);
  EXPECT_EQ(c.x + c.z, 10);
  calc::get_closest_point(element(orvane::kLine, {0, 0, 0, 2, 2, 0}), {0, 2, 0}, c);
  EXPECT_XY_NEAR(c, 1, 1, 1e-9);
  c = TDPoint{1, 1, 1};
  EXPECT_EQ(calc::get_closest_point(element(orvane::kCircle, {4, 0, 6, 1}), {}, c), 1);
  EXPECT_EQ(c.x, 1);
  EXPECT_TRUE(calc::isbadreadptr(nullptr, 80));
}

}  // namespace
