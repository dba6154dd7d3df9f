// The drawing as a value: the part of the drawing-wide state that a drawing file defines (its
// elements and extents, arc views, layers, units and file name), listed once, so that a whole
// drawing can be set aside and brought back in constant time. The views, colours and other
// settings of the widget are not part of it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/state.h"

namespace orvane {

struct Drawing {
  HandleTable element_handle;
  int last_element_number = 1;
  bool mem_full = false;
  int global_delete_number = 0;
  bool has_drawing = false;
  bool cad_changed = false;
  double min_x = 0, min_y = 0, max_x = 0, max_y = 0;
  double min_z = 0, max_z = 0;
  std::array<bool, kLayers> visible_layer{};
  std::array<std::string, kLayers> layer_name;
  std::array<view_entry, kArcViews + 1> arc_view;
  bool metric_machine = false;
  int cad_type = 0;
  std::string cdl_filename;
};

// Exchanges the current drawing with d in constant time: the element table is swapped, not
// copied.
void swap_drawing(Drawing& d);

// A copy of the current drawing that shares its element blocks (the table is copied, the blocks
// are not), to bring back with swap_drawing when what was added since is to be undone.
Drawing copy_of_drawing();

// A drawing with the current drawing's settings (layers, arc views, units, file name, type) and
// an empty store in its start state, for a load to read into.
Drawing empty_drawing_like_current();

// Frees every element block of d, a drawing set aside that shares none with the current one,
// and leaves d without elements.
void free_drawing(Drawing& d);

// Frees the blocks that the current table holds and before (a copy of an earlier state of the
// same drawing) does not hold under the same number: what was added since.
void free_blocks_added_since(const Drawing& before);

}  // namespace orvane
