#include "demo/rubber_band.h"

#include <QEvent>
#include <QPainter>

namespace orvane::demo {

RubberBand::RubberBand(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(parent->rect());
  parent->installEventFilter(this);
  raise();
}

void RubberBand::show_rectangle(QPoint a, QPoint b) {
  rect_ = QRect(a, b).normalized();
  shown_ = true;
  raise();
  update();
}

void RubberBand::erase() {
  shown_ = false;
  update();
}

void RubberBand::paintEvent(QPaintEvent*) {
  if (!shown_) return;
  QPainter painter(this);
  painter.setCompositionMode(QPainter::RasterOp_NotDestination);
  painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  // QPainter's rectangle outline covers one pixel more than its size on each axis.
  painter.drawRect(rect_.adjusted(0, 0, -1, -1));
}

// Follows the parent's size.
bool RubberBand::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return QWidget::eventFilter(watched, event);
}

}  // namespace orvane::demo
