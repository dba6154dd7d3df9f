// Pick mode: armed by Pick, carried out by the next mouse release.
#include "component/drawing_scope.h"
#include "component/orvane_element_table.h"
#include "component/pick.h"
#include "core/state.h"
#include "orvane/orvane.h"

namespace orvane {

namespace {

constexpr int kEndPick = 10;  // type_of_pick: the end of a line or arc nearer to the pointer

}  // namespace

void TOrvane::Pick() {
  const DrawingScope scope(own_.get());
  Pick(true);
}

void TOrvane::Pick(bool value) {
  const DrawingScope scope(own_.get());
  type_of_pick = kEndPick;
  pick_flag = value;
}

// A miss reports nothing; either way the mode is over.
void TOrvane::finish_pick(int x, int y) {
  const DrawingScope scope(own_.get());
  pick_flag = false;
  ensure_element_table();
  int number = 0;
  dpoint near_end, far_end, mid, closest;
  if (pick2(static_cast<uint8_t>(pick_filter), x, y, number, near_end, far_end, mid, closest)) {
    set_onpick(number, near_end, far_end, mid, closest);
  }
}

}  // namespace orvane
