// The mouse on the drawing: the coordinate read-out and the zoom window's rubber band.
#include <QMouseEvent>

#include "demo/rubber_band.h"
#include "tests/demo/form1_fixture.h"

using namespace orvane;

namespace {

class Form1Mouse : public Form1Test {
 protected:
  void SetUp() override {
    Form1Test::SetUp();
    five_pixels_a_unit();
  }
  void move_to(QPoint at, Qt::MouseButtons held = Qt::LeftButton) {
    QMouseEvent e(QEvent::MouseMove, at, orvane1->mapToGlobal(at), Qt::NoButton, held,
                  Qt::NoModifier);
    QApplication::sendEvent(orvane1, &e);
  }
  demo::RubberBand* band() { return form->findChild<demo::RubberBand*>(); }
};

}  // namespace

TEST_F(Form1Mouse, MovingShowsTheModelPointUnlessSwitchedOff) {
  move_to(pixel_of(2, -3), Qt::NoButton);
  EXPECT_EQ(form->Label1->text(), "X   2.000 Y  -3.000 Z   0.000");
  form->CheckBox1->setChecked(false);
  move_to(pixel_of(4, 4), Qt::NoButton);
  EXPECT_EQ(form->Label1->text(), "X   2.000 Y  -3.000 Z   0.000");
}

TEST_F(Form1Mouse, ZoomWindowDragsARubberBandAndZoomsToIt) {
  form->ZoomWindow1->trigger();
  EXPECT_TRUE(form->zoom_window_armed());
  EXPECT_EQ(form->cursor().shape(), Qt::PointingHandCursor);

  const QPoint from = pixel_of(0, 4), to = pixel_of(8, 0);
  QTest::mousePress(orvane1, Qt::LeftButton, Qt::NoModifier, from);
  EXPECT_FALSE(form->zoom_window_armed());
  EXPECT_TRUE(form->zoom_dragging());
  move_to(to);
  ASSERT_NE(band(), nullptr);
  EXPECT_TRUE(band()->shown());
  // The band lies under the pointer: the drawing's pixels moved by its place in the window.
  const QPoint offset = orvane1->mapTo(form->centralWidget(), QPoint(0, 0));
  EXPECT_EQ(band()->rectangle(), QRect(from + offset, to + offset));
  EXPECT_EQ(form->zoom_rectangle(), QRect(from, to));

  QTest::mouseRelease(orvane1, Qt::LeftButton, Qt::NoModifier, to);
  EXPECT_FALSE(form->zoom_dragging());
  EXPECT_FALSE(band()->shown());
  EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
  // 40 x 20 pixels of 241 x 169: the wider side fills the window, about the rectangle's centre.
  EXPECT_NEAR(orvane1->GetViewSize(), 169.0 / 5 / (241.0 / 40), 1e-9);
  EXPECT_NEAR(orvane1->GetCenterX(), 4, 0.2);
  EXPECT_NEAR(orvane1->GetCenterY(), 2, 0.2);
  EXPECT_EQ(form->Edit1->text(), QString::asprintf("%8.3f", orvane1->GetViewSize()));
}

TEST_F(Form1Mouse, TheRubberBandInvertsWhatLiesUnderItAndGoesWithoutTrace) {
  form->ZoomWindow1->trigger();
  const QPoint from(20, 20), to(120, 80);
  QTest::mousePress(orvane1, Qt::LeftButton, Qt::NoModifier, from);
  move_to(to);
  const QPoint corner = orvane1->mapTo(form->centralWidget(), from);
  // On the empty black drawing: white dots along the band's edge, nothing inside it.
  // White pixels in row dy of the band, its left and right edges left out.
  const auto white_in_row = [&](int dy) {
    const QImage picture = form->centralWidget()->grab().toImage();
    int n = 0;
    for (int dx = 1; dx < to.x() - from.x(); ++dx)
      n += (picture.pixel(corner + QPoint(dx, dy)) & 0xFFFFFF) == 0xFFFFFF;
    return n;
  };
  EXPECT_GT(white_in_row(0), 25);
  EXPECT_LT(white_in_row(0), 60);  // dotted, not solid
  EXPECT_EQ(white_in_row(10), 0);
  QTest::mouseRelease(orvane1, Qt::LeftButton, Qt::NoModifier, to);
  EXPECT_EQ(white_in_row(0), 0);
}

TEST_F(Form1Mouse, APressWithoutZoomWindowStartsNoBand) {
  const double size = orvane1->GetViewSize();
  QTest::mousePress(orvane1, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_FALSE(form->zoom_dragging());
  move_to(QPoint(100, 100));
  QTest::mouseRelease(orvane1, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  EXPECT_DOUBLE_EQ(orvane1->GetViewSize(), size);
}

TEST_F(Form1Mouse, AClickAfterZoomWindowLeavesTheViewAlone) {
  const double size = orvane1->GetViewSize();
  form->ZoomWindow1->trigger();
  QTest::mouseClick(orvane1, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
  EXPECT_FALSE(form->zoom_dragging());
  EXPECT_DOUBLE_EQ(orvane1->GetViewSize(), size);
}
