// The spatial index must not change what the user sees: repaints through it show the same pixels
// as the pass over the whole store, and picks through it choose the same element, on random
// drawings of every element type, in every window, zoomed in and out, after the drawing changes,
// and with coordinates that are huge or not numbers.
#include <gtest/gtest.h>

#include <QImage>
#include <climits>
#include <cmath>
#include <limits>
#include <random>

#include "component/pick.h"
#include "core/core.h"
#include "core/spatial_index.h"
#include "platform/qt/qt_canvas.h"
#include "platform/recording_canvas.h"
#include "tests/component/image_compare.h"

using namespace orvane;

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 160;

// The index serves every drawing from the first request on (or none at all, for the reference).
void use_index(bool on) {
  spatial_index::set_min_elements(on ? 0 : INT_MAX);
  spatial_index::set_build_at_once(on);
  set_spatial_index_enabled(on);
}

class SpatialIndex : public ::testing::Test {
 protected:
  void TearDown() override {
    spatial_index::set_min_elements(4096);
    spatial_index::set_build_at_once(false);
    set_spatial_index_enabled(true);
    spatial_index::release();
    startup();
  }
};

// Writes an element's values past make_element's checks, as SetElement can.
void overwrite(int n, int type, std::initializer_list<double> values) {
  TElement* e = lock_element(n);
  ASSERT_NE(e, nullptr);
  note_store_change();
  e->element_type = type;
  int i = 0;
  for (double v : values)
    e->values[i++] = v;
}

// Points, lines, arcs and circles of random places, sizes, colours, line types (some without a
// pen style), layers (some hidden), highlights and arc views; a few deleted.
void make_drawing(std::mt19937& random, int count) {
  startup();
  std::uniform_real_distribution<double> place(-100, 100), size(0.01, 40), angle(-400, 400);
  std::uniform_int_distribution<int> pick(0, 99);
  arc_view[2] = {0.8, 0.0, 0.6, 0.0, 1.0, 0.0, -0.6, 0.0, 0.8, true};
  const int views[] = {-1, -2, -3, 1, 2, 3, 9, 0};
  const int line_types[] = {0, 1, 2, 3, 4, 10, 20, 7, 7, 5};
  for (int i = 0; i < count; ++i) {
    const int kind = pick(random);
    const TColor color = static_cast<TColor>(random() & 0xFFFFFF);
    const int line_type = line_types[pick(random) % 10];
    const int mark = pick(random) < 10 ? 2 : 0;
    const int layer = pick(random) < 10 ? 3 : 1;
    const double x = place(random), y = place(random), z = place(random);
    int n = 0;
    if (kind < 25) {
      n = make_element(get_new_element_number(), kPoint, x, y, z, 0, 0, 0, color, 0, layer, mark,
                       0);
    } else if (kind < 60) {
      const double l = pick(random) < 90 ? 5 : 100;
      n = make_element(get_new_element_number(), kLine, x, y, z, x + l * (place(random) / 100),
                       y + l * (place(random) / 100), z + l * (place(random) / 100), color,
                       line_type, layer, mark, 0);
    } else if (kind < 75) {
      n = make_element(get_new_element_number(), kCircle, x, y, z, size(random), 0, 0, color,
                       line_type, layer, mark, pick(random) < 20 ? 9 : 0);
    } else {
      n = make_element(get_new_element_number(), kArc, x, y, z, size(random), angle(random),
                       angle(random), color, line_type, layer, mark, views[pick(random) % 8]);
    }
    if (n != 0 && pick(random) < 3) {
      TElement* e = lock_element(n);
      e->deleted = true;
    }
  }
  visible_layer[3] = false;
}

// Window w at the given height around (x, y); the isometric window turned as given.
void look_at(int w, double x, double y, double height, double turn = 0) {
  current_plot_window = w;
  view_window_proc();
  if (w == 4) view_z += turn;
  set_coefficiants();
  screen_center_x[w] = x;
  screen_center_y[w] = y;
  view_height[w] = height;
  set_scale(1, kWidth, kHeight);
}

QImage paint(bool indexed) {
  use_index(indexed);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  {
    QtCanvas canvas(&image);
    redraw2(canvas, kWidth, kHeight);
  }
  return image;
}

// The element pick_element chooses at pixel (x, y), 0 for none.
int picked(bool indexed, int x, int y, uint8_t filter) {
  use_index(indexed);
  Handle handle = 0;
  int number = 0;
  return pick_element(x, y, filter, handle, number) ? number : 0;
}

// Compares the index against the full pass in every window at several zooms; returns how many
// repaints the index served.
int compare_views(std::mt19937& random, const char* what) {
  std::uniform_real_distribution<double> place(-110, 110), turn(-180, 180);
  std::uniform_int_distribution<int> px(-20, kWidth + 20), py(-20, kHeight + 20);
  const double heights[] = {400, 60, 12, 2, 0.3};
  const uint8_t filters[] = {0, 1, 2, 3, 8, 10, 11};
  int served = 0;
  for (int w = 1; w <= 4; ++w) {
    for (const double height : heights) {
      look_at(w, place(random), place(random), height, turn(random));
      const QImage all = paint(false);
      const QImage indexed = paint(true);
      served += spatial_index::last_used();
      EXPECT_EQ(differing_pixels(all, indexed), 0)
          << what << " window " << w << " height " << height;
      for (int i = 0; i < 40; ++i) {
        const int x = px(random), y = py(random);
        const uint8_t filter = filters[i % 7];
        type_of_pick = i % 5 == 0 ? 11 : 10;
        const int expected = picked(false, x, y, filter);
        EXPECT_EQ(picked(true, x, y, filter), expected)
            << what << " window " << w << " height " << height << " at " << x << ", " << y;
      }
      type_of_pick = 10;
    }
  }
  return served;
}

TEST_F(SpatialIndex, RepaintsAndPicksMatchTheFullPassOnRandomDrawings) {
  std::mt19937 random(1811);
  int served = 0, inked = 0;
  for (int drawing = 0; drawing < 4; ++drawing) {
    make_drawing(random, 3000);
    served += compare_views(random, "drawing");
    inked += inked_pixels(paint(true));
  }
  // Zoomed in, the index answered; the pictures held something.
  EXPECT_GE(served, 4 * 4 * 2);
  EXPECT_GT(inked, 1000);
}

TEST_F(SpatialIndex, PicksOnCrowdedElementsKeepTheRankingAndTies) {
  // Many equal lines and points under the pointer: the lower number wins every tie.
  startup();
  look_at(1, 0, 0, 20);
  for (int i = 0; i < 500; ++i) {
    make_element(get_new_element_number(), kLine, -5, 0, 0, 5, 0, 0, clLime, 1, 1, 0, 0);
    make_element(get_new_element_number(), kLine, -5, 0.01 * (i % 7), 0, 5, 0.01 * (i % 7), 0,
                 clLime, 1, 1, 0, 0);
    make_element(get_new_element_number(), kPoint, 0.02 * (i % 5), 0.01, 0, 0, 0, 0, clRed, 0, 1, 0,
                 0);
  }
  std::uniform_int_distribution<int> px(kWidth / 2 - 15, kWidth / 2 + 15);
  std::mt19937 random(5);
  int hits = 0;
  for (int i = 0; i < 200; ++i) {
    const int x = px(random), y = px(random) - kWidth / 2 + kHeight / 2;
    const uint8_t filter = i % 3 == 0 ? 2 : 0;
    const int expected = picked(false, x, y, filter);
    hits += expected != 0;
    EXPECT_EQ(picked(true, x, y, filter), expected) << x << ", " << y;
  }
  EXPECT_GT(hits, 50);
}

TEST_F(SpatialIndex, PointsReachedBeyondTheLineToleranceArePickedAsInTheFullPass) {
  // Sparse points, lines and arcs: many pointers find only a point lying between once and twice
  // the tolerance away, which the pick reaches for points and not for lines.
  std::mt19937 random(41);
  std::uniform_real_distribution<double> place(-12, 12), along(-1, 1), angle(0, 360);
  startup();
  for (int i = 0; i < 1500; ++i) {
    const double x = place(random), y = place(random), z = place(random);
    if (i % 10 == 0) {
      make_element(get_new_element_number(), kLine, x, y, z, x + along(random), y + along(random),
                   z + along(random), clBlue, 1, 1, 0, 0);
    } else if (i % 10 == 1) {
      make_element(get_new_element_number(), kArc, x, y, z, 0.5, angle(random), angle(random),
                   clBlue, 1, 1, 0, i % 20 == 1 ? -1 : 1 + i % 3);
    } else {
      make_element(get_new_element_number(), kPoint, x, y, z, 0, 0, 0, clRed, 0, 1, 0, 0);
    }
  }
  int far_points = 0, others = 0;
  for (int w = 1; w <= 3; ++w) {
    look_at(w, 0, 0, 30);
    for (int y = 4; y < kHeight; y += 5) {
      for (int x = 4; x < kWidth; x += 5) {
        const int expected = picked(false, x, y, 0);
        EXPECT_EQ(picked(true, x, y, 0), expected) << "window " << w << " at " << x << ", " << y;
        EXPECT_TRUE(spatial_index::last_used());
        if (expected == 0) continue;
        const TElement* e = lock_element(expected);
        if (e->element_type != kPoint) {
          ++others;
          continue;
        }
        double px, py, pz;
        trans_pixel_coords(w, x, y, px, py, pz);
        const double* v = e->values;
        const double du = w == 3 ? v[1] - py : v[0] - px;
        const double dv = w == 1 ? v[1] - py : v[2] - pz;
        far_points += std::hypot(du, dv) * xscale[w] > pick_tolerance;
      }
    }
  }
  EXPECT_GT(far_points, 20);
  EXPECT_GT(others, 20);
}

TEST_F(SpatialIndex, FollowsTheStoreAsItChanges) {
  std::mt19937 random(77);
  make_drawing(random, 2000);
  look_at(1, 10, -20, 30);
  std::uniform_real_distribution<double> place(-30, 30);
  int served = 0;
  for (int round = 0; round < 6; ++round) {
    // Elements made, moved, rewritten and deleted between repaints and picks.
    for (int i = 0; i < 30; ++i) {
      make_element(get_new_element_number(), kLine, place(random), place(random), 0, place(random),
                   place(random), 0, clBlue, 1, 1, 0, 0);
    }
    for (int n = 2 + round; n < last_element_number; n += 37)
      shift_element(n, 0, place(random), place(random), 0);
    overwrite(10 + round, kCircle, {place(random) / 3, place(random) / 3, 0, 4, 0, 0});
    RecordingCanvas erased;
    delete_element(erased, element_handle[20 + round]);
    for (int w : {1, 4}) {
      look_at(w, place(random), place(random), 8);
      const QImage all = paint(false);
      const QImage indexed = paint(true);
      served += spatial_index::last_used();
      EXPECT_EQ(differing_pixels(all, indexed), 0) << "round " << round;
      for (int y = 0; y < kHeight; y += 16) {
        for (int x = 0; x < kWidth; x += 16)
          EXPECT_EQ(picked(true, x, y, 0), picked(false, x, y, 0))
              << round << " " << x << ", " << y;
      }
    }
  }
  EXPECT_GE(served, 6);  // the index answered, though the store changed between the views
}

TEST_F(SpatialIndex, HugeFarAndNonNumberCoordinatesNeitherBreakItNorChangeThePicture) {
  std::mt19937 random(99);
  make_drawing(random, 2000);
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // Rewritten past make_element's range checks, as SetElement may.
  overwrite(5, kLine, {nan, 0, 0, 10, 10, 0});
  overwrite(6, kLine, {-1e300, -1e300, 0, 1e300, 1e300, 0});
  overwrite(7, kPoint, {1e12, 1e12, 0});
  overwrite(8, kArc, {0, 0, 0, inf, 0, 90});
  overwrite(9, kCircle, {1e200, -1e200, 0, 1e250, 0, 0});
  overwrite(11, kLine, {-3e9, 5, 0, 3e9, -5, 0});
  overwrite(12, kArc, {1e9, 1e9, 0, 2e9, 0, 270});
  compare_views(random, "bad values");
}

TEST_F(SpatialIndex, ManyElementsAtOnePointStayBoundedAndCorrect) {
  startup();
  constexpr int kCount = 200000;
  for (int i = 0; i < kCount; ++i)
    make_element(get_new_element_number(), kPoint, 3, 4, 0, 0, 0, 0, clLime, 0, 1, 0, 0);
  make_element(get_new_element_number(), kLine, -50, -50, 0, 50, 50, 0, clRed, 1, 1, 0, 0);
  look_at(1, 3, 4, 2);
  EXPECT_EQ(differing_pixels(paint(false), paint(true)), 0);
  // Everything is under the pointer: the pick finds the first point either way.
  EXPECT_EQ(picked(true, kWidth / 2, kHeight / 2, 0), picked(false, kWidth / 2, kHeight / 2, 0));
  // Away from the point only the line is near.
  look_at(1, 20, 20, 2);
  const QImage all = paint(false);
  const QImage indexed = paint(true);
  EXPECT_TRUE(spatial_index::last_used());
  EXPECT_EQ(differing_pixels(all, indexed), 0);
  EXPECT_EQ(picked(true, kWidth / 2, kHeight / 2, 0), kCount + 2);
  EXPECT_LE(spatial_index::bytes(), 12u * kCount);
}

TEST_F(SpatialIndex, DrawingsOfOnlyFarOrNonNumberElementsAndBadQueriesFallBackSafely) {
  startup();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  // Half the elements not numbers or endless, the other half far off the view.
  for (int i = 0; i < 6000; ++i) {
    const int n =
        make_element(get_new_element_number(), kLine, 0, 0, 0, 1, 1, 0, clLime, 0, 1, 0, 0);
    ASSERT_NE(n, 0);
    if (i % 2 == 0) {
      overwrite(n, kLine, {i % 4 == 0 ? nan : -inf, 0, 0, 1, inf, 0});
    } else {
      overwrite(n, kLine, {1e12 + i, 1e12, 0, 1e12 + i + 1, 1e12 + 1, 0});
    }
  }
  look_at(1, 0, 0, 10);
  EXPECT_EQ(differing_pixels(paint(false), paint(true)), 0);
  EXPECT_EQ(picked(true, kWidth / 2, kHeight / 2, 0), picked(false, kWidth / 2, kHeight / 2, 0));
  // Queries that are not numbers or have no end are refused, not answered.
  use_index(true);
  std::vector<int> found = {7};
  const spatial_index::Box bad[] = {{nan, 0, 1, 1}, {0, 0, inf, 1}, {-inf, -inf, inf, inf}};
  for (const spatial_index::Box& b : bad) {
    EXPECT_FALSE(spatial_index::candidates(1, &b, 1, found));
    EXPECT_TRUE(found.empty());
  }
  // A view whose scale is not a number picks as the full pass does.
  xscale[1] = nan;
  EXPECT_EQ(picked(true, 10, 10, 0), picked(false, 10, 10, 0));
  EXPECT_LE(spatial_index::bytes(), 12u * 6000 + 4096);
}

TEST_F(SpatialIndex, SmallDrawingsAndChangingViewsUseThePlainPassUntilAViewRepeats) {
  std::mt19937 random(3);
  make_drawing(random, 5000);
  spatial_index::set_min_elements(4096);
  spatial_index::set_build_at_once(false);
  look_at(1, 0, 0, 4);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QtCanvas canvas(&image);
  redraw2(canvas, kWidth, kHeight);
  EXPECT_FALSE(spatial_index::last_used());  // the first request only notes the view
  redraw2(canvas, kWidth, kHeight);
  EXPECT_TRUE(spatial_index::last_used());
  make_element(get_new_element_number(), kPoint, 0, 0, 0, 0, 0, 0, clRed, 0, 1, 0, 0);
  redraw2(canvas, kWidth, kHeight);
  EXPECT_FALSE(spatial_index::last_used());  // the store changed: stale
}

}  // namespace
