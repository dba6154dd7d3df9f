// Fitting a window to the drawing as that window shows it.
#pragma once

namespace orvane {

// The box of every undeleted element on a visible layer in the view coordinates of window w,
// projected with the rotation w shows (the current angles for the current window, the standard
// ones for the front and side windows, the remembered isometric ones for the isometric window).
// False when no such element has finite coordinates.
bool projected_extents(int w, double& x1, double& y1, double& x2, double& y2);

// Zooms window w to the drawing as it shows it, for a window of width x height pixels. The top
// window runs set_scale code 0 twice on the drawing's x/y extents. The others fit the projected
// extents with the same margin: the larger span covers the smaller window side less a tenth.
// A window with nothing to measure falls back to set_scale code 0. current_plot_window is kept.
void fit_window(int w, int width, int height);

// fit_window for each of the four windows.
void fit_all_windows(int width, int height);

}  // namespace orvane
