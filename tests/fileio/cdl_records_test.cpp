#include "fileio/cdl_records.h"

#include "tests/fileio/fileio_test.h"

using namespace orvane;

using CdlColorTest = FileioTest;

TEST_F(CdlColorTest, NumbersGiveTheSixteenColours) {
  plot_background = 0x123456;  // neither black nor white
  const TColor expected[16] = {0x000000, 0x008000, 0x000080, 0x008080, 0x00FFFF, 0x808000,
                               0x800080, 0x808080, 0x800000, 0xFF0000, 0x00FF00, 0xFFFF00,
                               0x0000FF, 0xFF00FF, 0xC0C0C0, 0xFFFFFF};
  for (int n = 0; n < 16; ++n)
    EXPECT_EQ(set_cdl_color(n), expected[n]) << n;
  EXPECT_EQ(set_cdl_color(16), 0x008000u);
  EXPECT_EQ(set_cdl_color(1000), 0x008000u);
  EXPECT_EQ(set_cdl_color(-1), 0xC0C0C0u);
}

TEST_F(CdlColorTest, BlackAndWhiteTurnSilverOnTheirOwnBackground) {
  plot_background = 0x000000;
  EXPECT_EQ(set_cdl_color(0), 0xC0C0C0u);
  EXPECT_EQ(set_cdl_color(15), 0xFFFFFFu);
  plot_background = 0xFFFFFF;
  EXPECT_EQ(set_cdl_color(0), 0x000000u);
  EXPECT_EQ(set_cdl_color(15), 0xC0C0C0u);
}

TEST_F(CdlColorTest, WrittenNumbersReadBackAsTheSameColour) {
  plot_background = 0x123456;
  for (int n = 0; n < 16; ++n)
    EXPECT_EQ(get_cdl_color(set_cdl_color(n)), n);
}

struct CircleCase {
  int view;
  int new_view;
  double x, y, z;  // the centre (1, 2, 3) afterwards
};

TEST(FixCircle, ReorientsEveryListedView) {
  const CircleCase cases[] = {
      {1, 1, 1, 2, 3},   {2, 2, 1, -3, 2},  {3, 2, -1, 3, 2}, {4, 1, -1, 2, -3},
      {6, 3, -3, -1, 2}, {44, 1, -1, 2, 3}, {5, 5, 1, 2, 3},  {9, 9, 1, 2, 3},
  };
  for (const CircleCase& c : cases) {
    double x = 1, y = 2, z = 3;
    int view = -7;
    fix_circle(x, y, z, c.view, view);
    EXPECT_EQ(view, c.new_view) << c.view;
    EXPECT_EQ(x, c.x) << c.view;
    EXPECT_EQ(y, c.y) << c.view;
    EXPECT_EQ(z, c.z) << c.view;
  }
}

TEST(FixCircle, ViewMayBeChangedInPlace) {
  double x = 1, y = 2, z = 3;
  int view = 6;
  fix_circle(x, y, z, view, view);
  EXPECT_EQ(view, 3);
  EXPECT_EQ(x, -3);
}
