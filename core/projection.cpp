#include "core/projection.h"

#include <cmath>

#include "core/helpers.h"

namespace orvane {

void set_coefficiants() {
  const double a = view_x / kDegPerRad;
  const double b = view_y / kDegPerRad;
  const double c = view_z / kDegPerRad;
  const double sa = std::sin(a), ca = std::cos(a);
  const double sb = std::sin(b), cb = std::cos(b);
  const double sc = std::sin(c), cc = std::cos(c);
  coff_ax = cb * cc;
  coff_bx = -cb * sc;
  coff_cx = sb;
  coff_ay = sa * sb * cc + ca * sc;
  coff_by = -sa * sb * sc + ca * cc;
  coff_cy = -sa * cb;
  coff_az = -ca * sb * cc + sa * sc;
  coff_bz = ca * sb * sc + sa * cc;
  coff_cz = ca * cb;
}

void view_window_proc() {
  switch (current_plot_window) {
    case 1:
      view_x = 0, view_y = 0, view_z = 0;
      break;
    case 2:
      view_x = -90, view_y = 0, view_z = 0;
      break;
    case 3:
      view_x = -90, view_y = 0, view_z = -90;
      break;
    case 4:
      view_x = -70, view_y = 0, view_z = -20;
      break;
    default:
      break;
  }
}

void coord_to_pixel(int w, double x, double y, int& px, int& py) {
  if (!is_view_number(w)) {
    px = py = 0;
    return;
  }
  px = pixel_x(w, x);
  py = pixel_y(w, y);
}

void trans_pixel_coords(int w, int px, int py, double& x, double& y, double& z) {
  x = y = z = 0;
  if (!is_view_number(w)) return;
  const double u = (static_cast<double>(px) - x_plot_origin[w]) / xscale[w];
  const double v = (static_cast<double>(py) - y_plot_origin[w]) / yscale[w];
  switch (w) {
    case 1:
      x = u, y = v;
      break;
    case 2:
      x = u, z = v;
      break;
    case 3:
      y = u, z = v;
      break;
    default: {
      double x3, y3, z3;
      get_3d_point(u, v, 0, x3, y3, z3);
      x = -y3;
      y = x3;
      break;
    }
  }
}

void get_3d_point(double a, double b, double c, double& x, double& y, double& z) {
  constexpr double kAlpha = 0.9553164380543135;
  constexpr double kSixty = 1.0471975511962746;
  constexpr double kThirty = 0.5235987755981373;
  x = std::sin(kAlpha) * (a + b) * std::sin(kSixty);
  y = (std::sin(kThirty) * (b - a) + c) * std::sin(kAlpha);
  z = c;
}

void set_scale_factor(int w, int height) {
  if (!is_view_number(w)) return;
  xscale[w] = (height / 2.0) / view_height[w];
  yscale[w] = -xscale[w];
}

}  // namespace orvane
