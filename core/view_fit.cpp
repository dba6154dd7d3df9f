#include "core/view_fit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/helpers.h"
#include "core/projection.h"
#include "core/state.h"
#include "core/store.h"
#include "core/zoom.h"

namespace orvane {

namespace {

struct Vec {
  double x, y, z;
};

// Sets the angles window w is drawn with, and their coefficients, for as long as it lives.
class WindowAngles {
 public:
  explicit WindowAngles(int w)
      : vx_(view_x), vy_(view_y), vz_(view_z), a_{coff_ax, coff_bx, coff_cx, coff_ay, coff_by,
                                                  coff_cy, coff_az, coff_bz, coff_cz} {
    if (w != current_plot_window) {
      if (w == 4) {
        view_x = old_view_x, view_y = old_view_y, view_z = old_view_z;
      } else {
        const int current = current_plot_window;
        current_plot_window = w;
        view_window_proc();
        current_plot_window = current;
      }
    }
    set_coefficiants();
  }
  ~WindowAngles() {
    view_x = vx_, view_y = vy_, view_z = vz_;
    coff_ax = a_[0], coff_bx = a_[1], coff_cx = a_[2];
    coff_ay = a_[3], coff_by = a_[4], coff_cy = a_[5];
    coff_az = a_[6], coff_bz = a_[7], coff_cz = a_[8];
  }
  WindowAngles(const WindowAngles&) = delete;
  WindowAngles& operator=(const WindowAngles&) = delete;

 private:
  double vx_, vy_, vz_;
  double a_[9];
};

class Box {
 public:
  void add(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    x1 = std::min(x1, x), x2 = std::max(x2, x);
    y1 = std::min(y1, y), y2 = std::max(y2, y);
    any = true;
  }
  bool any = false;
  double x1 = HUGE_VAL, y1 = HUGE_VAL, x2 = -HUGE_VAL, y2 = -HUGE_VAL;
};

// The model point of an arc's plane coordinates, as drawing places it.
Vec in_arc_plane(double u, double p, double d, int view) {
  if (view == -2) return {u, d, p};
  if (view == -3) return {d, u, p};
  if (view < 1 || view > kArcViews) return {u, p, d};
  const view_entry& v = arc_view[view];
  return {v.ax * u + v.ay * p + v.az * d, v.bx * u + v.by * p + v.bz * d,
          v.cx * u + v.cy * p + v.cz * d};
}

bool within_sweep(double t, double start, double sweep) {
  double d = std::fmod(t - start, 360.0);
  if (d < 0) d += 360;
  return d <= sweep;
}

// An arc's ends and the points where its view coordinates turn, in view coordinates.
void add_arc(Box& box, int w, const double* g, int view) {
  const double sweep = get_arc_angle(g[4], g[5], 3);
  const auto at = [&](double t) {
    const double r = t / kDegPerRad;
    const Vec m = in_arc_plane(g[0] + g[3] * std::cos(r), g[1] + g[3] * std::sin(r), g[2], view);
    double x, y;
    view_coordinates(w, m.x, m.y, m.z, x, y);
    box.add(x, y);
  };
  at(g[4]);
  at(g[4] + sweep);
  // Each view coordinate is c + a cos t + b sin t, extreme where tan t = b / a.
  const Vec c = in_arc_plane(g[0], g[1], g[2], view);
  const Vec u0 = in_arc_plane(g[0] + 1, g[1], g[2], view);
  const Vec v0 = in_arc_plane(g[0], g[1] + 1, g[2], view);
  double cx, cy, ux, uy, vx, vy;
  view_coordinates(w, c.x, c.y, c.z, cx, cy);
  view_coordinates(w, u0.x, u0.y, u0.z, ux, uy);
  view_coordinates(w, v0.x, v0.y, v0.z, vx, vy);
  for (const double turn : {std::atan2(vx - cx, ux - cx), std::atan2(vy - cy, uy - cy)}) {
    for (const double t : {turn, turn + std::numbers::pi}) {
      const double deg = t * kDegPerRad;
      if (within_sweep(deg, g[4], sweep)) at(deg);
    }
  }
}

void add_element(Box& box, int w, const TElement& e) {
  const double* g = e.values;
  double x, y;
  switch (e.element_type) {
    case kPoint:
      view_coordinates(w, g[0], g[1], g[2], x, y);
      box.add(x, y);
      break;
    case kLine:
      view_coordinates(w, g[0], g[1], g[2], x, y);
      box.add(x, y);
      view_coordinates(w, g[3], g[4], g[5], x, y);
      box.add(x, y);
      break;
    case kArc:
      add_arc(box, w, g, e.view);
      break;
    case kCircle:  // drawn about (x, y) as view coordinates in every window
      box.add(g[0] - std::abs(g[3]), g[1] - std::abs(g[3]));
      box.add(g[0] + std::abs(g[3]), g[1] + std::abs(g[3]));
      break;
    default:
      break;
  }
}

}  // namespace

bool projected_extents(int w, double& x1, double& y1, double& x2, double& y2) {
  if (!is_view_number(w)) return false;
  const WindowAngles angles(w);
  Box box;
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e != nullptr && !e->deleted && layer_visible(e->layer)) add_element(box, w, *e);
  }
  if (!box.any) return false;
  x1 = box.x1, y1 = box.y1, x2 = box.x2, y2 = box.y2;
  return true;
}

void fit_window(int w, int width, int height) {
  if (!is_view_number(w)) return;
  double x1, y1, x2, y2;
  const bool projected = w != 1 && projected_extents(w, x1, y1, x2, y2);
  const int current = current_plot_window;
  current_plot_window = w;
  if (!projected) {
    // The second pass measures the extents at the scale the first one chose.
    set_scale(0, width, height);
    set_scale(0, width, height);
  } else {
    width = std::max(width, 4);
    height = std::max(height, 4);
    last_view_height[w] = view_height[w];
    last_screen_center_x[w] = screen_center_x[w];
    last_screen_center_y[w] = screen_center_y[w];
    const double m = std::min(width, height);
    view_height[w] = std::max(x2 - x1, y2 - y1) * (height / 2.0) / (m - round_pixel(0.1 * m));
    screen_center_x[w] = x1 + (x2 - x1) / 2;
    screen_center_y[w] = y1 + (y2 - y1) / 2;
    set_scale(-1, width, height);  // bounds the height, then scale and origin
  }
  current_plot_window = current;
}

void fit_all_windows(int width, int height) {
  for (int w = kFirstView; w <= kLastView; ++w)
    fit_window(w, width, height);
}

}  // namespace orvane
