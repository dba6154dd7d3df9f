// Hostile values through every routine: huge and non-finite coordinates, extreme scales and
// counts. Under the sanitizer build these also prove that nothing overflows an integer.
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <sstream>

#include "platform/recording_canvas.h"
#include "tests/core/core_test.h"

using namespace orvane;

namespace {

using RobustnessTest = CoreTest;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Every number in the drawing entries of a log, checked to be a 32-bit pixel.
void expect_pixels_in_range(const RecordingCanvas& canvas) {
  for (const std::string& entry : canvas.log()) {
    std::istringstream in(entry);
    std::string word;
    in >> word;
    if (word != "MoveTo" && word != "LineTo" && word != "Ellipse") continue;
    long long v;
    while (in >> v) {
      EXPECT_GE(v, std::numeric_limits<int32_t>::min()) << entry;
      EXPECT_LE(v, std::numeric_limits<int32_t>::max()) << entry;
    }
  }
}

int make(int type, double g1, double g2, double g3, double g4, double g5, double g6, int view = 1) {
  return make_element(get_new_element_number(), static_cast<uint8_t>(type), g1, g2, g3, g4, g5, g6,
                      clLime, 0, 1, 0, view);
}

}  // namespace

TEST_F(RobustnessTest, HugeCoordinatesAtExtremeScalesDrawOnlyValidPixels) {
  ASSERT_NE(make(kPoint, 1e9, -1e9, 1e9, 0, 0, 0), 0);
  ASSERT_NE(make(kLine, -1e9, -1e9, -1e9, 1e9, 1e9, 1e9), 0);
  ASSERT_NE(make(kArc, 1e9, 1e9, 0, 1e9, 0, 359, -2), 0);
  ASSERT_NE(make(kCircle, -1e9, 1e9, 0, 1e9, 0, 0, 9), 0);
  for (double scale : {1e-300, 1e-3, 1.0, 1e6, 1e300}) {
    for (int w = 1; w <= 4; ++w) {
      SCOPED_TRACE(testing::Message() << "scale " << scale << " view " << w);
      current_plot_window = w;
      view_window_proc();
      xscale[w] = scale, yscale[w] = -scale;
      x_plot_origin[w] = std::numeric_limits<int32_t>::max();
      y_plot_origin[w] = std::numeric_limits<int32_t>::min();
      RecordingCanvas canvas;
      draw_axis_flag = true;
      redraw2(canvas, 800, 600);
      expect_pixels_in_range(canvas);
      // Past the largest origin any positive offset clamps to the largest pixel.
      int px, py;
      coord_to_pixel(w, 1e300, 0, px, py);
      EXPECT_EQ(px, std::numeric_limits<int32_t>::max());
    }
  }
}

TEST_F(RobustnessTest, ZoomingStaysFiniteAndComesBackFromAnyDistance) {
  ASSERT_NE(make(kLine, 0, 0, 0, 10, 10, 0), 0);
  for (int i = 0; i < 5000; ++i)
    set_scale(3, 800, 600);  // zoom out far past any drawing
  EXPECT_TRUE(std::isfinite(view_height[1]));
  EXPECT_GT(xscale[1], 0);
  for (int i = 0; i < 5000; ++i)
    set_scale(4, 800, 600);
  EXPECT_DOUBLE_EQ(view_height[1], 0.04);
  // Extents that are not numbers give the smallest view rather than a NaN scale.
  min_x = min_y = kNaN;
  max_x = max_y = kInf;
  set_scale(0, 800, 600);
  EXPECT_TRUE(std::isfinite(xscale[1]));
  EXPECT_GE(view_height[1], 0.04);
  EXPECT_TRUE(graphics_get_scale(1, 0, 0, 0, 0, 1, 1));  // a window of no size
  EXPECT_TRUE(std::isfinite(view_height[1]));
}

TEST_F(RobustnessTest, RandomRecordsWrittenDirectlyNeverBreakDrawingOrTransforms) {
  // Hosts may write whole records, so every field may hold anything.
  std::mt19937 random(20261207);
  const double values[] = {0, 1, -1, 1e9, -1e9, 1e300, -1e300, kNaN, kInf, -kInf, 359.9, 1e-300};
  std::uniform_int_distribution<int> pick(0, std::size(values) - 1);
  std::uniform_int_distribution<int> any(-300, 300);
  for (int i = 0; i < 3000; ++i) {
    const int n = make(kPoint, 0, 0, 0, 0, 0, 0);
    ASSERT_NE(n, 0);
    TElement* e = lock_element(n);
    e->element_type = any(random) % 11;
    e->line_type = any(random);
    e->layer = any(random);
    e->view = any(random);
    e->group_mark = static_cast<uint8_t>(any(random) % 8 + 0);
    for (double& v : e->values)
      v = values[pick(random)];
  }
  RecordingCanvas canvas;
  for (int w = 1; w <= 4; ++w) {
    current_plot_window = w;
    view_window_proc();
    set_coefficiants();
    for (int mode = 0; mode <= 5; ++mode)
      plot_elements(canvas, w, mode);
    expect_pixels_in_range(canvas);
    canvas.clear();
  }
  add_to_group(canvas, 0);
  rotate_group(canvas, 45, 1e300, kNaN, 3, true);
  cad_offsetxy(kInf, 1, 1e300, true, 2, 0);
  cad_offsetxy(kNaN, 0, 0, false, 1, 1);
  get_max_min();
  // The extents are clamped, or still the empty values when nothing usable is left.
  EXPECT_TRUE((min_x >= -10000 && max_x <= 10000) || (min_x == 900 && max_x == -900));
}

TEST_F(RobustnessTest, HugeCountsEndAsSoonAsNothingMoreCanBeMade) {
  ASSERT_NE(make(kPoint, 1, 1, 0, 0, 0, 0), 0);
  // No group member: every round would copy nothing, so the first round ends the work.
  cad_offsetxy(1, 0, 0, true, std::numeric_limits<int>::max(), 0);
  EXPECT_EQ(last_element_number, 2);
  // With a member, copies stop once memory runs out.
  add_to_group(*std::make_unique<RecordingCanvas>(), 0);
  element_memory::set_block_limit(element_memory::live_blocks() + 50);
  cad_offsetxy(1e-3, 0, 0, true, std::numeric_limits<int>::max(), 0);
  EXPECT_TRUE(mem_full);
  EXPECT_EQ(last_element_number, 2 + 51);  // 50 stored, one refused
  rotate_group(*std::make_unique<RecordingCanvas>(), 1, 0, 0, std::numeric_limits<int>::max(),
               true);
  EXPECT_TRUE(mem_full);
}
