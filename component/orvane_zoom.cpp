// Zooming, panning and centring the current window.
#include <algorithm>

#include "component/drawing_scope.h"
#include "core/projection.h"
#include "core/state.h"
#include "core/view_fit.h"
#include "core/zoom.h"
#include "orvane/orvane.h"

namespace orvane {

namespace {

constexpr int kMinWindowSide = 4;  // set_scale takes smaller windows as this size
// More notches than this would only push the height against its bounds.
constexpr int kMaxNotches = 64;

// Operations on the current window do nothing while it is not one of the four.
bool current_window(int& w) {
  w = current_plot_window;
  return is_view_number(w);
}

}  // namespace

// The whole drawing as the current window shows it.
void TOrvane::ZoomAll() {
  const DrawingScope scope(own_.get());
  fit_window(current_plot_window, width(), height());
  fit_before_show(current_plot_window);
  Redraw();
  set_onzoom();
}

void TOrvane::ZoomDouble() {
  const DrawingScope scope(own_.get());
  drop_fit(current_plot_window);
  set_scale(4, width(), height());
  Redraw();
  set_onzoom();
}

void TOrvane::ZoomHalf() {
  const DrawingScope scope(own_.get());
  drop_fit(current_plot_window);
  set_scale(3, width(), height());
  Redraw();
  set_onzoom();
}

void TOrvane::ZoomLast() {
  const DrawingScope scope(own_.get());
  drop_fit(current_plot_window);
  set_scale(2, width(), height());
  Redraw();
  set_onzoom();
}

void TOrvane::ZoomWindow(int x1, int y1, int x2, int y2) {
  const DrawingScope scope(own_.get());
  drop_fit(current_plot_window);
  graphics_get_scale(current_plot_window, width(), height(), x1, y1, x2, y2);
  Redraw();
  set_onzoom();
}

// The view coordinates under (x, y) are kept: after the height changes, the centre moves so that
// the same view point lies at (x, y) again.
void TOrvane::ZoomAt(int x, int y, int notches) {
  const DrawingScope scope(own_.get());
  int w;
  if (notches == 0 || !current_window(w)) return;
  drop_fit(w);
  const double u = (x - x_plot_origin[w]) / xscale[w];
  const double v = (y - y_plot_origin[w]) / yscale[w];
  notches = std::clamp(notches, -kMaxNotches, kMaxNotches);
  for (int i = 0; i < notches; ++i)
    view_height[w] /= 2;
  for (int i = 0; i > notches; --i)
    view_height[w] *= 2;
  set_scale(-1, width(), height());  // bounds the height and sets the new scale
  const int half_width = std::max(width(), kMinWindowSide) / 2;
  const int half_height = std::max(height(), kMinWindowSide) / 2;
  screen_center_x[w] = u - (x - half_width) / xscale[w];
  screen_center_y[w] = v - (y - half_height) / yscale[w];
  set_scale(-1, width(), height());
  Redraw();
  set_onzoom();
}

void TOrvane::Pan(double dx, double dy) {
  const DrawingScope scope(own_.get());
  int w;
  if (!current_window(w)) return;
  drop_fit(w);
  screen_center_x[w] += dx;
  screen_center_y[w] += dy;
  set_scale(-1, width(), height());
  Redraw();
}

void TOrvane::ViewCenter(double x, double y) {
  const DrawingScope scope(own_.get());
  SetCenterX(x);
  SetCenterY(y);
  set_scale(-1, width(), height());
  Redraw();
}

void TOrvane::SetViewSize(double s) {
  const DrawingScope scope(own_.get());
  int w;
  if (!current_window(w)) return;
  drop_fit(w);
  view_height[w] = s / 2;
  set_scale(-1, width(), height());
  set_onchangeview();
  Redraw();
}

double TOrvane::GetViewSize() const {
  const DrawingScope scope(own_.get());
  int w;
  return current_window(w) ? 2 * view_height[w] : 0;
}

void TOrvane::SetCenterX(double v) {
  const DrawingScope scope(own_.get());
  int w;
  if (!current_window(w)) return;
  drop_fit(w);
  screen_center_x[w] = v;
  x_plot_origin[w] = width() / 2 - round_pixel(v * xscale[w]);
}

void TOrvane::SetCenterY(double v) {
  const DrawingScope scope(own_.get());
  int w;
  if (!current_window(w)) return;
  drop_fit(w);
  screen_center_y[w] = v;
  y_plot_origin[w] = height() / 2 - round_pixel(v * yscale[w]);
}

double TOrvane::GetCenterX() const {
  const DrawingScope scope(own_.get());
  int w;
  return current_window(w) ? screen_center_x[w] : 0;
}

double TOrvane::GetCenterY() const {
  const DrawingScope scope(own_.get());
  int w;
  return current_window(w) ? screen_center_y[w] : 0;
}

}  // namespace orvane
