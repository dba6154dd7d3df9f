// The group: the elements whose group_mark is 2.
#pragma once

#include "orvane/canvas.h"

namespace orvane {

// n = 0 puts every element into the group, n in 1..last_element_number element n alone; each
// element touched is redrawn at once. Any other n does nothing.
void add_to_group(Canvas& canvas, int n);
// Clears every element's group_mark (highlights included) and redraws each.
void clear_group(Canvas& canvas);
// Marks every group member deleted, without drawing.
void delete_group();

}  // namespace orvane
