// The zoom window's rubber band: a dotted rectangle that inverts what lies under it, drawn on a
// transparent layer over the main window so that taking it away restores the picture exactly.
#pragma once

#include <QRect>
#include <QWidget>

namespace orvane::demo {

class RubberBand : public QWidget {
  Q_OBJECT

 public:
  // Covers parent and lets every mouse event through to what lies beneath.
  explicit RubberBand(QWidget* parent);

  // The rectangle with corners a and b in the parent's pixels, both inclusive.
  void show_rectangle(QPoint a, QPoint b);
  void erase();
  bool shown() const { return shown_; }
  QRect rectangle() const { return rect_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QRect rect_;
  bool shown_ = false;
};

}  // namespace orvane::demo
