#include "core/drawing.h"

#include <utility>

#include "core/store.h"

namespace orvane {

namespace {

// Applies f to each field of the drawing and the global of the same name, in one list, so that
// no field can be forgotten by one operation and not by another.
template <class F>
void each_field(Drawing& d, F&& f) {
  f(d.element_handle, element_handle);
  f(d.last_element_number, last_element_number);
  f(d.mem_full, mem_full);
  f(d.global_delete_number, global_delete_number);
  f(d.has_drawing, has_drawing);
  f(d.cad_changed, cad_changed);
  f(d.min_x, min_x);
  f(d.min_y, min_y);
  f(d.max_x, max_x);
  f(d.max_y, max_y);
  f(d.min_z, min_z);
  f(d.max_z, max_z);
  f(d.visible_layer, visible_layer);
  f(d.layer_name, layer_name);
  f(d.arc_view, arc_view);
  f(d.metric_machine, metric_machine);
  f(d.cad_type, cad_type);
  f(d.cdl_filename, cdl_filename);
}

}  // namespace

void swap_drawing(Drawing& d) {
  each_field(d, [](auto& field, auto& global) {
    using std::swap;
    swap(field, global);
  });
  // Which low numbers are taken belongs to the table just swapped in; search it afresh.
  reset_free_number_search();
}

Drawing copy_of_drawing() {
  Drawing d;
  each_field(d, [](auto& field, auto& global) { field = global; });
  return d;
}

Drawing empty_drawing_like_current() {
  Drawing d;
  d.visible_layer = visible_layer;
  d.layer_name = layer_name;
  d.arc_view = arc_view;
  d.metric_machine = metric_machine;
  d.cad_type = cad_type;
  d.cdl_filename = cdl_filename;
  // The start state of the table: entries 0 and 1 with empty blocks.
  d.element_handle.assign(2, 0);
  d.element_handle[0] = global_alloc();
  d.element_handle[1] = global_alloc();
  return d;
}

void free_drawing(Drawing& d) {
  for (Handle h : d.element_handle)
    globalfree(h);
  d.element_handle.clear();
  d.element_handle.shrink_to_fit();
}

void free_blocks_added_since(const Drawing& before) {
  const HandleTable& old = before.element_handle;
  for (std::size_t n = 0; n < element_handle.size(); ++n) {
    const Handle h = element_handle[n];
    if (h != 0 && (n >= old.size() || old[n] != h)) globalfree(h);
  }
}

}  // namespace orvane
