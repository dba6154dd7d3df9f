// Group marking: which elements join or leave the group, and what is redrawn on the way.
#include <algorithm>
#include <string>

#include "platform/recording_canvas.h"
#include "tests/core/core_test.h"

using namespace orvane;

namespace {

using GroupTest = CoreTest;

constexpr TColor kGreen = 0x00FF00;  // 65280 in the log

int make_point(double x, double y, int group_mark = 0) {
  return make_element(get_new_element_number(), kPoint, x, y, 0, 0, 0, 0, kGreen, 0, 1, group_mark,
                      1);
}

int make_line(double x1, double y1, double x2, double y2, int group_mark = 0) {
  return make_element(get_new_element_number(), kLine, x1, y1, 0, x2, y2, 0, kGreen, 0, 1,
                      group_mark, 1);
}

uint8_t mark_of(int n) {
  const TElement* e = lock_element(n);
  const uint8_t m = e->group_mark;
  globalunlock(element_handle[n]);
  return m;
}

void set_mark(int n, uint8_t mark, bool deleted = false) {
  TElement* e = lock_element(n);
  e->group_mark = mark;
  e->deleted = deleted;
  globalunlock(element_handle[n]);
}

bool is_deleted(int n) {
  const TElement* e = lock_element(n);
  const bool d = e->deleted;
  globalunlock(element_handle[n]);
  return d;
}

long count_of(const RecordingCanvas& c, const std::string& entry) {
  return std::count(c.log().begin(), c.log().end(), entry);
}

long pen_colors(const RecordingCanvas& c) {
  return std::count_if(c.log().begin(), c.log().end(),
                       [](const std::string& s) { return s.rfind("PenColor", 0) == 0; });
}

}  // namespace

TEST_F(GroupTest, AddingAllMarksEveryUndeletedElementAndRedrawsItRed) {
  const int p = make_point(1, 1);
  const int l = make_line(0, 0, 2, 2);
  const int gone = make_point(3, 3);
  set_mark(gone, 5, true);
  RecordingCanvas canvas;
  add_to_group(canvas, 0);
  EXPECT_EQ(mark_of(p), 2);
  EXPECT_EQ(mark_of(l), 2);
  EXPECT_EQ(mark_of(gone), 5);  // a deleted element keeps its mark
  // The point and the line are drawn, each once and in red; the deleted one is not drawn.
  EXPECT_EQ(count_of(canvas, "PenColor 255"), 2);
  EXPECT_EQ(pen_colors(canvas), 2);
}

TEST_F(GroupTest, AddingANumberOutsideTheDrawingChangesNothing) {
  const int p = make_point(1, 1);
  // A block stored directly past last_element_number is not part of the drawing.
  const int beyond = last_element_number + 1;
  ASSERT_EQ(make_element(beyond, kPoint, 2, 2, 0, 0, 0, 0, kGreen, 0, 1, 0, 1), beyond);
  RecordingCanvas canvas;
  add_to_group(canvas, -1);
  add_to_group(canvas, beyond);
  EXPECT_EQ(mark_of(p), 0);
  const TElement* e = globallock(element_handle[beyond]);
  EXPECT_EQ(e->group_mark, 0);
  globalunlock(element_handle[beyond]);
  EXPECT_TRUE(canvas.log().empty());
}

TEST_F(GroupTest, AddingOneNumberMarksAndRedrawsOnlyThatElement) {
  const int a = make_point(1, 1);
  const int b = make_point(4, 4);
  RecordingCanvas canvas;
  add_to_group(canvas, a);
  EXPECT_EQ(mark_of(a), 2);
  EXPECT_EQ(mark_of(b), 0);
  EXPECT_EQ(pen_colors(canvas), 1);
  EXPECT_EQ(count_of(canvas, "PenColor 255"), 1);
  // The cross of the point at pixel (11, 9): x + 10, -y + 10 in the top view.
  EXPECT_EQ(count_of(canvas, "MoveTo 16 9"), 1);
}

TEST_F(GroupTest, ClearingRemovesMembershipAndEveryHighlightAndRedraws) {
  const int m2 = make_point(1, 1, 2);
  const int m1 = make_point(2, 2, 1);
  const int m5 = make_point(3, 3, 5);
  const int m7 = make_point(4, 4, 7);
  const int gone = make_point(5, 5, 2);
  set_mark(gone, 2, true);
  RecordingCanvas canvas;
  clear_group(canvas);
  for (int n : {m2, m1, m5, m7})
    EXPECT_EQ(mark_of(n), 0) << "element " << n;
  EXPECT_EQ(mark_of(gone), 2);  // deleted elements are left alone
  // Four undeleted points redrawn in their own colour.
  EXPECT_EQ(count_of(canvas, "PenColor 65280"), 4);
  EXPECT_EQ(pen_colors(canvas), 4);
}

TEST_F(GroupTest, DeletingTheGroupMarksMembersDeletedWithoutCountingDeletions) {
  const int a = make_point(1, 1, 2);
  const int b = make_line(0, 0, 1, 1, 2);
  const int other = make_point(2, 2, 5);
  const int plain = make_point(3, 3);
  cad_changed = false;
  delete_group();
  EXPECT_TRUE(is_deleted(a));
  EXPECT_TRUE(is_deleted(b));
  EXPECT_FALSE(is_deleted(other));
  EXPECT_FALSE(is_deleted(plain));
  EXPECT_EQ(mark_of(a), 0);
  EXPECT_EQ(mark_of(b), 0);
  EXPECT_EQ(mark_of(other), 5);
  EXPECT_EQ(global_delete_number, 0);
  const TElement* e = lock_element(a);
  EXPECT_EQ(e->delete_number, 0);
  globalunlock(element_handle[a]);
  EXPECT_FALSE(cad_changed);
}
