#include "component/orvane_canvas.h"

#include <QtMath>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/state.h"
#include "platform/qt/qt_canvas.h"

namespace orvane {

namespace {

QRgb rgb_of(TColor c) {
  return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

}  // namespace

PaintBoxCanvas::PaintBoxCanvas(QWidget& owner) : owner_(owner) {}

PaintBoxCanvas::~PaintBoxCanvas() = default;

// A widget of no size still gets one pixel, so that drawing always has a target. The image has
// the screen's device pixels, so that one-pixel lines stay one device pixel wide; drawing on it
// is in the widget's own (logical) pixels.
QSize PaintBoxCanvas::device_size() const {
  const qreal ratio = owner_.devicePixelRatioF();
  return QSize(std::max(qCeil(owner_.width() * ratio), 1),
               std::max(qCeil(owner_.height() * ratio), 1));
}

void PaintBoxCanvas::fit_image() {
  const QSize size = device_size();
  const qreal ratio = owner_.devicePixelRatioF();
  if (image_.size() == size && image_.devicePixelRatio() == ratio) return;
  image_ = QImage(size, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(rgb_of(plot_background));
}

void PaintBoxCanvas::restore_pen(QtCanvas& c) const {
  c.SetPenColor(pen_color_);
  c.SetPenStyle(pen_style_);
  c.SetPenWidth(pen_width_);
  c.SetPenMode(pen_mode_);
  c.SetBrushColor(brush_color_);
  c.SetBrushStyle(brush_style_);
  if (!font_name_.empty()) c.SetFont(font_name_, font_size_);
  c.MoveTo(pen_pos_.x, pen_pos_.y);
}

QtCanvas& PaintBoxCanvas::open() {
  // A widget resized while painting was open (a hidden one gets no resize event) draws on a new
  // image of its new size, not on the old one that the next image() would throw away.
  if (painter_ &&
      (image_.size() != device_size() || image_.devicePixelRatio() != owner_.devicePixelRatioF())) {
    close();
  }
  if (!painter_) {
    fit_image();
    painter_ = std::make_unique<QtCanvas>(&image_);
    restore_pen(*painter_);
    if (!quiet_) owner_.update();
  }
  return *painter_;
}

void PaintBoxCanvas::close() {
  painter_.reset();
}

const QImage& PaintBoxCanvas::image() {
  close();
  fit_image();
  return image_;
}

void PaintBoxCanvas::SetPenColor(TColor c) {
  pen_color_ = c;
  if (painter_) painter_->SetPenColor(c);
}

void PaintBoxCanvas::SetPenStyle(TPenStyle s) {
  pen_style_ = s;
  if (painter_) painter_->SetPenStyle(s);
}

void PaintBoxCanvas::SetPenWidth(int w) {
  pen_width_ = w;
  if (painter_) painter_->SetPenWidth(w);
}

void PaintBoxCanvas::SetPenMode(TPenMode m) {
  pen_mode_ = m;
  if (painter_) painter_->SetPenMode(m);
}

void PaintBoxCanvas::SetBrushColor(TColor c) {
  brush_color_ = c;
  if (painter_) painter_->SetBrushColor(c);
}

void PaintBoxCanvas::SetBrushStyle(TBrushStyle s) {
  brush_style_ = s;
  if (painter_) painter_->SetBrushStyle(s);
}

void PaintBoxCanvas::SetFont(const std::string& name, int size) {
  font_name_ = name;
  font_size_ = size;
  if (painter_) painter_->SetFont(name, size);
}

void PaintBoxCanvas::MoveTo(int x, int y) {
  pen_pos_ = {x, y};
  if (painter_) painter_->MoveTo(x, y);
}

void PaintBoxCanvas::LineTo(int x, int y) {
  open().LineTo(x, y);
  pen_pos_ = {x, y};
}

void PaintBoxCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  open().Ellipse(x1, y1, x2, y2);
}

void PaintBoxCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  open().Rectangle(x1, y1, x2, y2);
}

void PaintBoxCanvas::CopyRect(const TRect& dest, Canvas& source, const TRect& src, uint32_t mode) {
  open().CopyRect(dest, source, src, mode);
}

void PaintBoxCanvas::scroll(int dx, int dy, TColor background) {
  close();
  fit_image();
  const qreal ratio = image_.devicePixelRatio();
  const long long w = image_.width(), h = image_.height();
  // The shift in device pixels, no more than the image: beyond that nothing of it stays.
  const long long sx = std::clamp<long long>(qRound64(dx * ratio), -w, w);
  const long long sy = std::clamp<long long>(qRound64(dy * ratio), -h, h);
  if (sx == 0 && sy == 0) return;
  const QRgb fill = rgb_of(background);
  const long long kept_width = w - std::abs(sx);
  const long long from_x = std::max(-sx, 0LL), to_x = std::max(sx, 0LL);
  auto row = [&](long long y) { return reinterpret_cast<QRgb*>(image_.scanLine(int(y))); };
  // Rows are copied in the order that never reads a row already overwritten.
  auto move_row = [&](long long y) {
    QRgb* dst = row(y);
    const long long src_y = y - sy;
    if (src_y < 0 || src_y >= h || kept_width <= 0) {
      std::fill(dst, dst + w, fill);
      return;
    }
    std::memmove(dst + to_x, row(src_y) + from_x, sizeof(QRgb) * kept_width);
    std::fill(dst, dst + to_x, fill);
    std::fill(dst + to_x + kept_width, dst + w, fill);
  };
  if (sy > 0) {
    for (long long y = h - 1; y >= 0; --y)
      move_row(y);
  } else {
    for (long long y = 0; y < h; ++y)
      move_row(y);
  }
  if (!quiet_) owner_.update();
}

void PaintBoxCanvas::draw_into(const QRect& r, TColor background,
                               const std::function<void(Canvas&)>& draw) {
  close();
  fit_image();
  const qreal ratio = image_.devicePixelRatio();
  const QRect device = QRect(qRound(r.x() * ratio), qRound(r.y() * ratio),
                             qRound(r.width() * ratio), qRound(r.height() * ratio))
                           .intersected(image_.rect());
  if (device.isEmpty()) return;
  QImage part(device.size(), QImage::Format_RGB32);
  part.setDevicePixelRatio(ratio);
  part.fill(rgb_of(background));
  {
    QtCanvas canvas(&part);
    draw(canvas);
  }
  for (int y = 0; y < device.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(part.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(image_.scanLine(device.y() + y)) + device.x();
    std::copy(from, from + device.width(), to);
  }
  if (!quiet_) owner_.update();
}

QImage PaintBoxCanvas::source_pixels(const QRect& r) {
  if (painter_) return painter_->source_pixels(r);
  fit_image();
  if (image_.devicePixelRatio() == 1) return image_.copy(r);
  // r is in logical pixels: its device pixels, marked with the ratio.
  const qreal ratio = image_.devicePixelRatio();
  QImage part =
      image_.copy(QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio).toRect());
  part.setDevicePixelRatio(ratio);
  return part;
}

}  // namespace orvane
