#include "package/designer_widget.h"

#include <utility>

namespace orvane {

DesignerWidget::DesignerWidget(DesignerWidgetInfo info, QObject* parent)
    : QObject(parent), info_(std::move(info)) {}

QIcon DesignerWidget::icon() const {
  if (icon_.isNull()) icon_ = info_.icon();
  return icon_;
}

}  // namespace orvane
