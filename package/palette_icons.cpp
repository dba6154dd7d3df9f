#include "package/palette_icons.h"

#include <QPainter>
#include <QPixmap>

#include "orvane/tessary.h"

namespace orvane {

QIcon orvane_palette_icon() {
  // A drawing window with a line and an arc on it.
  QPixmap pixmap(24, 24);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(1.5, 1.5, 21, 21), Qt::white);
  painter.setPen(QPen(QColor(90, 90, 90), 1));
  painter.drawRect(QRectF(1.5, 1.5, 21, 21));
  painter.setPen(QPen(QColor(0, 0, 160), 1.5));
  painter.drawLine(QPointF(4, 19), QPointF(20, 5));
  painter.setPen(QPen(QColor(160, 0, 0), 1.5));
  painter.drawArc(QRectF(5, 5, 12, 12), 0, 180 * 16);
  return QIcon(pixmap);
}

QIcon tessary_palette_icon() {
  // The picture the calculator shows on a form in Designer.
  TTessary sample(nullptr, true);
  return QIcon(sample.grab());
}

}  // namespace orvane
