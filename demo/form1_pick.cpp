// The pick handler: the picked element is drawn in yellow and named, its points are shown, and
// with "Tessary Demo" checked the calculator builds geometry on it.
#include <cmath>

#include "demo/form1.h"
#include "orvane/tessary.h"

namespace orvane::demo {

namespace {

constexpr TColor kYellow = 65535;
constexpr TColor kRed = 255;
constexpr int kRays = 5;
constexpr double kRayStep = 72;  // degrees between the rays on a point

bool is_finite(const TDPoint& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

// A constructed circle worth drawing and keeping.
bool usable(const TDArc& a) {
  return is_finite(a.center) && std::isfinite(a.radius) && a.radius > 0;
}

}  // namespace

void TForm1::picked(int n, const TDPoint& near_end, const TDPoint& far_end, const TDPoint& mid,
                    const TDPoint& closest) {
  const TElement e = Orvane1->GetElement(n);
  const double* v = e.values;
  Orvane1->SetCurrentColor(kYellow);
  switch (e.element_type) {
    case kPoint:
      Orvane1->DrawPoint(v[0], v[1], v[2]);
      Label17->setText(QStringLiteral("Point[%1]").arg(n));
      break;
    case kLine:
      Orvane1->DrawLine(v[0], v[1], v[2], v[3], v[4], v[5]);
      Label17->setText(QStringLiteral("Line[%1]").arg(n));
      break;
    case kArc:
      Orvane1->DrawArc(e.view, v[0], v[1], v[2], v[3], v[4], v[5]);
      Label17->setText(QStringLiteral("Arc[%1]").arg(n));
      break;
    default:
      break;
  }
  if (CheckBox5->isChecked()) {
    if (e.element_type == kPoint) tessary_point(e);
    if (e.element_type == kLine) tessary_line(e);
    if (e.element_type == kArc) tessary_arc(e, closest);
  }
  Label13->setText(pick_point_text(near_end));
  Label14->setText(pick_point_text(far_end));
  Label15->setText(pick_point_text(mid));
  Label16->setText(pick_point_text(closest));
  Orvane1->unsetCursor();
}

// Five rays of half the view size; their ends become points.
void TForm1::tessary_point(const TElement& e) {
  const TDPoint p = Tessary1->PointFromElement(e);
  for (int i = 1; i <= kRays; ++i) {
    TDLine ray;
    Tessary1->LinePointAngle(p, i * kRayStep, Orvane1->GetViewSize() / 2, ray);
    Orvane1->DrawLineX(ray);
    Orvane1->DrawPointX(ray.p2);
    Orvane1->MakePointX(ray.p2);
  }
}

// The circle on the line as diameter, then in red the two circles of the line's length through
// both ends; the second is kept. A line with no length in the plane gives no circles.
void TForm1::tessary_line(const TElement& e) {
  const TDPoint p1 = Tessary1->PointFromElement(e);
  const TDPoint p2{e.values[3], e.values[4], e.values[5]};
  TDArc diameter;
  Tessary1->ArcBetween2Points(p1, p2, 0, 360, diameter);
  if (usable(diameter)) Orvane1->DrawArcX(diameter);
  const double d = Tessary1->Distance2Points(p1, p2);
  TDArc a1, a2;
  const bool built = Tessary1->ArcThrough2Points(p1, p2, d, 0, 360, a1, a2) != 0;
  Orvane1->SetCurrentColor(kRed);
  if (!built || !usable(a1) || !usable(a2)) return;
  Orvane1->DrawArcX(a1);
  Orvane1->DrawArcX(a2);
  Orvane1->MakeArcX(a2);
}

// Radius lines from the clicked point to the centre and from the centre to the arc's midpoint.
void TForm1::tessary_arc(const TElement& e, const TDPoint& closest) {
  const TDPoint c = Tessary1->PointFromElement(e);
  const TDPoint m = Tessary1->MidArc(Tessary1->ArcFromElement(e));
  for (const auto& [from, to] : {std::pair{closest, c}, std::pair{c, m}}) {
    TDLine l;
    Tessary1->Line2Points(from, to, l);
    Orvane1->DrawLineX(l);
    Orvane1->MakeLineX(l);
  }
}

}  // namespace orvane::demo
