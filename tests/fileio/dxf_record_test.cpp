// One DXF record's groups looked up by code: the first group of each code, for codes looked up
// directly and for others, in short records and in records of hundreds of groups.
#include <gtest/gtest.h>

#include <string>

#include "fileio/dxf_record.h"

using namespace orvane;

namespace {

DxfPair number_pair(int code, double value) {
  DxfPair p;
  p.code = code;
  p.number = value;
  p.number_ok = true;
  return p;
}

DxfPair text_pair(int code, std::string_view text) {
  DxfPair p;
  p.code = code;
  p.text = text;
  return p;
}

}  // namespace

TEST(DxfRecordTest, TheFirstGroupOfACodeIsFoundAndAbsentCodesGiveTheirFallbacks) {
  DxfRecord r;
  r.add(text_pair(8, " Walls "));
  r.add(number_pair(10, 1.5));
  r.add(number_pair(10, 7));  // a second 10: the first one counts
  r.add(number_pair(230, -1));
  r.add(number_pair(1010, 4));  // a code outside the directly looked-up ones
  r.add(number_pair(62, 3.9));
  EXPECT_EQ(r.text(8), "Walls");
  EXPECT_EQ(r.number(10), 1.5);
  EXPECT_EQ(r.integer(62), 3);
  EXPECT_EQ(r.number(1010), 4);
  EXPECT_EQ(r.extrusion().z, -1);
  EXPECT_EQ(r.extrusion().x, 0);
  EXPECT_FALSE(r.has(20));
  EXPECT_FALSE(r.has(1020));
  EXPECT_EQ(r.number(40, 2.5), 2.5);
  EXPECT_EQ(r.text(6), "");

  // Cleared, the record knows none of its old groups.
  r.clear();
  EXPECT_FALSE(r.has(8));
  EXPECT_FALSE(r.has(10));
  EXPECT_FALSE(r.has(230));
  r.add(number_pair(10, -2));
  EXPECT_EQ(r.number(10), -2);
}

TEST(DxfRecordTest, CodesFirstSeenAfterHundredsOfGroupsAreFound) {
  DxfRecord r;
  for (int i = 0; i < 400; ++i) {
    r.add(number_pair(10, i));
    r.add(number_pair(20, -i));
  }
  r.add(number_pair(62, 1));  // group 801
  r.add(text_pair(8, "Late"));
  r.add(number_pair(62, 5));
  r.add(number_pair(210, 0.5));
  EXPECT_EQ(r.number(10), 0);
  EXPECT_EQ(r.number(20), 0);
  EXPECT_EQ(r.integer(62), 1);
  EXPECT_EQ(r.text(8), "Late");
  EXPECT_EQ(r.number(210), 0.5);
  EXPECT_FALSE(r.has(30));
  EXPECT_FALSE(r.has(11));
  ASSERT_EQ(r.groups.size(), 804u);

  // A copy looks its groups up as the original does.
  const DxfRecord copy = r;
  EXPECT_EQ(copy.integer(62), 1);
  EXPECT_EQ(copy.text(8), "Late");
}
