#include "core/state.h"

#include "core/store.h"

namespace orvane {

HandleTable element_handle;
int last_element_number = 1;
double max_element_value = 1.0e9;
bool mem_full = false;
int global_delete_number = 0;
bool has_drawing = false;
bool cad_changed = false;
double min_x = 0, min_y = 0, max_x = 0, max_y = 0;
double min_z = 0, max_z = 0;

TColor current_color = 0x00FF00;
int current_line_type = 0;
int current_layer = 1;
int current_view = 1;
std::array<bool, kLayers> visible_layer;
std::array<std::string, kLayers> layer_name;
TColor plot_background = 0;
bool draw_axis_flag = false;
bool metric_machine = false;
std::array<view_entry, kArcViews + 1> arc_view;

int current_plot_window = 1;
double view_x = -70, view_y = 0, view_z = -20;
double old_view_x = -70, old_view_y = 0, old_view_z = -20;
double coff_ax = 0, coff_bx = 0, coff_cx = 0;
double coff_ay = 0, coff_by = 0, coff_cy = 0;
double coff_az = 0, coff_bz = 0, coff_cz = 0;
per_view<double> screen_center_x, screen_center_y;
per_view<double> view_height;
per_view<double> last_screen_center_x, last_screen_center_y;
per_view<double> last_view_height;
per_view<double> xscale, yscale;
per_view<int> x_plot_origin, y_plot_origin;
per_view<bool> window_on;

bool print_on = false;
bool print_monochrome = false;
bool clipboard_on = false;
Canvas* metafilecanvas = nullptr;
bool flash_flag = false;

bool mouse_pan = true;
bool pan_flag = false, dynamic_rotate_flag = false, pick_flag = false;
int type_of_pick = 0, global_int1 = 0, global_int2 = 0, global_int3 = 0;
TPoint begin_point, end_point;
int pick_filter = fAll;
double pick_tolerance = 6.0;
dpoint global_farend_point;
bool pick1 = false;
uint8_t intersection_element1 = 0, intersection_element2 = 0;
uint32_t global_element_handle4 = 0;

int cad_type = 0;
bool merge_cad = false, fast_load_flag = false, abort2 = false;
std::string cdl_filename;
TextFile cdlinfile;
double pscale = 0;
int plot_window_width = 0, plot_window_height = 0;
int xpage = 0, ypage = 0, code_format = 0;

std::array<std::string, 7> calcerrstr;

namespace {

void start_arc_views() {
  arc_view.fill(view_entry{});
  view_entry& top = arc_view[1];
  top.ax = top.by = top.cz = 1;
  view_entry& front = arc_view[2];
  front.ax = 1;
  front.cy = 1;
  front.bz = -1;
  view_entry& side = arc_view[3];
  side.bx = 1;
  side.cy = 1;
  side.az = 1;
  for (int v = 1; v <= 4; ++v)
    arc_view[v].defined = true;
}

void start_store() {
  note_store_change();
  for (Handle h : element_handle)
    global_free(h);
  element_handle.assign(2, 0);
  element_handle[0] = global_alloc();
  element_handle[1] = global_alloc();
  last_element_number = 1;
  reset_free_number_search();
  max_element_value = 1.0e9;
  mem_full = false;
  global_delete_number = 0;
  has_drawing = false;
  cad_changed = false;
  min_x = min_y = max_x = max_y = 0;
  min_z = max_z = 0;
}

void start_defaults() {
  current_color = 0x00FF00;
  current_line_type = 0;
  current_layer = 1;
  current_view = 1;
  visible_layer.fill(true);
  layer_name.fill(std::string());
  plot_background = 0;
  draw_axis_flag = false;
  metric_machine = false;
  start_arc_views();
}

void start_views() {
  current_plot_window = 1;
  view_x = old_view_x = -70;
  view_y = old_view_y = 0;
  view_z = old_view_z = -20;
  coff_ax = coff_bx = coff_cx = 0;
  coff_ay = coff_by = coff_cy = 0;
  coff_az = coff_bz = coff_cz = 0;
  screen_center_x.fill(0);
  screen_center_y.fill(0);
  view_height.fill(10);
  last_screen_center_x.fill(0);
  last_screen_center_y.fill(0);
  last_view_height.fill(0);
  xscale.fill(1);
  yscale.fill(-1);
  x_plot_origin.fill(10);
  y_plot_origin.fill(10);
  window_on.fill(false);
}

void start_routing_and_interaction() {
  print_on = print_monochrome = clipboard_on = false;
  metafilecanvas = nullptr;
  flash_flag = false;
  mouse_pan = true;
  pan_flag = dynamic_rotate_flag = pick_flag = false;
  type_of_pick = global_int1 = global_int2 = global_int3 = 0;
  begin_point = end_point = TPoint{};
  pick_filter = fAll;
  pick_tolerance = 6.0;
  global_farend_point = dpoint{};
  pick1 = false;
  intersection_element1 = intersection_element2 = 0;
  global_element_handle4 = 0;
}

void start_files() {
  cad_type = 0;
  merge_cad = fast_load_flag = abort2 = false;
  cdl_filename.clear();
  cdlinfile.Close();
  pscale = 0;
  plot_window_width = plot_window_height = 0;
  xpage = ypage = code_format = 0;
  calcerrstr = {"PARALLEL LINES",         "UNDEFINED LINE",
                "ARC DOES NOT INTERSECT", "RADIUS DOES NOT INTERSECT",
                "CONCENTRIC CIRCLES",     "CAN'T ALLOCATE MEMORY",
                "3 POINTS ON SAME LINE"};
}

// The state is ready before main() and before any component exists.
const bool started = (startup(), true);

}  // namespace

void startup() {
  start_store();
  start_defaults();
  start_views();
  start_routing_and_interaction();
  start_files();
}

}  // namespace orvane
