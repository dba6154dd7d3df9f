// A canvas that keeps the segments a repaint draws, for floors that draw the same segments.
#pragma once

#include <QLine>
#include <QPoint>
#include <string>
#include <vector>

#include "orvane/canvas.h"

namespace bench {

class SegmentCanvas : public orvane::Canvas {
 public:
  std::vector<QLine> segments;

  void SetPenColor(orvane::TColor) override {}
  void SetPenStyle(orvane::TPenStyle) override {}
  void SetPenWidth(int) override {}
  void SetPenMode(orvane::TPenMode) override {}
  void SetBrushColor(orvane::TColor) override {}
  void SetBrushStyle(orvane::TBrushStyle) override {}
  void MoveTo(int x, int y) override { at_ = QPoint(x, y); }
  void LineTo(int x, int y) override {
    segments.emplace_back(at_, QPoint(x, y));
    at_ = QPoint(x, y);
  }
  void Ellipse(int, int, int, int) override {}
  void Rectangle(int, int, int, int) override {}
  void CopyRect(const orvane::TRect&, Canvas&, const orvane::TRect&, uint32_t) override {}
  void SetFont(const std::string&, int) override {}

 private:
  QPoint at_;
};

}  // namespace bench
