// Zoom arithmetic on the per-view height, centre, scale and origin.
#pragma once

namespace orvane {

// Zoom operation on current_plot_window for a window of width x height pixels:
// 0 to the extents, 2 back to the previous view, 3 out by two, 4 in by two; any other code
// only recomputes the scale and origin.
void set_scale(double code, int width, int height);
// Zooms view w so that the pixel rectangle (x1, y1)-(x2, y2) fills the window; false, with
// nothing changed, for a rectangle of zero width or height.
bool graphics_get_scale(int w, int width, int height, int x1, int y1, int x2, int y2);
// Resets view w to a fixed home view and the extents around it.
void init_plot_origin(int w, int width, int height);

}  // namespace orvane
