#include "core/core_state.h"

#include <utility>

namespace orvane {

namespace {

// Applies f to each field of the state beside the drawing and the global of the same name, in
// one list, as drawing.cpp does for the drawing.
template <class F>
void each_field(CoreState& s, F&& f) {
  f(s.current_color, current_color);
  f(s.current_line_type, current_line_type);
  f(s.current_layer, current_layer);
  f(s.current_view, current_view);
  f(s.plot_background, plot_background);
  f(s.draw_axis_flag, draw_axis_flag);

  f(s.current_plot_window, current_plot_window);
  f(s.view_x, view_x);
  f(s.view_y, view_y);
  f(s.view_z, view_z);
  f(s.old_view_x, old_view_x);
  f(s.old_view_y, old_view_y);
  f(s.old_view_z, old_view_z);
  f(s.coff_ax, coff_ax);
  f(s.coff_bx, coff_bx);
  f(s.coff_cx, coff_cx);
  f(s.coff_ay, coff_ay);
  f(s.coff_by, coff_by);
  f(s.coff_cy, coff_cy);
  f(s.coff_az, coff_az);
  f(s.coff_bz, coff_bz);
  f(s.coff_cz, coff_cz);
  f(s.screen_center_x, screen_center_x);
  f(s.screen_center_y, screen_center_y);
  f(s.view_height, view_height);
  f(s.last_screen_center_x, last_screen_center_x);
  f(s.last_screen_center_y, last_screen_center_y);
  f(s.last_view_height, last_view_height);
  f(s.xscale, xscale);
  f(s.yscale, yscale);
  f(s.x_plot_origin, x_plot_origin);
  f(s.y_plot_origin, y_plot_origin);
  f(s.window_on, window_on);

  f(s.print_on, print_on);
  f(s.print_monochrome, print_monochrome);
  f(s.clipboard_on, clipboard_on);
  f(s.metafilecanvas, metafilecanvas);
  f(s.flash_flag, flash_flag);

  f(s.mouse_pan, mouse_pan);
  f(s.pan_flag, pan_flag);
  f(s.dynamic_rotate_flag, dynamic_rotate_flag);
  f(s.pick_flag, pick_flag);
  f(s.type_of_pick, type_of_pick);
  f(s.global_int1, global_int1);
  f(s.global_int2, global_int2);
  f(s.global_int3, global_int3);
  f(s.begin_point, begin_point);
  f(s.end_point, end_point);
  f(s.pick_filter, pick_filter);
  f(s.pick_tolerance, pick_tolerance);
  f(s.global_farend_point, global_farend_point);
  f(s.pick1, pick1);
  f(s.intersection_element1, intersection_element1);
  f(s.intersection_element2, intersection_element2);
  f(s.global_element_handle4, global_element_handle4);

  f(s.merge_cad, merge_cad);
  f(s.fast_load_flag, fast_load_flag);
  f(s.abort2, abort2);
  f(s.pscale, pscale);
  f(s.plot_window_width, plot_window_width);
  f(s.plot_window_height, plot_window_height);
  f(s.xpage, xpage);
  f(s.ypage, ypage);
  f(s.code_format, code_format);
}

}  // namespace

void swap_core_state(CoreState& s) {
  swap_drawing(s.drawing);
  each_field(s, [](auto& field, auto& global) {
    using std::swap;
    swap(field, global);
  });
}

CoreState start_core_state() {
  // startup() run on a blank state set in place of the current one: the blank store has no
  // blocks, so nothing of the current drawing is freed, and the values are startup()'s own.
  const double limit = max_element_value;
  CoreState s;
  swap_core_state(s);
  startup();
  swap_core_state(s);
  max_element_value = limit;
  return s;
}

void free_core_state(CoreState& s) {
  free_drawing(s.drawing);
}

}  // namespace orvane
