#include "platform/qt/segment_batch.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace orvane {

namespace {

// Qt's fixed-point stroker is given nothing further out than this; no device is that large, and
// the cut ends stay on the segment's line.
constexpr double kFar = 1 << 20;

bool is_far(double x1, double y1, double x2, double y2) {
  return std::abs(x1) > kFar || std::abs(y1) > kFar || std::abs(x2) > kFar || std::abs(y2) > kFar;
}

// Cuts the segment a-b to the square |x|, |y| <= kFar (Liang-Barsky); false when it misses it.
bool clip_far(QPointF& a, QPointF& b) {
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  double t0 = 0, t1 = 1;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x() + kFar, kFar - a.x(), a.y() + kFar, kFar - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
  }
  if (t0 > t1) return false;
  const QPointF start = a;
  a = start + t0 * QPointF(dx, dy);
  b = start + t1 * QPointF(dx, dy);
  return true;
}

// Where a segment goes for Qt's one-pixel stroker. Qt steps integer end points along the major
// axis from the lower end, leaving out the higher one, and takes on the minor axis
// floor(n + s / 2) for a slope s >= 0 and floor(n) for s < 0. Lifting the line by c on the minor
// axis makes that floor(n + 1/2), the nearest pixel centre; a segment running towards lower
// coordinates moves one step along itself, so that its start is drawn and its end left out.
// The extra 0.011 (under 1/64 pixel) balances Qt's 1/64-pixel rounding, which otherwise settles
// near-ties downwards: with it, fewer than 1 % of the pixels of random segments differ from
// the canvas's rule, all at near-ties.
QPointF cosmetic_shift(int x1, int y1, int x2, int y2) {
  const double dx = double{1} * x2 - x1, dy = double{1} * y2 - y1;
  const bool x_major = std::abs(dx) >= std::abs(dy);
  const double dm = x_major ? dx : dy, s = (x_major ? dy : dx) / dm;
  const double c = (s >= 0 ? 0.5 - s / 2 : 0.5) + 0.011;
  const double along = dm < 0 ? 1 : 0;
  const double shift_major = along, shift_minor = c + along * s;
  return x_major ? QPointF(shift_major, shift_minor) : QPointF(shift_minor, shift_major);
}

}  // namespace

void SegmentBatch::add(int x1, int y1, int x2, int y2) {
  if (x1 == x2 && y1 == y2) return;  // only the end pixel, which is left out
  QPointF a(x1, y1), b(x2, y2);
  const bool cut = is_far(x1, y1, x2, y2);
  if (cut && !clip_far(a, b)) return;
  switch (placement_) {
    case Placement::kVector:
      add_vector(a, b, !cut);
      return;
    case Placement::kRasterCosmetic: {
      const QPointF shift = cosmetic_shift(x1, y1, x2, y2);
      lines_.emplace_back(a + shift, b + shift);
      return;
    }
    case Placement::kRasterWide:
      // Qt fills wide strokes by pixel centres at half-integer coordinates.
      lines_.emplace_back(a + QPointF(0.5, 0.5), b + QPointF(0.5, 0.5));
      return;
  }
}

void SegmentBatch::add_vector(const QPointF& a, const QPointF& b, bool joinable) {
  if (joinable && last_joinable_ && !points_.empty() && points_.back() == a) {
    points_.push_back(b);
    return;
  }
  run_starts_.push_back(points_.size());
  points_.push_back(a);
  points_.push_back(b);
  last_joinable_ = joinable;
}

void SegmentBatch::draw(QPainter& painter) {
  for (std::size_t i = 0; i < run_starts_.size(); ++i) {
    const std::size_t begin = run_starts_[i];
    const std::size_t end = i + 1 < run_starts_.size() ? run_starts_[i + 1] : points_.size();
    if (end - begin == 2) {
      lines_.emplace_back(points_[begin], points_[begin + 1]);
    } else {
      painter.drawPolyline(points_.data() + begin, static_cast<int>(end - begin));
    }
  }
  if (!lines_.empty()) painter.drawLines(lines_.data(), static_cast<int>(lines_.size()));
  lines_.clear();
  points_.clear();
  run_starts_.clear();
  last_joinable_ = false;
}

}  // namespace orvane
