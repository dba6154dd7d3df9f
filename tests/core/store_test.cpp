#include <cmath>
#include <set>
#include <tuple>
#include <vector>

#include "platform/recording_canvas.h"
#include "tests/core/core_test.h"

using namespace orvane;

using StoreTest = CoreTest;

namespace {

int make(uint8_t type, double g1, double g2, double g3, double g4, double g5, double g6,
         int line_type = 0, int layer = 1) {
  return make_element(get_new_element_number(), type, g1, g2, g3, g4, g5, g6, 0xFF, line_type,
                      layer, 0, 1);
}

int make_point(double x, double y, double z = 0) {
  return make(kPoint, x, y, z, 0, 0, 0);
}

void expect_extents(double x0, double y0, double x1, double y1) {
  EXPECT_NEAR(min_x, x0, 1e-9);
  EXPECT_NEAR(min_y, y0, 1e-9);
  EXPECT_NEAR(max_x, x1, 1e-9);
  EXPECT_NEAR(max_y, y1, 1e-9);
}

// The element of number n; a missing one fails the case instead of crashing the program.
const TElement* at(int n) {
  static const TElement none{};
  const TElement* e = lock_element(n);
  if (e == nullptr) ADD_FAILURE() << "no element " << n;
  return e != nullptr ? e : &none;
}

// Frees one number the way the store's own routines free table entries.
void free_number(int n) {
  globalfree(element_handle[n]);
  element_handle[n] = 0;
  reset_free_number_search();
}

}  // namespace

TEST_F(StoreTest, NumbersStartAtTwoAndAtOneAfterDestroy) {
  EXPECT_EQ(get_new_element_number(), 2);
  EXPECT_EQ(last_element_number, 2);
  EXPECT_EQ(element_handle.size(), 4u);
  // A number taken but never made is handed out again.
  EXPECT_EQ(get_new_element_number(), 2);
  EXPECT_EQ(make_point(1, 1), 2);
  EXPECT_EQ(get_new_element_number(), 3);
  EXPECT_EQ(element_handle.size(), 5u);

  destroy_all_elements();
  EXPECT_EQ(get_new_element_number(), 1);
  EXPECT_EQ(element_handle.size(), 2u);
  for (int n = 1; n <= 5; ++n)
    EXPECT_EQ(make_point(n, n), n);
  EXPECT_EQ(element_handle.size(), 7u);

  free_number(4);
  free_number(2);
  EXPECT_EQ(get_new_element_number(), 2);
  EXPECT_EQ(make_point(0, 0), 2);
  EXPECT_EQ(get_new_element_number(), 4);
  EXPECT_EQ(make_point(0, 0), 4);
  EXPECT_EQ(get_new_element_number(), 6);

  // Deleted elements keep their numbers.
  RecordingCanvas canvas;
  delete_element(canvas, element_handle[3]);
  EXPECT_EQ(get_new_element_number(), 6);

  // An element stored directly just past the last number is not handed out again.
  ASSERT_EQ(make_point(6, 6), 6);
  ASSERT_EQ(last_element_number, 6);
  ASSERT_EQ(make_element(7, kPoint, 7, 7, 0, 0, 0, 0, 0, 0, 1, 0, 1), 7);
  EXPECT_EQ(get_new_element_number(), 8);
  EXPECT_EQ(lock_element(7)->values[0], 7);
}

TEST_F(StoreTest, RefusesNumbersOutsideTheTableAndBadArguments) {
  const std::size_t size = element_handle.size();
  EXPECT_EQ(make_element(0, kPoint, 1, 1, 0, 0, 0, 0, 0, 0, 1, 0, 1), 0);
  EXPECT_EQ(make_element(-1, kPoint, 1, 1, 0, 0, 0, 0, 0, 0, 1, 0, 1), 0);
  EXPECT_EQ(make_element(static_cast<int>(size), kPoint, 1, 1, 0, 0, 0, 0, 0, 0, 1, 0, 1), 0);
  EXPECT_EQ(make_element(1, kPoint, 1, 1, 0, 0, 0, 0, 0, 0, 1, 256, 1), 0);
  EXPECT_EQ(make_element(1, kPoint, 1, 1, 0, 0, 0, 0, 0, 0, 1, -1, 1), 0);
  EXPECT_EQ(make_element(1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 1, 0, 1), 0);
  EXPECT_EQ(make_element(1, 5, 1, 1, 0, 0, 0, 0, 0, 0, 1, 0, 1), 0);
  EXPECT_EQ(element_handle.size(), size);
  EXPECT_FALSE(has_drawing);
  EXPECT_FALSE(cad_changed);
  EXPECT_EQ(make_element(1, kPoint, 1, 1, 0, 0, 0, 0, 0, 0, 1, 255, 1), 1);
}

TEST_F(StoreTest, WritesFieldsAndNormalisesLayerLineTypeAndArcs) {
  const int n =
      make_element(get_new_element_number(), kLine, 1, 2, 3, 4, 5, 6, 0x123456, 3, 7, 5, 9);
  ASSERT_EQ(n, 2);
  const TElement* e = at(n);
  EXPECT_EQ(std::tuple(e->element_type, e->color, e->line_type, e->layer, e->view),
            std::tuple(kLine, 0x123456u, 3, 7, 9));
  EXPECT_EQ(e->group_mark, 5);
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(e->values[i], i + 1.0);
  EXPECT_TRUE(has_drawing && cad_changed);

  for (auto [given, stored] :
       std::initializer_list<std::pair<int, int>>{{0, 252}, {255, 252}, {-3, 252}, {254, 254}}) {
    EXPECT_EQ(at(make(kPoint, 1, 1, 0, 0, 0, 0, 0, given))->layer, stored) << given;
  }

  // Line types 10 and 20 store 1 and 2 and neither grow the extents nor mark a change.
  cad_changed = false;
  EXPECT_EQ(at(make(kLine, -50, -60, 0, 70, 80, 0, 10))->line_type, 1);
  EXPECT_EQ(at(make(kLine, -50, -60, 0, 70, 80, 0, 20))->line_type, 2);
  EXPECT_FALSE(cad_changed);
  expect_extents(0, 0, 4, 5);  // only the first line and the points so far
  EXPECT_EQ(at(make(kLine, -50, -60, 0, 70, 80, 0, 2))->line_type, 2);
  EXPECT_TRUE(cad_changed);
  expect_extents(-50, -60, 70, 80);

  auto sweep = [](double s, double e) {
    const TElement* arc = at(make(kArc, 0, 0, 0, 1, s, e));
    return std::pair(arc->values[4], arc->values[5]);
  };
  EXPECT_EQ(sweep(10, 10.00005), std::pair(0.0, 360.0));
  EXPECT_EQ(sweep(10.00005, 10), std::pair(0.0, 360.0));
  EXPECT_EQ(sweep(10, 10.001), std::pair(10.0, 10.001));
}

TEST_F(StoreTest, RemakingAReusedBlockKeepsDeletedDeleteNumberAndReserved) {
  const int n = make_point(1, 2);
  RecordingCanvas canvas;
  delete_element(canvas, element_handle[n]);
  globallock(element_handle[n])->reserved = 0xABCD;
  ASSERT_EQ(make_element(n, kLine, 5, 6, 7, 8, 9, 10, 0x42, 4, 3, 2, 1), n);
  const TElement* e = at(n);
  EXPECT_EQ(std::tuple(e->element_type, e->values[5], e->group_mark), std::tuple(kLine, 10.0, 2));
  EXPECT_EQ(std::tuple(e->deleted, e->delete_number, e->reserved), std::tuple(true, 1, 0xABCDu));
}

TEST_F(StoreTest, RefusesCoordinatesBeyondTheLimit) {
  EXPECT_NE(make_point(1.0e9, -1.0e9), 0);
  EXPECT_EQ(make_point(1.000001e9, 0), 0);
  EXPECT_EQ(make_point(std::nan(""), 0), 0);
  EXPECT_EQ(at(make_point(1, 1, 2.0e9))->values[2], 0);
  EXPECT_EQ(at(make_point(1, 1, std::nan("")))->values[2], 0);

  // Lines: x1, y1, x2 are checked; y2 and z2 are not.
  const TElement* line = at(make(kLine, 1, 1, 0, 2, 5.0e9, 6.0e9));
  EXPECT_EQ(line->values[4], 5.0e9);
  EXPECT_EQ(line->values[5], 6.0e9);
  EXPECT_EQ(make(kLine, 1, 1, 0, 2.0e9, 1, 0), 0);
  EXPECT_EQ(make(kArc, 0, 0, 0, 2.0e9, 0, 90), 0);
  EXPECT_NE(make(kArc, 0, 0, 0, 1, -5.0e9, 5.0e9), 0);
  EXPECT_EQ(make(kCircle, 0, 2.0e9, 0, 1, 0, 0), 0);

  max_element_value = 10;
  EXPECT_EQ(make_point(10.5, 0), 0);
  EXPECT_NE(make_point(10, 0), 0);
}

TEST_F(StoreTest, ExtentsGrowByPointsLinesArcsAndCircles) {
  destroy_all_elements();
  expect_extents(100, 100, -100, -100);
  make_point(1, 2);
  expect_extents(1, 2, 1, 2);
  make(kLine, -3, 5, 0, 4, -6, 0);
  expect_extents(-3, -6, 4, 5);

  // An arc sweeping more than 180 degrees counts with the box of its whole circle.
  destroy_all_elements();
  make(kArc, 1, 1, 0, 2, 0, 270);
  expect_extents(-1, -1, 3, 3);
  destroy_all_elements();
  make(kArc, 1, 1, 0, 2, 0, 90);
  expect_extents(1, 1, 3, 3);
  destroy_all_elements();
  make(kArc, 0, 0, 0, 2, 0, 180);  // exactly 180: its end points only
  expect_extents(-2, 0, 2, 0);

  destroy_all_elements();
  make(kCircle, 5, 5, 0, -3, 0, 0);
  expect_extents(2, 2, 8, 8);

  make_point(20000, -30000);
  make_point(-20000, 30000);
  expect_extents(-10000, -10000, 10000, 10000);
}

TEST_F(StoreTest, RecomputedExtentsSkipDeletedAndHiddenElements) {
  get_max_min();  // entry 1 holds an empty record only
  expect_extents(900, 900, -900, -900);

  const int far = make_point(500, 500);
  make_point(1, 2);
  RecordingCanvas canvas;
  delete_element(canvas, element_handle[far]);
  get_max_min();
  expect_extents(1, 2, 1, 2);

  visible_layer[1] = false;
  get_max_min();
  expect_extents(900, 900, -900, -900);

  visible_layer[1] = true;
  globallock(element_handle[3])->layer = 300;
  get_max_min();
  expect_extents(900, 900, -900, -900);
}

TEST_F(StoreTest, DeleteMarksCountsAndErasesInTheBackgroundColour) {
  const int a = make(kLine, 0, 0, 0, 5, 3, 0);
  const int b = make_point(1, 1);
  cad_changed = false;
  RecordingCanvas canvas;
  delete_element(canvas, 0);
  EXPECT_EQ(global_delete_number, 0);
  EXPECT_FALSE(cad_changed);

  delete_element(canvas, element_handle[b]);
  EXPECT_TRUE(canvas.log().empty());  // no window_on view
  EXPECT_TRUE(cad_changed);
  EXPECT_TRUE(at(b)->deleted);
  EXPECT_EQ(at(b)->delete_number, 1);

  plot_background = 0x123456;
  window_on[1] = true;
  globallock(element_handle[a])->group_mark = 5;
  delete_element(canvas, element_handle[a]);
  const std::vector<std::string> drawn = {"PenColor 1193046", "BrushStyle bsClear",
                                          "PenStyle psSolid", "MoveTo 10 10", "LineTo 15 7"};
  EXPECT_EQ(canvas.log(), drawn);
  EXPECT_EQ(global_delete_number, 2);
  EXPECT_EQ(at(a)->delete_number, 2);
  EXPECT_EQ(at(a)->group_mark, 0);
  EXPECT_TRUE(at(a)->deleted);
}

TEST_F(StoreTest, FullMemoryRefusesEveryElementUntilDestroy) {
  element_memory::set_block_limit(element_memory::live_blocks() + 1);
  ASSERT_EQ(make_point(1, 1), 2);
  EXPECT_EQ(make_point(2, 2), 0);
  EXPECT_TRUE(mem_full);
  element_memory::set_block_limit(0);
  EXPECT_EQ(make_point(2, 2), 0);
  EXPECT_EQ(make_element(2, kPoint, 3, 3, 0, 0, 0, 0, 0, 0, 1, 0, 1), 0);  // block exists
  EXPECT_EQ(at(2)->values[0], 1);
  destroy_all_elements();
  EXPECT_FALSE(mem_full);
  EXPECT_EQ(make_point(2, 2), 1);

  mem_full = true;
  orvane_destroy();
  EXPECT_FALSE(mem_full);
}

TEST_F(StoreTest, DestroyFreesBlocksAndResetsExtents) {
  const Handle zero = element_handle[0];
  const std::size_t live = element_memory::live_blocks();
  for (int i = 0; i < 3; ++i)
    make_point(i, i);
  // A block stored past the last number is freed too, not lost with the table.
  ASSERT_EQ(make_element(last_element_number + 1, kPoint, 9, 9, 0, 0, 0, 0, 0, 0, 1, 0, 1),
            last_element_number + 1);
  destroy_all_elements();  // frees entry 1 as well
  EXPECT_EQ(element_memory::live_blocks(), live - 1);
  EXPECT_EQ(std::tuple(element_handle.size(), element_handle[0], element_handle[1]),
            std::tuple(2u, zero, 0u));
  EXPECT_EQ(std::tuple(last_element_number, max_z), std::tuple(1, -100));

  for (int i = 0; i < 3; ++i)
    make_point(i, i);
  orvane_destroy();
  EXPECT_EQ(element_memory::live_blocks(), live - 1);
  EXPECT_EQ(last_element_number, 0);
  EXPECT_EQ(element_handle, (HandleTable{zero, 0, 0, 0, 0}));  // not resized
  EXPECT_EQ(max_z, -100);
  expect_extents(100, 100, -100, -100);
}

// Many numbers with holes made by skipped and freed numbers. The expected number comes from a
// model (free numbers and the last number) checked against a full scan of the table at intervals.
TEST_F(StoreTest, ManyNumbersMatchTheLowestFreeScan) {
  auto scan = [] {
    for (int n = 1; n <= last_element_number; ++n) {
      if (element_handle[n] == 0) return n;
    }
    return last_element_number + 1;
  };
  std::set<int> free_numbers;
  int last = 1;
  std::vector<int> made_by(2, -1);
  int mismatches = 0;
  for (int i = 0; i < 100000; ++i) {
    if (i == 3000) {
      destroy_all_elements();
      free_numbers = {1};
      last = 1;
      made_by.assign(2, -1);
    }
    if (i % 997 == 996) {
      const int k = 1 + (i * 7919) % last;
      if (element_handle[k] != 0) {
        free_number(k);
        made_by[k] = -1;
        free_numbers.insert(k);
      }
    }
    const int expected = free_numbers.empty() ? last + 1 : *free_numbers.begin();
    if (i % 500 == 0 || i % 997 == 996) {
      EXPECT_EQ(scan(), expected) << i;
    }
    const int n = get_new_element_number();
    if (n != expected && ++mismatches <= 5) {
      ADD_FAILURE() << "call " << i << " gave " << n;
    }
    if (n > last) {
      last = n;
      made_by.resize(last + 1, -1);
      free_numbers.insert(n);
      EXPECT_EQ(element_handle.size(), static_cast<std::size_t>(last) + 2);
    }
    if (i % 11 == 5) continue;  // taken but not made
    ASSERT_EQ(make_element(n, kPoint, i, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1), n);
    free_numbers.erase(n);
    made_by[n] = i;
  }
  EXPECT_EQ(mismatches, 0);
  ASSERT_GT(last, 65535);
  for (int n = 1; n <= last; ++n) {
    if (made_by[n] < 0) continue;
    const TElement* e = lock_element(n);
    ASSERT_NE(e, nullptr) << n;
    EXPECT_EQ(e->values[0], made_by[n]) << n;
  }
}
