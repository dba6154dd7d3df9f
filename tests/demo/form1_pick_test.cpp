// "Pick Element": the filter from the check boxes, the labels of a pick, and the calculator
// demonstration on points, lines and arcs.
#include "demo/form1.h"
#include "tests/demo/form1_fixture.h"

using namespace orvane;
using orvane::demo::pick_filter_for;

TEST(PickFilterRule, LaterRulesOverrideEarlierOnes) {
  EXPECT_EQ(pick_filter_for(false, false, false), fAll);
  EXPECT_EQ(pick_filter_for(true, false, false), fPoints);
  EXPECT_EQ(pick_filter_for(false, true, false), fLines);
  EXPECT_EQ(pick_filter_for(false, false, true), fArcs);
  EXPECT_EQ(pick_filter_for(true, true, false), fPointLine);
  EXPECT_EQ(pick_filter_for(true, false, true), fPointArc);
  EXPECT_EQ(pick_filter_for(false, true, true), fLineArc);
  EXPECT_EQ(pick_filter_for(true, true, true), fAll);
}

TEST(ReadOutTexts, MouseTextHasBlanksAndPickTextHasNone) {
  const TDPoint p{1.5, -22.25, 1234.5678};
  EXPECT_EQ(orvane::demo::mouse_text(p), "X   1.500 Y -22.250 Z1234.568");
  EXPECT_EQ(orvane::demo::pick_point_text(p), "X   1.500Y -22.250Z1234.568");
}

class Form1Pick : public Form1Test {
 protected:
  void SetUp() override {
    Form1Test::SetUp();
    five_pixels_a_unit();
  }
  void pick_at(QPoint at) {
    click(form->Button3);
    EXPECT_EQ(orvane1->cursor().shape(), Qt::CrossCursor);
    click_drawing(at);
  }
};

TEST_F(Form1Pick, PickElementSetsTheFilterFromTheCheckBoxes) {
  form->CheckBox2->setChecked(true);
  form->CheckBox4->setChecked(true);
  click(form->Button3);
  EXPECT_EQ(orvane1->GetPickFilter(), fPointArc);
  form->CheckBox3->setChecked(true);
  click(form->Button3);
  EXPECT_EQ(orvane1->GetPickFilter(), fAll);
}

TEST_F(Form1Pick, PickedLineIsNamedAndItsPointsShown) {
  const int n = orvane1->MakeLine(0, 0, 0, 10, 0, 0);
  pick_at(pixel_of(9, 0));
  EXPECT_EQ(form->Label17->text(), QString("Line[%1]").arg(n));
  EXPECT_EQ(form->Label13->text(), "X  10.000Y   0.000Z   0.000");
  EXPECT_EQ(form->Label14->text(), "X   0.000Y   0.000Z   0.000");
  EXPECT_EQ(form->Label15->text(), "X   5.000Y   0.000Z   0.000");
  EXPECT_TRUE(form->Label16->text().startsWith("X   9."));
  EXPECT_EQ(orvane1->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(orvane1->GetCurrentColor(), 65535u);  // yellow after a pick
  // The highlight is drawn in yellow over the line.
  const QPoint mid = pixel_of(5, 0);
  EXPECT_EQ(orvane1->backing_image().pixel(mid) & 0xFFFFFF, 0xFFFF00u);
  EXPECT_EQ(orvane1->GetLastElement(), n);  // nothing made without the demo
}

TEST_F(Form1Pick, ThePickFilterKeepsOtherTypesFromBeingPicked) {
  orvane1->MakeLine(0, 0, 0, 10, 0, 0);
  const int p = orvane1->MakePoint(5, 0, 0);
  form->CheckBox2->setChecked(true);  // points only
  pick_at(pixel_of(4, 0));
  EXPECT_EQ(form->Label17->text(), QString("Point[%1]").arg(p));
}

TEST_F(Form1Pick, TessaryDemoOnAPointMakesFivePointsAtRayEnds) {
  const int n = orvane1->MakePoint(1, 1, 0);
  form->CheckBox5->setChecked(true);
  pick_at(pixel_of(1, 1));
  ASSERT_EQ(count(kPoint), 6);
  const double half = orvane1->GetViewSize() / 2;
  for (int i = 1; i <= 5; ++i) {
    const TElement e = orvane1->GetElement(n + i);
    const double a = i * 72 * M_PI / 180;
    EXPECT_NEAR(e.values[0], 1 + half * std::cos(a), 1e-6) << i;
    EXPECT_NEAR(e.values[1], 1 + half * std::sin(a), 1e-6) << i;
  }
}

TEST_F(Form1Pick, TessaryDemoOnALineKeepsTheSecondCircleInRed) {
  const int n = orvane1->MakeLine(0, 0, 0, 6, 0, 0);
  form->CheckBox5->setChecked(true);
  pick_at(pixel_of(3, 0));
  ASSERT_EQ(orvane1->GetLastElement(), n + 1);
  EXPECT_EQ(count(kArc) + count(kCircle), 1);
  const TElement arc = orvane1->GetElement(n + 1);
  EXPECT_NEAR(arc.values[3], 6, 1e-9);  // radius: the line's length
  EXPECT_NEAR(arc.values[0], 3, 1e-9);  // the centre lies on the perpendicular bisector
  EXPECT_NEAR(std::abs(arc.values[1]), std::sqrt(27.0), 1e-9);
  EXPECT_EQ(arc.color, 255u);
  EXPECT_EQ(orvane1->GetCurrentColor(), 255u);
}

TEST_F(Form1Pick, TessaryDemoOnAnArcMakesTwoRadiusLines) {
  const int n = orvane1->MakeArc(1, 0, 0, 0, 4, 0, 180);
  form->CheckBox5->setChecked(true);
  pick_at(pixel_of(0, 4));
  ASSERT_EQ(count(kLine), 2);
  const TElement to_centre = orvane1->GetElement(n + 1);
  const TElement to_mid = orvane1->GetElement(n + 2);
  EXPECT_NEAR(to_centre.values[3], 0, 1e-9);  // ends at the centre
  EXPECT_NEAR(to_centre.values[4], 0, 1e-9);
  EXPECT_NEAR(to_mid.values[0], 0, 1e-9);  // starts at the centre, ends at the midpoint (0, 4)
  EXPECT_NEAR(to_mid.values[3], 0, 1e-6);
  EXPECT_NEAR(to_mid.values[4], 4, 1e-6);
  EXPECT_EQ(form->Label17->text(), QString("Arc[%1]").arg(n));
}
