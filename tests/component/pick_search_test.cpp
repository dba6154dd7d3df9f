// The pick search: tolerances, ranking, filters, the four windows and what is never picked.
#include <cmath>

#include "tests/component/pick_test_fixture.h"

namespace {

using namespace orvane;

using PickSearch = PickTest;

TEST_F(PickSearch, PointsAreHitUnderTwelvePixels) {
  const int p = point(0, 0);
  EXPECT_EQ(chosen_at(111, 100), p);
  EXPECT_EQ(chosen_at(112, 100), 0);
}

TEST_F(PickSearch, LinesAreHitUnderSixPixels) {
  const int l = line(-5, 0, 0, 5, 0, 0);
  EXPECT_EQ(chosen_at(100, 105), l);
  EXPECT_EQ(chosen_at(100, 106), 0);
}

TEST_F(PickSearch, PointsOnlyModeKeepsTheToleranceAndSkipsLines) {
  point(0, 0);
  line(-5, 1, 0, 5, 1, 0);
  type_of_pick = 11;
  double x = 9, y = 9, z = 9;
  EXPECT_TRUE(pick_point(105, 100, x, y, z));
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_FALSE(pick_point(107, 100, x, y, z));
  EXPECT_FALSE(pick_point(100, 90, x, y, z));  // on the line
}

TEST_F(PickSearch, ClickNearTheSecondEndReportsItAsNearEnd) {
  const int l = line(-5, 0, 1, 5, 0, 2);
  ASSERT_TRUE(pick_at(140, 98));  // model (4, 0.2)
  EXPECT_EQ(number, l);
  expect_point(near_end, 5, 0, 2);
  expect_point(far_end, -5, 0, 1);
  expect_point(mid, 0, 0, 1.5);
  expect_point(closest, 4, 0, 0, 1e-5);
}

TEST_F(PickSearch, ClickBeyondTheEndIsNoHitAndWritesNothing) {
  line(-5, 0, 1, 5, 0, 2);
  EXPECT_FALSE(pick_at(153, 100));  // on the extension at model (5.3, 0)
  EXPECT_EQ(number, 0);
  expect_point(near_end, kUnset.x, kUnset.y, kUnset.z);
  expect_point(closest, kUnset.x, kUnset.y, kUnset.z);
}

TEST_F(PickSearch, CrossingLinesTheNearerWins) {
  line(-5, 0, 0, 5, 0, 0);                       // 0.3 from model (0, 0.3)
  const int near = line(0.2, -5, 0, 0.2, 5, 0);  // 0.2 from it
  EXPECT_EQ(chosen_at(100, 97), near);
}

TEST_F(PickSearch, LinesAtEqualDistanceTheLowerNumberWins) {
  const int first = line(-5, 0.6, 0, 5, 0.6, 0);  // both 0.3 from model (0, 0.3)
  line(-5, 0, 0, 5, 0, 0);
  EXPECT_EQ(chosen_at(100, 97), first);
}

TEST_F(PickSearch, ArcThroughZeroDegreesIsHitInsideItsSpanOnly) {
  const int a = arc(0, 0, 5, 350, 10);
  ASSERT_TRUE(pick_at(150, 96));  // model (5, 0.4), at about 4.6 degrees
  EXPECT_EQ(number, a);
  const double c10 = 5 * std::cos(10 / kDegPerRad), s10 = 5 * std::sin(10 / kDegPerRad);
  expect_point(near_end, c10, s10, 0);
  expect_point(far_end, c10, -s10, 0);
  expect_point(mid, 5, 0, 0);
  expect_point(closest, 25 / std::sqrt(25.16), 2 / std::sqrt(25.16), 0);
  EXPECT_FALSE(pick_at(147, 83));  // model (4.7, 1.7): on the circle at about 20 degrees
}

TEST_F(PickSearch, ArcOfArcViewTwoIsHitInFrontAndIsometricWindowsOnly) {
  const int a = arc(0, 0, 5, 0, 360, 2);
  EXPECT_EQ(chosen_at(150, 100), 0);
  window(2);
  EXPECT_EQ(chosen_at(150, 100), a);  // model (5, 0, 0): (x, z) on the circle
  window(3);
  EXPECT_EQ(chosen_at(150, 100), 0);
  window(4);
  // The isometric pixel whose model point is about (4.98, 0) in XY.
  EXPECT_EQ(chosen_at(161, 161), a);
}

TEST_F(PickSearch, IsometricWindowPicksProjectedLinesButNoPoints) {
  point(0, 0, 0);
  window(4);
  EXPECT_EQ(chosen_at(100, 100), 0);  // where the point is drawn
  const int l = line(0, 0, 3, 4, 0, 3);
  // Drawn from view (0, 2.819) to (3.759, 2.351); pixel (119, 74) is view (1.9, 2.6).
  ASSERT_TRUE(pick_at(119, 74));
  EXPECT_EQ(number, l);
  expect_point(near_end, 0, 0, 3);
  expect_point(far_end, 4, 0, 3);
  expect_point(mid, 2, 0, 3);
  EXPECT_EQ(chosen_at(119, 90), 0);
}

TEST_F(PickSearch, IsometricLinesAreTestedWithTheCurrentRotation) {
  window(4);
  view_x = 0, view_y = 0, view_z = 90;  // view (u, v) = (-y, x)
  set_coefficiants();
  const int l = line(0, -5, 2, 0, 5, 2);  // drawn from view (5, 0) to (-5, 0)
  ASSERT_TRUE(pick_at(130, 104));         // view (3, -0.4)
  EXPECT_EQ(number, l);
  expect_point(near_end, 0, -5, 2);
  expect_point(far_end, 0, 5, 2);
  EXPECT_EQ(chosen_at(100, 130), 0);  // view (0, -3)
}

// The search itself leaves the far end alone: only the end pick of a line or an arc sets it.
TEST_F(PickSearch, PointPickRepeatsTheFarEndOfTheLastEndPick) {
  const int p = point(1, 2, 3);   // pixel (110, 80)
  arc(1, 2, 0.5, 0, 360);         // its circle passes 4 pixels from (111, 80)
  line(5, -5, 1, 5, 5, 2);        // pixel column 150
  ASSERT_TRUE(pick_at(111, 80));  // the point wins over the arc
  EXPECT_EQ(number, p);
  expect_point(far_end, 0, 0, 0);  // no end pick yet
  ASSERT_TRUE(pick_at(150, 140));  // model (5, -4): the line's first end is nearer
  expect_point(far_end, 5, 5, 2);
  ASSERT_TRUE(pick_at(111, 80));
  expect_point(near_end, 1, 2, 3);
  expect_point(mid, 1, 2, 3);
  expect_point(far_end, 5, 5, 2);
}

TEST_F(PickSearch, TypesFiveSixSevenNineRankBehindEveryRealHit) {
  retype(point(0, 0), 5);
  retype(point(0, 0), 6);
  retype(line(-5, 0, 0, 5, 0, 0), 7);
  retype(line(-5, 0, 0, 5, 0, 0), 9);
  const int real = line(-5, 0.3, 0, 5, 0.3, 0);
  ASSERT_TRUE(pick_at(100, 100));
  EXPECT_EQ(number, real);
  lock_element(real)->deleted = true;
  EXPECT_EQ(chosen_at(100, 100), 2);  // the lowest of them, which yields no pick
  EXPECT_FALSE(pick_at(100, 100));
  expect_point(near_end, kUnset.x, kUnset.y, kUnset.z);
}

TEST_F(PickSearch, FilterDecidesWhichTypesCompete) {
  const int p = point(0, 0);
  const int l = line(-5, 0.4, 0, 5, 0.4, 0);
  EXPECT_EQ(chosen_at(100, 100, 0), p);
  EXPECT_EQ(chosen_at(100, 100, 8), l);  // lines and arcs: the point is ignored
  EXPECT_EQ(chosen_at(100, 100, 1), p);
  EXPECT_EQ(chosen_at(100, 100, 3), 0);
  for (int all : {4, 7, 9, 12})
    EXPECT_TRUE(pick_filter_accepts(all, kArc)) << all;
  EXPECT_FALSE(pick_filter_accepts(10, kArc));
  EXPECT_TRUE(pick_filter_accepts(10, kPoint) && pick_filter_accepts(10, kLine));
  EXPECT_FALSE(pick_filter_accepts(5, kPoint));
  for (TDFilter f : {fAll, fPoints, fLines, fArcs, fPointLine, fPointArc, fLineArc})
    EXPECT_EQ(pick_filter_value(pick_filter_code(f)), f);
  EXPECT_EQ(pick_filter_code(fLineArc), 8);
  EXPECT_EQ(pick_filter_value(4), fAll);
}

TEST_F(PickSearch, DeletedHiddenAndCircleElementsAreNeverPicked) {
  lock_element(line(-5, 0, 0, 5, 0, 0))->deleted = true;
  make(kCircle, 0, 0, 0, 5);
  EXPECT_EQ(chosen_at(100, 100), 0);
  EXPECT_EQ(chosen_at(150, 100), 0);
  line(-5, 0, 0, 5, 0, 0);
  visible_layer[1] = false;
  EXPECT_EQ(chosen_at(100, 100), 0);
}

TEST_F(PickSearch, EmptyOrShortTablesAreAMiss) {
  EXPECT_FALSE(pick_at(100, 100));
  line(-5, 0, 0, 5, 0, 0);
  destroy_all_elements();
  EXPECT_FALSE(pick_at(100, 100));
  line(-5, 0, 0, 5, 0, 0);
  orvane_destroy();
  EXPECT_FALSE(pick_at(100, 100));
  element_handle.clear();
  last_element_number = 5;
  EXPECT_FALSE(pick_at(100, 100));
}

TEST_F(PickSearch, FarElementsAreNeverNearAndNearOnesAlwaysRank) {
  point(200000, 0);  // distance() reads 200000 apart as 0
  EXPECT_EQ(chosen_at(100, 100), 0);
  const int long_line = line(-150000, 0, 0, 150000, 0, 0);
  EXPECT_EQ(chosen_at(100, 98), long_line);
  // Zoomed out to 0.01 pixels a unit: a line 300 units away lies 3 pixels away.
  lock_element(long_line)->deleted = true;
  xscale[1] = 0.01;
  yscale[1] = -0.01;
  const int far = line(-50000, 300, 0, 50000, 300, 0);
  EXPECT_EQ(chosen_at(100, 100), far);
}

TEST_F(PickSearch, FrontWindowRanksInItsOwnPlane) {
  window(2);
  const int l = line(-5, 200, 0, 5, 200, 0);  // 200 units behind the view plane
  ASSERT_TRUE(pick_at(100, 98));              // model (0, 0, 0.2)
  EXPECT_EQ(number, l);
  expect_point(near_end, -5, 200, 0);  // end picks outside the top window give the first end
  expect_point(far_end, 5, 200, 0);
}

TEST_F(PickSearch, PointAtMinus999IsPicked) {
  point(-999, -999);
  ASSERT_TRUE(pick_at(-9890, 10090));
  expect_point(near_end, -999, -999, 0);
}

TEST_F(PickSearch, OnLineGivesTheNearerEndTheSecondOnATie) {
  const int l = line(-5, 0, 1, 5, 0, 2);
  double o1 = 0, o2 = 0, o3 = 0;
  ASSERT_TRUE(on_line(1, -1, 0.1, 0, 10, 6, lock_element(l), o1, o2, o3));
  EXPECT_EQ(o1, -5);
  EXPECT_EQ(o3, 1);
  ASSERT_TRUE(on_element(1, 0, 0, 0, 10, 6, lock_element(l), o1, o2, o3));
  EXPECT_EQ(o1, 5);
  EXPECT_EQ(o3, 2);
}

}  // namespace
