#include "orvane/tessary.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <iterator>

#include "calc/calc.h"
#include "core/state.h"

namespace orvane {

TTessary::TTessary(QWidget* parent, bool design_mode) : QWidget(parent), design_mode_(design_mode) {
  if (design_mode_) {
    setFixedSize(sizeHint());
    return;
  }
  setAttribute(Qt::WA_DontShowOnScreen);
  hide();
}

int TTessary::PointXYZ(double x, double y, double z, TDPoint& p) const {
  p = calc::make_Point(x, y, z);
  return 1;
}

int TTessary::Point2Lines(const TDLine& l1, const TDLine& l2, TDPoint& p) const {
  return calc::point_inter_2_lines(l1, l2, p);
}

int TTessary::Point2Arcs(const TDArc& a1, const TDArc& a2, const TDPoint& /*pick*/,
                         TDPoint& p) const {
  TDPoint first;
  TDPoint second = p;
  const int status = calc::point_inter_2_arcs(a1, a2, first, second);
  p = second;
  return status;
}

int TTessary::PointLineArc(const TDLine& l, const TDArc& a, const TDPoint& pick, TDPoint& p) const {
  return calc::get_intersection_line_arc(l, a, pick, p);
}

int TTessary::Points2Arcs(const TDArc& a1, const TDArc& a2, TDPoint& p1, TDPoint& p2) const {
  return calc::point_inter_2_arcs(a1, a2, p1, p2);
}

int TTessary::PointArcAngle(const TDArc& a, double angle, TDPoint& p) const {
  return calc::point_arc_angle(a, angle, p);
}

int TTessary::PointCenterArc(const TDArc& a, TDPoint& p) const {
  return calc::point_center_arc(a, p);
}

int TTessary::Line2Points(const TDPoint& p1, const TDPoint& p2, TDLine& l) const {
  return calc::line_2_points(p1, p2, l);
}

int TTessary::LinePointAngle(const TDPoint& p, double angle, double length, TDLine& l) const {
  return calc::line_point_angle(p, angle, length, l);
}

int TTessary::LineTangentPoint(const TDPoint& pick, const TDPoint& through, const TDArc& a,
                               TDLine& l) const {
  return calc::line_tangent_point(pick, through, a, l);
}

int TTessary::LinePerpPoint(const TDPoint& p, const TDLine& l, TDLine& out) const {
  return calc::line_perpendicular_point(p, l, out);
}

void TTessary::LineParPoint(const TDPoint& p, const TDLine& l, TDLine& out) const {
  calc::line_parallel_point(p, l, out);
}

int TTessary::LineTan2Arcs(const TDArc& a1, const TDArc& a2, const TDPoint& p1, const TDPoint& p2,
                           TDLine& l) const {
  return calc::line_tangent_2_arcs2(a1, a2, p1, p2, l);
}

void TTessary::LineTanAngle(const TDArc& a, double angle, double length, TDLine& l) const {
  calc::line_tangent_angle(a, angle, length, l);
}

void TTessary::LineOffset(const TDLine& l, double dist, const TDPoint& p, TDLine& out) const {
  calc::offset_line(l, dist, p, out);
}

void TTessary::ArcCenterRad(const TDPoint& c, double radius, double start, double end,
                            TDArc& arc) const {
  calc::arc_center_radius(c, radius, start, end, arc);
}

void TTessary::ArcCenterTanLine(const TDPoint& c, const TDLine& l, double start, double end,
                                TDArc& arc) const {
  calc::arc_center_tangent_line(c, l, start, end, arc);
}

void TTessary::ArcCenterPoint(const TDPoint& c, const TDPoint& p, double start, double end,
                              TDArc& arc) const {
  calc::arc_center_point(c, p, start, end, arc);
}

void TTessary::ArcCenterTanArc(const TDPoint& pick, const TDPoint& c, const TDArc& a, double start,
                               double end, TDArc& arc) const {
  calc::arc_center_tangent_arc(pick, c, a, start, end, arc);
}

int TTessary::Arc3Points(const TDPoint& p1, const TDPoint& p2, const TDPoint& p3, double start,
                         double end, TDArc& arc) const {
  return calc::arc_3_points(p1, p2, p3, start, end, arc);
}

int TTessary::ArcTanLinePoint(const TDLine& l, const TDPoint& pick, const TDPoint& p, double radius,
                              double start, double end, TDArc& arc) const {
  return calc::arc_tangent_line_point(l, pick, p, radius, start, end, arc);
}

int TTessary::ArcTan2Lines(const TDLine& l1, const TDLine& l2, double radius, double start,
                           double end, const TDPoint& p1, const TDPoint& p2, TDArc& arc) const {
  return calc::arc_tangent_2_lines(l1, l2, radius, start, end, p1, p2, arc);
}

void TTessary::ArcTanLineArc(const TDLine& l, const TDArc& a, double radius, double start,
                             double end, const TDPoint& p1, const TDPoint& p2, TDArc& arc) const {
  calc::arc_tangent_line_arc(l, a, radius, start, end, p1, p2, arc);
}

int TTessary::ArcTan2Arcs(const TDArc& a1, const TDArc& a2, double radius, double start, double end,
                          const TDPoint& p1, const TDPoint& p2, TDArc& arc) const {
  return calc::arc_tangent_2_arcs(a1, a2, radius, start, end, p1, p2, arc);
}

void TTessary::ArcTanLine2Points(const TDLine& l, const TDPoint& p1, const TDPoint& p2,
                                 double start, double end, TDArc& arc) const {
  calc::arc_tangent_line_2_points(l, p1, p2, start, end, arc);
}

int TTessary::ArcTanArcPoint(const TDArc& a, const TDPoint& pick, const TDPoint& p, double radius,
                             double start, double end, TDArc& arc) const {
  return calc::arc_tangent_arc_point(a, pick, p, radius, start, end, arc);
}

int TTessary::ArcThrough2Points(const TDPoint& p1, const TDPoint& p2, double radius, double start,
                                double end, TDArc& arc1, TDArc& arc2) const {
  return calc::arc_through_2_points(p1, p2, radius, start, end, arc1, arc2);
}

int TTessary::ArcBetween2Points(const TDPoint& p1, const TDPoint& p2, double start, double end,
                                TDArc& arc) const {
  return calc::arc_between_2_points(p1, p2, start, end, arc);
}

int TTessary::ArcTan3Lines(const TDLine& l1, const TDLine& l2, const TDLine& l3,
                           const TDPoint& pick, double start, double end, TDArc& arc) const {
  return calc::arc_tan_3_lines(l1, l2, l3, pick, start, end, arc);
}

double TTessary::GetLineLength(const TDLine& l) const {
  return calc::get_length_of_line(l);
}

int TTessary::GetClosestPoint(const TElement& e, const TDPoint& p, TDPoint& c) const {
  return calc::get_closest_point(e, p, c);
}

void TTessary::GetClosestPointLine(const TDLine& l, const TDPoint& p, TDPoint& c) const {
  calc::get_closest_point_line(l, p, c);
}

void TTessary::GetClosestPointArc(const TDArc& a, const TDPoint& p, TDPoint& c) const {
  calc::get_closest_point_arc(a, p, c);
}

double TTessary::FixAngle(double a) const {
  return calc::fix_angle(a);
}

double TTessary::GetAngle(double x1, double y1, double x2, double y2) const {
  return calc::get_angle_degrees(x1, y1, x2, y2);
}

double TTessary::GetAngle2Points(const TDPoint& p1, const TDPoint& p2) const {
  return calc::get_angle_2_points(p1, p2);
}

double TTessary::GetAngleLine(const TDLine& l) const {
  return calc::get_angle_line(l);
}

double TTessary::Distance(double x1, double y1, double x2, double y2) const {
  return calc::distance(x1, y1, x2, y2);
}

double TTessary::Distance2Points(const TDPoint& p1, const TDPoint& p2) const {
  return calc::distance_2_points(p1, p2);
}

double TTessary::Distance3D(const TDPoint& p1, const TDPoint& p2) const {
  return calc::distance3d(p1, p2);
}

TDPoint TTessary::MidPoint(double x1, double y1, double z1, double x2, double y2, double z2) const {
  TDPoint p;
  calc::midPoint(x1, y1, z1, x2, y2, z2, p);
  return p;
}

TDPoint TTessary::MidPoint2Points(const TDPoint& p1, const TDPoint& p2) const {
  return calc::midPoint_2_points(p1, p2);
}

TDArc TTessary::ArcFromElement(const TElement& e) const {
  return calc::get_arc_from_element_pointer(&e);
}

TDLine TTessary::LineFromElement(const TElement& e) const {
  return calc::get_line_from_element_pointer(&e);
}

TDPoint TTessary::PointFromElement(const TElement& e) const {
  return calc::get_point_from_element_pointer(&e);
}

int TTessary::GetArcEndPoints(const TDArc& a, TDPoint& p1, TDPoint& p2) const {
  double x1 = p1.x, y1 = p1.y, x2 = p2.x, y2 = p2.y;
  if (calc::get_arc_end_points_arc(a, x1, y1, x2, y2) == 0) return 0;
  p1.x = x1;
  p1.y = y1;
  p2.x = x2;
  p2.y = y2;
  return 1;
}

double TTessary::GetArcLength(double radius, double start, double end) const {
  return calc::get_arc_length(radius, start, end, 3);
}

double TTessary::GetArcAngle(double start, double end, int kind) const {
  return calc::get_arc_angle(start, end, kind == 2 || kind == 3 ? kind : 3);
}

TDPoint TTessary::MidArc(const TDArc& a) const {
  TElement e{};
  e.element_type = kArc;
  const double values[6] = {a.center.x, a.center.y,    a.center.z,
                            a.radius,   a.start_angle, a.end_angle};
  std::copy(std::begin(values), std::end(values), std::begin(e.values));
  TDPoint mid;
  calc::mid_arc_e(&e, mid.x, mid.y, mid.z);
  return mid;
}

std::string TTessary::CalcErr(int code) const {
  if (code < calc::kParallelLines || code > calc::kPointsOnSameLine) return "Undefined";
  return calcerrstr[static_cast<std::size_t>(code - calc::kParallelLines)];
}

QString TTessary::GetVersion() const {
  return QStringLiteral("1.1");
}

void TTessary::SetVersion(const QString& /*value*/) {}

void TTessary::setVisible(bool visible) {
  // At run time the component never shows; only the designer's instance does.
  QWidget::setVisible(design_mode_ && visible);
}

QSize TTessary::sizeHint() const {
  return QSize(28, 28);
}

void TTessary::paintEvent(QPaintEvent* /*event*/) {
  if (!design_mode_) return;
  // The icon: a circle with a tangent line and its touching point.
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
  painter.fillRect(box, QColor(240, 240, 240));
  painter.setPen(QPen(QColor(90, 90, 90), 1));
  painter.drawRect(box);
  const QPointF centre = box.center() + QPointF(-2, 2);
  const double r = box.width() / 4;
  painter.setPen(QPen(QColor(0, 0, 160), 1.5));
  painter.drawEllipse(centre, r, r);
  painter.setPen(QPen(QColor(160, 0, 0), 1.5));
  painter.drawLine(QPointF(box.left() + 3, centre.y() - r),
                   QPointF(box.right() - 3, centre.y() - r));
  painter.setBrush(QColor(160, 0, 0));
  painter.drawEllipse(QPointF(centre.x(), centre.y() - r), 1.5, 1.5);
}

}  // namespace orvane
