#include "component/orvane_element_table.h"

#include "core/state.h"
#include "core/store.h"

namespace orvane {

void release_element_table() {
  destroy_all_elements();
  for (Handle h : element_handle)
    globalfree(h);
  element_handle.clear();
  element_handle.shrink_to_fit();
  reset_free_number_search();
}

void ensure_element_table() {
  if (!element_handle.empty()) return;
  note_store_change();
  element_handle.assign(2, 0);
  element_handle[0] = global_alloc();
  element_handle[1] = global_alloc();
  last_element_number = 1;
  reset_free_number_search();
}

}  // namespace orvane
