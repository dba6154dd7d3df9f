#include "fileio/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace orvane;

TEST(StrReal, KeepsFourDecimalsWithoutTrailingZerosOrLeadingZero) {
  EXPECT_EQ(str_real(0), ".0");
  EXPECT_EQ(str_real(1), "1.0");
  EXPECT_EQ(str_real(12.5), "12.5");
  EXPECT_EQ(str_real(0.25), ".25");
  EXPECT_EQ(str_real(-0.25), "-.25");
  EXPECT_EQ(str_real(3.14159265), "3.1416");
  EXPECT_EQ(str_real(-100), "-100.0");
  EXPECT_EQ(str_real(0.00004), ".0");
  EXPECT_EQ(str_real(0.00005000001), ".0001");
  EXPECT_EQ(str_real(-999999999.9999), "-999999999.9999");
}

TEST(StrReal, AValueRoundingToZeroHasNoSign) {
  EXPECT_EQ(str_real(-0.0), ".0");
  EXPECT_EQ(str_real(-0.00001), ".0");
}

TEST(StrReal, LargeValuesKeepEveryDigit) {
  EXPECT_EQ(str_real(12345678901.25), "12345678901.25");
  EXPECT_EQ(str_real(-9999999999.5), "-9999999999.5");
  EXPECT_EQ(str_real(1e15), "1000000000000000.0");
  EXPECT_EQ(str_real(-1e20), "-100000000000000000000.0");
}

TEST(StrInt, PlainDecimal) {
  EXPECT_EQ(str_int(0), "0");
  EXPECT_EQ(str_int(252), "252");
  EXPECT_EQ(str_int(-17), "-17");
  EXPECT_EQ(str_int(std::numeric_limits<int>::min()), "-2147483648");
}

TEST(StrGeneral, FifteenDigitsAndTheExponentFormOutsideItsRange) {
  EXPECT_EQ(str_general(0), "0");
  EXPECT_EQ(str_general(1), "1");
  EXPECT_EQ(str_general(-1), "-1");
  EXPECT_EQ(str_general(0.5), "0.5");
  EXPECT_EQ(str_general(0.0001), "0.0001");
  EXPECT_EQ(str_general(6.1e-17), "6.1E-17");
  EXPECT_EQ(str_general(-2.5e-5), "-2.5E-5");
  EXPECT_EQ(str_general(1e15), "1E15");
  EXPECT_EQ(str_general(123456789012345.0), "123456789012345");
  EXPECT_EQ(str_general(0.7071067811865476), "0.707106781186548");
}

TEST(TextToReal, ReadsDecimalsWithEOrDExponents) {
  EXPECT_DOUBLE_EQ(text_to_real("1.5"), 1.5);
  EXPECT_DOUBLE_EQ(text_to_real(" -2 . 5 "), -2.5);
  EXPECT_DOUBLE_EQ(text_to_real("+2"), 2);
  EXPECT_DOUBLE_EQ(text_to_real(".5"), 0.5);
  EXPECT_DOUBLE_EQ(text_to_real("1.5E-3"), 0.0015);
  EXPECT_EQ(text_to_real("1.0D2"), 100);
  EXPECT_EQ(text_to_real("1.5D-3"), 0.0015);  // exactly the double of 1.5E-3
  EXPECT_EQ(text_to_real("-2D+1"), -20);
  EXPECT_NEAR(text_to_real("1D2.5"), 316.227766, 1e-6);
  EXPECT_EQ(text_to_real("1E2D1"), 1000);  // the mantissa may carry an exponent of its own
  EXPECT_EQ(text_to_real("2.5e-1D2"), 25);
}

TEST(TextToReal, TextThatIsNoFiniteNumberReadsZero) {
  for (const char* bad : {"", "abc", "1.5x", "1,5", "--1", "+-1", "1.5Dx", "D3", "1.5D", "1DD2",
                          "1e400", "-1e400", "1D400", "NaN", "nan", "inf", "-inf", "0x10"}) {
    EXPECT_EQ(text_to_real(bad), 0) << bad;
  }
}

TEST(RoundInt, HalvesToEvenAndLimitedToInt) {
  EXPECT_EQ(round_int(2.5), 2);
  EXPECT_EQ(round_int(3.5), 4);
  EXPECT_EQ(round_int(-2.5), -2);
  EXPECT_EQ(round_int(2.4999), 2);
  EXPECT_EQ(round_int(1e300), std::numeric_limits<int>::max());
  EXPECT_EQ(round_int(-1e300), std::numeric_limits<int>::min());
  EXPECT_EQ(round_int(std::nan("")), 0);
  EXPECT_EQ(trunc_int(-2.7), -2);
  EXPECT_EQ(trunc_int(2.7), 2);
  EXPECT_EQ(trunc_int(1e12), std::numeric_limits<int>::max());
}
