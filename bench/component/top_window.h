// The top window of a 1920 x 1080 widget, as the component benchmarks look at their drawings.
#pragma once

#include "core/core.h"

namespace bench {

inline constexpr int kWidgetWidth = 1920;
inline constexpr int kWidgetHeight = 1080;

// The top window around (0, 0), view_height units high, no axis.
inline void look_at_top(double view_height) {
  orvane::draw_axis_flag = false;
  orvane::current_plot_window = 1;
  orvane::view_window_proc();
  orvane::set_coefficiants();
  orvane::screen_center_x[1] = 0;
  orvane::screen_center_y[1] = 0;
  orvane::view_height[1] = view_height;
  orvane::set_scale(1, kWidgetWidth, kWidgetHeight);
}

}  // namespace bench
