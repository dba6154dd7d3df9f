// Repaints that leave out arcs and circles outside the window and cut crossing arcs must show
// the same pixels as drawing every segment of every arc: random drawings, zoomed in and out, in
// every window, against the same elements plotted without a plot area.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <random>
#include <string>

#include "core/core.h"
#include "platform/qt/qt_canvas.h"
#include "platform/recording_canvas.h"
#include "tests/component/image_compare.h"

using namespace orvane;

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 200;

// A drawing of arcs and circles with random centres, radii, angles, arc views, line types and
// highlights, and a few lines between them.
void make_drawing(std::mt19937& random, int count) {
  startup();
  std::uniform_real_distribution<double> place(-100, 100), size(0.01, 150), angle(-400, 400);
  std::uniform_int_distribution<int> pick(0, 99);
  // Two arc views of their own: a tilted plane and one that is not a rotation at all.
  arc_view[2] = {0.8, 0.0, 0.6, 0.0, 1.0, 0.0, -0.6, 0.0, 0.8, true};
  arc_view[3] = {1.5, 0.2, 0.0, -0.3, 0.7, 0.1, 0.0, 0.4, 1.1, true};
  const int views[] = {-1, -2, -3, 1, 2, 3, 9, 0};
  const int line_types[] = {0, 1, 2, 3, 4, 10, 20, 7};
  for (int i = 0; i < count; ++i) {
    const int kind = pick(random);
    const TColor color = static_cast<TColor>(random() & 0xFFFFFF);
    const int line_type = line_types[pick(random) % 8];
    const int mark = pick(random) < 10 ? 2 : 0;
    if (kind < 10) {
      make_element(get_new_element_number(), kLine, place(random), place(random), place(random),
                   place(random), place(random), place(random), color, line_type, 1, mark, 0);
    } else if (kind < 25) {
      make_element(get_new_element_number(), kCircle, place(random), place(random), place(random),
                   size(random), 0, 0, color, line_type, 1, mark, pick(random) < 20 ? 9 : 0);
    } else {
      make_element(get_new_element_number(), kArc, place(random), place(random), place(random),
                   size(random), angle(random), angle(random), color, line_type, 1, mark,
                   views[pick(random) % 8]);
    }
  }
}

// Window w at the given height around (x, y).
void look_at(int w, double x, double y, double height) {
  current_plot_window = w;
  view_window_proc();
  set_coefficiants();
  screen_center_x[w] = x;
  screen_center_y[w] = y;
  view_height[w] = height;
  set_scale(1, kWidth, kHeight);
}

// The picture with a plot area (what redraw2 does now) or without one (every segment drawn).
QImage paint(bool with_area) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  {
    QtCanvas canvas(&image);
    if (with_area) {
      redraw2(canvas, kWidth, kHeight);
    } else {
      set_coefficiants();
      clear_screen(canvas, kWidth, kHeight);
      plot_elements(canvas, current_plot_window, 1);
    }
  }
  return image;
}

TEST(ArcCulling, RepaintsShowTheSamePixelsAsDrawingEverySegment) {
  std::mt19937 random(20240611);
  std::uniform_real_distribution<double> place(-120, 120);
  const double heights[] = {400, 60, 8, 0.9, 0.08};
  int inked = 0;
  for (int drawing = 0; drawing < 6; ++drawing) {
    make_drawing(random, 300);
    for (int w = 1; w <= 4; ++w) {
      for (const double height : heights) {
        look_at(w, place(random), place(random), height);
        const QImage all = paint(false);
        const QImage cut = paint(true);
        inked += inked_pixels(all);
        ASSERT_EQ(differing_pixels(all, cut), 0)
            << "drawing " << drawing << " window " << w << " height " << height;
      }
    }
  }
  EXPECT_GT(inked, 100000);  // the pictures held something to compare
}

// Drawing calls of one repaint, counted on a recording canvas.
std::size_t calls_of_repaint(bool with_area) {
  RecordingCanvas canvas;
  if (with_area) {
    redraw2(canvas, kWidth, kHeight);
  } else {
    set_coefficiants();
    clear_screen(canvas, kWidth, kHeight);
    plot_elements(canvas, current_plot_window, 1);
  }
  return canvas.log().size();
}

TEST(ArcCulling, ArcsAndCirclesOutsideTheWindowDrawNothingAndCrossingArcsOnlyTheirVisiblePart) {
  startup();
  look_at(1, 0, 0, 10);  // 10 pixels a unit; the window shows x -16..16, y -10..10
  // Far outside: an arc and a circle of radius 1 at x = 100.
  make_element(get_new_element_number(), kArc, 100, 0, 0, 1, 0, 360, 0, 1, 1, 0, -1);
  make_element(get_new_element_number(), kCircle, 100, 0, 0, 1, 0, 0, 0, 1, 1, 0, 0);
  RecordingCanvas outside;
  redraw2(outside, kWidth, kHeight);
  for (const std::string& call : outside.log()) {
    EXPECT_EQ(call.rfind("LineTo", 0), std::string::npos) << call;
    EXPECT_EQ(call.rfind("Ellipse", 0), std::string::npos) << call;
  }
  // A circle of radius 1000 through the window: 360 segments of 175 pixels, of which the few
  // that pass the window (and one either side) are drawn.
  startup();
  look_at(1, 0, 0, 10);
  make_element(get_new_element_number(), kArc, 0, -1000, 0, 1000, 0, 360, 0, 1, 1, 0, -1);
  const std::size_t whole = calls_of_repaint(false);
  const std::size_t cut = calls_of_repaint(true);
  EXPECT_GE(whole, 2 * 360u);
  EXPECT_LE(cut, whole - 2 * 350u);
  EXPECT_GE(cut, 2 * 2u);
}

}  // namespace
