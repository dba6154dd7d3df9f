// The element store: numbered elements in blocks of element memory, and the drawing extents.
#pragma once

#include "core/records.h"

namespace orvane {

// Counts the changes to the store that can move or remove what an element draws: elements made,
// rewritten or freed. Caches over the elements (the spatial index) are stale when it moved on.
// Code that writes an element's type, values or view through a locked pointer calls
// note_store_change.
extern uint64_t store_change_count;
inline void note_store_change() {
  ++store_change_count;
}

// Stores an element under number and returns the number, or 0 when it is refused: the number
// is not 1..the last table entry, group_mark is not 0..255, the type is unknown, a coordinate
// is out of range, or memory is exhausted (mem_full). Line types 10 and 20 store 1 and 2 and
// leave the extents and cad_changed alone.
int make_element(int number, uint8_t element_type, double g1, double g2, double g3, double g4,
                 double g5, double g6, TColor color, int line_type, int layer, int group_mark,
                 int view);

// The lowest free number, or a new number past the end (which grows the table).
int get_new_element_number();

// Marks the element of handle h deleted, erasing it first in every view of window_on.
void delete_element(Canvas& canvas, Handle h);

// Frees every element; numbering starts again at 1.
void destroy_all_elements();
// Frees every element for the component's destructor; the table keeps its size.
void orvane_destroy();

inline TElement* globallock(Handle h) {
  return static_cast<TElement*>(global_lock(h));
}
inline void globalunlock(Handle h) {
  global_unlock(h);
}
void globalfree(Handle h);
bool isbadreadptr(const TElement* e, std::size_t size);

// The element of number n, or nullptr for a number outside 1..last_element_number or a free one.
TElement* lock_element(int n);

bool check_max_min(int element_type, double& g1, double& g2, double& g3, double& g4, double& g5,
                   double& g6);
void set_max_min(const TElement* e);
// Recomputes the extents from every live element on a visible layer.
void get_max_min();
// The extents get_max_min starts from before any element counts. A reader that starts them so
// on an empty store, and makes only elements that count on visible layers, has the extents
// get_max_min would give once it is done.
void start_max_min();

// Forgets which low numbers are known to be taken; every routine that frees table entries
// calls it.
void reset_free_number_search();

}  // namespace orvane
