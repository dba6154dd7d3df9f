#include "core/store.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <vector>

#include "core/helpers.h"
#include "core/rendering.h"
#include "core/state.h"
#include "platform/element_memory.h"

namespace orvane {

uint64_t store_change_count = 0;

namespace {

// The table holds last_element_number + 2 entries, which must stay within int.
constexpr int kMaxElementNumber = std::numeric_limits<int>::max() - 2;

// Every number below this one holds a block, so the search for a free number starts here.
int first_maybe_free = 1;

bool in_range(double v) {
  return v >= -max_element_value && v <= max_element_value;
}

void reset_extents() {
  max_x = max_y = max_z = -100;
  min_x = min_y = 100;
}

// Frees every block but entry 0's, those stored past last_element_number too, so none leaks.
void free_blocks_from_1() {
  for (std::size_t n = 1; n < element_handle.size(); ++n) {
    globalfree(element_handle[n]);
    element_handle[n] = 0;
  }
  reset_free_number_search();
}

// Resizes the handle table to size entries, doubling its capacity when full. A new buffer has its
// pages backed before the entries are copied in, so that a first fill takes no fault per page.
void grow_table(std::size_t size) {
  if (size > element_handle.capacity()) {
    // From a quarter of a large page on, whole large pages, which the table storage backs
    // without a fault per page.
    constexpr std::size_t kPerStep = element_memory::kCommitStep / sizeof(Handle);
    std::size_t capacity = std::max(size, 2 * element_handle.capacity());
    if (capacity >= kPerStep / 4) capacity = (capacity + kPerStep - 1) / kPerStep * kPerStep;
    HandleTable bigger;
    bigger.reserve(capacity);
    element_memory::populate(bigger.data(), bigger.capacity() * sizeof(Handle));
    bigger.assign(element_handle.begin(), element_handle.end());
    element_handle.swap(bigger);
  }
  element_handle.resize(size, 0);
}

void grow_x_y(double x, double y) {
  if (x > max_x) max_x = x;
  if (x < min_x) min_x = x;
  if (y > max_y) max_y = y;
  if (y < min_y) min_y = y;
}

void clamp_extents() {
  if (min_x < -10000) min_x = -10000;
  if (min_y < -10000) min_y = -10000;
  if (max_x > 10000) max_x = 10000;
  if (max_y > 10000) max_y = 10000;
}

}  // namespace

void globalfree(Handle h) {
  if (h != 0) note_store_change();
  global_free(h);
}
bool isbadreadptr(const TElement* e, std::size_t) {
  return e == nullptr;
}

TElement* lock_element(int n) {
  if (n < 1 || n > last_element_number || n >= static_cast<int>(element_handle.size())) {
    return nullptr;
  }
  return globallock(element_handle[n]);
}

void reset_free_number_search() {
  first_maybe_free = 1;
}

bool check_max_min(int element_type, double& g1, double& g2, double& g3, double& g4, double&,
                   double&) {
  switch (element_type) {
    case kPoint:
      if (!in_range(g1) || !in_range(g2)) return false;
      break;
    case kLine:
    case kArc:
    case kCircle:
      if (!in_range(g1) || !in_range(g2) || !in_range(g4)) return false;
      break;
    default:
      return false;
  }
  if (!in_range(g3)) g3 = 0;
  return true;
}

int make_element(int number, uint8_t element_type, double g1, double g2, double g3, double g4,
                 double g5, double g6, TColor color, int line_type, int layer, int group_mark,
                 int view) {
  if (number < 1 || number >= static_cast<int>(element_handle.size())) return 0;
  if (group_mark < 0 || group_mark > 255) return 0;
  if (!check_max_min(element_type, g1, g2, g3, g4, g5, g6)) return 0;
  if (mem_full) return 0;
  Handle& h = element_handle[number];
  if (h == 0) h = global_alloc();
  if (h == 0) {
    mem_full = true;
    return 0;
  }
  TElement* e = globallock(h);
  note_store_change();
  e->element_type = element_type;
  if (element_type == kArc && std::abs(g5 - g6) < 0.0001) {
    g5 = 0;
    g6 = 360;
  }
  const double g[6] = {g1, g2, g3, g4, g5, g6};
  std::copy(g, g + 6, e->values);
  e->color = color;
  e->line_type = line_type;
  e->layer = (layer >= 1 && layer <= 254) ? layer : 252;
  e->group_mark = static_cast<uint8_t>(group_mark);
  e->view = view;
  if (line_type == 10 || line_type == 20) {
    e->line_type = line_type / 10;
  } else {
    cad_changed = true;
    set_max_min(e);
  }
  globalunlock(h);
  has_drawing = true;
  return number;
}

int get_new_element_number() {
  const int table_last = static_cast<int>(element_handle.size()) - 1;
  const int last = std::min(last_element_number, table_last);
  while (first_maybe_free <= last && element_handle[first_maybe_free] != 0)
    ++first_maybe_free;
  if (first_maybe_free <= last) return first_maybe_free;
  // Past the end. An entry beyond last_element_number may already hold a block (stored there
  // directly); skip it rather than hand out a number that would overwrite it.
  do {
    // No number is left, or the table cannot grow: 0, which make_element refuses.
    if (last_element_number >= kMaxElementNumber) return 0;
    try {
      grow_table(static_cast<std::size_t>(last_element_number) + 3);
    } catch (const std::bad_alloc&) {
      mem_full = true;
      return 0;
    }
    ++last_element_number;
  } while (element_handle[last_element_number] != 0);
  first_maybe_free = last_element_number;
  return last_element_number;
}

void delete_element(Canvas& canvas, Handle h) {
  if (h == 0) return;
  TElement* e = globallock(h);
  if (isbadreadptr(e, sizeof(TElement))) return;
  cad_changed = true;
  e->group_mark = 3;
  for (int w = kFirstView; w <= kLastView; ++w) {
    if (window_on[w]) draw_element(canvas, w, e);
  }
  e->group_mark = 0;
  e->deleted = true;
  ++global_delete_number;
  e->delete_number = global_delete_number;
  globalunlock(h);
}

void destroy_all_elements() {
  note_store_change();
  free_blocks_from_1();
  element_handle.resize(2);
  element_handle[1] = 0;
  last_element_number = 1;
  mem_full = false;
  reset_extents();
}

void orvane_destroy() {
  note_store_change();
  if (!element_handle.empty()) free_blocks_from_1();
  last_element_number = 0;
  mem_full = false;
  reset_extents();
}

void set_max_min(const TElement* e) {
  if (e == nullptr) return;
  const double* g = e->values;
  switch (e->element_type) {
    case kPoint:
      grow_x_y(g[0], g[1]);
      break;
    case kLine:
      grow_x_y(g[0], g[1]);
      grow_x_y(g[3], g[4]);
      break;
    case kArc:
      if (g[5] - g[4] > 180) {
        const double r = g[3];
        grow_x_y(g[0] + r, g[1] + r);
        grow_x_y(g[0] - r, g[1] - r);
      } else {
        double x1, y1, x2, y2;
        get_arc_end_points(e, x1, y1, x2, y2);
        grow_x_y(x1, y1);
        grow_x_y(x2, y2);
      }
      break;
    case kCircle: {
      // Circles count with their whole box, so that zooming to the extents shows them.
      const double r = std::abs(g[3]);
      grow_x_y(g[0] + r, g[1] + r);
      grow_x_y(g[0] - r, g[1] - r);
      break;
    }
    default:
      break;
  }
  clamp_extents();
}

void start_max_min() {
  max_x = max_y = -900;
  min_x = min_y = 900;
}

void get_max_min() {
  start_max_min();
  for (int n = 1; n <= last_element_number; ++n) {
    TElement* e = lock_element(n);
    if (e == nullptr) continue;
    if (!e->deleted && layer_visible(e->layer)) set_max_min(e);
    globalunlock(element_handle[n]);
  }
}

}  // namespace orvane
