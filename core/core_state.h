// Everything drawing-wide in the core as one value: a drawing (core/drawing.h) together with its
// drawing options, views, output routing, interaction and file settings, so that a widget with a
// drawing of its own can make all of it current and set it aside again in constant time.
//
// Left out, as they belong to no drawing: the reader's text file (cdlinfile, open only while a
// load runs), the texts of the calculation errors and the store's coordinate limit.
#pragma once

#include <cstdint>

#include "core/drawing.h"
#include "core/state.h"

namespace orvane {

struct CoreState {
  Drawing drawing;

  // Defaults for new elements and drawing options.
  TColor current_color = 0;
  int current_line_type = 0;
  int current_layer = 0;
  int current_view = 0;
  TColor plot_background = 0;
  bool draw_axis_flag = false;

  // View and scale.
  int current_plot_window = 0;
  double view_x = 0, view_y = 0, view_z = 0;
  double old_view_x = 0, old_view_y = 0, old_view_z = 0;
  double coff_ax = 0, coff_bx = 0, coff_cx = 0;
  double coff_ay = 0, coff_by = 0, coff_cy = 0;
  double coff_az = 0, coff_bz = 0, coff_cz = 0;
  per_view<double> screen_center_x{}, screen_center_y{};
  per_view<double> view_height{};
  per_view<double> last_screen_center_x{}, last_screen_center_y{};
  per_view<double> last_view_height{};
  per_view<double> xscale{}, yscale{};
  per_view<int> x_plot_origin{}, y_plot_origin{};
  per_view<bool> window_on{};

  // Output routing.
  bool print_on = false;
  bool print_monochrome = false;
  bool clipboard_on = false;
  Canvas* metafilecanvas = nullptr;
  bool flash_flag = false;

  // Interaction and picking.
  bool mouse_pan = false;
  bool pan_flag = false, dynamic_rotate_flag = false, pick_flag = false;
  int type_of_pick = 0, global_int1 = 0, global_int2 = 0, global_int3 = 0;
  TPoint begin_point{}, end_point{};
  int pick_filter = 0;
  double pick_tolerance = 0;
  dpoint global_farend_point{};
  bool pick1 = false;
  uint8_t intersection_element1 = 0, intersection_element2 = 0;
  uint32_t global_element_handle4 = 0;

  // Files and printing.
  bool merge_cad = false, fast_load_flag = false, abort2 = false;
  double pscale = 0;
  int plot_window_width = 0, plot_window_height = 0;
  int xpage = 0, ypage = 0, code_format = 0;
};

// Exchanges the current state with s in constant time: vectors are swapped, not copied.
void swap_core_state(CoreState& s);

// The state startup() gives, with an empty store of its own (entries 0 and 1 with empty blocks);
// the current state is left as it was.
CoreState start_core_state();

// Frees every element block of s, a state set aside that shares none with the current one.
void free_core_state(CoreState& s);

}  // namespace orvane
