#include <array>
#include <string>
#include <tuple>

#include "platform/recording_canvas.h"
#include "tests/core/core_test.h"

using namespace orvane;

using StateTest = CoreTest;

namespace {

void expect_empty_block(Handle h) {
  ASSERT_NE(h, 0u);
  const TElement* e = globallock(h);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->element_type, 0);
  EXPECT_EQ(e->values[0], 0);
  EXPECT_FALSE(e->deleted);
}

void expect_store_at_start() {
  ASSERT_EQ(element_handle.size(), 2u);
  EXPECT_NE(element_handle[0], element_handle[1]);
  expect_empty_block(element_handle[0]);
  expect_empty_block(element_handle[1]);
  EXPECT_EQ(last_element_number, 1);
  EXPECT_EQ(max_element_value, 1.0e9);
  EXPECT_FALSE(mem_full);
  EXPECT_EQ(global_delete_number, 0);
  EXPECT_FALSE(has_drawing);
  EXPECT_FALSE(cad_changed);
  for (double v : {min_x, min_y, max_x, max_y, min_z, max_z})
    EXPECT_EQ(v, 0);
}

// An arc view's coefficients in their stored order ax, bx, cx, ay, by, cy, az, bz, cz.
std::array<double, 9> coefficients(const view_entry& v) {
  return {v.ax, v.bx, v.cx, v.ay, v.by, v.cy, v.az, v.bz, v.cz};
}

}  // namespace

TEST_F(StateTest, StoreAndDefaultsStartEmpty) {
  expect_store_at_start();
  EXPECT_EQ(current_color, 0x00FF00u);
  EXPECT_EQ(current_line_type, 0);
  EXPECT_EQ(current_layer, 1);
  EXPECT_EQ(current_view, 1);
  EXPECT_EQ(visible_layer.size(), 255u);
  for (bool v : visible_layer)
    EXPECT_TRUE(v);
  EXPECT_EQ(plot_background, 0u);
  EXPECT_FALSE(draw_axis_flag);
  EXPECT_FALSE(metric_machine);
}

TEST_F(StateTest, ArcViewsOneToFourAreTheStandardPlanes) {
  EXPECT_EQ(coefficients(arc_view[1]), (std::array<double, 9>{1, 0, 0, 0, 1, 0, 0, 0, 1}));
  EXPECT_EQ(coefficients(arc_view[2]), (std::array<double, 9>{1, 0, 0, 0, 0, 1, 0, -1, 0}));
  EXPECT_EQ(coefficients(arc_view[3]), (std::array<double, 9>{0, 1, 0, 0, 0, 1, 1, 0, 0}));
  EXPECT_EQ(coefficients(arc_view[4]), (std::array<double, 9>{}));
  for (int v = 1; v <= 90; ++v)
    EXPECT_EQ(arc_view[v].defined, v <= 4) << v;
}

TEST_F(StateTest, ViewsStartAtTheDefaultScaleAndRotation) {
  EXPECT_EQ(current_plot_window, 1);
  EXPECT_EQ(std::tuple(view_x, view_y, view_z), std::tuple(-70, 0, -20));
  EXPECT_EQ(std::tuple(old_view_x, old_view_y, old_view_z), std::tuple(-70, 0, -20));
  for (double c : {coff_ax, coff_bx, coff_cx, coff_ay, coff_by, coff_cy, coff_az, coff_bz, coff_cz})
    EXPECT_EQ(c, 0);
  for (int w = 1; w <= 4; ++w) {
    EXPECT_EQ(std::tuple(screen_center_x[w], screen_center_y[w], last_screen_center_x[w],
                         last_screen_center_y[w], last_view_height[w]),
              std::tuple(0, 0, 0, 0, 0))
        << w;
    EXPECT_EQ(std::tuple(view_height[w], xscale[w], yscale[w], x_plot_origin[w], y_plot_origin[w],
                         window_on[w]),
              std::tuple(10, 1, -1, 10, 10, false))
        << w;
  }
}

TEST_F(StateTest, RoutingPickingAndFilesStartCleared) {
  EXPECT_FALSE(print_on || print_monochrome || clipboard_on || flash_flag);
  EXPECT_EQ(metafilecanvas, nullptr);
  EXPECT_TRUE(mouse_pan);
  EXPECT_FALSE(pan_flag || dynamic_rotate_flag || pick_flag || pick1);
  EXPECT_EQ(type_of_pick | global_int1 | global_int2 | global_int3 | pick_filter, 0);
  EXPECT_EQ(begin_point.x | begin_point.y | end_point.x | end_point.y, 0);
  EXPECT_EQ(pick_tolerance, 6.0);
  EXPECT_EQ(cad_type, 0);
  EXPECT_FALSE(merge_cad || fast_load_flag || abort2);
  EXPECT_TRUE(cdl_filename.empty());
  EXPECT_EQ(pscale, 0);
  EXPECT_EQ(plot_window_width | plot_window_height, 0);
  const std::array<std::string, 7> texts = {"PARALLEL LINES",         "UNDEFINED LINE",
                                            "ARC DOES NOT INTERSECT", "RADIUS DOES NOT INTERSECT",
                                            "CONCENTRIC CIRCLES",     "CAN'T ALLOCATE MEMORY",
                                            "3 POINTS ON SAME LINE"};
  EXPECT_EQ(calcerrstr, texts);
}

TEST_F(StateTest, StartupAfterADrawingGivesTheStartStateAgain) {
  const std::size_t live = element_memory::live_blocks();
  ASSERT_EQ(make_element(1, kPoint, 4, 4, 0, 0, 0, 0, 0, 0, 1, 0, 1), 1);
  for (int i = 0; i < 5; ++i) {
    make_element(get_new_element_number(), kLine, i, i, 0, 9, 9, 0, 0xFF, 0, 1, 0, 1);
  }
  RecordingCanvas canvas;
  delete_element(canvas, element_handle[3]);
  mem_full = true;
  view_x = 12;
  view_height[2] = 3;
  arc_view[1].ax = 5;
  arc_view[7].defined = true;
  visible_layer[3] = false;
  window_on[4] = true;
  metafilecanvas = &canvas;
  calcerrstr[0] = "changed";
  cdl_filename = "a.cdl";

  startup();
  expect_store_at_start();
  EXPECT_EQ(element_memory::live_blocks(), live);
  EXPECT_EQ(view_x, -70);
  EXPECT_EQ(view_height[2], 10);
  EXPECT_EQ(arc_view[1].ax, 1);
  EXPECT_FALSE(arc_view[7].defined);
  EXPECT_TRUE(visible_layer[3]);
  EXPECT_FALSE(window_on[4]);
  EXPECT_EQ(metafilecanvas, nullptr);
  EXPECT_EQ(calcerrstr[0], "PARALLEL LINES");
  EXPECT_TRUE(cdl_filename.empty());
  EXPECT_EQ(get_new_element_number(), 2);
}
