// The whole drawing-wide state as a value: a start state made beside the current one, swapped in
// and out whole, and its elements freed.
#include "core/core_state.h"
#include "platform/element_memory.h"
#include "tests/core/core_test.h"

using namespace orvane;

namespace {

class CoreStateTest : public CoreTest {};

int line(double x) {
  return make_element(get_new_element_number(), kLine, x, 0, 0, x + 1, 2, 0, 0xFF, 0, 1, 0, 0);
}

// Values of every part of the state that differ from the start values.
void change_current() {
  line(3);
  current_color = clRed;
  current_layer = 7;
  plot_background = 0xFFFFFF;
  current_plot_window = 2;
  view_x = 12;
  view_height[1] = 3;
  xscale[2] = 40;
  window_on[4] = true;
  print_monochrome = true;
  pick_flag = true;
  pick_filter = fLines;
  pscale = 2.5;
  cdl_filename = "a.cdl";
}

void expect_changed() {
  EXPECT_EQ(last_element_number, 2);
  EXPECT_EQ(lock_element(2)->values[0], 3);
  EXPECT_EQ(current_color, clRed);
  EXPECT_EQ(current_layer, 7);
  EXPECT_EQ(plot_background, 0xFFFFFFu);
  EXPECT_EQ(current_plot_window, 2);
  EXPECT_EQ(view_x, 12);
  EXPECT_EQ(view_height[1], 3);
  EXPECT_EQ(xscale[2], 40);
  EXPECT_TRUE(window_on[4]);
  EXPECT_TRUE(print_monochrome);
  EXPECT_TRUE(pick_flag);
  EXPECT_EQ(pick_filter, fLines);
  EXPECT_EQ(pscale, 2.5);
  EXPECT_EQ(cdl_filename, "a.cdl");
}

TEST_F(CoreStateTest, AStartStateIsMadeBesideTheCurrentOne) {
  change_current();
  const std::size_t blocks = element_memory::live_blocks();
  CoreState s = start_core_state();
  EXPECT_EQ(element_memory::live_blocks(), blocks + 2);  // its own entries 0 and 1
  expect_changed();

  // The values startup() gives.
  EXPECT_EQ(s.drawing.last_element_number, 1);
  EXPECT_EQ(s.drawing.element_handle.size(), 2u);
  EXPECT_TRUE(s.drawing.visible_layer[200]);
  EXPECT_EQ(s.drawing.cdl_filename, "");
  EXPECT_EQ(s.current_color, 0x00FF00u);
  EXPECT_EQ(s.current_layer, 1);
  EXPECT_EQ(s.plot_background, 0u);
  EXPECT_EQ(s.current_plot_window, 1);
  EXPECT_EQ(s.view_x, -70);
  EXPECT_EQ(s.view_z, -20);
  EXPECT_EQ(s.view_height[1], 10);
  EXPECT_EQ(s.yscale[3], -1);
  EXPECT_EQ(s.x_plot_origin[2], 10);
  EXPECT_FALSE(s.window_on[4]);
  EXPECT_TRUE(s.mouse_pan);
  EXPECT_FALSE(s.pick_flag);
  EXPECT_EQ(s.pick_filter, fAll);
  EXPECT_EQ(s.pick_tolerance, 6.0);
  free_core_state(s);
  EXPECT_EQ(element_memory::live_blocks(), blocks);
}

TEST_F(CoreStateTest, SwappedInAndOutWholeWithItsOwnElements) {
  change_current();
  CoreState s = start_core_state();
  const std::size_t blocks = element_memory::live_blocks();

  swap_core_state(s);
  EXPECT_EQ(last_element_number, 1);
  EXPECT_EQ(lock_element(2), nullptr);
  EXPECT_EQ(current_color, 0x00FF00u);
  EXPECT_EQ(current_plot_window, 1);
  EXPECT_EQ(view_height[1], 10);
  EXPECT_EQ(cdl_filename, "");
  EXPECT_EQ(line(50), 2);
  view_height[1] = 77;

  swap_core_state(s);  // the first state again; s holds the second
  expect_changed();
  EXPECT_EQ(s.drawing.last_element_number, 2);
  EXPECT_EQ(s.view_height[1], 77);
  free_core_state(s);  // the second state's line, entry 0 and entry 1
  EXPECT_EQ(element_memory::live_blocks(), blocks - 2);
  EXPECT_EQ(lock_element(2)->values[0], 3);
}

}  // namespace
