// What a drag shows: a pan moves the last picture with the pointer, a rotation draws a sample of
// the whole drawing, the release draws the whole drawing as a fresh repaint would; and the older
// preview of the first 200 elements when the application asks for it.
#include <QImage>
#include <cmath>

#include "platform/qt/qt_canvas.h"
#include "tests/component/orvane_fixture.h"

using namespace orvane;

namespace {

class OrvaneDragPreview : public OrvaneTest {
 protected:
  QImage picture() { return widget->backing_image().copy(); }

  // The picture a Redraw gives now, leaving that repaint on the widget.
  QImage fresh_repaint() {
    widget->Redraw();
    return picture();
  }

  static int pixels_of(const QImage& image, QRgb color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) == color) ++n;
    return n;
  }

  // Lines and a circle over the whole widget, each in its own place; returns the circle's number.
  int make_scene() {
    for (int i = 0; i < 12; ++i)
      widget->MakeLine(-19 + 3 * i, -9, 0, -17 + 3 * i, 9 - i, 0);
    const int circle = widget->MakeCircle(4, 2, 0, 5, false);
    widget->MakeLine(-20, 3, 0, 20, 3, 0);
    return circle;
  }

  // Every pixel of after whose place (dx, dy) pixels back lies in the picture is the pixel of
  // before there. The strips the move uncovered are drawn from the drawing, not compared here.
  static void expect_shifted(const QImage& before, const QImage& after, int dx, int dy) {
    ASSERT_EQ(before.size(), after.size());
    int compared = 0;
    for (int y = 0; y < after.height(); ++y) {
      for (int x = 0; x < after.width(); ++x) {
        const int sx = x - dx, sy = y - dy;
        if (sx < 0 || sy < 0 || sx >= before.width() || sy >= before.height()) continue;
        ASSERT_EQ(after.pixel(x, y) & 0xFFFFFF, before.pixel(sx, sy) & 0xFFFFFF)
            << "at " << x << "," << y;
        ++compared;
      }
    }
    EXPECT_EQ(compared, (after.width() - std::abs(dx)) * (after.height() - std::abs(dy)));
  }

  static constexpr QRgb kBlue = 0x0000FF;
};

TEST_F(OrvaneDragPreview, TheNewPreviewIsTheDefaultAndTheOldOneAProperty) {
  EXPECT_FALSE(widget->GetFirstElementsPreview());
  EXPECT_FALSE(widget->property("FirstElementsPreview").toBool());
  widget->setProperty("FirstElementsPreview", true);
  EXPECT_TRUE(widget->GetFirstElementsPreview());
}

TEST_F(OrvaneDragPreview, APanMovesTheLastPictureWithThePointerAndTheReleaseRepaints) {
  if (widget->devicePixelRatioF() != 1) GTEST_SKIP() << "pixels compared at ratio 1";
  make_scene();
  widget->Redraw();
  // Drawn but not stored: only a moved picture still shows it during the pan.
  widget->DrawLine(-10, -7, 0, 10, -7, 0);
  const QImage start = picture();
  ASSERT_EQ(start.pixel(100, 85) & 0xFFFFFF, kLime);
  ASSERT_GT(pixels_of(start, kLime), 300);

  QTest::mousePress(widget.get(), Qt::LeftButton, Qt::ControlModifier, {100, 50});
  move({130, 60}, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_TRUE(pan_flag);
  expect_shifted(start, picture(), 30, 10);
  EXPECT_EQ(pixel(130, 95), kLime);  // the drawn-only line, moved with the rest
  const QImage first = picture();
  move({115, 42}, Qt::LeftButton, Qt::ControlModifier);  // back and up: 15 left, 18 up
  expect_shifted(first, picture(), -15, -18);
  const QImage during = picture();
  QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::ControlModifier, {115, 42});
  EXPECT_FALSE(pan_flag);
  const QImage released = picture();
  EXPECT_EQ(released, fresh_repaint());
  EXPECT_EQ(released.pixel(115, 77) & 0xFFFFFF, kBlack);  // the unstored line is gone
  // The row the second move uncovered at the bottom shows what the repaint draws there: a
  // drawing this small is drawn whole into it.
  EXPECT_EQ(during.copy(0, 82, 200, 18), released.copy(0, 82, 200, 18));
  EXPECT_GT(pixels_of(during.copy(0, 82, 200, 18), kLime), 0);
}

TEST_F(OrvaneDragPreview, TheMiddleButtonPanMovesThePictureToo) {
  if (widget->devicePixelRatioF() != 1) GTEST_SKIP() << "pixels compared at ratio 1";
  make_scene();
  widget->Redraw();
  widget->DrawLine(-10, -7, 0, 10, -7, 0);  // not stored: kept only by a moved picture
  const QImage start = picture();
  QTest::mousePress(widget.get(), Qt::MiddleButton, Qt::NoModifier, {100, 50});
  move({80, 55}, Qt::MiddleButton);
  expect_shifted(start, picture(), -20, 5);
  EXPECT_EQ(pixel(80, 90), kLime);
  QTest::mouseRelease(widget.get(), Qt::MiddleButton, Qt::NoModifier, {80, 55});
  EXPECT_EQ(picture(), fresh_repaint());
}

// 10 000 short lines over a square around the origin: numbers up to 201 in lime, the rest in
// blue, so the colour tells which part of the numbering a preview drew.
class OrvaneRotationPreview : public OrvaneDragPreview {
 protected:
  void SetUp() override {
    OrvaneDragPreview::SetUp();
    widget->SetView(vISO);
    widget->SetViewSize(20);
    for (int i = 0; i < 10000; ++i) {
      if (i == 200) widget->setDrawColor(QColor(0, 0, 255));
      const double x = (i % 100) * 0.16 - 8, y = (i / 100) * 0.16 - 8;
      widget->MakeLine(x, y, 0, x + 0.1, y, 0);
    }
    widget->Redraw();
  }

  // The frame after one rotating move, with the button still held.
  QImage rotation_frame(Qt::MouseButton button, Qt::KeyboardModifiers keys) {
    QTest::mousePress(widget.get(), button, keys, {100, 50});
    move({104, 58}, button, keys);
    EXPECT_TRUE(dynamic_rotate_flag);
    return picture();
  }
};

TEST_F(OrvaneRotationPreview, ARotationPreviewDrawsElementsFromTheWholeDrawing) {
  const QImage before = picture();
  ASSERT_GT(pixels_of(before, kBlue), 0);
  const QImage frame = rotation_frame(Qt::LeftButton, Qt::AltModifier);
  EXPECT_NE(frame, before);  // a new frame at the new angle
  EXPECT_GT(pixels_of(frame, kBlue), 0);
  EXPECT_GT(pixels_of(frame, kLime), 0);
  QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::AltModifier, {104, 58});
  EXPECT_FALSE(dynamic_rotate_flag);
  EXPECT_EQ(picture(), fresh_repaint());
}

// The sample takes every stride-th number from the first on; number 1 is the empty start-up
// record and draws nothing.
TEST_F(OrvaneRotationPreview, TheSampleTakesEveryStrideThNumber) {
  const int last = last_element_number;
  ASSERT_EQ(last, 10001);
  for (int stride : {1, 7, 50, 20000}) {
    int expected = 0;
    for (int n = 1; n <= last; n += stride)
      expected += n == 1 ? 0 : 1;
    clear_screen(widget->canvas(), 200, 100);
    EXPECT_EQ(plot_sampled_elements(widget->canvas(), current_plot_window, stride), expected)
        << stride;
    EXPECT_EQ(pixels_of(picture(), kBlue) > 0, stride < last - 200) << stride;
  }
  // A layer that is hidden is left out of the sample as it is out of the repaint.
  widget->SetVisibleLayer(widget->GetElement(2).layer, false);
  EXPECT_EQ(plot_sampled_elements(widget->canvas(), current_plot_window, 1), 0);
}

TEST_F(OrvaneRotationPreview, ShiftMiddleRotationDrawsTheSampleToo) {
  const QImage frame = rotation_frame(Qt::MiddleButton, Qt::ShiftModifier);
  EXPECT_GT(pixels_of(frame, kBlue), 0);
  QTest::mouseRelease(widget.get(), Qt::MiddleButton, Qt::ShiftModifier, {104, 58});
  EXPECT_EQ(picture(), fresh_repaint());
}

TEST_F(OrvaneRotationPreview, WithThePropertyTheRotationShowsOnlyTheFirst200) {
  widget->SetFirstElementsPreview(true);
  const QImage frame = rotation_frame(Qt::LeftButton, Qt::AltModifier);
  EXPECT_EQ(pixels_of(frame, kBlue), 0);
  EXPECT_GT(pixels_of(frame, kLime), 0);
  QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::AltModifier, {104, 58});
  EXPECT_GT(pixels_of(picture(), kBlue), 0);  // the release draws everything
}

TEST_F(OrvaneDragPreview, AnElementChangedDuringAPanShowsAfterTheRelease) {
  const int circle = make_scene();
  widget->Redraw();
  QTest::mousePress(widget.get(), Qt::LeftButton, Qt::ControlModifier, {100, 50});
  move({110, 50}, Qt::LeftButton, Qt::ControlModifier);  // the centre is now x = -2
  const int added = widget->MakeLine(-12, -8, 0, 8, -8, 0);
  widget->SetIsDeleted(circle, true);
  ASSERT_GT(pixels_of(picture(), kLime), 0);
  ASSERT_EQ(pixel(100, 90), kBlack);
  move({110, 50}, Qt::LeftButton, Qt::ControlModifier);
  QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::ControlModifier, {110, 50});
  ASSERT_GT(added, 0);
  EXPECT_EQ(pixel(100, 90), kLime);
  const QImage released = picture();
  EXPECT_EQ(released, fresh_repaint());
}

TEST_F(OrvaneDragPreview, AnElementChangedDuringARotationShowsAfterTheRelease) {
  widget->SetView(vFRONT);
  widget->SetViewSize(20);
  const int circle = make_scene();
  widget->Redraw();
  QTest::mousePress(widget.get(), Qt::LeftButton, Qt::AltModifier, {100, 50});
  move({100, 58}, Qt::LeftButton, Qt::AltModifier);
  const QImage during = picture();
  widget->MakeLine(-10, 0, 6, 10, 0, 6);
  widget->SetIsDeleted(circle, true);  // drawn by the frame, gone after the release
  QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::AltModifier, {100, 58});
  const QImage released = picture();
  EXPECT_EQ(during.pixel(100, 20) & 0xFFFFFF, kBlack);
  EXPECT_EQ(released.pixel(100, 20) & 0xFFFFFF, kLime);  // the new line, 6 units up
  EXPECT_EQ(released, fresh_repaint());
}

}  // namespace

namespace {

// 5 000 short blue lines over x -60..60, y -30..30 (three widgets wide and high, so a strip a pan
// uncovers holds a small part of them and the spatial index serves it), and a lime line at
// y = 4 from x = -40 to -26, left of the view until a pan brings it in.
class OrvanePanStrips : public OrvaneDragPreview {
 protected:
  void SetUp() override {
    OrvaneDragPreview::SetUp();
    widget->setDrawColor(QColor(0, 0, 255));
    for (int i = 0; i < 5000; ++i) {
      const double x = -60 + (i % 100) * 1.2, y = -30 + (i / 100) * 1.2;
      widget->MakeLine(x, y, 0, x + 0.6, y + 0.1, 0);
    }
    widget->setDrawColor(QColor(0, 255, 0));
    widget->MakeLine(-40, 4, 0, -26, 4, 0);
    widget->Redraw();
  }

  // Every pixel of the rectangle is the same in both pictures; returns how many are blue.
  static int expect_same_in(const QImage& a, const QImage& b, const QRect& r) {
    int blue = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
      for (int x = r.left(); x <= r.right(); ++x) {
        EXPECT_EQ(a.pixel(x, y) & 0xFFFFFF, b.pixel(x, y) & 0xFFFFFF) << "at " << x << "," << y;
        blue += (a.pixel(x, y) & 0xFFFFFF) == kBlue;
      }
    }
    return blue;
  }
};

TEST_F(OrvanePanStrips, TheColumnAPanUncoversShowsTheElementsThatLieThere) {
  if (widget->devicePixelRatioF() != 1) GTEST_SKIP() << "pixels compared at ratio 1";
  QTest::mousePress(widget.get(), Qt::LeftButton, Qt::ControlModifier, {100, 50});
  move({130, 50}, Qt::LeftButton, Qt::ControlModifier);
  const QImage first = picture();
  move({160, 50}, Qt::LeftButton, Qt::ControlModifier);  // 60 pixels right in all
  const QImage during = picture();
  // The picture right of the new column is the last one moved on.
  expect_shifted(first.copy(0, 0, 170, 100), during.copy(30, 0, 170, 100), 0, 0);
  // Model (-30, 4) now lies at pixel (100 + 5 (-30) + 60, 50 - 5 * 4) = (10, 30).
  EXPECT_EQ(during.pixel(10, 30) & 0xFFFFFF, kLime);
  QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::ControlModifier, {160, 50});
  const QImage released = picture();
  EXPECT_EQ(released, fresh_repaint());
  // The column uncovered by the second move is what the full repaint draws there.
  EXPECT_GT(expect_same_in(during, released, QRect(0, 0, 30, 100)), 100);
}

TEST_F(OrvanePanStrips, TheRowAndColumnOfADiagonalPanShowTheirElements) {
  if (widget->devicePixelRatioF() != 1) GTEST_SKIP() << "pixels compared at ratio 1";
  QTest::mousePress(widget.get(), Qt::LeftButton, Qt::ControlModifier, {100, 50});
  move({85, 62}, Qt::LeftButton, Qt::ControlModifier);
  move({70, 74}, Qt::LeftButton, Qt::ControlModifier);  // 15 left and 12 down a move
  const QImage during = picture();
  QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::ControlModifier, {70, 74});
  const QImage released = picture();
  // The column on the right and the row along the top.
  EXPECT_GT(expect_same_in(during, released, QRect(185, 0, 15, 100)), 10);
  EXPECT_GT(expect_same_in(during, released, QRect(0, 0, 185, 12)), 10);
  EXPECT_EQ(during, released);  // the rest moved with the pointer
}

// A change of the drawing makes the index stale until a later frame builds it again; the frame
// in between draws the uncovered column from the whole drawing, the new element included.
TEST_F(OrvanePanStrips, TheFirstFrameAfterAChangeStillDrawsTheUncoveredColumn) {
  if (widget->devicePixelRatioF() != 1) GTEST_SKIP() << "pixels compared at ratio 1";
  QTest::mousePress(widget.get(), Qt::LeftButton, Qt::ControlModifier, {100, 50});
  move({130, 50}, Qt::LeftButton, Qt::ControlModifier);
  move({160, 50}, Qt::LeftButton, Qt::ControlModifier);
  // After 90 pixels in all, model x = -35 lies at pixel 100 + 5 (-35) + 90 = 15 and y = -6 at
  // pixel 50 + 30 = 80: inside the column the third move uncovers.
  ASSERT_GT(widget->MakeLine(-37, -6, 0, -33, -6, 0), 0);
  move({190, 50}, Qt::LeftButton, Qt::ControlModifier);
  const QImage during = picture();
  QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::ControlModifier, {190, 50});
  EXPECT_EQ(during.pixel(15, 80) & 0xFFFFFF, kLime);
  EXPECT_GT(pixels_of(during.copy(0, 0, 30, 100), kBlue), 100);
  EXPECT_EQ(picture(), fresh_repaint());
}

// The strips are drawn as the frame budget allows: the elements there are drawn in ascending
// number, the first ones first.
TEST_F(OrvanePanStrips, ABudgetOfSomeElementsDrawsTheFirstOfThem) {
  const PlotArea area(30, 100);
  const QImage before = picture();
  QImage strip(30, 100, QImage::Format_RGB32);
  const auto draw = [&strip](int budget) {
    strip.fill(Qt::black);
    QtCanvas canvas(&strip);
    return plot_indexed_elements(canvas, budget);
  };
  draw(1);  // the index is built at the second request for one window and drawing
  EXPECT_EQ(draw(0), 0);
  EXPECT_EQ(pixels_of(strip, kBlue), 0);
  const int all = draw(1 << 30);
  const int all_pixels = pixels_of(strip, kBlue);
  // Lines 1.2 units apart: the strip's 6 x 20 units hold 5 columns of 16 or 17 of them.
  EXPECT_GE(all, 5 * 16);
  EXPECT_LT(all, 5000);
  EXPECT_GT(all_pixels, 5 * 16 * 2);
  EXPECT_EQ(draw(10), 10);
  EXPECT_LT(pixels_of(strip, kBlue), all_pixels);
  EXPECT_EQ(picture(), before);  // the widget's own picture is left alone
}

}  // namespace
