#include "fileio/fields.h"

#include "core/state.h"
#include "tests/fileio/fileio_test.h"

using namespace orvane;

using ItemTest = FileioTest;

TEST_F(ItemTest, CdlFieldsStartAfterTheFirstSpaceAndTheLastIsClosed) {
  cad_type = 1;
  const std::string line = "POINT  1, 2 ,3,12,5";
  EXPECT_EQ(item(1, line), 1);
  EXPECT_EQ(item(2, line), 2);
  EXPECT_EQ(item(5, line), 5);
  EXPECT_EQ(item(6, line), 0);
  EXPECT_EQ(item(0, line), 0);
  EXPECT_EQ(item(26, line), 0);
  EXPECT_EQ(item(1, ""), 0);
}

TEST_F(ItemTest, CdlLineWithoutSpaceIsSplitWhole) {
  cad_type = 1;
  EXPECT_EQ(item(1, "POINT,7,8"), 0);  // "POINT" is no number
  EXPECT_EQ(item(2, "POINT,7,8"), 7);
  EXPECT_EQ(item(3, "POINT,7,8"), 8);
}

TEST_F(ItemTest, DExponentsAndBadFields) {
  cad_type = 1;
  EXPECT_EQ(item(1, "LINE 1.0D2,x,1.5Dq,,4"), 100);
  EXPECT_EQ(item(2, "LINE 1.0D2,x,1.5Dq,,4"), 0);
  EXPECT_EQ(item(3, "LINE 1.0D2,x,1.5Dq,,4"), 0);
  EXPECT_EQ(item(4, "LINE 1.0D2,x,1.5Dq,,4"), 0);
  EXPECT_EQ(item(5, "LINE 1.0D2,x,1.5Dq,,4"), 4);
}

TEST_F(ItemTest, TwentyThreeCommasMakeEveryFieldZero) {
  cad_type = 1;
  std::string fields21 = "LINE 1";  // 21 commas, 22 once closed: still read
  for (int i = 2; i <= 22; ++i)
    fields21 += "," + std::to_string(i);
  EXPECT_EQ(item(1, fields21), 1);
  EXPECT_EQ(item(22, fields21), 22);
  const std::string fields22 = fields21 + ",23";  // 23 commas once closed
  EXPECT_EQ(item(1, fields22), 0);
  EXPECT_EQ(item(22, fields22), 0);
}

TEST_F(ItemTest, IgesAndTvgTurnTheFirstSemicolonIntoAComma) {
  for (int format : {3, 4}) {
    cad_type = format;
    EXPECT_EQ(item(1, "116,1.0,2.0,3.5;"), 116);
    EXPECT_EQ(item(4, "116,1.0,2.0,3.5;"), 3.5);
    EXPECT_EQ(item(2, "110,1;2;3"), 1);
    EXPECT_EQ(item(3, "110,1;2;3"), 0);  // "2;3"
    // No comma is appended: the text after the last separator is no field.
    EXPECT_EQ(item(6, "0,1,0,0,24.4,48.8"), 0);
    EXPECT_EQ(item(5, "0,1,0,0,24.4,48.8"), 24.4);
    EXPECT_EQ(item(1, "1 2 3,"), 123);
  }
}

TEST_F(ItemTest, OtherFormatsSplitTheLineAsItStands) {
  cad_type = 2;
  EXPECT_EQ(item(1, "5,6;"), 5);
  EXPECT_EQ(item(2, "5,6;"), 0);
}

TEST_F(ItemTest, RecordFieldsGivesTextsAndRoundedValues) {
  const RecordFields f("ARC 1,2.5,3.5,-2.5", 1);
  EXPECT_EQ(f.count(), 4);
  EXPECT_EQ(f.text(2), "2.5");
  EXPECT_EQ(f.rounded(2), 2);
  EXPECT_EQ(f.rounded(3), 4);
  EXPECT_EQ(f.rounded(4), -2);
  EXPECT_EQ(f.text(5), "");
}
