// Mouse gestures as a user makes them: exact buttons and keys pan or rotate, anything else does
// nothing; the quick frame while dragging and the full picture on release.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/component/orvane_fixture.h"

using namespace orvane;

namespace {

using OrvaneMouse = OrvaneTest;

TEST_F(OrvaneMouse, CtrlLeftDragPansAgainstThePointer) {
  widget->SetViewSize(50);  // 2 pixels per unit
  drag(Qt::LeftButton, Qt::ControlModifier, {100, 50}, {150, 50});
  EXPECT_DOUBLE_EQ(widget->GetCenterX(), -25);
  EXPECT_DOUBLE_EQ(widget->GetCenterY(), 0);
  EXPECT_FALSE(pan_flag);  // ended by the release
}

TEST_F(OrvaneMouse, MiddleDragPansOnlyWhileMousePanIsOnAndWithNoKey) {
  drag(Qt::MiddleButton, Qt::NoModifier, {100, 50}, {100, 60});  // 10 pixels down: 2 units
  EXPECT_DOUBLE_EQ(widget->GetCenterY(), 2);
  drag(Qt::MiddleButton, Qt::ControlModifier, {100, 50}, {100, 60});
  EXPECT_DOUBLE_EQ(widget->GetCenterY(), 2);
  widget->SetMousePan(false);
  drag(Qt::MiddleButton, Qt::NoModifier, {100, 50}, {100, 60});
  EXPECT_DOUBLE_EQ(widget->GetCenterY(), 2);
}

TEST_F(OrvaneMouse, AnExtraKeyOrButtonIsNoGesture) {
  drag(Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier, {100, 50}, {150, 50});
  drag(Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier, {100, 50}, {150, 50});
  drag(Qt::RightButton, Qt::ControlModifier, {100, 50}, {150, 50});
  EXPECT_EQ(widget->GetCenterX(), 0);
  EXPECT_EQ(view_x, -70);
  EXPECT_EQ(view_y, 0);
  QTest::mousePress(widget.get(), Qt::LeftButton, Qt::ControlModifier, {100, 50});
  move({110, 50}, Qt::LeftButton | Qt::RightButton, Qt::ControlModifier);
  QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::ControlModifier, {110, 50});
  EXPECT_EQ(widget->GetCenterX(), 0);
}

TEST_F(OrvaneMouse, AltLeftDragRotatesOneDegreePerEightPixels) {
  widget->SetView(vFRONT);
  std::vector<TDView> views;
  widget->OnChangeView = [&](TOrvane*, TDView v) { views.push_back(v); };
  QTest::mousePress(widget.get(), Qt::LeftButton, Qt::AltModifier, {100, 50});
  move({100, 66}, Qt::LeftButton, Qt::AltModifier);  // 16 down: view_x -90 + 2
  move({76, 66}, Qt::LeftButton, Qt::AltModifier);   // 24 left: view_y 0 - 3, folded
  QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::AltModifier, {76, 66});
  EXPECT_DOUBLE_EQ(view_x, -88 + 360);
  EXPECT_DOUBLE_EQ(view_y, 357);
  EXPECT_EQ(view_z, 0);
  EXPECT_EQ(views, (std::vector<TDView>{vFRONT, vFRONT}));
  EXPECT_EQ(old_view_x, -70);  // only the isometric window remembers its rotation
  EXPECT_FALSE(dynamic_rotate_flag);
}

TEST_F(OrvaneMouse, RotatingInTheIsometricWindowIsRememberedForIt) {
  widget->SetView(vISO);
  drag(Qt::LeftButton, Qt::AltModifier, {100, 50}, {108, 50});
  EXPECT_DOUBLE_EQ(old_view_y, 1);
  widget->SetView(vTOP);
  widget->SetView(vISO);
  EXPECT_DOUBLE_EQ(view_y, 1);
}

// A line drawn but not stored (row 20) shows whether a move replotted the picture.
TEST_F(OrvaneMouse, RotatingRedrawsTheFrameExceptInTheTopWindow) {
  int fired = 0;
  widget->OnChangeView = [&](TOrvane*, TDView) { ++fired; };
  widget->DrawLine(-10, 6, 0, 10, 6, 0);
  QTest::mousePress(widget.get(), Qt::LeftButton, Qt::AltModifier, {100, 50});
  move({100, 58}, Qt::LeftButton, Qt::AltModifier);
  EXPECT_DOUBLE_EQ(view_x, -70 + 1 + 360);  // the start-up angle, one degree on, folded
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(pixel(100, 20), kLime);
  widget->SetView(vFRONT);
  widget->SetViewSize(20);  // the front window at the fixture's scale
  widget->DrawLine(-10, 0, 6, 10, 0, 6);
  ASSERT_EQ(pixel(100, 20), kLime);
  move({100, 66}, Qt::LeftButton, Qt::AltModifier);
  EXPECT_EQ(fired, 4);  // SetView and SetViewSize fired too
  EXPECT_EQ(pixel(100, 20), kBlack);
  QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::AltModifier, {100, 66});
}

// Elements 2 to 201 lie on row 10, element 202 on row 80: with the first elements preview, a drag
// frame shows only the first 200.
TEST_F(OrvaneMouse, DraggingShowsTheFirst200ElementsAndTheReleaseAllOfThem) {
  widget->SetFirstElementsPreview(true);
  for (int i = 0; i < 200; ++i)
    widget->MakeLine(-10, 8, 0, 10, 8, 0);
  widget->MakeLine(-10, -6, 0, 10, -6, 0);
  widget->Redraw();
  ASSERT_EQ(pixel(100, 80), kLime);
  QTest::mousePress(widget.get(), Qt::LeftButton, Qt::ControlModifier, {100, 50});
  move({100, 50}, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(pixel(100, 10), kLime);
  EXPECT_EQ(pixel(100, 80), kBlack);
  QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::ControlModifier, {100, 50});
  EXPECT_EQ(pixel(100, 80), kLime);
}

TEST_F(OrvaneMouse, ApplicationHandlersGetTheButtonAndTheExactShiftState) {
  std::vector<std::string> log;
  auto text = [](TShiftState s) { return std::to_string(s.bits()); };
  widget->OnMouseDown = [&](TOrvane*, TMouseButton b, TShiftState s, int x, int y) {
    log.push_back("down " + std::to_string(b) + " " + text(s) + " " + std::to_string(x) + "," +
                  std::to_string(y));
    EXPECT_EQ(begin_point.x, x);  // the widget's own handling ran first
  };
  widget->OnMouseMove = [&](TOrvane*, TShiftState s, int x, int) {
    log.push_back("move " + text(s) + " " + std::to_string(x));
  };
  widget->OnMouseUp = [&](TOrvane*, TMouseButton b, TShiftState s, int, int) {
    log.push_back("up " + std::to_string(b) + " " + text(s));
  };
  QTest::mousePress(widget.get(), Qt::RightButton, Qt::ShiftModifier, {30, 40});
  move({35, 40}, Qt::RightButton, Qt::ShiftModifier);
  QTest::mouseRelease(widget.get(), Qt::RightButton, Qt::ShiftModifier, {35, 40});
  QTest::mouseDClick(widget.get(), Qt::MiddleButton, Qt::NoModifier, {1, 2});
  // QTest keeps the button of a double click held until a release; later tests' presses would
  // carry it.
  QTest::mouseRelease(widget.get(), Qt::MiddleButton, Qt::NoModifier, {1, 2});
  const int shift_right = TShiftState{ssShift, ssRight}.bits();
  const int shift = TShiftState{ssShift}.bits();
  const int middle_double = TShiftState{ssMiddle, ssDouble}.bits();
  ASSERT_GE(log.size(), 4u);
  EXPECT_EQ(log[0], "down 1 " + std::to_string(shift_right) + " 30,40");
  EXPECT_EQ(log[1], "move " + std::to_string(shift_right) + " 35");
  EXPECT_EQ(log[2], "up 1 " + std::to_string(shift));
  EXPECT_NE(std::find(log.begin(), log.end(), "down 2 " + std::to_string(middle_double) + " 1,2"),
            log.end());
}

}  // namespace
