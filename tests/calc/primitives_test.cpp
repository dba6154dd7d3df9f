#include "calc/primitives.h"

#include "calc/errors.h"
#include "calc_test_util.h"

namespace {

using namespace calc_test;

TEST(CalcAngles, AxisDirectionsAreNudgedOffTheAxis) {
  EXPECT_NEAR(calc::get_angle_degrees(0, 0, 1, 0), 359.9999943, 1e-7);
  EXPECT_NEAR(calc::get_angle_degrees(0, 0, 0, 1), 90, 1e-5);
  EXPECT_GT(calc::get_angle_degrees(0, 0, -1, 0), 180);
  EXPECT_NEAR(calc::get_angle_degrees(0, 0, 0, -1), 270, 1e-5);
  EXPECT_EQ(calc::get_angle_degrees(2, 3, 2, 3), 0);
}

// Degrees come from radians through the decimal constant 57.29577951, 5.4e-11 short of 180/pi:
// 45 degrees comes out 2.4e-9 low, hence 1e-8.
TEST(CalcAngles, QuadrantsAndElementLines) {
  EXPECT_NEAR(calc::get_angle_degrees(0, 0, -1, 1), 135, 1e-8);
  EXPECT_NEAR(calc::get_angle_2_points({1, 1, 0}, {0, 0, 0}), 225, 1e-8);
  EXPECT_NEAR(calc::get_angle_line({{0, 0, 0}, {1, -1, 0}}), 315, 1e-8);
  EXPECT_NEAR(calc::get_angle_radians(0, 0, -1, -1), 1.25 * std::numbers::pi, 1e-8);
  orvane::TElement e{};
  e.values[4] = -3;  // exactly down: no nudging for elements
  EXPECT_EQ(calc::angle_of_line(&e), 270);
  e.values[0] = 1;
  e.values[4] = 0;
  EXPECT_EQ(calc::angle_of_line(&e), 180);
  EXPECT_EQ(calc::angle_of_line(nullptr), 0);
}

TEST(CalcAngles, FixAngleFoldsAtMostTwoTurns) {
  EXPECT_EQ(calc::fix_angle(-30), 330);
  EXPECT_EQ(calc::fix_angle(360), 360);
  EXPECT_EQ(calc::fix_angle(725), 5);
  EXPECT_EQ(calc::fix_angle(1085), 365);
  EXPECT_TRUE(calc::within(1, 1.5, 0.5));
  EXPECT_FALSE(calc::within(1, 1.6, 0.5));
}

TEST(CalcMeasures, DistancesMidpointsAndCirclePoints) {
  EXPECT_EQ(calc::distance_2_points({0, 0, 9}, {3, 4, 0}), 5);
  EXPECT_EQ(calc::get_length_of_line({{0, 0, 0}, {1, 2, 2}}), 3);
  const TDPoint m = calc::midPoint_2_points({0, 0, 0}, {2, 4, 6});
  EXPECT_EQ(m.x + 10 * m.y + 100 * m.z, 321);
  TDPoint p{9, 9, 9};
  calc::point_arc_angle({{1, 2, 3}, 2, 0, 0}, 90, p);
  EXPECT_XY_NEAR(p, 1, 4, 1e-9);
  calc::point_center_arc({{5, 6, 7}, 1, 0, 0}, p);
  EXPECT_EQ(p.x + p.z, 8);  // x from the centre, z kept
}

TEST(CalcNormalForm, PointsDifferingOnlyInZAreNoLine) {
  calc::diline n{7, 8, 9};
  EXPECT_EQ(calc::make_iline({{1, 1, 0}, {1, 1, 5}}, n), calc::kUndefinedLine);
  EXPECT_EQ(n.a, 7);
  ASSERT_EQ(calc::make_iline({{0, 1, 0}, {2, 3, 0}}, n), 0);
  EXPECT_NEAR(n.a * n.a + n.b * n.b, 1, 1e-12);
  EXPECT_NEAR(n.b * 1 + n.c, 0, 1e-12);
  EXPECT_NEAR(n.a * 2 + n.b * 3 + n.c, 0, 1e-12);
}

TEST(CalcTexts, ShortDecimalForm) {
  const std::pair<double, const char*> cases[] = {
      {0.5, ".5"},
      {2, "2.0"},
      {-0.25, "-.25"},
      {10, "10.0"},
      {0, ".0"},
      {1.23456, "1.2346"},
      // Large values keep every digit rather than being cut at 15 characters.
      {12345678901234.5, "12345678901234.5"}};
  for (const auto& [x, text] : cases)
    EXPECT_EQ(calc::str_real2(x), text);
  EXPECT_EQ(calc::str_int2(-42), "-42");
}

TEST(CalcErrors, EveryCodeAnswersZeroWithItsText) {
  for (int code : {0, 103, 902, 908, 2, 999})
    EXPECT_EQ(calc::CHECK_ERROR2(code), 0) << code;
  EXPECT_EQ(calc::error_box2("anything"), 0);
  EXPECT_EQ(calc::error_text2(902), "PARALLEL LINES");
  EXPECT_EQ(calc::error_text2(908), "3 POINTS ON SAME LINE");
  EXPECT_EQ(calc::error_text2(2), "FILE NOT FOUND");
  EXPECT_EQ(calc::error_text2(162), "HARDWARE FAILURE");
  EXPECT_EQ(calc::error_text2(999), "I/O Error 999");
  EXPECT_EQ(calc::error_text2(103), "");
}

}  // namespace
