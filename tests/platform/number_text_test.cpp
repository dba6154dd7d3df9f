#include <gtest/gtest.h>

#include "platform/number_text.h"

using orvane::text_to_int;

TEST(TextToInt, TakesOneOptionalSignAndDigitsOnly) {
  int32_t v = 77;
  EXPECT_TRUE(text_to_int("+12", v));
  EXPECT_EQ(v, 12);
  EXPECT_TRUE(text_to_int("-2147483648", v));
  EXPECT_EQ(v, INT32_MIN);
  v = 77;
  for (const char* bad : {"", "+", "-", "+-1", "--1", "1-2", "2147483648", " 1", "1 ", "1e3"}) {
    EXPECT_FALSE(text_to_int(bad, v)) << bad;
    EXPECT_EQ(v, 77) << bad;
  }
}
