// Zoom Window: once armed, the next left drag on the drawing shows a rubber band and zooms to
// the rectangle it spans. Escape (the widget's cancelled signal) drops it.
#pragma once

#include <QObject>
#include <QPoint>

#include <orvane/orvane.h>

class QRubberBand;

namespace viewer {

class ZoomWindowTool : public QObject {
  Q_OBJECT

 public:
  explicit ZoomWindowTool(orvane::TOrvane& drawing);

  void arm();
  bool armed() const { return armed_; }

 signals:
  void finished();

 private:
  void pressed(orvane::TMouseButton button, int x, int y);
  void moved(int x, int y);
  void released(int x, int y);
  void reset();

  orvane::TOrvane& drawing_;
  QRubberBand* band_;
  bool armed_ = false;
  bool dragging_ = false;
  QPoint start_;
};

}  // namespace viewer
