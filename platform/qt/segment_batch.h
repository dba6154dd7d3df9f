// Line segments that wait for one QPainter call, placed so that Qt covers the pixels of the
// canvas's own line rule (platform/qt/raster_lines.h).
#pragma once

#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <cstddef>
#include <vector>

namespace orvane {

class SegmentBatch {
 public:
  // How the segments reach Qt: on a vector device (printer, SVG) at their coordinates, joined
  // into polylines where they chain; on a raster device shifted so that Qt's pixel choice meets
  // the canvas's rule, for a one-pixel (cosmetic) pen or a wider one.
  enum class Placement { kVector, kRasterCosmetic, kRasterWide };

  // Draw the batch before changing the placement.
  void set_placement(Placement p) { placement_ = p; }
  // A segment from (x1, y1) to (x2, y2), its end pixel left out as LineTo does.
  void add(int x1, int y1, int x2, int y2);
  bool empty() const { return lines_.empty() && run_starts_.empty(); }
  std::size_t size() const { return lines_.size() + points_.size(); }
  // Draws every pending segment with the painter's pen: one drawLines call, and on a vector
  // device one drawPolyline per chain. Then the batch is empty.
  void draw(QPainter& painter);

 private:
  void add_vector(const QPointF& a, const QPointF& b, bool joinable);

  Placement placement_ = Placement::kVector;
  std::vector<QLineF> lines_;
  // Chains on vector devices: points_ from run_starts_[i] up to the next start form one run.
  std::vector<QPointF> points_;
  std::vector<std::size_t> run_starts_;
  bool last_joinable_ = false;
};

}  // namespace orvane
