// The drawing-wide state: one drawing per process, shared by every component instance.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/records.h"
#include "platform/text_file.h"

namespace orvane {

// Per-view arrays are indexed by view number 1..4; entry 0 is unused.
template <class T>
using per_view = std::array<T, kLastView + 1>;

// One arc view: the rotation of a drawing plane, stored in the order of the coefficients.
struct view_entry {
  double ax = 0, bx = 0, cx = 0;
  double ay = 0, by = 0, cy = 0;
  double az = 0, bz = 0, cz = 0;
  bool defined = false;
};

inline constexpr int kArcViews = 90;
inline constexpr int kLayers = 255;  // layers 0..254

// Element store and extents. Entry n of the element table holds element n's block; the table's
// storage is backed in large pages once it is large.
using HandleTable = std::vector<Handle, TableAllocator<Handle>>;
extern HandleTable element_handle;
extern int last_element_number;
extern double max_element_value;
extern bool mem_full;
extern int global_delete_number;
extern bool has_drawing;
extern bool cad_changed;
extern double min_x, min_y, max_x, max_y;
extern double min_z, max_z;

// Defaults for new elements and drawing options.
extern TColor current_color;
extern int current_line_type;
extern int current_layer;
extern int current_view;
extern std::array<bool, kLayers> visible_layer;
// The names that layers have in the drawing's file (empty where the file gave none).
extern std::array<std::string, kLayers> layer_name;
extern TColor plot_background;
extern bool draw_axis_flag;
extern bool metric_machine;
extern std::array<view_entry, kArcViews + 1> arc_view;  // entries 1..90

// View and scale.
extern int current_plot_window;
extern double view_x, view_y, view_z;
extern double old_view_x, old_view_y, old_view_z;
extern double coff_ax, coff_bx, coff_cx;
extern double coff_ay, coff_by, coff_cy;
extern double coff_az, coff_bz, coff_cz;
extern per_view<double> screen_center_x, screen_center_y;
extern per_view<double> view_height;
extern per_view<double> last_screen_center_x, last_screen_center_y;
extern per_view<double> last_view_height;
extern per_view<double> xscale, yscale;
extern per_view<int> x_plot_origin, y_plot_origin;
extern per_view<bool> window_on;

// Output routing.
extern bool print_on;
extern bool print_monochrome;
extern bool clipboard_on;
extern Canvas* metafilecanvas;
extern bool flash_flag;

// Interaction and picking.
extern bool mouse_pan;
extern bool pan_flag, dynamic_rotate_flag, pick_flag;
extern int type_of_pick, global_int1, global_int2, global_int3;
extern TPoint begin_point, end_point;
extern int pick_filter;
extern double pick_tolerance;
extern dpoint global_farend_point;
extern bool pick1;
extern uint8_t intersection_element1, intersection_element2;
extern uint32_t global_element_handle4;

// Files and printing.
extern int cad_type;
extern bool merge_cad, fast_load_flag, abort2;
extern std::string cdl_filename;
extern TextFile cdlinfile;  // the one text file that every reader reads through
extern double pscale;
extern int plot_window_width, plot_window_height;
extern int xpage, ypage, code_format;

// Texts of the calculation errors.
extern std::array<std::string, 7> calcerrstr;

// A layer is visible when it is one of 0..254 and switched on; any other layer is hidden.
inline bool layer_visible(int layer) {
  return layer >= 0 && layer < kLayers && visible_layer[layer];
}

// Gives every global its start value and the element table its start state: entries 0 and 1
// with empty blocks, so that the first element made is number 2. Runs once when the library
// is loaded; tests call it to begin each case fresh.
void startup();

}  // namespace orvane
