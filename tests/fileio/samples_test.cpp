// The sample drawings in samples/ load whole through make_cad.
#include <map>
#include <utility>

#include "fileio/make_cad.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;

namespace {

std::string sample(const std::string& name) {
  return std::string(ORVANE_SAMPLES_DIR) + "/" + name;
}

// Elements by (type, view).
std::map<std::pair<int, int>, int> census() {
  std::map<std::pair<int, int>, int> count;
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e && !e->deleted && e->element_type != kNoElement) ++count[{e->element_type, e->view}];
  }
  return count;
}

using Census = std::map<std::pair<int, int>, int>;

}  // namespace

using SamplesTest = FileioTest;

// The bracket: base 12 outline elements + 6 edges + 2 hole circles + 4 pocket lines + 1 point;
// upright 5 lines + 2 half rounds + 2 hole circles + 2 points + 3 edges; fillet 2 quarter rounds
// + 2 lines. Arcs: 6 in the top view, 4 in the front view, 2 in the side view.
TEST_F(SamplesTest, TheCdlBracketHasItsArcsInThreeViews) {
  ASSERT_EQ(load(sample("bracket.cdl"), 1), 0);
  EXPECT_EQ(live_elements(), 43);
  EXPECT_EQ(
      census(),
      (Census{{{kPoint, 0}, 3}, {{kLine, 0}, 28}, {{kArc, 1}, 6}, {{kArc, 2}, 4}, {{kArc, 3}, 2}}));
  EXPECT_TRUE(arc_view[2].defined);
  EXPECT_TRUE(arc_view[3].defined);
  EXPECT_FALSE(arc_view[4].defined);
  EXPECT_EQ(min_x, 0);  // the extents were recomputed for the bracket
  EXPECT_EQ(max_x, 60);
}

// The DXF bracket keeps the front arcs in arc view 2 and the side arcs in view 5 (the reader's
// view for extrusion +X); the pocket's closed polyline gives its four lines.
TEST_F(SamplesTest, TheDxfBracketReadsItsExtrusionsAndClosedPolyline) {
  ASSERT_EQ(load(sample("bracket.dxf"), 2), -1);  // make_cad's result for a successful read
  EXPECT_EQ(live_elements(), 43);
  EXPECT_EQ(
      census(),
      (Census{{{kPoint, 0}, 3}, {{kLine, 0}, 28}, {{kArc, 1}, 6}, {{kArc, 2}, 4}, {{kArc, 5}, 2}}));
  EXPECT_EQ(arc_view[5].az, 1);
}

// The IGES bracket: the 6 arcs outside the top view become 12 + 12 + 24 + 24 + 6 + 6 lines.
TEST_F(SamplesTest, TheIgesBracketHoldsTheTopArcsAndChords) {
  ASSERT_EQ(load(sample("bracket.igs"), 3), -1);
  EXPECT_EQ(live_elements(), 43 - 6 + 84);
  EXPECT_EQ(census(), (Census{{{kPoint, 0}, 3}, {{kLine, 0}, 28 + 84}, {{kArc, 1}, 6}}));
}

// The plate: a 4-line outline, two holes, a half round, a centre line and a slot of two lines
// and two half rounds.
TEST_F(SamplesTest, TheTvgPlateHasEveryObjectKind) {
  ASSERT_EQ(load(sample("plate.tvg"), 4), 0);
  EXPECT_EQ(live_elements(), 12);
  EXPECT_EQ(census(), (Census{{{kLine, 0}, 7}, {{kArc, 1}, 5}}));
  EXPECT_DOUBLE_EQ(max_x, 100);
  EXPECT_DOUBLE_EQ(max_y, 60);
}
