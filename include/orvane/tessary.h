/// @file
/// TTessary, the geometry calculator component.
#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "orvane/records.h"

namespace orvane {

/// The geometry calculator: plane constructions on points, lines and arcs. A widget that Qt
/// Designer can place, invisible when the application runs; every method works only on its
/// arguments and keeps no state, so its methods may be called from any thread.
///
/// Angles are degrees, counterclockwise from +X; arcs run counterclockwise from start to end.
/// Methods that return a status give 0 on success or a calculation error code 902..908, which
/// CalcErr turns into text. Results go to the reference arguments.
class TTessary : public QWidget {
  Q_OBJECT
  /// The component's version: reads "1.1"; a value written is ignored.
  Q_PROPERTY(QString Version READ GetVersion WRITE SetVersion)

 public:
  /// In design mode the component shows a small icon so that a designer can select it;
  /// otherwise it never appears on screen.
  explicit TTessary(QWidget* parent = nullptr, bool design_mode = false);

  /// p := (x, y, z). Returns 1.
  int PointXYZ(double x, double y, double z, TDPoint& p) const;
  /// The crossing of the two infinite lines (z 0): status 0, or 902 (p unchanged) for
  /// parallel lines.
  int Point2Lines(const TDLine& l1, const TDLine& l2, TDPoint& p) const;
  /// The second crossing of the two circles; the pick is not looked at. Status 0; p is left as
  /// it was when the circles do not meet.
  int Point2Arcs(const TDArc& a1, const TDArc& a2, const TDPoint& pick, TDPoint& p) const;
  /// The crossing of the line and the arc's circle nearest to the pick. Status 0.
  int PointLineArc(const TDLine& l, const TDArc& a, const TDPoint& pick, TDPoint& p) const;
  /// Both crossings of the two circles, the first in p1 and the second in p2. Status 0; the
  /// points are left as they were when the circles do not meet.
  int Points2Arcs(const TDArc& a1, const TDArc& a2, TDPoint& p1, TDPoint& p2) const;
  /// The point of the arc's circle at angle. Status 0.
  int PointArcAngle(const TDArc& a, double angle, TDPoint& p) const;
  /// p.x, p.y := the arc's centre; p.z is left alone. Status 0.
  int PointCenterArc(const TDArc& a, TDPoint& p) const;
  /// l := (p1, p2): status 0, or 903 when the points coincide in x and y.
  int Line2Points(const TDPoint& p1, const TDPoint& p2, TDLine& l) const;
  /// The segment from p in the direction angle of the given length (x and y written).
  /// Status 0.
  int LinePointAngle(const TDPoint& p, double angle, double length, TDLine& l) const;
  /// The tangent from through to the arc's circle, touching it at the point nearer to the
  /// pick: status 0, or 908 (l unchanged) when through lies inside the circle.
  int LineTangentPoint(const TDPoint& pick, const TDPoint& through, const TDArc& a,
                       TDLine& l) const;
  /// out := from p to its foot on l. Status 0.
  int LinePerpPoint(const TDPoint& p, const TDLine& l, TDLine& out) const;
  /// out := l moved so that it passes through p.
  void LineParPoint(const TDPoint& p, const TDLine& l, TDLine& out) const;
  /// The common tangent of two circles, p1 picked near a1 and p2 near a2: picks on opposite
  /// sides of the centre line give the crossing tangent, picks on one side the outer one.
  /// Status 0.
  int LineTan2Arcs(const TDArc& a1, const TDArc& a2, const TDPoint& p1, const TDPoint& p2,
                   TDLine& l) const;
  /// The tangent segment of the given direction and length that starts where it touches the
  /// arc's circle.
  void LineTanAngle(const TDArc& a, double angle, double length, TDLine& l) const;
  /// out := l moved by dist at right angles toward p's side (away from it for a negative
  /// dist).
  void LineOffset(const TDLine& l, double dist, const TDPoint& p, TDLine& out) const;
  /// The arc of centre c and the radius from start to end.
  void ArcCenterRad(const TDPoint& c, double radius, double start, double end, TDArc& arc) const;
  /// The arc centred at c touching the line l.
  void ArcCenterTanLine(const TDPoint& c, const TDLine& l, double start, double end,
                        TDArc& arc) const;
  /// The arc centred at c through p.
  void ArcCenterPoint(const TDPoint& c, const TDPoint& p, double start, double end,
                      TDArc& arc) const;
  /// The arc centred at c touching a's circle, on its far side when the pick lies beyond a's
  /// centre as seen from c, else on its near side.
  void ArcCenterTanArc(const TDPoint& pick, const TDPoint& c, const TDArc& a, double start,
                       double end, TDArc& arc) const;
  /// The circle through three points: status 0, or 908 (arc unchanged) when they lie on one
  /// line.
  int Arc3Points(const TDPoint& p1, const TDPoint& p2, const TDPoint& p3, double start, double end,
                 TDArc& arc) const;
  /// The circle of the radius touching l and passing through p, on the side chosen by the
  /// pick: status 0, or 904 (arc unchanged) when p lies farther than a diameter from l.
  int ArcTanLinePoint(const TDLine& l, const TDPoint& pick, const TDPoint& p, double radius,
                      double start, double end, TDArc& arc) const;
  /// The fillet of the radius between two lines on the sides picked by p1 (for l1) and p2
  /// (for l2): status 0, or 902 for parallel lines.
  int ArcTan2Lines(const TDLine& l1, const TDLine& l2, double radius, double start, double end,
                   const TDPoint& p1, const TDPoint& p2, TDArc& arc) const;
  /// The fillet of the radius between a line (side picked by p1) and an arc (outside it when
  /// p2 lies outside the circle, else inside).
  void ArcTanLineArc(const TDLine& l, const TDArc& a, double radius, double start, double end,
                     const TDPoint& p1, const TDPoint& p2, TDArc& arc) const;
  /// The fillet of the radius outside both arcs. Status 0.
  int ArcTan2Arcs(const TDArc& a1, const TDArc& a2, double radius, double start, double end,
                  const TDPoint& p1, const TDPoint& p2, TDArc& arc) const;
  /// Builds nothing: arc is left unchanged.
  void ArcTanLine2Points(const TDLine& l, const TDPoint& p1, const TDPoint& p2, double start,
                         double end, TDArc& arc) const;
  /// The circle of the radius touching a's circle and passing through p, the candidate nearer
  /// to the pick. Status 0.
  int ArcTanArcPoint(const TDArc& a, const TDPoint& pick, const TDPoint& p, double radius,
                     double start, double end, TDArc& arc) const;
  /// The two circles of the radius through p1 and p2: 1, or 0 with nothing written when the
  /// points lie too far apart.
  int ArcThrough2Points(const TDPoint& p1, const TDPoint& p2, double radius, double start,
                        double end, TDArc& arc1, TDArc& arc2) const;
  /// The circle on p1 p2 as diameter. Returns 1.
  int ArcBetween2Points(const TDPoint& p1, const TDPoint& p2, double start, double end,
                        TDArc& arc) const;
  /// The circle touching three lines: 1. Where two lines are parallel: 0, with the circle
  /// between them on the pick's side of the third line; more parallel pairs write nothing.
  int ArcTan3Lines(const TDLine& l1, const TDLine& l2, const TDLine& l3, const TDPoint& pick,
                   double start, double end, TDArc& arc) const;
  /// The length of the line in space.
  double GetLineLength(const TDLine& l) const;
  /// The point of the element (point, line or arc) nearest to p; other types leave c alone.
  /// Returns 1.
  int GetClosestPoint(const TElement& e, const TDPoint& p, TDPoint& c) const;
  /// The foot of the perpendicular from p on the infinite line.
  void GetClosestPointLine(const TDLine& l, const TDPoint& p, TDPoint& c) const;
  /// The point of the arc's full circle nearest to p.
  void GetClosestPointArc(const TDArc& a, const TDPoint& p, TDPoint& c) const;
  /// The angle folded into 0..360.
  double FixAngle(double a) const;
  /// The direction from (x1, y1) to (x2, y2), 0 to 360 degrees.
  double GetAngle(double x1, double y1, double x2, double y2) const;
  /// The direction from p1 to p2, 0 to 360 degrees.
  double GetAngle2Points(const TDPoint& p1, const TDPoint& p2) const;
  /// The direction of the line from its start to its end, 0 to 360 degrees.
  double GetAngleLine(const TDLine& l) const;
  /// The plane distance of (x1, y1) and (x2, y2).
  double Distance(double x1, double y1, double x2, double y2) const;
  /// The plane distance of p1 and p2 (x and y).
  double Distance2Points(const TDPoint& p1, const TDPoint& p2) const;
  /// The distance in space of p1 and p2.
  double Distance3D(const TDPoint& p1, const TDPoint& p2) const;
  /// The point halfway between (x1, y1, z1) and (x2, y2, z2).
  TDPoint MidPoint(double x1, double y1, double z1, double x2, double y2, double z2) const;
  /// The point halfway between p1 and p2.
  TDPoint MidPoint2Points(const TDPoint& p1, const TDPoint& p2) const;
  /// The element's six values as an arc.
  TDArc ArcFromElement(const TElement& e) const;
  /// The element's six values as a line.
  TDLine LineFromElement(const TElement& e) const;
  /// The element's first three values as a point.
  TDPoint PointFromElement(const TElement& e) const;
  /// Writes x and y of the start point to p1 and of the end point to p2: 1, or 0 with nothing
  /// written for a zero radius.
  int GetArcEndPoints(const TDArc& a, TDPoint& p1, TDPoint& p2) const;
  /// The length of the counterclockwise sweep from start to end.
  double GetArcLength(double radius, double start, double end) const;
  /// The sweep from start to end: kind 2 clockwise, 3 counterclockwise; any other kind counts
  /// as 3.
  double GetArcAngle(double start, double end, int kind) const;
  /// The point halfway along the counterclockwise sweep, z the centre's.
  TDPoint MidArc(const TDArc& a) const;
  /// The text of a calculation error code 902..908, else "Undefined".
  std::string CalcErr(int code) const;

  /// Always "1.1".
  QString GetVersion() const;
  /// Accepted and ignored.
  void SetVersion(const QString& value);

  /// Shows the widget only in design mode.
  void setVisible(bool visible) override;
  /// The size of the design-mode icon.
  QSize sizeHint() const override;

 protected:
  /// Paints the design-mode icon.
  void paintEvent(QPaintEvent* event) override;

 private:
  bool design_mode_ = false;
};

}  // namespace orvane
