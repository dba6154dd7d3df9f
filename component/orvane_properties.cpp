// The published settings of the widget: each reads or writes a drawing-wide value.
#include "component/drawing_scope.h"
#include "component/orvane_canvas.h"
#include "component/pick.h"
#include "core/state.h"
#include "orvane/orvane.h"

namespace orvane {

TColor TOrvane::GetBackgroundColor() const {
  const DrawingScope scope(own_.get());
  return plot_background;
}

void TOrvane::SetBackgroundColor(TColor value) {
  const DrawingScope scope(own_.get());
  plot_background = value;
  Redraw();
}

TColor TOrvane::GetCurrentColor() const {
  const DrawingScope scope(own_.get());
  return current_color;
}

void TOrvane::SetCurrentColor(TColor value) {
  const DrawingScope scope(own_.get());
  current_color = value;
}

TPenMode TOrvane::GetDrawMode() const {
  const DrawingScope scope(own_.get());
  return canvas_.pen_mode();
}

void TOrvane::SetDrawMode(TPenMode value) {
  const DrawingScope scope(own_.get());
  // A value past the sixteen pen modes names no raster operation; the pen keeps its mode.
  if (value > pmNotXor) return;
  canvas_.SetPenMode(value);
}

int TOrvane::GetLineType() const {
  const DrawingScope scope(own_.get());
  return current_line_type;
}

void TOrvane::SetLineType(int value) {
  const DrawingScope scope(own_.get());
  current_line_type = value;
}

int TOrvane::GetCurrentLayer() const {
  const DrawingScope scope(own_.get());
  return current_layer;
}

void TOrvane::SetCurrentLayer(int value) {
  const DrawingScope scope(own_.get());
  current_layer = value;
}

int TOrvane::GetCadType() const {
  const DrawingScope scope(own_.get());
  return cad_type;
}

void TOrvane::SetCadType(int value) {
  const DrawingScope scope(own_.get());
  cad_type = (value >= 1 && value <= 4) ? value : 1;
}

TDUnits TOrvane::GetUnits() const {
  const DrawingScope scope(own_.get());
  return metric_machine ? uMM : uINCH;
}

void TOrvane::SetUnits(TDUnits value) {
  const DrawingScope scope(own_.get());
  metric_machine = value == uMM;
}

bool TOrvane::GetMousePan() const {
  const DrawingScope scope(own_.get());
  return mouse_pan;
}

void TOrvane::SetMousePan(bool value) {
  const DrawingScope scope(own_.get());
  mouse_pan = value;
}

TDFilter TOrvane::GetPickFilter() const {
  const DrawingScope scope(own_.get());
  return pick_filter_value(pick_filter);
}

void TOrvane::SetPickFilter(TDFilter value) {
  const DrawingScope scope(own_.get());
  pick_filter = pick_filter_code(value);
}

bool TOrvane::GetShowAxis() const {
  const DrawingScope scope(own_.get());
  return draw_axis_flag;
}

void TOrvane::SetShowAxis(bool value) {
  const DrawingScope scope(own_.get());
  draw_axis_flag = value;
}

bool TOrvane::GetVisibleLayer(int layer) const {
  const DrawingScope scope(own_.get());
  return layer >= 0 && layer < kLayers && visible_layer[layer];
}

void TOrvane::SetVisibleLayer(int layer, bool visible) {
  const DrawingScope scope(own_.get());
  if (layer >= 0 && layer < kLayers) visible_layer[layer] = visible;
}

}  // namespace orvane
