// Making, reaching, clearing and drawing elements through the widget, checked in the store and
// in the pixels of the backing image.
#include "tests/component/orvane_fixture.h"

using namespace orvane;

namespace {

using OrvaneElements = OrvaneTest;

TEST_F(OrvaneElements, MakeStoresWithTheCurrentSettingsAndReturnsTheNumber) {
  widget->SetCurrentColor(0x0000FF);
  widget->SetCurrentLayer(4);
  widget->SetLineType(2);
  EXPECT_EQ(widget->MakePoint(1, 2, 3), 2);  // number 1 is the empty start-up record
  EXPECT_EQ(widget->MakeLineX({{1, 2, 3}, {4, 5, 6}}), 3);
  const TElement p = widget->GetElement(2);
  EXPECT_EQ(p.element_type, kPoint);
  EXPECT_EQ(p.color, 0x0000FFu);
  EXPECT_EQ(p.layer, 4);
  EXPECT_EQ(p.line_type, 2);
  EXPECT_EQ(p.view, 1);
  EXPECT_EQ(p.values[2], 3);
  EXPECT_EQ(widget->GetElement(3).values[5], 6);
  EXPECT_EQ(widget->GetLastElement(), 3);
}

TEST_F(OrvaneElements, CirclesAndArcsCarryTheirViewCodes) {
  EXPECT_EQ(widget->GetElement(widget->MakeCircle(0, 0, 0, 1, true)).view, 9);
  EXPECT_EQ(widget->GetElement(widget->MakeCircle(0, 0, 0, 1, false)).view, 1);
  EXPECT_EQ(widget->GetElement(widget->MakeArc(3, 0, 0, 0, 1, 0, 90)).view, 3);
  current_view = 7;
  const TElement a = widget->GetElement(widget->MakeArcX({{1, 2, 3}, 4, 10, 20}));
  EXPECT_EQ(a.view, 7);
  EXPECT_EQ(a.values[3], 4);
  EXPECT_EQ(a.values[5], 20);
}

TEST_F(OrvaneElements, RefusedElementGivesZeroAndStoresNothing) {
  EXPECT_EQ(widget->MakePoint(2e9, 0, 0), 0);
  EXPECT_TRUE(widget->GetIsDeleted(2));  // the number holds no element
  EXPECT_EQ(widget->GetElement(2).element_type, kNoElement);
}

TEST_F(OrvaneElements, NumbersOutsideTheStoreAreIgnored) {
  const int n = widget->MakeLine(0, 0, 0, 1, 1, 0);
  EXPECT_TRUE(widget->GetIsDeleted(0));
  EXPECT_TRUE(widget->GetIsDeleted(n + 1));
  EXPECT_FALSE(widget->GetIsDeleted(n));
  widget->SetIsDeleted(0, true);
  widget->SetIsDeleted(n + 1, true);
  widget->SetElement(-3, widget->GetElement(n));
  widget->DrawElement(n + 1);
  const TElement outside = widget->GetElement(n + 5);
  EXPECT_EQ(outside.element_type, 0);
  EXPECT_EQ(outside.values[0], 0);
  EXPECT_EQ(widget->GetLastElement(), n);
}

TEST_F(OrvaneElements, SetElementOverwritesTheWholeRecordAndUndeletingLeavesTheGroup) {
  const int n = widget->MakeLine(0, 0, 0, 1, 1, 0);
  TElement e = widget->GetElement(n);
  e.group_mark = 2;
  e.reserved = 99;
  e.values[4] = 8;
  widget->SetElement(n, e);
  EXPECT_EQ(widget->GetElement(n).reserved, 99u);
  EXPECT_EQ(widget->GetElement(n).values[4], 8);
  widget->SetIsDeleted(n, false);
  EXPECT_EQ(widget->GetElement(n).group_mark, 0);
  widget->SetIsDeleted(n, true);
  EXPECT_TRUE(widget->GetIsDeleted(n));
}

TEST_F(OrvaneElements, AfterClearElementsTheTableComesBackInItsStartState) {
  widget->MakeLine(0, 0, 0, 1, 1, 0);
  widget->ClearElements();
  EXPECT_TRUE(element_handle.empty());
  EXPECT_EQ(widget->GetElement(1).element_type, 0);
  widget->Redraw();  // walks the table: recreated with entries 0 and 1
  EXPECT_EQ(element_handle.size(), 2u);
  widget->ClearElements();
  EXPECT_EQ(widget->MakePoint(1, 1, 0), 2);
  EXPECT_EQ(widget->GetElement(2).element_type, kPoint);
}

TEST_F(OrvaneElements, AfterClearElementsAPickOrADragBringsTheTableBack) {
  widget->ClearElements();
  widget->Pick();
  QTest::mouseClick(widget.get(), Qt::LeftButton, Qt::NoModifier, {100, 50});
  EXPECT_EQ(element_handle.size(), 2u);
  widget->ClearElements();
  drag(Qt::LeftButton, Qt::ControlModifier, {100, 50}, {110, 50});
  EXPECT_EQ(element_handle.size(), 2u);
  EXPECT_EQ(widget->MakePoint(0, 0, 0), 2);
}

TEST_F(OrvaneElements, DestroyingAWidgetEmptiesTheDrawingForEveryWidget) {
  auto second = make_widget();
  second->MakeLine(0, 0, 0, 1, 1, 0);
  second.reset();
  EXPECT_EQ(widget->GetLastElement(), 0);
  EXPECT_EQ(widget->MakePoint(0, 0, 0), 1);
}

TEST_F(OrvaneElements, TwoWidgetsShowTheOneDrawing) {
  auto second = make_widget();
  widget->MakeLine(-10, 0, 0, 10, 0, 0);  // pixel row 50, columns 50 to 150
  second->Redraw();
  EXPECT_EQ(second->backing_image().pixel(120, 50) & 0xFFFFFF, kLime);
}

TEST_F(OrvaneElements, RedrawPaintsAGroupMemberRed) {
  const int n = widget->MakeLine(-10, 2, 0, 10, 2, 0);  // row 40
  widget->MakeLine(-10, -2, 0, 10, -2, 0);              // row 60
  TElement e = widget->GetElement(n);
  e.group_mark = 2;
  widget->SetElement(n, e);
  widget->Redraw();
  EXPECT_EQ(pixel(100, 40), kRed);
  EXPECT_EQ(pixel(100, 60), kLime);
  EXPECT_EQ(pixel(100, 50), kBlack);
}

TEST_F(OrvaneElements, FilledCircleCoversItsCentreAndAnOutlineDoesNot) {
  widget->MakeCircle(-10, 0, 0, 4, true);  // centre pixel (50, 50), radius 20 pixels
  widget->MakeCircle(10, 0, 0, 4, false);  // centre pixel (150, 50)
  widget->Redraw();
  EXPECT_EQ(pixel(50, 50), kLime);
  EXPECT_EQ(pixel(45, 55), kLime);
  EXPECT_EQ(pixel(150, 50), kBlack);
  // The outline's top edge lies on row 30 or just below it.
  EXPECT_TRUE(pixel(150, 30) == kLime || pixel(150, 31) == kLime);
}

TEST_F(OrvaneElements, DrawFamilyPaintsUntilTheNextRedrawAndStoresNothing) {
  widget->DrawLine(-10, 0, 0, 10, 0, 0);
  widget->DrawPoint(-15, 6, 0);  // a cross at (25, 20)
  EXPECT_EQ(pixel(100, 50), kLime);
  EXPECT_EQ(pixel(28, 20), kLime);
  EXPECT_EQ(pixel(25, 17), kLime);
  EXPECT_EQ(widget->GetLastElement(), 1);
  widget->Redraw();
  EXPECT_EQ(pixel(100, 50), kBlack);
}

TEST_F(OrvaneElements, ClearFillsThePlotWindowWithTheBackground) {
  widget->DrawLine(-10, 0, 0, 10, 0, 0);
  plot_window_width = 120;
  plot_window_height = 100;
  widget->Clear();
  EXPECT_EQ(pixel(100, 50), kBlack);
  EXPECT_EQ(pixel(140, 50), kLime);  // beyond the plot window
}

TEST_F(OrvaneElements, ExposureAndRepaintRunPaintWhileDrawingOnlyCopiesTheImage) {
  int paints = 0;
  widget->OnPaint = [&](TOrvane*) { ++paints; };
  widget->DrawLine(-10, 0, 0, 10, 0, 0);
  QApplication::processEvents();  // the repaint it asked for
  EXPECT_EQ(paints, 0);
  EXPECT_EQ(pixel(100, 50), kLime);
  widget->Repaint();
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(pixel(100, 50), kBlack);
  widget->resize(300, 120);
  QApplication::processEvents();
  EXPECT_EQ(paints, 2);
  EXPECT_EQ(widget->backing_image().size(), QSize(300, 120));
}

TEST_F(OrvaneElements, HiddenWidgetSizesItsImageWhenFirstDrawnOn) {
  TOrvane hidden;
  hidden.resize(30, 20);  // no resize event while hidden
  hidden.SetBackgroundColor(0x0000FF);
  EXPECT_EQ(hidden.backing_image().size(), QSize(30, 20));
  EXPECT_EQ(hidden.backing_image().pixel(29, 19) & 0xFFFFFF, kRed);
}

}  // namespace
