// The published settings of the widget: each reads or writes a drawing-wide value.
#include "component/orvane_canvas.h"
#include "component/pick.h"
#include "core/state.h"
#include "orvane/orvane.h"

namespace orvane {

TColor TOrvane::GetBackgroundColor() const {
  return plot_background;
}

void TOrvane::SetBackgroundColor(TColor value) {
  plot_background = value;
  Redraw();
}

TColor TOrvane::GetCurrentColor() const {
  return current_color;
}

void TOrvane::SetCurrentColor(TColor value) {
  current_color = value;
}

TPenMode TOrvane::GetDrawMode() const {
  return canvas_.pen_mode();
}

void TOrvane::SetDrawMode(TPenMode value) {
  // A value past the sixteen pen modes names no raster operation; the pen keeps its mode.
  if (value > pmNotXor) return;
  canvas_.SetPenMode(value);
}

int TOrvane::GetLineType() const {
  return current_line_type;
}

void TOrvane::SetLineType(int value) {
  current_line_type = value;
}

int TOrvane::GetCurrentLayer() const {
  return current_layer;
}

void TOrvane::SetCurrentLayer(int value) {
  current_layer = value;
}

int TOrvane::GetCadType() const {
  return cad_type;
}

void TOrvane::SetCadType(int value) {
  cad_type = (value >= 1 && value <= 4) ? value : 1;
}

TDUnits TOrvane::GetUnits() const {
  return metric_machine ? uMM : uINCH;
}

void TOrvane::SetUnits(TDUnits value) {
  metric_machine = value == uMM;
}

bool TOrvane::GetMousePan() const {
  return mouse_pan;
}

void TOrvane::SetMousePan(bool value) {
  mouse_pan = value;
}

TDFilter TOrvane::GetPickFilter() const {
  return pick_filter_value(pick_filter);
}

void TOrvane::SetPickFilter(TDFilter value) {
  pick_filter = pick_filter_code(value);
}

bool TOrvane::GetShowAxis() const {
  return draw_axis_flag;
}

void TOrvane::SetShowAxis(bool value) {
  draw_axis_flag = value;
}

bool TOrvane::GetVisibleLayer(int layer) const {
  return layer >= 0 && layer < kLayers && visible_layer[layer];
}

void TOrvane::SetVisibleLayer(int layer, bool visible) {
  if (layer >= 0 && layer < kLayers) visible_layer[layer] = visible;
}

}  // namespace orvane
