#include <gtest/gtest.h>

#include "platform/recording_printer.h"

using namespace orvane;

TEST(RecordingCanvas, LogsEveryCallAsOneLine) {
  RecordingCanvas c;
  c.SetPenColor(0x0000FF);
  c.SetPenStyle(psDot);
  c.SetPenWidth(3);
  c.SetPenMode(pmCopy);
  c.SetBrushColor(0xFFFFFF);
  c.SetBrushStyle(bsClear);
  c.MoveTo(-5, 7);
  c.LineTo(2147483647, -2147483647 - 1);
  c.Ellipse(1, 2, 3, 4);
  c.Rectangle(0, 0, -1, 9);
  c.CopyRect(TRect{0, 0, 10, 20}, c, TRect{1, 2, 11, 22}, cmNotSrcCopy);
  c.SetFont("Arial", 12);
  const std::vector<std::string> expected = {"PenColor 255",
                                             "PenStyle psDot",
                                             "PenWidth 3",
                                             "PenMode pmCopy",
                                             "BrushColor 16777215",
                                             "BrushStyle bsClear",
                                             "MoveTo -5 7",
                                             "LineTo 2147483647 -2147483648",
                                             "Ellipse 1 2 3 4",
                                             "Rectangle 0 0 -1 9",
                                             "CopyRect 0 0 10 20 1 2 11 22 3342344",
                                             "Font Arial 12"};
  EXPECT_EQ(c.log(), expected);
  c.clear();
  EXPECT_TRUE(c.log().empty());
}

TEST(RecordingCanvas, LogsCurvesWithTheirFractions) {
  RecordingCanvas c;
  c.Arc(140, 200.5, 220, -280.25, 0, -90);
  c.EllipseArc({1.5, 2, -3, 0.125, 0, 1e-3}, 350, 1234.5678901234);
  EXPECT_EQ(c.log(),
            (std::vector<std::string>{"Arc 140 200.5 220 -280.25 0 -90",
                                      "EllipseArc 1.5 2 -3 0.125 0 0.001 350 1234.56789"}));
}

TEST(RecordingPrinter, LogsJobsAndScopedPrinterRestoresThePrevious) {
  RecordingPrinter outer;
  RecordingPrinter inner(100, 200, 50);
  EXPECT_EQ(inner.PageWidth(), 100);
  EXPECT_EQ(inner.PageHeight(), 200);
  EXPECT_EQ(inner.WidthMM(), 50);
  inner.SetTitle("Orvane");
  inner.BeginDoc();
  EXPECT_TRUE(inner.printing());
  inner.GetCanvas().MoveTo(1, 2);
  inner.EndDoc();
  EXPECT_FALSE(inner.printing());
  inner.BeginDoc();
  inner.Abort();
  EXPECT_FALSE(inner.printing());
  EXPECT_EQ(inner.Title(), "Orvane");
  EXPECT_EQ(inner.jobs(),
            (std::vector<std::string>{"Title Orvane", "BeginDoc", "EndDoc", "BeginDoc", "Abort"}));
  EXPECT_EQ(inner.GetCanvas().log(), std::vector<std::string>{"MoveTo 1 2"});

  ASSERT_EQ(current_printer(), nullptr);
  {
    ScopedPrinter a(outer);
    EXPECT_EQ(current_printer(), &outer);
    {
      ScopedPrinter b(inner);
      EXPECT_EQ(current_printer(), &inner);
    }
    EXPECT_EQ(current_printer(), &outer);
  }
  EXPECT_EQ(current_printer(), nullptr);
}
