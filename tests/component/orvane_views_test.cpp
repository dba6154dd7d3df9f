// Switching windows, rotating, zooming (commands and the wheel), panning and centring, with the
// OnZoom and OnChangeView events they fire.
#include <QWheelEvent>
#include <vector>

#include "tests/component/orvane_fixture.h"

using namespace orvane;

namespace {

struct Zoom {
  double size, center_x, center_y;
};

class OrvaneViews : public OrvaneTest {
 protected:
  void SetUp() override {
    OrvaneTest::SetUp();
    widget->OnZoom = [this](TOrvane* sender, double size, double cx, double cy) {
      EXPECT_EQ(sender, widget.get());
      zooms.push_back({size, cx, cy});
    };
    widget->OnChangeView = [this](TOrvane*, TDView v) { views.push_back(v); };
  }
  void wheel(QPoint at, int angle) {
    QWheelEvent e(at, widget->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget.get(), &e);
  }
  std::vector<Zoom> zooms;
  std::vector<TDView> views;
};

TEST_F(OrvaneViews, SetViewSetsTheWindowAndItsStandardAnglesThenFires) {
  widget->SetView(vSIDE);
  EXPECT_EQ(current_plot_window, 3);
  EXPECT_EQ(view_x, -90);
  EXPECT_EQ(view_z, -90);
  widget->SetView(vFRONT);
  EXPECT_EQ(widget->GetView(), vFRONT);
  EXPECT_EQ(view_z, 0);
  EXPECT_EQ(views, (std::vector<TDView>{vSIDE, vFRONT}));
}

TEST_F(OrvaneViews, IsometricViewRemembersItsRotationButNotRotateView) {
  old_view_x = 11, old_view_y = 12, old_view_z = 13;  // as left by a mouse rotation
  widget->SetView(vISO);
  EXPECT_EQ(view_x, 11);
  EXPECT_EQ(view_z, 13);
  widget->SetView(vISO);  // already isometric: back to the standard angles
  EXPECT_EQ(view_x, -70);
  EXPECT_EQ(view_z, -20);
  EXPECT_EQ(old_view_x, -70);

  widget->RotateView(10, 20, 30);
  EXPECT_EQ(current_plot_window, 4);
  EXPECT_EQ(widget->GetYRotation(), 20);
  widget->SetView(vTOP);
  widget->SetView(vISO);
  EXPECT_EQ(view_x, -70);
  EXPECT_EQ(view_y, 0);
  EXPECT_EQ(views.size(), 5u);
}

TEST_F(OrvaneViews, AxisRotationsFireWithoutRedrawing) {
  widget->MakeLine(-10, 0, 0, 10, 0, 0);
  widget->SetXRotation(5);
  widget->SetZRotation(7);
  EXPECT_EQ(widget->GetXRotation(), 5);
  EXPECT_EQ(widget->GetZRotation(), 7);
  EXPECT_EQ(views, (std::vector<TDView>{vTOP, vTOP}));
  EXPECT_EQ(pixel(100, 50), kBlack);  // the line made is not drawn yet
}

// The line on row 50 shows in the picture only once a redraw has plotted it.
TEST_F(OrvaneViews, ZoomsFireAfterTheirRedrawAndViewChangesBeforeIt) {
  widget->MakeLine(-10, 0, 0, 10, 0, 0);
  std::vector<QRgb> seen;
  widget->OnZoom = [&](TOrvane*, double, double, double) { seen.push_back(pixel(100, 50)); };
  widget->OnChangeView = [&](TOrvane*, TDView) { seen.push_back(pixel(100, 50)); };
  widget->ZoomHalf();
  widget->SetVisibleLayer(1, false);
  widget->SetView(vTOP);
  widget->SetVisibleLayer(1, true);
  widget->SetViewSize(20);
  widget->SetVisibleLayer(1, false);
  widget->RotateView(0, 0, 0);
  EXPECT_EQ(seen, (std::vector<QRgb>{kLime, kLime, kBlack, kLime}));
}

TEST_F(OrvaneViews, ZoomCommandsReportHalfTheViewSizeAndTheCentre) {
  widget->ZoomDouble();
  EXPECT_EQ(widget->GetViewSize(), 10);
  widget->ZoomHalf();
  EXPECT_EQ(widget->GetViewSize(), 20);
  ASSERT_EQ(zooms.size(), 2u);
  EXPECT_EQ(zooms[0].size, 5);
  EXPECT_EQ(zooms[1].size, 10);
  EXPECT_TRUE(views.empty());
}

TEST_F(OrvaneViews, ZoomLastTwiceReturnsToTheStart) {
  widget->ViewCenter(2, 3);
  widget->ZoomWindow(0, 0, 100, 50);  // remembers height 10 at (2, 3)
  widget->ZoomLast();
  EXPECT_EQ(widget->GetCenterX(), 2);
  EXPECT_EQ(widget->GetViewSize(), 20);
  widget->ZoomLast();
  widget->ZoomLast();
  EXPECT_EQ(widget->GetCenterY(), 3);
  EXPECT_EQ(zooms.size(), 4u);
}

// Extents x -10..10, y -5..5 at 5 pixels per unit span 100 x 50 pixels; the larger span is fitted
// to 100 - 10 pixels: height 10 * 100 / 90. The second pass measures 90 pixels and keeps it.
TEST_F(OrvaneViews, ZoomAllFitsTheExtentsWithATenPercentMargin) {
  widget->MakeLine(-10, -5, 0, 10, 5, 0);
  widget->ZoomAll();
  ASSERT_EQ(zooms.size(), 1u);
  EXPECT_DOUBLE_EQ(zooms[0].size, 100.0 / 9);
  EXPECT_EQ(zooms[0].center_x, 0);
  EXPECT_DOUBLE_EQ(widget->GetViewSize(), 200.0 / 9);
}

TEST_F(OrvaneViews, RefusedZoomWindowStillRedrawsAndFires) {
  widget->ZoomWindow(10, 10, 10, 50);
  EXPECT_EQ(widget->GetViewSize(), 20);
  EXPECT_EQ(zooms.size(), 1u);
}

TEST_F(OrvaneViews, ViewSizeFiresChangeViewNotZoom) {
  widget->SetViewSize(40);
  EXPECT_EQ(widget->GetViewSize(), 40);
  EXPECT_EQ(views.size(), 1u);
  EXPECT_TRUE(zooms.empty());
}

TEST_F(OrvaneViews, PanAndCentreMoveTheModelUnderTheWindowCentre) {
  widget->Pan(5, -2);
  EXPECT_EQ(widget->CoordToPixel(5, -2, 0).x, 100);
  EXPECT_EQ(widget->CoordToPixel(5, -2, 0).y, 50);
  widget->ViewCenter(-4, 1);
  EXPECT_EQ(widget->CoordToPixel(-4, 1, 0).x, 100);
  widget->SetCenterX(4);  // origin 100 - 4 * 5
  EXPECT_EQ(x_plot_origin[1], 80);
  EXPECT_TRUE(zooms.empty());
}

TEST_F(OrvaneViews, WheelNotchZoomsAboutTheModelPointUnderThePointer) {
  wheel({150, 30}, 120);  // model (10, 4)
  EXPECT_EQ(widget->GetViewSize(), 10);
  EXPECT_EQ(widget->CoordToPixel(10, 4, 0).x, 150);
  EXPECT_EQ(widget->CoordToPixel(10, 4, 0).y, 30);
  ASSERT_EQ(zooms.size(), 1u);
  EXPECT_EQ(zooms[0].size, 5);
  // Half-way between centre (0, 0) and the pointer's point: the pointer is 10 pixels from it.
  EXPECT_DOUBLE_EQ(zooms[0].center_x, 5);
  EXPECT_DOUBLE_EQ(zooms[0].center_y, 2);

  wheel({40, 80}, -120);
  const TDPoint under = {(40 - 150) / 10.0 + 10, -(80 - 30) / 10.0 + 4, 0};  // at 10 px/unit
  EXPECT_EQ(widget->GetViewSize(), 20);
  EXPECT_EQ(widget->CoordToPixel(under.x, under.y, 0).x, 40);
  EXPECT_EQ(widget->CoordToPixel(under.x, under.y, 0).y, 80);
  EXPECT_EQ(zooms.size(), 2u);
}

TEST_F(OrvaneViews, PartialWheelStepsAddUpToANotch) {
  wheel({100, 50}, 60);
  EXPECT_TRUE(zooms.empty());
  wheel({100, 50}, 60);
  EXPECT_EQ(widget->GetViewSize(), 10);
  EXPECT_EQ(zooms.size(), 1u);
}

}  // namespace
