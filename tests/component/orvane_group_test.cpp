// The group and transform commands of the widget: what they change and what they redraw.
#include "tests/component/orvane_fixture.h"

using namespace orvane;

namespace {

using OrvaneGroup = OrvaneTest;

TEST_F(OrvaneGroup, AddingToTheGroupDrawsRedAtOnceAndDeletingRedraws) {
  const int n = widget->MakeLine(0, 0, 0, 10, 0, 0);
  widget->Redraw();
  widget->AddToGroup(n);
  EXPECT_EQ(pixel(120, 50), kRed);
  widget->AddToGroup(-1);
  widget->AddToGroup(n + 1);
  EXPECT_EQ(widget->GetElement(n).group_mark, 2);
  widget->DeleteGroup();
  EXPECT_TRUE(widget->GetIsDeleted(n));
  EXPECT_EQ(pixel(120, 50), kBlack);
}

TEST_F(OrvaneGroup, ClearingTheGroupRedrawsInTheElementsColour) {
  const int n = widget->MakeLine(0, 0, 0, 10, 0, 0);
  widget->AddToGroup(0);
  widget->ClearGroup();
  EXPECT_EQ(widget->GetElement(n).group_mark, 0);
  EXPECT_EQ(pixel(120, 50), kLime);
}

TEST_F(OrvaneGroup, ShiftedCopiesOfTheGroupAreShown) {
  const int n = widget->MakePoint(0, 0, 0);
  widget->AddToGroup(n);
  widget->ShiftGroup(2, 0, 0, 3, true);
  ASSERT_EQ(widget->GetLastElement(), n + 3);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_DOUBLE_EQ(widget->GetElement(n + k).values[0], 2.0 * k);
    EXPECT_EQ(widget->GetElement(n + k).group_mark, 0);
  }
  // The copy at x = 6 is drawn as a lime cross around pixel (130, 50).
  EXPECT_EQ(pixel(130, 52), kLime);
}

TEST_F(OrvaneGroup, NewOriginMovesEverythingAndRedraws) {
  const int n = widget->MakeLine(10, 0, 0, 20, 0, 0);
  widget->Redraw();
  widget->NewOrigin(10, 0, 0);
  EXPECT_DOUBLE_EQ(widget->GetElement(n).values[0], 0);
  EXPECT_DOUBLE_EQ(widget->GetElement(n).values[3], 10);
  EXPECT_EQ(pixel(110, 50), kLime);
}

TEST_F(OrvaneGroup, ShiftingOneElementMovesItAgainstTheOffsetWithoutRedrawing) {
  const int n = widget->MakePoint(5, 5, 5);
  widget->ShiftElement(n, 1, 2, 3);
  const TElement e = widget->GetElement(n);
  EXPECT_DOUBLE_EQ(e.values[0], 4);
  EXPECT_DOUBLE_EQ(e.values[1], 3);
  EXPECT_DOUBLE_EQ(e.values[2], 2);
  widget->ShiftElement(0, 1, 1, 1);
  widget->ShiftElement(n + 1, 1, 1, 1);
  EXPECT_EQ(widget->GetLastElement(), n);
}

TEST_F(OrvaneGroup, RotatingTakesTheAngleFirstAndIgnoresMissingElements) {
  const int n = widget->MakeLine(1, 0, 0, 2, 0, 0);
  widget->RotateElement(0, 90, 0, 0);
  widget->RotateElement(n + 1, 90, 0, 0);
  EXPECT_EQ(widget->GetLastElement(), n);
  widget->RotateElement(n, 90, 0, 0);
  ASSERT_EQ(widget->GetLastElement(), n + 1);
  const TElement copy = widget->GetElement(n + 1);
  EXPECT_NEAR(copy.values[0], 0, 1e-6);
  EXPECT_NEAR(copy.values[1], 1, 1e-6);
  EXPECT_NEAR(copy.values[4], 2, 1e-6);
  EXPECT_EQ(copy.group_mark, 2);

  // Four quarter turns of the group, the sources deleted: the last copy lies where the first
  // group member was.
  widget->RotateGroup(90, 0, 0, 4, false);
  EXPECT_TRUE(widget->GetIsDeleted(n + 1));
  const TElement last = widget->GetElement(widget->GetLastElement());
  EXPECT_NEAR(last.values[0], 0, 1e-6);
  EXPECT_NEAR(last.values[1], 1, 1e-6);
}

}  // namespace
