// The handlers of Orvane1's events: the view read-outs, the zoom window's rubber band and the
// mouse read-out.
#include "demo/form1.h"
#include "demo/rubber_band.h"

namespace orvane::demo {

void TForm1::bind_events() {
  Orvane1->OnZoom = [this](TOrvane*, double, double, double) { refresh_view_fields(); };
  Orvane1->OnChangeView = [this](TOrvane*, TDView) { show_rotations(); };
  Orvane1->OnMouseDown = [this](TOrvane*, TMouseButton, TShiftState, int x, int y) {
    mouse_down(x, y);
  };
  Orvane1->OnMouseMove = [this](TOrvane*, TShiftState, int x, int y) { mouse_move(x, y); };
  Orvane1->OnMouseUp = [this](TOrvane*, TMouseButton, TShiftState, int, int) { mouse_up(); };
  Orvane1->OnPick = [this](TOrvane*, int n, const TDPoint& near_end, const TDPoint& far_end,
                           const TDPoint& mid,
                           const TDPoint& closest) { picked(n, near_end, far_end, mid, closest); };
}

void TForm1::mouse_down(int x, int y) {
  if (zoom_armed_) zoom_dragging_ = true;
  if (!zoom_dragging_) return;
  zoom_armed_ = false;
  X0 = X1 = x;
  Y0 = Y1 = y;
}

// The rubber band is drawn where the pointer is: Orvane1's pixels mapped onto the window.
void TForm1::mouse_move(int x, int y) {
  if (zoom_dragging_) {
    X1 = x;
    Y1 = y;
    rubber_band_->show_rectangle(Orvane1->mapTo(centralWidget(), QPoint(X0, Y0)),
                                 Orvane1->mapTo(centralWidget(), QPoint(X1, Y1)));
  }
  if (CheckBox1->isChecked()) Label1->setText(mouse_text(Orvane1->PixelToCoord(x, y)));
}

void TForm1::mouse_up() {
  Orvane1->unsetCursor();
  if (zoom_dragging_) {
    zoom_dragging_ = false;
    unsetCursor();
    rubber_band_->erase();
    Orvane1->ZoomWindow(X0, Y0, X1, Y1);
  }
  refresh_view_fields();
}

}  // namespace orvane::demo
