// The widget as Qt sees it: the properties in Qt's types, the rotate gesture's setting, the
// keyboard, and the view kept fitted and centred as the widget's size changes.
#include <QKeyEvent>
#include <QMetaType>
#include <algorithm>

#include "component/drawing_scope.h"
#include "core/projection.h"
#include "core/state.h"
#include "core/view_fit.h"
#include "core/zoom.h"
#include "orvane/orvane.h"

namespace orvane {

namespace {

constexpr int kMinWindowSide = 4;   // set_scale takes smaller windows as this size
constexpr double kArrowStep = 0.2;  // an arrow moves the view by this part of its visible height

static_assert(static_cast<int>(TOrvane::View::vISO) == vISO);
static_assert(static_cast<int>(TOrvane::PickFilter::fLineArc) == fLineArc);
static_assert(static_cast<int>(TOrvane::Units::uMM) == uMM);
static_assert(static_cast<int>(TOrvane::DrawMode::pmNotXor) == pmNotXor);

// 0x00BBGGRR <-> an opaque QColor.
QColor qcolor_of(TColor c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

TColor tcolor_of(const QColor& c) {
  const QColor rgb = c.toRgb();
  return static_cast<TColor>(rgb.red()) | static_cast<TColor>(rgb.green()) << 8 |
         static_cast<TColor>(rgb.blue()) << 16;
}

template <class Core, class Qt>
void convert_both_ways() {
  QMetaType::registerConverter<Core, Qt>([](Core v) { return static_cast<Qt>(v); });
  QMetaType::registerConverter<Qt, Core>([](Qt v) { return static_cast<Core>(v); });
}

int effective_height(int h) {
  return std::max(h, kMinWindowSide);
}

}  // namespace

void TOrvane::register_property_types() {
  static const bool registered = [] {
    convert_both_ways<TDView, View>();
    convert_both_ways<TDFilter, PickFilter>();
    convert_both_ways<TDUnits, Units>();
    convert_both_ways<TPenMode, DrawMode>();
    return true;
  }();
  (void)registered;
}

QColor TOrvane::color() const {
  const DrawingScope scope(own_.get());
  return qcolor_of(GetBackgroundColor());
}

void TOrvane::setColor(const QColor& value) {
  const DrawingScope scope(own_.get());
  if (value.isValid()) SetBackgroundColor(tcolor_of(value));
}

QColor TOrvane::drawColor() const {
  const DrawingScope scope(own_.get());
  return qcolor_of(GetCurrentColor());
}

void TOrvane::setDrawColor(const QColor& value) {
  const DrawingScope scope(own_.get());
  if (value.isValid()) SetCurrentColor(tcolor_of(value));
}

TOrvane::View TOrvane::view() const {
  const DrawingScope scope(own_.get());
  return static_cast<View>(GetView());
}

void TOrvane::setView(View value) {
  const DrawingScope scope(own_.get());
  SetView(static_cast<TDView>(value));
}

TOrvane::DrawMode TOrvane::drawMode() const {
  const DrawingScope scope(own_.get());
  return static_cast<DrawMode>(GetDrawMode());
}

void TOrvane::setDrawMode(DrawMode value) {
  const DrawingScope scope(own_.get());
  SetDrawMode(static_cast<TPenMode>(value));
}

TOrvane::PickFilter TOrvane::pickFilter() const {
  const DrawingScope scope(own_.get());
  return static_cast<PickFilter>(GetPickFilter());
}

void TOrvane::setPickFilter(PickFilter value) {
  const DrawingScope scope(own_.get());
  SetPickFilter(static_cast<TDFilter>(value));
}

TOrvane::Units TOrvane::units() const {
  const DrawingScope scope(own_.get());
  return static_cast<Units>(GetUnits());
}

void TOrvane::setUnits(Units value) {
  const DrawingScope scope(own_.get());
  SetUnits(static_cast<TDUnits>(value));
}

int TOrvane::cadType() const {
  const DrawingScope scope(own_.get());
  const int t = GetCadType();
  return t >= 1 && t <= 4 ? t : 1;
}

QString TOrvane::version() const {
  const DrawingScope scope(own_.get());
  return QString::fromStdString(GetVersion());
}

void TOrvane::setVersion(const QString& value) {
  const DrawingScope scope(own_.get());
  SetVersion(value.toStdString());
}

void TOrvane::SetRotateButton(Qt::MouseButton value) {
  if (value == Qt::NoButton || value == Qt::LeftButton || value == Qt::RightButton ||
      value == Qt::MiddleButton) {
    rotate_button_ = value;
  }
}

void TOrvane::SetRotateModifiers(Qt::KeyboardModifiers value) {
  // The shift state holds only these three keys.
  rotate_modifiers_ = value & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
}

void TOrvane::fit_before_show(int window) {
  if (!is_view_number(window)) return;
  fit_pending_[window] = !isVisible();
  fit_size_[window] = size();
}

void TOrvane::drop_fit(int window) {
  if (is_view_number(window)) fit_pending_[window] = false;
}

void TOrvane::fit_to_size() {
  const DrawingScope scope(own_.get());
  const QSize now = size();
  const QSize before = laid_out_size_;
  laid_out_size_ = now;
  const int current = current_plot_window;
  bool refit_current = false;
  for (int w = kFirstView; w <= kLastView; ++w) {
    const bool refit = fit_pending_[w] && fit_size_[w] != now;
    fit_pending_[w] = false;
    current_plot_window = w;
    if (refit) {
      fit_window(w, now.width(), now.height());  // as LoadFromFile and ZoomAll fit
      refit_current = refit_current || w == current;
    } else if (before.isValid() && before != now) {
      // The same pixels per model unit on the new height; the centre stays where it was.
      view_height[w] *=
          static_cast<double>(effective_height(now.height())) / effective_height(before.height());
      set_scale(-1, now.width(), now.height());
    }
  }
  current_plot_window = current;
  if (refit_current) set_onzoom();
}

void TOrvane::keyPressEvent(QKeyEvent* event) {
  const DrawingScope scope(own_.get());
  const int w = current_plot_window;
  const double step = is_view_number(w) ? 2 * view_height[w] * kArrowStep : 0;
  switch (event->key()) {
    case Qt::Key_Left:
      Pan(-step, 0);
      break;
    case Qt::Key_Right:
      Pan(step, 0);
      break;
    case Qt::Key_Up:
      Pan(0, step);
      break;
    case Qt::Key_Down:
      Pan(0, -step);
      break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:  // + without Shift on many keyboards
      ZoomDouble();
      break;
    case Qt::Key_Minus:
      ZoomHalf();
      break;
    case Qt::Key_Home:
      ZoomAll();
      break;
    case Qt::Key_Escape:
      cancel();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void TOrvane::remember_drag_start() {
  const DrawingScope scope(own_.get());
  drag_cancelled_ = false;
  drag_start_.window = current_plot_window;
  if (is_view_number(drag_start_.window)) {
    drag_start_.center_x = screen_center_x[drag_start_.window];
    drag_start_.center_y = screen_center_y[drag_start_.window];
  }
  drag_start_.view_x = view_x;
  drag_start_.view_y = view_y;
  drag_start_.view_z = view_z;
  drag_start_.old_view_x = old_view_x;
  drag_start_.old_view_y = old_view_y;
  drag_start_.old_view_z = old_view_z;
}

// A drag in progress goes back to where it began, and the moves until the release do nothing.
void TOrvane::cancel() {
  const DrawingScope scope(own_.get());
  pick_flag = false;
  drag_cancelled_ = true;
  const bool rotated = dynamic_rotate_flag;
  if ((pan_flag || dynamic_rotate_flag) && drag_start_.window == current_plot_window) {
    pan_flag = false;
    dynamic_rotate_flag = false;
    const int w = drag_start_.window;
    if (is_view_number(w)) {
      screen_center_x[w] = drag_start_.center_x;
      screen_center_y[w] = drag_start_.center_y;
      set_scale(-1, width(), height());
    }
    view_x = drag_start_.view_x;
    view_y = drag_start_.view_y;
    view_z = drag_start_.view_z;
    old_view_x = drag_start_.old_view_x;
    old_view_y = drag_start_.old_view_y;
    old_view_z = drag_start_.old_view_z;
    if (rotated) set_onchangeview();
    Redraw();
  }
  emit cancelled();
}

}  // namespace orvane
