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

TEST(TextToDouble, TakesDecimalAndExponentForms) {
  double v = 0;
  const std::pair<const char*, double> good[] = {{"5", 5},        {"-.5", -0.5},    {"+5.", 5},
                                                 {"1e-3", 0.001}, {"-2.5E2", -250}, {"0", 0}};
  for (const auto& [text, expected] : good) {
    EXPECT_TRUE(orvane::text_to_double(text, v)) << text;
    EXPECT_DOUBLE_EQ(v, expected) << text;
  }
}

TEST(TextToDouble, RefusesWordsInfinitiesAndPartialNumbers) {
  double v = 77;
  for (const char* bad : {"", "abc", "+", "-", ".", "+-1", "1,5", "1.5x", " 1", "1 ", "inf", "-nan",
                          "1e999", "0x10", "1e", "e5"}) {
    EXPECT_FALSE(orvane::text_to_double(bad, v)) << bad;
    EXPECT_EQ(v, 77) << bad;
  }
}
