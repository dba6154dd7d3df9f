// Reference points of picked elements and the plane constructions behind them.
#include <cmath>

#include "tests/component/pick_test_fixture.h"

namespace {

using namespace orvane;

using PickPoints = PickTest;

Handle handle_of(int n) {
  return element_handle[n];
}

TEST_F(PickPoints, LineEndpointByMode) {
  const Handle h = handle_of(line(-5, 0, 1, 5, 0, 3));
  dpoint p;
  for (int mode : {6, 9}) {
    type_of_pick = mode;
    ASSERT_TRUE(get_endpoint(h, 0, 0, p)) << mode;
    expect_point(p, 0, 0, 2);
  }
  type_of_pick = 7;
  ASSERT_TRUE(get_endpoint(h, 140, 100, p));
  expect_point(p, 5, 0, 3);
  expect_point(global_farend_point, -5, 0, 1);
  ASSERT_TRUE(get_endpoint(h, 100, 100, p));  // equally far from both ends: the first
  expect_point(p, -5, 0, 1);
  type_of_pick = 12;
  ASSERT_TRUE(get_endpoint(h, 120, 90, p));  // model (2, 1)
  expect_point(p, 2, 0, 0, 1e-5);
  for (int none : {8, 11, 0, 13}) {
    type_of_pick = none;
    EXPECT_FALSE(get_endpoint(h, 140, 100, p)) << none;
    expect_point(p, -999, -999, -999);
  }
  window(2);
  type_of_pick = 10;
  ASSERT_TRUE(get_endpoint(h, 140, 100, p));
  expect_point(p, -5, 0, 1);
}

TEST_F(PickPoints, ArcAndPointEndpointByMode) {
  const Handle a = handle_of(make(kArc, 1, 1, 2, 2, 0, 90));
  dpoint p;
  type_of_pick = 6;
  ASSERT_TRUE(get_endpoint(a, 0, 0, p));
  expect_point(p, 1, 1, 2);
  type_of_pick = 9;
  ASSERT_TRUE(get_endpoint(a, 0, 0, p));
  expect_point(p, 1 + std::sqrt(2.0), 1 + std::sqrt(2.0), 2, 1e-9);
  type_of_pick = 10;
  EXPECT_FALSE(get_endpoint(a, 100, 100, p));  // off the arc
  ASSERT_TRUE(get_endpoint(a, 130, 88, p));    // model (3, 1.2), near the start
  expect_point(p, 3, 1, 2);
  expect_point(global_farend_point, 1, 3, 2);
  type_of_pick = 8;
  ASSERT_TRUE(get_endpoint(handle_of(point(4, 5, 6)), 0, 0, p));
  expect_point(p, 4, 5, 6);
  EXPECT_FALSE(get_endpoint(0, 0, 0, p));
}

TEST_F(PickPoints, PickPointByMode) {
  double x = 0, y = 0, z = 0;
  type_of_pick = 10;
  ASSERT_TRUE(pick_point(120, 70, x, y, z));
  EXPECT_DOUBLE_EQ(x, 2);
  EXPECT_DOUBLE_EQ(y, 3);
  type_of_pick = 8;
  point(2, 3);
  EXPECT_FALSE(pick_point(120, 70, x, y, z));
  type_of_pick = 6;
  x = y = 0;
  ASSERT_TRUE(pick_point(121, 70, x, y, z));
  EXPECT_EQ(x, 2);
}

TEST_F(PickPoints, ClosestPointsUseTheFullLineAndCircle) {
  dpoint p;
  get_closest_point_line({{0, 0, 5}, {1, 0, 5}}, {3, 2, 7}, p);
  expect_point(p, 3, 0, 0, 1e-5);  // beyond the segment, z 0
  get_closest_point_line({{5, 0, 0}, {5, 10, 0}}, {2, 3, 0}, p);
  expect_point(p, 5, 3, 0, 1e-5);
  get_closest_point_arc({{1, 1, 2}, 2, 180, 270}, {1, 5, 0}, p);
  expect_point(p, 1, 3, 2, 1e-6);  // outside the arc's extent
  EXPECT_EQ(get_closest_point(0, {1, 1, 1}, p), 1);
}

TEST_F(PickPoints, MidArcRunsCounterclockwiseFromTheStart) {
  const int a = make(kArc, 0, 0, 4, 2, 350, 10);
  double x = 0, y = 0, z = 0;
  mid_arc(lock_element(a), x, y, z);
  EXPECT_NEAR(x, 2, 1e-9);
  EXPECT_NEAR(y, 0, 1e-9);
  EXPECT_EQ(z, 4);
  TElement full{};
  full.values[3] = 1;
  full.values[4] = full.values[5] = 90;  // equal angles: the whole circle, halfway at 270
  mid_arc(&full, x, y, z);
  EXPECT_NEAR(x, 0, 1e-9);
  EXPECT_NEAR(y, -1, 1e-9);
}

TEST_F(PickPoints, LineConstructions) {
  dline l;
  EXPECT_EQ(line_2_points({1, 2, 3}, {1, 2, 4}, l), kUndefinedLineError);
  EXPECT_EQ(l.p2.z, 4);
  EXPECT_EQ(line_2_points({1, 2, 3}, {1, 3, 3}, l), 0);
  dpoint p{7, 7, 7};
  EXPECT_EQ(point_inter_2_lines({{0, 0, 0}, {1, 1, 0}}, {{0, 1, 0}, {1, 2, 0}}, p),
            kParallelLinesError);
  expect_point(p, 7, 7, 7);
  EXPECT_EQ(point_inter_2_lines({{0, 0, 3}, {1, 1, 3}}, {{0, 2, 3}, {2, 0, 3}}, p), 0);
  expect_point(p, 1, 1, 0);
  EXPECT_EQ(point_arc_angle({{1, 2, 3}, 2, 0, 0}, 90, p), 0);
  expect_point(p, 1, 4, 3, 1e-9);
}

TEST_F(PickPoints, MidpointsDistancesAndRecords) {
  dpoint p;
  midpoint(0, 2, 4, 2, 6, 10, p);
  expect_point(p, 1, 4, 7);
  expect_point(midpoint_2_points({-1, -1, -1}, {1, 3, 1}), 0, 1, 0);
  EXPECT_EQ(dpoint_distance({0, 0, 9}, {3, 4, 0}), 5);
  EXPECT_EQ(dpoint_distance({0, 0, 0}, {200000, 0, 0}), 0);
  const int a = make(kArc, 1, 2, 3, 4, 5, 6);
  const darc r = get_arc_from_element(lock_element(a));
  EXPECT_EQ(r.center.z, 3);
  EXPECT_EQ(r.end_angle, 6);
  const dline d = get_line_from_element(lock_element(a));
  EXPECT_EQ(d.p2.x, 4);
  EXPECT_EQ(get_line_from_element(nullptr).p1.x, 0);
}

}  // namespace
