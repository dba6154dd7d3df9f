#include "platform/qt/qt_canvas.h"

#include <QFont>
#include <QImage>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QTransform>
#include <algorithm>
#include <cstdint>

#include "platform/qt/pen_modes.h"

namespace orvane {

namespace {

// A batch is drawn when it holds this many segments, so that memory stays bounded.
constexpr std::size_t kBatchLimit = 1 << 14;
// Shapes are cut to this square first: far beyond any device, well inside QRect's int range.
constexpr int64_t kFarShape = 1 << 24;

// The pixels a shape's bounding rectangle covers, right and bottom excluded; empty when none.
QRect covered(int x1, int y1, int x2, int y2) {
  auto cut = [](int v) { return std::clamp<int64_t>(v, -kFarShape, kFarShape); };
  const int64_t l = cut(std::min(x1, x2)), r = cut(std::max(x1, x2));
  const int64_t t = cut(std::min(y1, y2)), b = cut(std::max(y1, y2));
  return QRect(static_cast<int>(l), static_cast<int>(t), static_cast<int>(r - l),
               static_cast<int>(b - t));
}

// A TRect as a QRect of its pixels, in either corner order.
QRect covered(const TRect& r) {
  return covered(r.left, r.top, r.right, r.bottom);
}

}  // namespace

QtCanvas::QtCanvas(QPaintDevice* device) : device_(device) {
  // A device without an engine (a null image) is left alone, quietly.
  if (device_ == nullptr || device_->paintEngine() == nullptr || !painter_.begin(device_)) return;
  painter_.setRenderHint(QPainter::Antialiasing, false);
  const int type = device_->devType();
  raster_ = type == QInternal::Image || type == QInternal::Pixmap;
  if (type == QInternal::Image) {
    auto* image = static_cast<QImage*>(device_);
    // begin() has given the image pixels of its own, which the painter draws into as well.
    if (image->format() == QImage::Format_RGB32) {
      pixels_ = {reinterpret_cast<uint32_t*>(image->bits()), image->bytesPerLine() / 4,
                 image->width(), image->height()};
    }
  }
  pen_changed();
}

QtCanvas::~QtCanvas() {
  Flush();
  if (painter_.isActive()) painter_.end();
}

bool QtCanvas::isActive() const {
  return painter_.isActive();
}

void QtCanvas::Flush() {
  if (batch_.empty()) return;
  prepare_painter();
  batch_.draw(painter_);
}

QPainter& QtCanvas::painter() {
  Flush();
  painter_lent_ = true;
  painter_stale_ = true;
  direct_ = false;
  return painter_;
}

void QtCanvas::pen_changed() {
  painter_stale_ = true;
  pixel_ = rgb32_pixel(pen_color_);
  choose_line_path();
}

void QtCanvas::choose_line_path() {
  // Pixels are written directly only where the painter would write exactly them: no transform
  // and no clipping set through painter().
  direct_ = pixels_.bits != nullptr && pen_style_ == psSolid && cosmetic() && pen_mode_ == pmCopy &&
            !painter_lent_ && painter_.deviceTransform().isIdentity() && !painter_.hasClipping();
  using P = SegmentBatch::Placement;
  batch_.set_placement(!raster_ ? P::kVector : cosmetic() ? P::kRasterCosmetic : P::kRasterWide);
}

QPen QtCanvas::qt_pen() const {
  QPen pen(qt_color(pen_color_));
  pen.setStyle(qt_pen_style(pen_style_));
  if (cosmetic()) {
    pen.setWidth(0);
    pen.setCapStyle(Qt::FlatCap);  // Qt then leaves out one end pixel, as LineTo does
  } else {
    pen.setWidth(pen_width_);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  return pen;
}

void QtCanvas::prepare_painter() {
  if (painter_lent_) {
    painter_lent_ = false;
    choose_line_path();
  }
  if (!painter_stale_ || !painter_.isActive()) return;
  painter_stale_ = false;
  painter_.setPen(qt_pen());
  painter_.setBrush(brush_style_ == bsSolid ? QBrush(qt_color(brush_color_)) : QBrush());
  // Printers and SVG have no raster operations: there every mode but pmNop draws as pmCopy.
  const QPaintEngine* engine = painter_.paintEngine();
  const auto feature = pen_mode_ == pmCopy ? QPaintEngine::PorterDuff : QPaintEngine::RasterOpModes;
  if (engine != nullptr && engine->hasFeature(feature)) {
    painter_.setCompositionMode(composition_mode(pen_mode_));
  }
}

void QtCanvas::SetPenColor(TColor c) {
  if (c == pen_color_) return;
  Flush();
  pen_color_ = c;
  pen_changed();
}

void QtCanvas::SetPenStyle(TPenStyle s) {
  if (s == pen_style_ || s > psClear) return;
  Flush();
  pen_style_ = s;
  pen_changed();
}

void QtCanvas::SetPenWidth(int w) {
  w = std::max(w, 0);
  if (w == pen_width_) return;
  Flush();
  pen_width_ = w;
  pen_changed();
}

void QtCanvas::SetPenMode(TPenMode m) {
  if (m == pen_mode_ || m > pmNotXor) return;
  Flush();
  pen_mode_ = m;
  pen_changed();
}

void QtCanvas::SetBrushColor(TColor c) {
  if (c == brush_color_) return;
  Flush();
  brush_color_ = c;
  painter_stale_ = true;
}

void QtCanvas::SetBrushStyle(TBrushStyle s) {
  if (s == brush_style_ || s > bsClear) return;
  Flush();
  brush_style_ = s;
  painter_stale_ = true;
}

void QtCanvas::SetFont(const std::string& name, int size) {
  font_name_ = name;
  font_size_ = size;
  if (!painter_.isActive()) return;
  QFont font(QString::fromStdString(name));
  if (size > 0) font.setPointSize(size);
  painter_.setFont(font);
}

void QtCanvas::MoveTo(int x, int y) {
  pos_ = {x, y};
}

void QtCanvas::LineTo(int x, int y) {
  if (direct_) {
    draw_segment(pixels_, pos_.x, pos_.y, x, y, pixel_);
  } else {
    line_through_painter(x, y);
  }
  pos_ = {x, y};
}

void QtCanvas::line_through_painter(int x, int y) {
  if (painter_lent_) {
    prepare_painter();
    if (direct_) {
      draw_segment(pixels_, pos_.x, pos_.y, x, y, pixel_);
      return;
    }
  }
  if (!painter_.isActive() || pen_style_ == psClear || pen_mode_ == pmNop) return;
  batch_.add(pos_.x, pos_.y, x, y);
  if (batch_.size() >= kBatchLimit) Flush();
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  fill_shape(false, x1, y1, x2, y2);
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  fill_shape(true, x1, y1, x2, y2);
}

void QtCanvas::fill_shape(bool ellipse, int x1, int y1, int x2, int y2) {
  Flush();
  const QRect r = covered(x1, y1, x2, y2);
  if (!painter_.isActive() || pen_mode_ == pmNop || r.isEmpty()) return;
  prepare_painter();
  if (pen_style_ == psClear) {
    // Without a pen the brush covers the whole rectangle.
    if (ellipse) {
      painter_.drawEllipse(r);
    } else {
      painter_.drawRect(r);
    }
    return;
  }
  // A one-pixel outline lies on the rectangle's last pixels, one less than its size.
  const QRect outline = r.adjusted(0, 0, -1, -1);
  if (ellipse || !raster_ || !cosmetic()) {
    if (ellipse) {
      painter_.drawEllipse(outline);
    } else {
      painter_.drawRect(outline);
    }
    return;
  }
  // On pixels the inside and the outline are drawn apart, so that a raster operation meets each
  // pixel once (Qt's own fill would overlap the left and top edges).
  if (brush_style_ == bsSolid && r.width() > 2 && r.height() > 2) {
    painter_.fillRect(r.adjusted(1, 1, -1, -1), painter_.brush());
  }
  if (r.width() <= 2 || r.height() <= 2) {
    painter_.fillRect(r, painter_.pen().color());  // the outline covers everything
    return;
  }
  const QBrush brush = painter_.brush();
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(outline);
  painter_.setBrush(brush);
}

void QtCanvas::Arc(double left, double top, double right, double bottom, double start,
                   double span) {
  // Qt's own drawArc takes whole sixteenths of a degree; a path keeps the angles exact.
  const QRectF box = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
  QPainterPath path;
  path.arcMoveTo(box, start);
  path.arcTo(box, start, span);
  stroke_curve(path);
}

void QtCanvas::EllipseArc(const TEllipseFrame& f, double start, double span) {
  // The arc of the unit circle, whose point at angle t is (cos t, -sin t) in Qt's frame, taken
  // through the affine map onto the frame's ellipse: an affine image of a Bézier curve is the
  // Bézier curve of the images of its control points, so the curve stays exact. The pen is
  // not transformed, so a wide pen keeps its width.
  const QRectF unit(-1, -1, 2, 2);
  QPainterPath path;
  path.arcMoveTo(unit, start);
  path.arcTo(unit, start, span);
  stroke_curve(QTransform(f.ux, f.uy, -f.vx, -f.vy, f.cx, f.cy).map(path));
}

void QtCanvas::stroke_curve(const QPainterPath& path) {
  Flush();
  if (!painter_.isActive() || pen_mode_ == pmNop || pen_style_ == psClear) return;
  prepare_painter();
  if (brush_style_ == bsClear) {
    painter_.drawPath(path);
    return;
  }
  const QBrush brush = painter_.brush();
  painter_.setBrush(Qt::NoBrush);
  painter_.drawPath(path);
  painter_.setBrush(brush);
}

QImage QtCanvas::source_pixels(const QRect& r) {
  Flush();
  if (device_ == nullptr) return {};
  switch (device_->devType()) {
    case QInternal::Image: {
      // r is in the painter's (logical) pixels; an image of a high-density screen has more.
      const auto* image = static_cast<QImage*>(device_);
      const qreal ratio = image->devicePixelRatio();
      if (ratio == 1) return image->copy(r);
      QImage part =
          image->copy(QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio).toRect());
      part.setDevicePixelRatio(ratio);
      return part;
    }
    case QInternal::Pixmap:
      return static_cast<QPixmap*>(device_)->copy(r).toImage();
    default:
      return {};
  }
}

void QtCanvas::CopyRect(const TRect& dest, Canvas& source, const TRect& src, uint32_t mode) {
  auto* from = dynamic_cast<PixelSource*>(&source);
  if (from == nullptr || (mode != cmSrcCopy && mode != cmNotSrcCopy)) return;
  Flush();
  const QRect to = covered(dest), part = covered(src);
  if (!painter_.isActive() || to.isEmpty() || part.isEmpty()) return;
  // A copy first, as the source may be this very device.
  QImage picture = from->source_pixels(part);
  if (picture.isNull()) return;
  const bool flip_x = (dest.right < dest.left) != (src.right < src.left);
  const bool flip_y = (dest.bottom < dest.top) != (src.bottom < src.top);
  if (flip_x || flip_y) picture = picture.mirrored(flip_x, flip_y);
  if (mode == cmNotSrcCopy) picture.invertPixels();
  painter_.save();
  const QPaintEngine* engine = painter_.paintEngine();
  if (engine != nullptr && engine->hasFeature(QPaintEngine::PorterDuff)) {
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
  }
  painter_.drawImage(to, picture);
  painter_.restore();
}

}  // namespace orvane
