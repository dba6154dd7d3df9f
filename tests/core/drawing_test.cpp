// The drawing as a value: set aside and brought back whole, and what a merge added taken out.
#include "core/drawing.h"
#include "core/store.h"
#include "platform/element_memory.h"
#include "tests/core/core_test.h"

using namespace orvane;

namespace {

class DrawingTest : public CoreTest {};

int line(double x) {
  return make_element(get_new_element_number(), kLine, x, 0, 0, x + 1, 2, 0, 0xFF, 0, 1, 0, 0);
}

TEST_F(DrawingTest, ASwappedOutDrawingComesBackUnchanged) {
  line(3);
  line(4);
  layer_name[7] = "WALLS";
  cdl_filename = "a.cdl";
  const double extent = max_x;
  const std::size_t blocks = element_memory::live_blocks();

  Drawing aside = empty_drawing_like_current();
  swap_drawing(aside);
  EXPECT_EQ(last_element_number, 1);
  EXPECT_EQ(lock_element(2), nullptr);
  EXPECT_EQ(layer_name[7], "WALLS");  // settings carry over into the empty drawing
  EXPECT_EQ(get_new_element_number(), 2);
  line(100);

  swap_drawing(aside);  // the first drawing again; aside holds the second
  EXPECT_EQ(last_element_number, 3);
  EXPECT_EQ(lock_element(3)->values[0], 4);
  EXPECT_EQ(max_x, extent);
  EXPECT_EQ(cdl_filename, "a.cdl");
  free_drawing(aside);  // its entry 0, entry 1 and one line
  EXPECT_EQ(element_memory::live_blocks(), blocks);
}

TEST_F(DrawingTest, BlocksAddedSinceACopyAreFreedAndTheCopyRestored) {
  line(1);
  const std::size_t blocks = element_memory::live_blocks();
  Drawing before = copy_of_drawing();
  line(2);
  line(3);
  EXPECT_EQ(element_memory::live_blocks(), blocks + 2);
  free_blocks_added_since(before);
  swap_drawing(before);
  EXPECT_EQ(element_memory::live_blocks(), blocks);
  EXPECT_EQ(last_element_number, 2);
  EXPECT_EQ(lock_element(2)->values[0], 1);
  EXPECT_EQ(max_x, 2);
}

}  // namespace
