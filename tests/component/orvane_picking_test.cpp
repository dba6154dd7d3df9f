// Pick mode on the widget: Pick arms it, the next release searches under the pointer and reports
// a hit through OnPick.
#include <vector>

#include "tests/component/orvane_fixture.h"

using namespace orvane;

namespace {

struct Picked {
  int number;
  TDPoint near_end, far_end, mid, closest;
};

class OrvanePicking : public OrvaneTest {
 protected:
  void SetUp() override {
    OrvaneTest::SetUp();
    widget->OnPick = [this](TOrvane* sender, int n, const TDPoint& near_end, const TDPoint& far_end,
                            const TDPoint& mid, const TDPoint& closest) {
      EXPECT_EQ(sender, widget.get());
      picks.push_back({n, near_end, far_end, mid, closest});
    };
  }
  void click(QPoint at) { QTest::mouseClick(widget.get(), Qt::LeftButton, Qt::NoModifier, at); }
  std::vector<Picked> picks;
};

void expect_point(const TDPoint& p, double x, double y, double z) {
  EXPECT_NEAR(p.x, x, 1e-6);
  EXPECT_NEAR(p.y, y, 1e-6);
  EXPECT_NEAR(p.z, z, 1e-6);
}

// The line runs over pixels (100, 50) to (150, 50); (148, 51) is model (9.6, -0.2).
TEST_F(OrvanePicking, ClickNearTheSecondEndReportsItAsTheNearEnd) {
  const int n = widget->MakeLine(0, 0, 0, 10, 0, 0);
  widget->Pick();
  click({148, 51});
  ASSERT_EQ(picks.size(), 1u);
  EXPECT_EQ(picks[0].number, n);
  expect_point(picks[0].near_end, 10, 0, 0);
  expect_point(picks[0].far_end, 0, 0, 0);
  expect_point(picks[0].mid, 5, 0, 0);
  expect_point(picks[0].closest, 9.6, 0, 0);
  EXPECT_FALSE(pick_flag);
}

TEST_F(OrvanePicking, ReleaseWithoutPickModeOrOnAMissReportsNothing) {
  widget->MakeLine(0, 0, 0, 10, 0, 0);
  click({120, 50});  // not armed
  widget->Pick();
  widget->Pick(false);
  click({120, 50});
  widget->Pick();
  click({20, 90});  // armed, nothing there: the mode ends anyway
  EXPECT_FALSE(pick_flag);
  click({120, 50});
  EXPECT_TRUE(picks.empty());
}

TEST_F(OrvanePicking, FilterPassesOverAPointForAFartherLine) {
  const int line = widget->MakeLine(0, 0, 0, 10, 0, 0);
  const int point = widget->MakePoint(9.6, -0.2, 0);  // right under the pointer
  widget->Pick();
  click({148, 51});
  widget->SetPickFilter(fLineArc);
  widget->Pick();
  click({148, 51});
  ASSERT_EQ(picks.size(), 2u);
  EXPECT_EQ(picks[0].number, point);
  expect_point(picks[0].mid, 9.6, -0.2, 0);
  EXPECT_EQ(picks[1].number, line);
}

TEST_F(OrvanePicking, PickReleaseLeavesAPanRunning) {
  widget->MakeLine(0, 0, 0, 10, 0, 0);
  widget->Pick();
  drag(Qt::LeftButton, Qt::ControlModifier, {100, 40}, {100, 50});  // picture 10 pixels down
  EXPECT_TRUE(pan_flag);
  EXPECT_DOUBLE_EQ(widget->GetCenterY(), 2);
  // The line now lies on row 60, two units below the release.
  EXPECT_TRUE(picks.empty());
  EXPECT_FALSE(pick_flag);
}

TEST_F(OrvanePicking, IsometricWindowPicksLinesButNeverPoints) {
  widget->SetView(vISO);
  widget->SetViewSize(20);     // the isometric window at 5 pixels per unit, origin (100, 50)
  widget->MakePoint(0, 0, 0);  // shown at (100, 50)
  widget->Pick();
  click({100, 50});
  EXPECT_TRUE(picks.empty());

  // Model (5, 0, 0) projects to view (4.698, -0.585): pixel (123, 53).
  const int line = widget->MakeLine(-10, 0, 0, 10, 0, 0);
  widget->Pick();
  click({123, 53});
  ASSERT_EQ(picks.size(), 1u);
  EXPECT_EQ(picks[0].number, line);
  expect_point(picks[0].mid, 0, 0, 0);
}

}  // namespace
