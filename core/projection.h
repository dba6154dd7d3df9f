// Model coordinates to pixels and back, in the four views.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/state.h"

namespace orvane {

// Rounds to the nearest integer, halves to even; values beyond the 32-bit range are clamped to
// it and NaN gives 0.
inline int32_t round_pixel(double v) {
  if (std::isnan(v)) return 0;
  v = std::min(std::max(v, static_cast<double>(std::numeric_limits<int32_t>::min())),
               static_cast<double>(std::numeric_limits<int32_t>::max()));
  // The default rounding mode rounds halves to even.
  return static_cast<int32_t>(std::lrint(v));
}

// Recomputes the projection coefficients from view_x, view_y and view_z.
void set_coefficiants();
// Sets the standard rotation angles of current_plot_window.
void view_window_proc();

// View coordinates of a model point in view w: (x, y) in view 1, the coefficient rows otherwise.
inline void view_coordinates(int w, double x, double y, double z, double& vx, double& vy) {
  if (w == 1) {
    vx = x;
    vy = y;
  } else {
    vx = coff_ax * x + coff_bx * y + coff_cx * z;
    vy = coff_ay * x + coff_by * y + coff_cy * z;
  }
}

// Pixel column and row of a view coordinate in view w (which must be 1..4).
inline int32_t pixel_x(int w, double x) {
  return round_pixel(x * xscale[w] + x_plot_origin[w]);
}
inline int32_t pixel_y(int w, double y) {
  return round_pixel(y * yscale[w] + y_plot_origin[w]);
}

// Pixel of the view coordinates (x, y) in view w (1..4; any other view gives pixel 0, 0).
void coord_to_pixel(int w, double x, double y, int& px, int& py);
// The model point under a pixel of view w (1..4; any other view gives the origin).
void trans_pixel_coords(int w, int px, int py, double& x, double& y, double& z);
// The fixed isometric conversion of view coordinates back to a model point.
void get_3d_point(double a, double b, double c, double& x, double& y, double& z);
// Scale of view w for a window of the given pixel height (view w must be 1..4).
void set_scale_factor(int w, int height);

}  // namespace orvane
