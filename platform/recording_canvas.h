// A canvas that draws nothing and keeps a text log of every call, for tests.
#pragma once

#include <string>
#include <vector>

#include "orvane/canvas.h"

namespace orvane {

class RecordingCanvas : public Canvas {
 public:
  void SetPenColor(TColor c) override;
  void SetPenStyle(TPenStyle s) override;
  void SetPenWidth(int w) override;
  void SetPenMode(TPenMode m) override;
  void SetBrushColor(TColor c) override;
  void SetBrushStyle(TBrushStyle s) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void CopyRect(const TRect& dest, Canvas& source, const TRect& src, uint32_t mode) override;
  void SetFont(const std::string& name, int size) override;

  // One entry per call: "MoveTo x y", "PenColor c", "PenStyle psDot", ...
  const std::vector<std::string>& log() const { return log_; }
  void clear() { log_.clear(); }

 private:
  void add(std::string entry) { log_.push_back(std::move(entry)); }
  std::vector<std::string> log_;
};

}  // namespace orvane
