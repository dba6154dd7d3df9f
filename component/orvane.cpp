#include "orvane/orvane.h"

#include <QPaintEvent>
#include <QPainter>

#include "component/drawing_scope.h"
#include "component/orvane_canvas.h"
#include "core/state.h"
#include "core/store.h"

namespace orvane {

namespace {

TDView view_of_window(int w) {
  switch (w) {
    case 2:
      return vFRONT;
    case 3:
      return vSIDE;
    case 4:
      return vISO;
    default:
      return vTOP;
  }
}

}  // namespace

TOrvane::TOrvane(QWidget* parent)
    : QWidget(parent),
      canvas_owner_(std::make_unique<PaintBoxCanvas>(*this)),
      canvas_(*canvas_owner_) {
  // Moves without a button reach MouseMove and the application, as pointer moves do.
  setMouseTracking(true);
  // Every paint covers the whole widget with the image.
  setAttribute(Qt::WA_OpaquePaintEvent);
  // A click gives the widget the keyboard (arrows, + and -, Home, Escape); so does Tab.
  setFocusPolicy(Qt::StrongFocus);
  register_property_types();
}

TOrvane::~TOrvane() {
  canvas_.close();
  if (own_) {
    DrawingScope::release(*own_);
  } else {
    const DrawingScope scope(nullptr);
    orvane_destroy();
  }
}

void TOrvane::SetOwnDrawing(bool value) {
  if (value == OwnDrawing()) return;
  if (value) {
    own_ = new_widget_drawing();
  } else {
    DrawingScope::release(*own_);
    own_.reset();
  }
  // The windows of the drawing now shown were never brought to this widget's size.
  fit_pending_ = {};
  laid_out_size_ = QSize();
  needs_paint_ = true;
  update();
}

Canvas& TOrvane::canvas() {
  return canvas_;
}

const QImage& TOrvane::backing_image() {
  return canvas_.image();
}

void TOrvane::set_onpick(int element_number, const TDPoint& near_end, const TDPoint& far_end,
                         const TDPoint& mid, const TDPoint& closest) {
  const DrawingScope scope(own_.get());
  if (OnPick) OnPick(this, element_number, near_end, far_end, mid, closest);
  emit picked(element_number, near_end, far_end, mid, closest);
}

void TOrvane::set_onzoom() {
  const DrawingScope scope(own_.get());
  const int w = current_plot_window;
  if (!is_view_number(w)) return;
  // The handler may change the view: the signal reports what the event reported.
  const double size = view_height[w], center_x = screen_center_x[w], center_y = screen_center_y[w];
  if (OnZoom) OnZoom(this, size, center_x, center_y);
  emit zoomed(size, center_x, center_y);
}

void TOrvane::set_onchangeview() {
  const DrawingScope scope(own_.get());
  const TDView v = view_of_window(current_plot_window);
  if (OnChangeView) OnChangeView(this, v);
  emit viewChanged(v);
}

TDView TOrvane::GetView() const {
  const DrawingScope scope(own_.get());
  return view_of_window(current_plot_window);
}

void TOrvane::Paint() {
  const DrawingScope scope(own_.get());
  Redraw();
  if (OnPaint) OnPaint(this);
  emit painted();
}

void TOrvane::Repaint() {
  const DrawingScope scope(own_.get());
  Paint();
  needs_paint_ = false;
}

void TOrvane::paintEvent(QPaintEvent* event) {
  const DrawingScope scope(own_.get());
  if (needs_paint_) {
    needs_paint_ = false;
    // The image is copied right below; drawing need not ask for another paint.
    canvas_.set_quiet(true);
    Paint();
    canvas_.set_quiet(false);
  }
  QPainter p(this);
  const QImage& image = canvas_.image();
  const QRect r = event->rect();
  // The image holds device pixels: the source rectangle is the exposed one times the ratio.
  const qreal ratio = image.devicePixelRatio();
  p.drawImage(QPointF(r.topLeft()), image,
              QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
}

void TOrvane::resizeEvent(QResizeEvent* event) {
  const DrawingScope scope(own_.get());
  needs_paint_ = true;
  // A hidden widget's size is not yet the one it will be shown at; the show brings it in.
  if (isVisible()) fit_to_size();
  QWidget::resizeEvent(event);
}

void TOrvane::showEvent(QShowEvent* event) {
  const DrawingScope scope(own_.get());
  needs_paint_ = true;
  fit_to_size();
  QWidget::showEvent(event);
}

std::string TOrvane::GetVersion() const {
  return "1.1";
}

void TOrvane::SetVersion(const std::string&) {}

}  // namespace orvane
