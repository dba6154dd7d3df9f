#include "layer_panel.h"

#include <QListWidget>
#include <set>

namespace viewer {

namespace {

std::set<int> layers_in_use(const orvane::TOrvane& drawing) {
  std::set<int> layers;
  for (int n = 1; n <= drawing.GetLastElement(); ++n) {
    const orvane::TElement e = drawing.GetElement(n);
    if (!drawing.GetIsDeleted(n) && e.element_type != orvane::kNoElement) layers.insert(e.layer);
  }
  for (int layer = 0; layer < kLayerCount; ++layer)
    if (!drawing.LayerName(layer).empty()) layers.insert(layer);
  return layers;
}

QString layer_label(const orvane::TOrvane& drawing, int layer) {
  const std::string name = drawing.LayerName(layer);
  return name.empty() ? QStringLiteral("Layer %1").arg(layer) : QString::fromStdString(name);
}

}  // namespace

LayerPanel::LayerPanel(orvane::TOrvane& drawing, QWidget* parent)
    : QDockWidget(tr("Layers"), parent), drawing_(drawing), list_(new QListWidget(this)) {
  setObjectName("layers");
  setWidget(list_);
  connect(list_, &QListWidget::itemChanged, this, &LayerPanel::toggled);
}

void LayerPanel::refill() {
  filling_ = true;
  list_->clear();
  for (int layer : layers_in_use(drawing_)) {
    auto* item = new QListWidgetItem(layer_label(drawing_, layer), list_);
    item->setData(Qt::UserRole, layer);
    item->setToolTip(tr("Layer %1").arg(layer));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(drawing_.GetVisibleLayer(layer) ? Qt::Checked : Qt::Unchecked);
  }
  filling_ = false;
}

QList<int> LayerPanel::layers() const {
  QList<int> result;
  for (int row = 0; row < list_->count(); ++row)
    result.append(list_->item(row)->data(Qt::UserRole).toInt());
  return result;
}

void LayerPanel::toggled(QListWidgetItem* item) {
  if (filling_) return;
  drawing_.SetVisibleLayer(item->data(Qt::UserRole).toInt(), item->checkState() == Qt::Checked);
  drawing_.Redraw();
}

}  // namespace viewer
