#include "core/group.h"

#include "core/rendering.h"
#include "core/state.h"
#include "core/store.h"

namespace orvane {

namespace {

void mark_and_draw(Canvas& canvas, int n, uint8_t mark) {
  TElement* e = lock_element(n);
  if (e == nullptr) return;
  if (!e->deleted) e->group_mark = mark;
  draw_element(canvas, current_plot_window, e);
  globalunlock(element_handle[n]);
}

}  // namespace

void add_to_group(Canvas& canvas, int n) {
  if (n < 0 || n > last_element_number) return;
  if (n > 0) {
    mark_and_draw(canvas, n, 2);
    return;
  }
  for (int i = 1; i <= last_element_number; ++i)
    mark_and_draw(canvas, i, 2);
}

void clear_group(Canvas& canvas) {
  for (int i = 1; i <= last_element_number; ++i)
    mark_and_draw(canvas, i, 0);
}

void delete_group() {
  for (int i = 1; i <= last_element_number; ++i) {
    TElement* e = lock_element(i);
    if (e == nullptr) continue;
    if (!e->deleted && e->group_mark == 2) {
      e->deleted = true;
      e->group_mark = 0;
    }
    globalunlock(element_handle[i]);
  }
}

}  // namespace orvane
