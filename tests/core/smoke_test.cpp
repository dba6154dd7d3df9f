#include "tests/core/core_test.h"

using namespace orvane;

using StartupTest = CoreTest;

TEST_F(StartupTest, FirstElementIsNumberTwo) {
  const int n = get_new_element_number();
  EXPECT_EQ(n, 2);
  EXPECT_EQ(make_element(n, 1, 1, 2, 3, 0, 0, 0, 0xFF, 0, 1, 0, 1), 2);
}
