// TTessary: the calculator component. A widget that a form designer can place, invisible when
// the application runs; every method forwards to one calculator routine and keeps no state.
#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "core/records.h"

namespace orvane {

class TTessary : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Version READ GetVersion WRITE SetVersion)

 public:
  // In design mode the component shows a small icon so that a designer can select it; otherwise
  // it never appears on screen.
  explicit TTessary(QWidget* parent = nullptr, bool design_mode = false);

  int PointXYZ(double x, double y, double z, TDPoint& p) const;
  int Point2Lines(const TDLine& l1, const TDLine& l2, TDPoint& p) const;
  // The second crossing of the circles; the pick is not looked at.
  int Point2Arcs(const TDArc& a1, const TDArc& a2, const TDPoint& pick, TDPoint& p) const;
  int PointLineArc(const TDLine& l, const TDArc& a, const TDPoint& pick, TDPoint& p) const;
  int Points2Arcs(const TDArc& a1, const TDArc& a2, TDPoint& p1, TDPoint& p2) const;
  int PointArcAngle(const TDArc& a, double angle, TDPoint& p) const;
  int PointCenterArc(const TDArc& a, TDPoint& p) const;
  int Line2Points(const TDPoint& p1, const TDPoint& p2, TDLine& l) const;
  int LinePointAngle(const TDPoint& p, double angle, double length, TDLine& l) const;
  int LineTangentPoint(const TDPoint& pick, const TDPoint& through, const TDArc& a,
                       TDLine& l) const;
  int LinePerpPoint(const TDPoint& p, const TDLine& l, TDLine& out) const;
  void LineParPoint(const TDPoint& p, const TDLine& l, TDLine& out) const;
  int LineTan2Arcs(const TDArc& a1, const TDArc& a2, const TDPoint& p1, const TDPoint& p2,
                   TDLine& l) const;
  void LineTanAngle(const TDArc& a, double angle, double length, TDLine& l) const;
  void LineOffset(const TDLine& l, double dist, const TDPoint& p, TDLine& out) const;
  void ArcCenterRad(const TDPoint& c, double radius, double start, double end, TDArc& arc) const;
  void ArcCenterTanLine(const TDPoint& c, const TDLine& l, double start, double end,
                        TDArc& arc) const;
  void ArcCenterPoint(const TDPoint& c, const TDPoint& p, double start, double end,
                      TDArc& arc) const;
  void ArcCenterTanArc(const TDPoint& pick, const TDPoint& c, const TDArc& a, double start,
                       double end, TDArc& arc) const;
  int Arc3Points(const TDPoint& p1, const TDPoint& p2, const TDPoint& p3, double start, double end,
                 TDArc& arc) const;
  int ArcTanLinePoint(const TDLine& l, const TDPoint& pick, const TDPoint& p, double radius,
                      double start, double end, TDArc& arc) const;
  int ArcTan2Lines(const TDLine& l1, const TDLine& l2, double radius, double start, double end,
                   const TDPoint& p1, const TDPoint& p2, TDArc& arc) const;
  void ArcTanLineArc(const TDLine& l, const TDArc& a, double radius, double start, double end,
                     const TDPoint& p1, const TDPoint& p2, TDArc& arc) const;
  int ArcTan2Arcs(const TDArc& a1, const TDArc& a2, double radius, double start, double end,
                  const TDPoint& p1, const TDPoint& p2, TDArc& arc) const;
  // Builds nothing: Arc is left unchanged.
  void ArcTanLine2Points(const TDLine& l, const TDPoint& p1, const TDPoint& p2, double start,
                         double end, TDArc& arc) const;
  int ArcTanArcPoint(const TDArc& a, const TDPoint& pick, const TDPoint& p, double radius,
                     double start, double end, TDArc& arc) const;
  int ArcThrough2Points(const TDPoint& p1, const TDPoint& p2, double radius, double start,
                        double end, TDArc& arc1, TDArc& arc2) const;
  int ArcBetween2Points(const TDPoint& p1, const TDPoint& p2, double start, double end,
                        TDArc& arc) const;
  int ArcTan3Lines(const TDLine& l1, const TDLine& l2, const TDLine& l3, const TDPoint& pick,
                   double start, double end, TDArc& arc) const;
  // The length in space.
  double GetLineLength(const TDLine& l) const;
  int GetClosestPoint(const TElement& e, const TDPoint& p, TDPoint& c) const;
  void GetClosestPointLine(const TDLine& l, const TDPoint& p, TDPoint& c) const;
  void GetClosestPointArc(const TDArc& a, const TDPoint& p, TDPoint& c) const;
  double FixAngle(double a) const;
  double GetAngle(double x1, double y1, double x2, double y2) const;
  double GetAngle2Points(const TDPoint& p1, const TDPoint& p2) const;
  double GetAngleLine(const TDLine& l) const;
  double Distance(double x1, double y1, double x2, double y2) const;
  double Distance2Points(const TDPoint& p1, const TDPoint& p2) const;
  double Distance3D(const TDPoint& p1, const TDPoint& p2) const;
  TDPoint MidPoint(double x1, double y1, double z1, double x2, double y2, double z2) const;
  TDPoint MidPoint2Points(const TDPoint& p1, const TDPoint& p2) const;
  TDArc ArcFromElement(const TElement& e) const;
  TDLine LineFromElement(const TElement& e) const;
  TDPoint PointFromElement(const TElement& e) const;
  // Writes x and y of the start point to P1 and of the end point to P2: 1, or 0 with nothing
  // written for a zero radius.
  int GetArcEndPoints(const TDArc& a, TDPoint& p1, TDPoint& p2) const;
  // The length of the counterclockwise sweep.
  double GetArcLength(double radius, double start, double end) const;
  // A kind other than 2 (clockwise) or 3 (counterclockwise) counts as 3.
  double GetArcAngle(double start, double end, int kind) const;
  // The point halfway along the counterclockwise sweep, z the centre's.
  TDPoint MidArc(const TDArc& a) const;
  // The text of a calculation error code 902..908, else "Undefined".
  std::string CalcErr(int code) const;

  // Always "1.1"; a value written is ignored.
  QString GetVersion() const;
  void SetVersion(const QString& value);

  void setVisible(bool visible) override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool design_mode_ = false;
};

}  // namespace orvane
