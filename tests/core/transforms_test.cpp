// Rotating, shifting and copying elements and the group.
#include <array>

#include "platform/recording_canvas.h"
#include "tests/core/core_test.h"

using namespace orvane;

namespace {

using RotateTest = CoreTest;
using RotateGroupTest = CoreTest;
using ShiftTest = CoreTest;
using OffsetTest = CoreTest;

using Values = std::array<double, 6>;

// Exact up to the rounding of sin and cos.
constexpr double kTight = 1e-9;
// A point level with or straight above the centre has its direction nudged by 1e-7 in the
// angle helper, which moves the rotated point by about a ten-millionth per unit of radius.
constexpr double kNudged = 1e-6;

int make(int type, Values g, int mark = 0, int view = 1, int line_type = 0, TColor color = 0x00FF00,
         int layer = 1) {
  return make_element(get_new_element_number(), static_cast<uint8_t>(type), g[0], g[1], g[2], g[3],
                      g[4], g[5], color, line_type, layer, mark, view);
}

TElement read(int n) {
  const TElement* e = lock_element(n);
  EXPECT_NE(e, nullptr) << "element " << n;
  TElement copy{};
  if (e == nullptr) return copy;
  copy = *e;
  globalunlock(element_handle[n]);
  return copy;
}

void expect_values(const TElement& e, Values want, double tol) {
  for (int i = 0; i < 6; ++i)
    EXPECT_NEAR(e.values[i], want[i], tol) << "value " << i + 1;
}

// Rotates element n and returns the number of the copy, or 0 when none was made.
int rotate(int n, double hc, double vc, double angle) {
  const int before = last_element_number;
  const TElement* e = lock_element(n);
  rotate_element(e, hc, vc, angle);
  globalunlock(element_handle[n]);
  return last_element_number > before ? last_element_number : 0;
}

void set_record(int n, int type, Values g, bool deleted = false) {
  TElement* e = lock_element(n);
  e->element_type = type;
  e->deleted = deleted;
  for (int i = 0; i < 6; ++i)
    e->values[i] = g[i];
  globalunlock(element_handle[n]);
}

int group_members() {
  int count = 0;
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e == nullptr) continue;
    if (!e->deleted && e->group_mark == 2) ++count;
    globalunlock(element_handle[n]);
  }
  return count;
}

}  // namespace

TEST_F(RotateTest, PointTurnsCounterclockwiseInThePlaneOfTheWindow) {
  const int p = make(kPoint, {3, 2, 4, 0, 0, 0});
  // Relative to (1, 1) the point sits at (2, 1); a quarter turn takes that to (-1, 2).
  current_plot_window = 1;
  expect_values(read(rotate(p, 1, 1, 90)), {0, 3, 4, 0, 0, 0}, kTight);
  expect_values(read(rotate(p, 1, 1, -90)), {2, -1, 4, 0, 0, 0}, kTight);
  // (2, 1) by 30 degrees: (2 cos30 - sin30, 2 sin30 + cos30) = (1.2320508, 1.8660254).
  expect_values(read(rotate(p, 1, 1, 30)), {2.2320508076, 2.8660254038, 4, 0, 0, 0}, 1e-9);
  current_plot_window = 4;
  expect_values(read(rotate(p, 1, 1, 90)), {0, 3, 4, 0, 0, 0}, kTight);

  current_plot_window = 2;  // x and z turn, y stays
  const int q = make(kPoint, {3, 7, 2, 0, 0, 0});
  expect_values(read(rotate(q, 1, 1, 90)), {0, 7, 3, 0, 0, 0}, kTight);
  const int r = make(kPoint, {1, 7, 0, 0, 0, 0});
  expect_values(read(rotate(r, 0, 0, 90)), {0, 7, 1, 0, 0, 0}, kNudged);

  current_plot_window = 3;  // y and z turn, x stays
  const int s = make(kPoint, {9, 3, 2, 0, 0, 0});
  expect_values(read(rotate(s, 1, 1, 90)), {9, 0, 3, 0, 0, 0}, kTight);
}

TEST_F(RotateTest, LineTurnsBothEnds) {
  const int l = make(kLine, {1, 1, 0, 3, 2, 7});
  current_plot_window = 1;
  // The first end is the centre itself and stays put.
  expect_values(read(rotate(l, 1, 1, 90)), {1, 1, 0, 0, 3, 7}, kTight);

  current_plot_window = 3;
  const int m = make(kLine, {5, 3, 2, 6, 1, 3});
  // (y, z) relative to (1, 1): (2, 1) and (0, 2); a half turn negates both.
  expect_values(read(rotate(m, 1, 1, 180)), {5, -1, 0, 6, 1, -1}, kNudged);
}

TEST_F(RotateTest, CopyKeepsTheSourceFieldsJoinsTheGroupAndLeavesTheSourceAlone) {
  // A point stored with leftovers in values 4..6; the copy has them cleared.
  const int p = make(kPoint, {3, 2, 4, 9, 8, 7}, 0, 0, 3, 0x123456, 7);
  cad_changed = false;
  current_plot_window = 1;
  const int c = rotate(p, 1, 1, 90);
  ASSERT_NE(c, 0);
  const TElement copy = read(c);
  EXPECT_EQ(copy.element_type, kPoint);
  EXPECT_EQ(copy.color, 0x123456u);
  EXPECT_EQ(copy.line_type, 3);
  EXPECT_EQ(copy.layer, 7);
  EXPECT_EQ(copy.view, 0);
  EXPECT_EQ(copy.group_mark, 2);
  EXPECT_FALSE(copy.deleted);
  expect_values(copy, {0, 3, 4, 0, 0, 0}, kTight);
  const TElement source = read(p);
  expect_values(source, {3, 2, 4, 9, 8, 7}, 0);
  EXPECT_EQ(source.group_mark, 0);
  EXPECT_TRUE(cad_changed);

  const int a = make(kArc, {1, 1, 5, 2, 10, 100}, 0, -2, 2, 0xABCDEF, 9);
  const TElement arc_copy = read(rotate(a, 1, 1, 45));
  EXPECT_EQ(arc_copy.element_type, kArc);
  EXPECT_EQ(arc_copy.color, 0xABCDEFu);
  EXPECT_EQ(arc_copy.line_type, 2);
  EXPECT_EQ(arc_copy.layer, 9);
  EXPECT_EQ(arc_copy.view, -2);
  EXPECT_EQ(arc_copy.group_mark, 2);
}

TEST_F(RotateTest, ArcAnglesTurnWithTheCentreInTheTopView) {
  current_plot_window = 1;
  const int a = make(kArc, {3, 2, 4, 5, 10, 100});
  expect_values(read(rotate(a, 1, 1, 90)), {0, 3, 4, 5, 100, 190}, kTight);
  // A start past 360 takes both angles down one turn; exactly 360 stays.
  const int b = make(kArc, {1, 1, 0, 2, 350, 20});
  expect_values(read(rotate(b, 1, 1, 30)), {1, 1, 0, 2, 20, -310}, kTight);
  const int c = make(kArc, {1, 1, 0, 2, 10, 340});
  expect_values(read(rotate(c, 1, 1, 30)), {1, 1, 0, 2, 40, 370}, kTight);
  const int d = make(kArc, {1, 1, 0, 2, 330, 30});
  expect_values(read(rotate(d, 1, 1, 30)), {1, 1, 0, 2, 360, 60}, kTight);
  // The isometric window rotates like the top view, whatever the arc's own plane.
  current_plot_window = 4;
  const int e = make(kArc, {3, 2, 4, 5, 350, 20}, 0, -3);
  expect_values(read(rotate(e, 1, 1, 90)), {0, 3, 4, 5, 80, -250}, kTight);
}

TEST_F(RotateTest, ArcsInTheFrontAndSideWindowsTurnTheirAnglesOnlyInThatPlane) {
  current_plot_window = 2;
  // Arc view 2 keeps its centre in the front plane's own frame: values 1 and 2 turn.
  const int f2 = make(kArc, {3, 2, 9, 4, 10, 100}, 0, 2);
  expect_values(read(rotate(f2, 1, 1, 90)), {0, 3, 9, 4, 100, 190}, kTight);
  // Arc view -2 has a model centre: x and z turn.
  const int fm2 = make(kArc, {3, 7, 2, 4, 10, 100}, 0, -2);
  expect_values(read(rotate(fm2, 1, 1, 90)), {0, 7, 3, 4, 100, 190}, kTight);
  // Arcs of other planes move their centre only.
  const int f1 = make(kArc, {3, 7, 2, 4, 10, 100}, 0, 1);
  expect_values(read(rotate(f1, 1, 1, 90)), {0, 7, 3, 4, 10, 100}, kTight);
  const int f3 = make(kArc, {3, 7, 2, 4, 10, 100}, 0, 3);
  expect_values(read(rotate(f3, 1, 1, 90)), {0, 7, 3, 4, 10, 100}, kTight);

  current_plot_window = 3;
  const int s3 = make(kArc, {3, 2, 9, 4, 10, 100}, 0, 3);
  expect_values(read(rotate(s3, 1, 1, 90)), {0, 3, 9, 4, 100, 190}, kTight);
  const int sm3 = make(kArc, {9, 3, 2, 4, 10, 100}, 0, -3);
  expect_values(read(rotate(sm3, 1, 1, 90)), {9, 0, 3, 4, 100, 190}, kTight);
  const int sm1 = make(kArc, {9, 3, 2, 4, 10, 100}, 0, -1);
  expect_values(read(rotate(sm1, 1, 1, 90)), {9, 0, 3, 4, 10, 100}, kTight);
  const int s2 = make(kArc, {9, 3, 2, 4, 10, 100}, 0, 2);
  expect_values(read(rotate(s2, 1, 1, 90)), {9, 0, 3, 4, 10, 100}, kTight);
}

TEST_F(RotateTest, CirclesAndMissingElementsMakeNoCopy) {
  const int c = make(kCircle, {3, 2, 0, 1, 0, 0});
  cad_changed = false;
  const int last = last_element_number;
  EXPECT_EQ(rotate(c, 0, 0, 90), 0);
  EXPECT_TRUE(cad_changed);  // set even when nothing is made
  expect_values(read(c), {3, 2, 0, 1, 0, 0}, 0);
  rotate_element(nullptr, 0, 0, 90);
  EXPECT_EQ(last_element_number, last);
}

TEST_F(RotateGroupTest, AngleZeroDoesNothingEvenWithoutKeep) {
  const int l = make(kLine, {1, 0, 0, 2, 0, 0}, 2);
  cad_changed = false;
  const int last = last_element_number;
  RecordingCanvas canvas;
  rotate_group(canvas, 0, 0, 0, 4, false);
  EXPECT_EQ(last_element_number, last);
  EXPECT_FALSE(read(l).deleted);
  EXPECT_EQ(read(l).group_mark, 2);
  EXPECT_EQ(global_delete_number, 0);
  EXPECT_FALSE(cad_changed);
}

TEST_F(RotateGroupTest, FourQuarterTurnsReplaceTheSourceWithFourMembers) {
  current_plot_window = 1;
  const int l = make(kLine, {1, 0, 0, 2, 0, 0}, 2);
  RecordingCanvas canvas;
  rotate_group(canvas, 90, 0, 0, 4, false);
  ASSERT_EQ(last_element_number, l + 4);  // copies are not rotated again
  const Values want[4] = {
      {0, 1, 0, 0, 2, 0}, {-1, 0, 0, -2, 0, 0}, {0, -1, 0, 0, -2, 0}, {1, 0, 0, 2, 0, 0}};
  for (int j = 0; j < 4; ++j) {
    const TElement copy = read(l + 1 + j);
    expect_values(copy, want[j], kNudged);  // both ends lie level with the centre
    EXPECT_EQ(copy.group_mark, 2);
    EXPECT_FALSE(copy.deleted);
  }
  const TElement source = read(l);
  EXPECT_TRUE(source.deleted);
  EXPECT_EQ(source.group_mark, 0);
  EXPECT_EQ(source.delete_number, 1);
  EXPECT_EQ(group_members(), 4);
}

TEST_F(RotateGroupTest, AnglesPastOneTurnWrapAndKeepLeavesTheSource) {
  current_plot_window = 1;
  const int p = make(kPoint, {2, 0, 0, 0, 0, 0}, 2);
  // Centred on the rotation centre; its angles show which angle each copy got.
  const int a = make(kArc, {0, 0, 0, 1, -50, 10}, 2);
  RecordingCanvas canvas;
  rotate_group(canvas, 200, 0, 0, 2, true);
  ASSERT_EQ(last_element_number, a + 4);
  // 200 degrees: 2 (cos200, sin200); then 400 - 360 = 40 degrees: 2 (cos40, sin40).
  expect_values(read(a + 1), {-1.8793852416, -0.6840402867, 0, 0, 0, 0}, kNudged);
  expect_values(read(a + 2), {1.5320888862, 1.2855752194, 0, 0, 0, 0}, kNudged);
  expect_values(read(a + 3), {0, 0, 0, 1, 150, 210}, kTight);
  expect_values(read(a + 4), {0, 0, 0, 1, -10, 50}, kTight);
  EXPECT_FALSE(read(p).deleted);
  EXPECT_EQ(read(p).group_mark, 2);
  EXPECT_EQ(group_members(), 6);
}

TEST_F(RotateGroupTest, OnlyUndeletedMembersAreRotatedAndCountZeroMeansOne) {
  current_plot_window = 1;
  const int member = make(kPoint, {3, 2, 0, 0, 0, 0}, 2);
  make(kPoint, {5, 5, 0, 0, 0, 0}, 0);
  make(kPoint, {6, 6, 0, 0, 0, 0}, 5);
  const int gone = make(kPoint, {7, 7, 0, 0, 0, 0}, 2);
  set_record(gone, kPoint, {7, 7, 0, 0, 0, 0}, true);
  const int last = last_element_number;
  RecordingCanvas canvas;
  rotate_group(canvas, 90, 1, 1, 0, true);
  ASSERT_EQ(last_element_number, last + 1);
  expect_values(read(last + 1), {0, 3, 0, 0, 0, 0}, kTight);
  EXPECT_FALSE(read(member).deleted);
}

TEST_F(RotateGroupTest, ACopyFillingAFreeNumberAheadIsRotatedAgain) {
  // A table with a hole at number 2, as a file load can leave it.
  destroy_all_elements();
  element_handle.resize(4, 0);
  last_element_number = 3;
  ASSERT_EQ(make_element(1, kPoint, 2, 1, 0, 0, 0, 0, 0xFF, 0, 1, 2, 1), 1);
  ASSERT_EQ(make_element(3, kPoint, 9, 9, 0, 0, 0, 0, 0xFF, 0, 1, 0, 1), 3);
  current_plot_window = 1;
  RecordingCanvas canvas;
  rotate_group(canvas, 90, 0, 0, 1, true);
  // The copy (-1, 2) lands in number 2, is reached next and is copied to (-2, -1).
  expect_values(read(2), {-1, 2, 0, 0, 0, 0}, kTight);
  ASSERT_EQ(last_element_number, 4);
  expect_values(read(4), {-2, -1, 0, 0, 0, 0}, kTight);
}

TEST_F(ShiftTest, SubtractsTheOffsetAndLeavesExtentsAndChangedFlagAlone) {
  const int p = make(kPoint, {5, 5, 5, 0, 0, 0});
  const double x0 = min_x, x1 = max_x, y0 = min_y, y1 = max_y;
  cad_changed = false;
  shift_element(p, 0, 1, 2, 3);
  expect_values(read(p), {4, 3, 2, 0, 0, 0}, 0);
  shift_element(p, 2, 100, 100, 0);
  expect_values(read(p), {-96, -97, 2, 0, 0, 0}, 0);
  EXPECT_EQ(min_x, x0);
  EXPECT_EQ(max_x, x1);
  EXPECT_EQ(min_y, y0);
  EXPECT_EQ(max_y, y1);
  EXPECT_FALSE(cad_changed);
}

TEST_F(ShiftTest, EachTypeMovesItsOwnCoordinates) {
  struct Row {
    int type;
    Values want;
  };
  // From (10, 20, 30, 40, 50, 60) by (1, 2, 3).
  const Row rows[] = {
      {1, {9, 18, 27, 40, 50, 60}},  {3, {9, 18, 27, 40, 50, 60}},   {6, {9, 18, 27, 40, 50, 60}},
      {2, {9, 18, 27, 39, 48, 57}},  {9, {9, 18, 27, 39, 48, 57}},   {5, {9, 18, 30, 40, 50, 60}},
      {7, {9, 18, 29, 38, 50, 60}},  {0, {10, 20, 30, 40, 50, 60}},  {4, {10, 20, 30, 40, 50, 60}},
      {8, {10, 20, 30, 40, 50, 60}}, {12, {10, 20, 30, 40, 50, 60}},
  };
  const int n = make(kPoint, {0, 0, 0, 0, 0, 0});
  for (const Row& row : rows) {
    SCOPED_TRACE(row.type);
    set_record(n, row.type, {10, 20, 30, 40, 50, 60});
    shift_element(n, 0, 1, 2, 3);
    expect_values(read(n), row.want, 0);
  }
}

TEST_F(ShiftTest, LeavesDeletedElementsOtherModesAndForeignNumbersAlone) {
  const Values start = {5, 5, 5, 6, 6, 6};
  const int line = make(kLine, start);
  for (int mode : {-1, 1, 3})
    shift_element(line, mode, 1, 2, 3);
  expect_values(read(line), start, 0);
  for (int n : {0, -1, last_element_number + 1})
    shift_element(n, 0, 1, 2, 3);
  expect_values(read(line), start, 0);

  const int gone = make(kLine, start);
  set_record(gone, kLine, start, true);
  shift_element(gone, 0, 1, 2, 3);
  expect_values(read(gone), start, 0);

  // A block stored directly past last_element_number is outside the drawing.
  const int beyond = last_element_number + 1;
  ASSERT_EQ(make_element(beyond, kPoint, 5, 5, 5, 0, 0, 0, 0xFF, 0, 1, 0, 1), beyond);
  shift_element(beyond, 0, 1, 2, 3);
  const TElement* e = globallock(element_handle[beyond]);
  EXPECT_EQ(e->values[0], 5);
  EXPECT_EQ(e->values[1], 5);
  globalunlock(element_handle[beyond]);
}

TEST_F(OffsetTest, NewOriginMovesEveryElementAndNotTheExtents) {
  const int l = make(kLine, {10, 0, 0, 20, 0, 0}, 2);
  const int p = make(kPoint, {10, 5, 1, 0, 0, 0});
  const double x0 = min_x, x1 = max_x;
  const int last = last_element_number;
  cad_offsetxy(10, 0, 0, false, 3, 1);  // keep and count play no part
  expect_values(read(l), {0, 0, 0, 10, 0, 0}, 0);
  expect_values(read(p), {0, 5, 1, 0, 0, 0}, 0);
  EXPECT_EQ(min_x, x0);
  EXPECT_EQ(max_x, x1);
  EXPECT_EQ(max_x, 20);
  EXPECT_EQ(last_element_number, last);
  EXPECT_FALSE(read(l).deleted);
}

TEST_F(OffsetTest, CopiesOfAPointStepAlongTheOffsetOutsideTheGroup) {
  const int p = make(kPoint, {0, 0, 0, 0, 0, 0}, 2, 0, 3, 0x123456, 7);
  cad_offsetxy(1, 0, 0, true, 3, 0);
  ASSERT_EQ(last_element_number, p + 3);
  for (int k = 1; k <= 3; ++k) {
    const TElement copy = read(p + k);
    EXPECT_EQ(copy.element_type, kPoint);
    expect_values(copy, {double(k), 0, 0, 0, 0, 0}, 0);
    EXPECT_EQ(copy.group_mark, 0);
    EXPECT_EQ(copy.line_type, 0);
    EXPECT_EQ(copy.color, 0x123456u);
    EXPECT_EQ(copy.layer, 7);
    EXPECT_EQ(copy.view, 0);
  }
  EXPECT_EQ(group_members(), 1);
  EXPECT_FALSE(read(p).deleted);
}

TEST_F(OffsetTest, CountZeroWithoutKeepDeletesMembersInPlace) {
  const int p = make(kPoint, {1, 1, 0, 0, 0, 0}, 2);
  const int other = make(kPoint, {2, 2, 0, 0, 0, 0}, 0);
  const int last = last_element_number;
  cad_offsetxy(1, 0, 0, false, 0, 0);
  EXPECT_EQ(last_element_number, last);
  const TElement e = read(p);
  EXPECT_TRUE(e.deleted);
  EXPECT_EQ(e.group_mark, 2);
  EXPECT_EQ(e.delete_number, 0);
  EXPECT_EQ(global_delete_number, 0);
  EXPECT_FALSE(read(other).deleted);
}

TEST_F(OffsetTest, ArcsMoveTheirCentreLinesBothEndsCirclesStay) {
  const int a = make(kArc, {1, 2, 3, 4, 10, 100}, 2, -2, 2);
  const int l = make(kLine, {0, 0, 0, 1, 1, 1}, 2, 1, 3);
  make(kCircle, {5, 5, 0, 1, 0, 0}, 2);
  const int last = last_element_number;
  cad_offsetxy(1, 2, 3, false, 2, 0);
  // Round 1 copies the arc, then the line; round 2 the same with twice the offset.
  ASSERT_EQ(last_element_number, last + 4);
  const TElement a1 = read(last + 1), l1 = read(last + 2), a2 = read(last + 3), l2 = read(last + 4);
  expect_values(a1, {2, 4, 6, 4, 10, 100}, 0);
  expect_values(a2, {3, 6, 9, 4, 10, 100}, 0);
  EXPECT_EQ(a1.line_type, 2);
  EXPECT_EQ(a1.view, -2);
  expect_values(l1, {1, 2, 3, 2, 3, 4}, 0);
  expect_values(l2, {2, 4, 6, 3, 5, 7}, 0);
  EXPECT_EQ(l1.line_type, 3);
  for (const TElement& c : {a1, l1, a2, l2}) {
    EXPECT_FALSE(c.deleted);
    EXPECT_EQ(c.group_mark, 0);
  }
  EXPECT_TRUE(read(a).deleted);
  EXPECT_TRUE(read(l).deleted);
}

TEST_F(OffsetTest, ACopyBeyondTheCoordinateLimitIsMissing) {
  max_element_value = 10;
  make(kPoint, {8, 0, 0, 0, 0, 0}, 2);
  cad_offsetxy(1, 0, 0, true, 3, 0);
  // x = 9 and 10 are stored, x = 11 is refused.
  int copies = 0;
  bool at_eleven = false;
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e == nullptr) continue;
    if (e->element_type == kPoint && e->group_mark == 0) {
      ++copies;
      at_eleven = at_eleven || e->values[0] > 10;
    }
    globalunlock(element_handle[n]);
  }
  EXPECT_EQ(copies, 2);
  EXPECT_FALSE(at_eleven);
}
