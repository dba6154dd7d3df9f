#include "core/zoom.h"

#include <algorithm>
#include <cmath>

#include "core/projection.h"
#include "core/state.h"

namespace orvane {

namespace {

constexpr double kMinViewHeight = 0.04;
// A thousand times the largest coordinate an element may have.
constexpr double kMaxViewHeight = 1.0e12;

// Keeps the height within 0.04 and a ceiling. Without the ceiling, zooming out long enough
// would reach infinity, and no zoom in could bring the drawing back. A NaN height (from a NaN
// extent) would poison every later pixel: it becomes the minimum.
void bound_view_height(int w) {
  if (!(view_height[w] >= kMinViewHeight)) view_height[w] = kMinViewHeight;
  if (view_height[w] > kMaxViewHeight) view_height[w] = kMaxViewHeight;
}

void save_view(int w) {
  last_view_height[w] = view_height[w];
  last_screen_center_x[w] = screen_center_x[w];
  last_screen_center_y[w] = screen_center_y[w];
}

// The pixel of view coordinate (0, 0), so that the view centre lies at the window centre.
void set_origin(int w, int width, int height) {
  const double cx = round_pixel(screen_center_x[w] * xscale[w]);
  const double cy = round_pixel(screen_center_y[w] * yscale[w]);
  x_plot_origin[w] = round_pixel(width / 2 - cx);
  y_plot_origin[w] = round_pixel(height / 2 - cy);
}

void zoom_to_extents(int w, int width, int height) {
  save_view(w);
  int col1, row1, col2, row2;
  coord_to_pixel(w, min_x, min_y, col1, row1);
  coord_to_pixel(w, max_x, max_y, col2, row2);
  if (row1 == row2 || col1 == col2) {
    view_height[w] = max_y - min_y;
    if (view_height[w] < kMinViewHeight) {
      view_height[w] = kMinViewHeight;
      max_x = max_y = kMinViewHeight;
      min_x = min_y = -kMinViewHeight;
    }
  } else {
    const double dx = std::abs(static_cast<double>(col1) - col2);
    const double dy = std::abs(static_cast<double>(row1) - row2);
    const double m = std::min(width, height);
    view_height[w] = view_height[w] * std::max(dx, dy) / (m - round_pixel(0.1 * m));
  }
  bound_view_height(w);
  screen_center_x[w] = min_x + (max_x - min_x) / 2;
  screen_center_y[w] = min_y + (max_y - min_y) / 2;
  if (w == 4) {
    double x, y, z;
    get_3d_point(screen_center_x[w], screen_center_y[w], 0, x, y, z);
    screen_center_x[w] = x;
    screen_center_y[w] = y;
  }
}

void swap_with_previous(int w) {
  std::swap(view_height[w], last_view_height[w]);
  std::swap(screen_center_x[w], last_screen_center_x[w]);
  std::swap(screen_center_y[w], last_screen_center_y[w]);
}

}  // namespace

void set_scale(double code, int width, int height) {
  const int w = current_plot_window;
  if (!is_view_number(w)) return;
  width = std::max(width, 4);
  height = std::max(height, 4);
  if (code == 0) {
    zoom_to_extents(w, width, height);
  } else if (code == 2) {
    swap_with_previous(w);
  } else if (code == 4) {
    view_height[w] /= 2;
    last_view_height[w] = view_height[w];
  } else if (code == 3) {
    view_height[w] *= 2;
  }
  bound_view_height(w);
  set_scale_factor(w, height);
  set_origin(w, width, height);
}

bool graphics_get_scale(int w, int width, int height, int x1, int y1, int x2, int y2) {
  if (!is_view_number(w) || x1 == x2 || y1 == y2) return false;
  // A window of no size would give an infinite height.
  width = std::max(width, 4);
  height = std::max(height, 4);
  save_view(w);
  const double dx = std::abs(static_cast<double>(x1) - x2);
  const double dy = std::abs(static_cast<double>(y1) - y2);
  if (dy < dx) {
    view_height[w] = view_height[w] / (width / dx);
  } else {
    view_height[w] = view_height[w] / (height / dy);
  }
  bound_view_height(w);
  const int mx = round_pixel(x1 + (static_cast<double>(x2) - x1) / 2);
  const int my = round_pixel(y1 + (static_cast<double>(y2) - y1) / 2);
  screen_center_x[w] += (static_cast<double>(mx) - width / 2) / xscale[w];
  screen_center_y[w] += (static_cast<double>(my) - height / 2) / yscale[w];
  set_scale_factor(w, height);
  set_origin(w, width, height);
  return true;
}

void init_plot_origin(int w, int width, int height) {
  if (!is_view_number(w)) return;
  view_height[w] = last_view_height[w] = 20;
  screen_center_x[w] = last_screen_center_x[w] = 0;
  screen_center_y[w] = last_screen_center_y[w] = 10;
  set_scale_factor(w, height);
  set_origin(w, width, height);
  max_x = screen_center_x[w] + view_height[w] / 2;
  max_y = screen_center_y[w] + view_height[w] / 2;
  min_x = screen_center_x[w] - view_height[w] / 2;
  min_y = screen_center_y[w] - view_height[w] / 2;
}

}  // namespace orvane
