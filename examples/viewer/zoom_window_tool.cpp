#include "zoom_window_tool.h"

#include <QRect>
#include <QRubberBand>

namespace viewer {

ZoomWindowTool::ZoomWindowTool(orvane::TOrvane& drawing)
    : QObject(&drawing),
      drawing_(drawing),
      band_(new QRubberBand(QRubberBand::Rectangle, &drawing)) {
  connect(&drawing, &orvane::TOrvane::mouseDown, this,
          [this](orvane::TMouseButton b, orvane::TShiftState, int x, int y) { pressed(b, x, y); });
  connect(&drawing, &orvane::TOrvane::mouseMove, this,
          [this](orvane::TShiftState, int x, int y) { moved(x, y); });
  connect(&drawing, &orvane::TOrvane::mouseUp, this,
          [this](orvane::TMouseButton, orvane::TShiftState, int x, int y) { released(x, y); });
  connect(&drawing, &orvane::TOrvane::cancelled, this, &ZoomWindowTool::reset);
}

void ZoomWindowTool::arm() {
  armed_ = true;
  drawing_.setCursor(Qt::CrossCursor);
}

void ZoomWindowTool::pressed(orvane::TMouseButton button, int x, int y) {
  if (!armed_ || button != orvane::mbLeft) return;
  dragging_ = true;
  start_ = QPoint(x, y);
  band_->setGeometry(QRect(start_, QSize()));
  band_->show();
}

void ZoomWindowTool::moved(int x, int y) {
  if (dragging_) band_->setGeometry(QRect(start_, QPoint(x, y)).normalized());
}

void ZoomWindowTool::released(int x, int y) {
  if (!dragging_) return;
  const QPoint start = start_;
  reset();
  // A click without a drag spans no rectangle; the widget ignores it.
  drawing_.ZoomWindow(start.x(), start.y(), x, y);
  emit finished();
}

void ZoomWindowTool::reset() {
  armed_ = false;
  dragging_ = false;
  band_->hide();
  drawing_.unsetCursor();
}

}  // namespace viewer
