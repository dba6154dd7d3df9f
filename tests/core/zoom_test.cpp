// Zoom arithmetic: extents, previous view, in and out, rectangle zoom and the home view.
#include <array>

#include "tests/core/core_test.h"

using namespace orvane;

namespace {

class ZoomTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    current_plot_window = 1;
  }
  static void extents(double x1, double y1, double x2, double y2) {
    min_x = x1, min_y = y1, max_x = x2, max_y = y2;
  }
  static void expect_pixel(double x, double y, int px, int py) {
    int gx, gy;
    coord_to_pixel(1, x, y, gx, gy);
    EXPECT_EQ(gx, px) << "x " << x;
    EXPECT_EQ(gy, py) << "y " << y;
  }
};

}  // namespace

TEST_F(ZoomTest, OtherCodesOnlyRecomputeScaleAndOrigin) {
  set_scale(-1, 800, 400);
  EXPECT_EQ(view_height[1], 10);
  EXPECT_EQ(xscale[1], 20);
  EXPECT_EQ(yscale[1], -20);
  EXPECT_EQ(x_plot_origin[1], 400);
  EXPECT_EQ(y_plot_origin[1], 200);
  expect_pixel(10, 10, 600, 0);
  EXPECT_EQ(x_plot_origin[2], 10);  // only the current view changes

  // The centre moves the origin: 400 - 26 and 200 - (-40); an odd width halves down.
  screen_center_x[1] = 1.3, screen_center_y[1] = -2;
  set_scale(-1, 801, 400);
  EXPECT_EQ(x_plot_origin[1], 374);
  EXPECT_EQ(y_plot_origin[1], 160);
  screen_center_x[1] = 0.125;  // 2.5 pixels round to 2
  set_scale(7, 800, 400);
  EXPECT_EQ(x_plot_origin[1], 398);

  // Window sides below 4 count as 4: scale (4 / 2) / 10, origin (2, 2).
  screen_center_x[1] = screen_center_y[1] = 0;
  set_scale(-1, -50, 2);
  EXPECT_DOUBLE_EQ(xscale[1], 0.2);
  EXPECT_EQ(x_plot_origin[1], 2);
  EXPECT_EQ(y_plot_origin[1], 2);
}

TEST_F(ZoomTest, ViewHeightNeverDropsBelowTheMinimum) {
  view_height[1] = 0.01;
  set_scale(-1, 800, 400);
  EXPECT_EQ(view_height[1], 0.04);
  EXPECT_DOUBLE_EQ(xscale[1], 5000);
  view_height[1] = 0.05;
  set_scale(4, 800, 400);
  EXPECT_EQ(view_height[1], 0.04);
}

TEST_F(ZoomTest, ExtentsWithoutWidthOrHeightGiveTheirHeightOrTheMinimum) {
  // One point and one horizontal line: height 0 is raised to 0.04 around (0, 0).
  for (const auto& e : {std::array{3.0, 4.0, 3.0, 4.0}, std::array{-2.0, 1.0, 5.0, 1.0}}) {
    SCOPED_TRACE(e[0]);
    view_height[1] = 10;
    screen_center_x[1] = 7, screen_center_y[1] = 8;
    extents(e[0], e[1], e[2], e[3]);
    set_scale(0, 800, 400);
    EXPECT_EQ(view_height[1], 0.04);
    EXPECT_TRUE(min_x == -0.04 && min_y == -0.04 && max_x == 0.04 && max_y == 0.04);
    EXPECT_NEAR(screen_center_x[1], 0, 1e-15);
    EXPECT_NEAR(screen_center_y[1], 0, 1e-15);
    EXPECT_EQ(last_view_height[1], 10);  // the view before is kept as the previous one
    EXPECT_EQ(last_screen_center_x[1], 7);
    EXPECT_EQ(last_screen_center_y[1], 8);
    EXPECT_DOUBLE_EQ(xscale[1], 5000);
  }
  // A vertical line of length 6 is shown 6 high around its midpoint.
  extents(2, -1, 2, 5);
  set_scale(0, 800, 400);
  EXPECT_EQ(view_height[1], 6);
  EXPECT_EQ(screen_center_x[1], 2);
  EXPECT_EQ(screen_center_y[1], 2);
  EXPECT_EQ(max_y, 5);
  expect_pixel(2, 2, 400, 200);
}

TEST_F(ZoomTest, ExtentsOfABoxFillNineTenthsOfTheSmallerSide) {
  set_scale(-1, 800, 400);  // 20 px per unit, origin (400, 200)
  extents(0, 0, 10, 5);
  // Columns 400..600 (200 px), rows 200..100 (100 px): height 10 * 200 / (400 - 40).
  set_scale(0, 800, 400);
  EXPECT_DOUBLE_EQ(view_height[1], 10.0 * 200 / 360);
  EXPECT_EQ(screen_center_x[1], 5);
  EXPECT_EQ(screen_center_y[1], 2.5);
  expect_pixel(5, 2.5, 400, 200);
  expect_pixel(0, 0, 220, 290);
  expect_pixel(10, 5, 580, 110);

  // The second run finds the box at its final size and overwrites the saved view.
  EXPECT_EQ(last_view_height[1], 10);
  set_scale(0, 800, 400);
  EXPECT_NEAR(view_height[1], 10.0 * 200 / 360, 1e-12);
  EXPECT_NEAR(last_view_height[1], 10.0 * 200 / 360, 1e-12);
  EXPECT_EQ(last_screen_center_x[1], 5);

  // The isometric view takes the centre (2, 1) through the isometric conversion:
  // x = (2 + 1) * 0.707107, y = 0.5 * (1 - 2) * 0.816497.
  current_plot_window = 4;
  extents(0, 0, 4, 2);
  set_scale(0, 800, 400);
  EXPECT_NEAR(screen_center_x[4], 2.121320, 1e-6);
  EXPECT_NEAR(screen_center_y[4], -0.408248, 1e-6);
  EXPECT_EQ(screen_center_x[1], 5);
}

TEST_F(ZoomTest, PreviousViewZoomInAndZoomOut) {
  view_height[1] = 10, screen_center_x[1] = 1, screen_center_y[1] = 2;
  last_view_height[1] = 5, last_screen_center_x[1] = 3, last_screen_center_y[1] = 4;
  set_scale(2, 800, 400);
  EXPECT_EQ(view_height[1], 5);
  EXPECT_TRUE(screen_center_x[1] == 3 && screen_center_y[1] == 4);
  EXPECT_EQ(last_view_height[1], 10);
  EXPECT_TRUE(last_screen_center_x[1] == 1 && last_screen_center_y[1] == 2);
  expect_pixel(3, 4, 400, 200);  // 40 px per unit around the new centre
  set_scale(2, 800, 400);
  EXPECT_EQ(view_height[1], 10);
  EXPECT_TRUE(screen_center_x[1] == 1 && screen_center_y[1] == 2);
  EXPECT_EQ(xscale[1], 20);

  // Zoom in keeps the new height as the previous one, so going back only moves the centre.
  set_scale(4, 800, 400);
  EXPECT_EQ(view_height[1], 5);
  EXPECT_EQ(last_view_height[1], 5);
  EXPECT_EQ(last_screen_center_x[1], 3);
  EXPECT_EQ(xscale[1], 40);
  set_scale(2, 800, 400);
  EXPECT_EQ(view_height[1], 5);
  EXPECT_TRUE(screen_center_x[1] == 3 && screen_center_y[1] == 4);

  set_scale(3, 800, 400);
  EXPECT_EQ(view_height[1], 10);
  EXPECT_EQ(xscale[1], 20);
  EXPECT_EQ(last_view_height[1], 5);  // zoom out saves nothing
}

TEST_F(ZoomTest, RectangleOfZeroWidthOrHeightChangesNothing) {
  set_scale(-1, 800, 400);
  for (const auto& r : {std::array{5, 10, 5, 90}, std::array{5, 10, 60, 10}}) {
    EXPECT_FALSE(graphics_get_scale(1, 800, 400, r[0], r[1], r[2], r[3]));
    EXPECT_EQ(view_height[1], 10);
    EXPECT_EQ(last_view_height[1], 0);
    EXPECT_EQ(screen_center_x[1], 0);
    EXPECT_EQ(xscale[1], 20);
    EXPECT_TRUE(x_plot_origin[1] == 400 && y_plot_origin[1] == 200);
  }
}

TEST_F(ZoomTest, RectangleZoomCentresTheRectangle) {
  set_scale(-1, 800, 400);
  // 200 x 50 pixels around pixel (600, 125), the model point (10, 3.75): the width decides.
  ASSERT_TRUE(graphics_get_scale(1, 800, 400, 700, 150, 500, 100));
  EXPECT_DOUBLE_EQ(view_height[1], 2.5);  // 10 / (800 / 200)
  EXPECT_DOUBLE_EQ(screen_center_x[1], 10);
  EXPECT_DOUBLE_EQ(screen_center_y[1], 3.75);
  EXPECT_EQ(last_view_height[1], 10);
  EXPECT_EQ(last_screen_center_x[1], 0);
  EXPECT_DOUBLE_EQ(xscale[1], 80);
  EXPECT_TRUE(x_plot_origin[1] == -400 && y_plot_origin[1] == 500);
  expect_pixel(10, 3.75, 400, 200);

  // A tall rectangle: 20 x 200 pixels around (110, 200), the height decides.
  ASSERT_TRUE(graphics_get_scale(1, 800, 400, 100, 100, 120, 300));
  EXPECT_DOUBLE_EQ(view_height[1], 1.25);  // 2.5 / (400 / 200)
  EXPECT_DOUBLE_EQ(screen_center_x[1], 10 + (110 - 400) / 80.0);
  EXPECT_DOUBLE_EQ(screen_center_y[1], 3.75);
  EXPECT_EQ(last_view_height[1], 2.5);

  // A tiny rectangle stops at the minimum height.
  ASSERT_TRUE(graphics_get_scale(2, 800, 400, 0, 0, 3, 1));
  EXPECT_EQ(view_height[2], 0.04);
  EXPECT_DOUBLE_EQ(xscale[2], 5000);
}

TEST_F(ZoomTest, HomeViewIsTwentyHighAroundZeroTen) {
  init_plot_origin(2, 800, 400);
  EXPECT_TRUE(view_height[2] == 20 && last_view_height[2] == 20);
  EXPECT_TRUE(screen_center_x[2] == 0 && screen_center_y[2] == 10);
  EXPECT_TRUE(last_screen_center_x[2] == 0 && last_screen_center_y[2] == 10);
  EXPECT_TRUE(xscale[2] == 10 && yscale[2] == -10);
  EXPECT_TRUE(x_plot_origin[2] == 400 && y_plot_origin[2] == 300);
  EXPECT_TRUE(min_x == -10 && max_x == 10 && min_y == 0 && max_y == 20);
  EXPECT_EQ(view_height[1], 10);
}
