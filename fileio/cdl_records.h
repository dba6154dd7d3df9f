// The CDL colour numbers and the re-orientation of circles given in a view of their own.
#pragma once

#include "orvane/canvas.h"

namespace orvane {

// Colour value of a CDL colour number 0..15; black and white turn silver when they would vanish
// on the background, numbers above 15 are green, negative ones silver.
TColor set_cdl_color(int number);

// Re-orients a circle centre given in view 2, 3, 4, 6 or 44 into view 1, 2 or 3; new_view is
// the view the circle is stored in (view itself for any other view).
void fix_circle(double& x, double& y, double& z, int view, int& new_view);

}  // namespace orvane
