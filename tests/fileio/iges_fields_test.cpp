// Numbers in IGES fields: plain numbers converted where they stand, fields with spaces or D
// exponents through a cleaned copy, empty fields giving the fallback, anything else refused.
#include <gtest/gtest.h>

#include <string>

#include "fileio/iges_file.h"

using orvane::iges::field_int;
using orvane::iges::field_real;

namespace {

double real_of(const std::string& field, double fallback = -7) {
  double out = -99;
  EXPECT_TRUE(field_real(field, fallback, out)) << field;
  return out;
}

bool refused(const std::string& field) {
  double out = 42;
  const bool ok = field_real(field, 0, out);
  EXPECT_EQ(out, 42) << field;  // a refused field leaves the output alone
  return !ok;
}

}  // namespace

TEST(IgesFields, PlainNumbersAndSigns) {
  EXPECT_EQ(real_of("182.1829"), 182.1829);
  EXPECT_EQ(real_of("-0.5"), -0.5);
  EXPECT_EQ(real_of("+3.25"), 3.25);
  EXPECT_EQ(real_of("1.E-06"), 1e-6);
  EXPECT_EQ(real_of(".125"), 0.125);
}

TEST(IgesFields, SpacesAroundAndWithinAreDropped) {
  EXPECT_EQ(real_of("      12"), 12);  // a right-aligned directory field
  EXPECT_EQ(real_of("2.5   "), 2.5);
  EXPECT_EQ(real_of(" 1 2 "), 12);
}

TEST(IgesFields, DExponentsAreTaken) {
  EXPECT_EQ(real_of("1.5D2"), 150);
  EXPECT_EQ(real_of(" 2.5d-1 "), 0.25);
  EXPECT_EQ(real_of("-4.D0"), -4);
}

TEST(IgesFields, EmptyFieldsGiveTheFallback) {
  EXPECT_EQ(real_of("", 3.5), 3.5);
  EXPECT_EQ(real_of("        ", -1), -1);
}

TEST(IgesFields, WhatIsNotAFiniteNumberIsRefused) {
  EXPECT_TRUE(refused("1e400"));
  EXPECT_TRUE(refused("-1D400"));
  EXPECT_TRUE(refused("nan"));
  EXPECT_TRUE(refused("inf"));
  EXPECT_TRUE(refused("12abc"));
  EXPECT_TRUE(refused("1H,"));
  EXPECT_TRUE(refused("--1"));
}

TEST(IgesFields, IntegersRoundAndStayInRange) {
  int out = 0;
  ASSERT_TRUE(field_int("     126", 0, out));
  EXPECT_EQ(out, 126);
  ASSERT_TRUE(field_int("2.6", 0, out));
  EXPECT_EQ(out, 3);
  ASSERT_TRUE(field_int("", 9, out));
  EXPECT_EQ(out, 9);
  EXPECT_FALSE(field_int("3000000000", 0, out));
  EXPECT_FALSE(field_int("1D10", 0, out));
}
