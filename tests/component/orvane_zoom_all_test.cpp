// Zoom All shows the whole drawing as the current window sees it: a part taller and deeper than
// it is wide stays inside the widget in every window and fills most of it.
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "tests/component/orvane_fixture.h"

using namespace orvane;

namespace {

class OrvaneZoomAll : public OrvaneTest {
 protected:
  // The edges of a box 10 wide (x), 4 deep (y) and 30 tall (z), off the origin, and an arc in
  // the front plane above it.
  void make_part() {
    const double x0 = 5, y0 = -20, z0 = 40;
    const double c[8][3] = {{0, 0, 0},  {10, 0, 0},  {10, 4, 0},  {0, 4, 0},
                            {0, 0, 30}, {10, 0, 30}, {10, 4, 30}, {0, 4, 30}};
    const int edges[12][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6},
                              {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
    for (const auto& e : edges) {
      const double* a = c[e[0]];
      const double* b = c[e[1]];
      widget->MakeLine(x0 + a[0], y0 + a[1], z0 + a[2], x0 + b[0], y0 + b[1], z0 + b[2]);
      ends.push_back({x0 + a[0], y0 + a[1], z0 + a[2]});
      ends.push_back({x0 + b[0], y0 + b[1], z0 + b[2]});
    }
    // Arc view 2 is the front plane: plane point (u, v, d) is model point (u, -d, v).
    widget->MakeArc(2, x0 + 5, z0 + 30, -y0, 3, 0, 180);
    ends.push_back({x0 + 8, y0, z0 + 30});
    ends.push_back({x0 + 2, y0, z0 + 30});
  }

  // Every end point inside the widget; the share of the widget's larger-filled side they span.
  double check_fit(const char* view) {
    int x1 = 1 << 30, y1 = 1 << 30, x2 = -(1 << 30), y2 = -(1 << 30);
    for (const TDPoint& p : ends) {
      // The window's view coordinates, as the last redraw projected them.
      double vx, vy;
      view_coordinates(current_plot_window, p.x, p.y, p.z, vx, vy);
      const TPoint px = widget->CoordToPixel(vx, vy, 0);
      EXPECT_TRUE(px.x >= 0 && px.x < widget->width() && px.y >= 0 && px.y < widget->height())
          << view << ": (" << p.x << ", " << p.y << ", " << p.z << ") at " << px.x << ", " << px.y;
      x1 = std::min(x1, px.x), x2 = std::max(x2, px.x);
      y1 = std::min(y1, px.y), y2 = std::max(y2, px.y);
    }
    return std::max(static_cast<double>(x2 - x1) / widget->width(),
                    static_cast<double>(y2 - y1) / widget->height());
  }

  std::vector<TDPoint> ends;
};

TEST_F(OrvaneZoomAll, EveryWindowShowsTheWholePartAndFillsMostOfASquareWidget) {
  widget->resize(200, 200);
  make_part();
  for (const auto& [view, name] :
       {std::pair{vFRONT, "front"}, std::pair{vSIDE, "side"}, std::pair{vISO, "iso"}}) {
    widget->SetView(view);
    widget->ZoomAll();
    EXPECT_GE(check_fit(name), 0.8) << name;
  }
  // The top window keeps the drawing's x/y extents, which take an arc's centre in its own
  // plane's coordinates: the front arc reaches y = 73 there, so the part is inside, not filling.
  widget->SetView(vTOP);
  widget->ZoomAll();
  check_fit("top");
  // A rotated isometric view is measured with its own rotation.
  widget->RotateView(-30, 20, 45);
  widget->ZoomAll();
  EXPECT_GE(check_fit("rotated"), 0.8);
}

TEST_F(OrvaneZoomAll, AWideWidgetStillShowsEveryEndPoint) {
  make_part();
  for (TDView view : {vTOP, vFRONT, vSIDE, vISO}) {
    widget->SetView(view);
    widget->ZoomAll();
    check_fit("wide");
  }
}

// In the front window the part is 10 wide and 33 tall (to the arc's top): the height is fitted
// to 90 % of the 200 pixels, centred on the middle of the projected box.
TEST_F(OrvaneZoomAll, TheFrontWindowFitsTheProjectedHeight) {
  widget->resize(200, 200);
  make_part();
  widget->SetView(vFRONT);
  widget->ZoomAll();
  EXPECT_NEAR(widget->GetViewSize(), 2 * 33.0 * 100 / 180, 1e-6);
  EXPECT_NEAR(widget->GetCenterX(), 10, 1e-6);
  EXPECT_NEAR(widget->GetCenterY(), 40 + 33.0 / 2, 1e-6);
}

// The load fits every window the same way, the one not shown included.
TEST_F(OrvaneZoomAll, LoadingFitsTheWindowsThatAreNotShown) {
  widget->resize(200, 200);
  make_part();
  widget->SetCadType(1);
  QTemporaryDir dir;
  const std::string name = dir.filePath("part.cdl").toStdString();
  ASSERT_TRUE(widget->SaveToFile(name));
  ASSERT_TRUE(widget->LoadFromFile(name));
  EXPECT_EQ(widget->GetView(), vTOP);
  widget->SetView(vSIDE);  // no zoom: the load's fit is shown
  EXPECT_GE(check_fit("side"), 0.8);
}

}  // namespace
