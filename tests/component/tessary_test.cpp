// TTessary forwards to the calculator and stays off screen at run time.
#include "orvane/tessary.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <numbers>

namespace {

using orvane::TDArc;
using orvane::TDPoint;
using orvane::TElement;
using orvane::TTessary;

TEST(TessaryComponent, VersionIsAlwaysOnePointOne) {
  TTessary t;
  t.SetVersion("2.7");
  EXPECT_EQ(t.GetVersion(), "1.1");
  EXPECT_TRUE(t.setProperty("Version", "3.0"));
  EXPECT_EQ(t.property("Version").toString(), "1.1");
}

TEST(TessaryComponent, CalcErrTexts) {
  TTessary t;
  EXPECT_EQ(t.CalcErr(902), "PARALLEL LINES");
  EXPECT_EQ(t.CalcErr(905), "RADIUS DOES NOT INTERSECT");
  EXPECT_EQ(t.CalcErr(908), "3 POINTS ON SAME LINE");
  EXPECT_EQ(t.CalcErr(0), "Undefined");
  EXPECT_EQ(t.CalcErr(909), "Undefined");
}

TEST(TessaryComponent, StaysHiddenAtRunTimeButShowsAnIconInDesignMode) {
  QWidget form;
  TTessary* t = new TTessary(&form);
  form.show();
  t->show();
  EXPECT_FALSE(t->isVisible());
  EXPECT_TRUE(t->testAttribute(Qt::WA_DontShowOnScreen));
  TTessary* designed = new TTessary(&form, true);
  designed->show();
  EXPECT_TRUE(designed->isVisible());
  const QImage icon = designed->grab().toImage();
  ASSERT_FALSE(icon.isNull());
  EXPECT_NE(icon.pixel(1, 1), icon.pixel(icon.width() / 2, 3));
}

TEST(TessaryComponent, ArcMeasuresForceTheCounterclockwiseKind) {
  TTessary t;
  EXPECT_EQ(t.GetArcAngle(350, 10, 7), 20);
  EXPECT_EQ(t.GetArcAngle(350, 10, 2), 340);
  EXPECT_NEAR(t.GetArcLength(2, 0, 180), 2 * std::numbers::pi, 1e-12);
  const TDPoint mid = t.MidArc({{0, 0, 1}, 1, 0, 90});
  EXPECT_NEAR(mid.x, std::sqrt(0.5), 1e-9);
  EXPECT_NEAR(mid.y, std::sqrt(0.5), 1e-9);
  EXPECT_EQ(mid.z, 1);
  TDPoint p1{5, 5, 5}, p2{6, 6, 6};
  EXPECT_EQ(t.GetArcEndPoints({{0, 0, 0}, 0, 0, 90}, p1, p2), 0);
  EXPECT_EQ(p1.x + p2.y, 11);
  EXPECT_EQ(t.GetArcEndPoints({{0, 0, 0}, 2, 0, 90}, p1, p2), 1);
  EXPECT_NEAR(p1.x + p2.y, 4, 1e-9);
  EXPECT_EQ(p1.z, 5);  // z untouched
}

TEST(TessaryComponent, ForwardsCrossingsMeasuresAndElements) {
  TTessary t;
  const TDArc a1{{0, 0, 0}, 2, 0, 360}, a2{{2, 0, 0}, 2, 0, 360};
  TDPoint p, q1, q2;
  for (const TDPoint& pick : {TDPoint{1, 5, 0}, TDPoint{1, -5, 0}}) {
    EXPECT_EQ(t.Point2Arcs(a1, a2, pick, p), 0);
    EXPECT_NEAR(p.y, -std::sqrt(3.0), 1e-9);  // the second crossing whatever the pick
  }
  EXPECT_EQ(t.Points2Arcs(a1, a2, q1, q2), 0);
  EXPECT_NEAR(q1.y, std::sqrt(3.0), 1e-9);
  EXPECT_EQ(t.Distance3D({0, 0, 0}, {1, 2, 2}), 3);
  const TDPoint m = t.MidPoint(0, 0, 0, 2, 4, 6);
  EXPECT_EQ(m.x + 10 * m.y + 100 * m.z, 321);
  TElement e{};
  for (int i = 0; i < 6; ++i)
    e.values[i] = i + 1;
  EXPECT_EQ(t.ArcFromElement(e).end_angle, 6);
  EXPECT_EQ(t.LineFromElement(e).p2.x, 4);
  EXPECT_EQ(t.PointFromElement(e).z, 3);
  TDArc arc{{9, 9, 9}, 9, 9, 9};
  EXPECT_EQ(t.Arc3Points({0, 0, 0}, {1, 1, 0}, {2, 2, 0}, 0, 360, arc), 908);
  t.ArcTanLine2Points({}, {}, {}, 0, 360, arc);
  EXPECT_EQ(arc.radius, 9);
}

}  // namespace
