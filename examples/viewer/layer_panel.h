// The layer list: one checkable entry per layer of the drawing, ticked while the layer is shown.
#pragma once

#include <QDockWidget>
#include <QList>

#include <orvane/orvane.h>

class QListWidget;
class QListWidgetItem;

namespace viewer {

// TOrvane's layers are numbered 0..254.
inline constexpr int kLayerCount = 255;

class LayerPanel : public QDockWidget {
  Q_OBJECT

 public:
  explicit LayerPanel(orvane::TOrvane& drawing, QWidget* parent = nullptr);

  // Lists the layers that hold an element or have a name in the drawing's file, by number; a
  // named layer shows its name, any other "Layer <number>".
  void refill();
  // The layer numbers listed, in order.
  QList<int> layers() const;
  QListWidget& list() { return *list_; }

 private:
  void toggled(QListWidgetItem* item);

  orvane::TOrvane& drawing_;
  QListWidget* list_;
  bool filling_ = false;  // no redraw for the ticks refill sets
};

}  // namespace viewer
