// Vector and picture prints on a recording printer: resolution, pen, scale, colours and jobs.
#include "fileio/print.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/core.h"
#include "platform/recording_printer.h"

using namespace orvane;

namespace {

using Log = std::vector<std::string>;

// Records the window's scale as it is when the job ends, and can fail there.
class WatchingPrinter : public RecordingPrinter {
 public:
  using RecordingPrinter::RecordingPrinter;
  void EndDoc() override {
    scale_at_end = xscale[1];
    origin_at_end = x_plot_origin[1];
    pscale_at_end = pscale;
    if (fail) throw std::runtime_error("paper jam");
    RecordingPrinter::EndDoc();
  }
  bool fail = false;
  double scale_at_end = 0, pscale_at_end = 0;
  int origin_at_end = 0;
};

class PrintTest : public ::testing::Test {
 protected:
  // The top window at 20 pixels a unit with model (0, 0) at pixel (300, 200).
  void SetUp() override {
    startup();
    current_plot_window = 1;
    xscale[1] = 20, yscale[1] = -20;
    x_plot_origin[1] = 300, y_plot_origin[1] = 200;
  }
  void TearDown() override {
    set_current_printer(nullptr);
    startup();
  }

  static int add(int type, double g1, double g2, double g3, double g4, double g5, double g6,
                 TColor color = clBlue, int layer = 1, int group_mark = 0, int view = 1) {
    const int n = get_new_element_number();
    EXPECT_EQ(make_element(n, type, g1, g2, g3, g4, g5, g6, color, 0, layer, group_mark, view), n);
    return n;
  }
  // Runs a vector print of a 600-pixel control the way the widget does.
  static void print(int width = 600) {
    print_on = true;
    try {
      print_cad_proc(width);
    } catch (...) {
      print_on = false;
      throw;
    }
    print_on = false;
  }
  static Log entries(const RecordingCanvas& c, const std::string& word) {
    Log out;
    std::copy_if(c.log().begin(), c.log().end(), std::back_inserter(out),
                 [&](const std::string& e) { return e.rfind(word + " ", 0) == 0; });
    return out;
  }
};

TEST_F(PrintTest, ResolutionPenAndTitleComeFromThePage) {
  WatchingPrinter printer(6000, 8000, 254);
  ScopedPrinter scope(printer);
  cdl_filename = "plate.cdl";
  print();
  EXPECT_EQ(ppi, 600);
  EXPECT_EQ(printer.jobs(), (Log{"Title plate.cdl", "BeginDoc", "EndDoc"}));
  EXPECT_EQ(entries(printer.GetCanvas(), "PenWidth"), Log{"PenWidth 3"});
  EXPECT_EQ(entries(printer.GetCanvas(), "Font"), Log{"Font ARIAL 10"});
}

TEST_F(PrintTest, ControlWidthFillsThePageAndTheWindowIsRestored) {
  WatchingPrinter printer(4800, 6600, 203);
  ScopedPrinter scope(printer);
  add(kLine, 0, 0, 0, 1, 1, 0);
  print();
  EXPECT_DOUBLE_EQ(printer.pscale_at_end, 8);
  EXPECT_DOUBLE_EQ(printer.scale_at_end, 160);
  EXPECT_EQ(printer.origin_at_end, 2400);
  // (0, 0) at 8 x (300, 200); (1, 1) 160 pixels right and up from it.
  const Log lines = entries(printer.GetCanvas(), "LineTo");
  EXPECT_EQ(entries(printer.GetCanvas(), "MoveTo"), Log{"MoveTo 2400 1600"});
  EXPECT_EQ(lines, Log{"LineTo 2560 1440"});
  EXPECT_DOUBLE_EQ(pscale, 1.0);
  EXPECT_DOUBLE_EQ(xscale[1], 20);
  EXPECT_DOUBLE_EQ(yscale[1], -20);
  EXPECT_EQ(x_plot_origin[1], 300);
  EXPECT_EQ(y_plot_origin[1], 200);
}

TEST_F(PrintTest, OnlyLiveElementsOfVisibleLayersPrintInTheirPrintColours) {
  RecordingPrinter printer(600, 800, 203);  // pscale 1: pixels as on screen
  ScopedPrinter scope(printer);
  add(kLine, 0, 0, 0, 1, 0, 0, clWhite);
  add(kLine, 0, 0, 0, 2, 0, 0, clBlue, 1, 2);
  add(kLine, 0, 0, 0, 3, 0, 0, clBlue, 7);
  const int gone = add(kLine, 0, 0, 0, 4, 0, 0);
  lock_element(gone)->deleted = true;
  visible_layer[7] = false;
  print();
  // White prints black, a group member red; the hidden layer and the deleted line not at all.
  // The job starts in black, which the white line keeps.
  EXPECT_EQ(entries(printer.GetCanvas(), "LineTo"), (Log{"LineTo 320 200", "LineTo 340 200"}));
  const Log colours = entries(printer.GetCanvas(), "PenColor");
  EXPECT_EQ(colours, (Log{"PenColor 0", "PenColor 255"}));

  // In black and white the job's first pen serves every element.
  print_monochrome = true;
  printer.GetCanvas().clear();
  print();
  EXPECT_EQ(entries(printer.GetCanvas(), "PenColor"), (Log{"PenColor 0"}));
  EXPECT_EQ(entries(printer.GetCanvas(), "LineTo").size(), 2u);
}

TEST_F(PrintTest, CirclesPrintAsOutlinesOrFilledAsOnScreen) {
  RecordingPrinter printer(600, 800, 203);
  ScopedPrinter scope(printer);
  add(kCircle, 1, 0, 0, 1, 0, 0, clBlue, 1, 0, 1);
  add(kCircle, 0, 1, 0, 1, 0, 0, clBlue, 1, 0, 9);
  print();
  const Log& log = printer.GetCanvas().log();
  EXPECT_EQ(entries(printer.GetCanvas(), "Ellipse"),
            (Log{"Ellipse 300 220 340 180", "Ellipse 280 200 320 160"}));
  // The open circle is drawn with no brush, the filled one with a solid brush of its colour.
  const auto first = std::find(log.begin(), log.end(), "Ellipse 300 220 340 180");
  const auto second = std::find(log.begin(), log.end(), "Ellipse 280 200 320 160");
  EXPECT_NE(std::find(log.begin(), first, "BrushStyle bsClear"), first);
  EXPECT_NE(std::find(first, second, "BrushColor 16711680"), second);
  EXPECT_NE(std::find(first, second, "BrushStyle bsSolid"), second);
}

TEST_F(PrintTest, ArcsPrintAsCurvesOnThePagesPixels) {
  WatchingPrinter printer(4800, 6600, 203);
  ScopedPrinter scope(printer);
  add(kArc, 1, 0, 0, 0.5, 90, 180, clBlue, 1, 0, -1);
  print();
  // At 160 pixels a unit with (0, 0) at (2400, 1600) the centre lies at (2560, 1600) and the
  // radius is 80 pixels; from twelve o'clock a quarter turn on to nine o'clock.
  EXPECT_EQ(entries(printer.GetCanvas(), "Arc"), Log{"Arc 2480 1520 2640 1680 90 90"});
  EXPECT_TRUE(entries(printer.GetCanvas(), "LineTo").empty());
  EXPECT_EQ(entries(printer.GetCanvas(), "PenColor"), (Log{"PenColor 0", "PenColor 16711680"}));
}

TEST_F(PrintTest, PenAndBrushChangeOnlyBetweenRuns) {
  RecordingPrinter printer(600, 800, 203);
  ScopedPrinter scope(printer);
  add(kCircle, 0, 0, 0, 1, 0, 0, clBlue, 1, 0, 9);
  add(kCircle, 1, 0, 0, 1, 0, 0, clBlue, 1, 0, 9);
  add(kCircle, 2, 0, 0, 1, 0, 0, clRed, 1, 0, 9);
  add(kCircle, 3, 0, 0, 1, 0, 0, clRed, 1, 0, 1);
  add(kArc, 4, 0, 0, 1, 0, 90, clRed, 1, 0, -1);
  add(kCircle, 5, 0, 0, 1, 0, 0, clRed, 1, 0, 9);
  add(kLine, 0, 0, 0, 1, 1, 0, clRed);
  print();
  const auto brush_and_pen = [&printer] {
    Log out;
    for (const auto& e : printer.GetCanvas().log())
      if (e.rfind("Brush", 0) == 0 || e.rfind("PenColor", 0) == 0 || e.rfind("Ellipse", 0) == 0)
        out.push_back(e.substr(0, e.find(' ', e.find(' ') + 1)));
    return out;
  };
  // The job starts black and clear; each filled run sets its colour and a solid brush once, the
  // open circle and the arc after it share one clear brush.
  EXPECT_EQ(brush_and_pen(),
            (Log{"PenColor 0", "BrushStyle bsClear", "BrushColor 16711680", "BrushStyle bsSolid",
                 "PenColor 16711680", "Ellipse 280", "Ellipse 300", "BrushColor 255",
                 "PenColor 255", "Ellipse 320", "BrushStyle bsClear", "Ellipse 340",
                 "BrushStyle bsSolid", "Ellipse 380"}));

  // In black and white one black brush and one black pen serve every filled circle.
  print_monochrome = true;
  printer.GetCanvas().clear();
  print();
  const Log mono = brush_and_pen();
  EXPECT_EQ(std::count(mono.begin(), mono.end(), "BrushColor 0"), 1);
  EXPECT_EQ(std::count(mono.begin(), mono.end(), "PenColor 0"), 1);
}

TEST_F(PrintTest, FailingJobIsAbortedAndTheWindowRestored) {
  WatchingPrinter printer(4800, 6600, 203);
  printer.fail = true;
  ScopedPrinter scope(printer);
  add(kLine, 0, 0, 0, 1, 1, 0);
  EXPECT_THROW(print(), std::runtime_error);
  EXPECT_EQ(printer.jobs().back(), "Abort");
  EXPECT_DOUBLE_EQ(xscale[1], 20);
  EXPECT_EQ(x_plot_origin[1], 300);
  EXPECT_EQ(y_plot_origin[1], 200);
  EXPECT_DOUBLE_EQ(pscale, 1.0);
}

TEST_F(PrintTest, NothingToPrintOnOrWithStartsNoJob) {
  EXPECT_THROW(print(), std::runtime_error);  // no printer
  RecordingPrinter printer;
  ScopedPrinter scope(printer);
  print(0);
  print_bmp(printer.GetCanvas(), 0, 300);
  EXPECT_TRUE(printer.jobs().empty());
  RecordingPrinter blank(0, 0, 0);
  ScopedPrinter no_page(blank);
  EXPECT_THROW(print(), std::runtime_error);
  EXPECT_TRUE(blank.jobs().empty());
}

TEST_F(PrintTest, PicturePrintFillsTheShorterSideAndInvertsABlackBackground) {
  RecordingPrinter printer(4800, 6600, 203);
  ScopedPrinter scope(printer);
  RecordingCanvas screen;
  plot_background = clBlack;
  print_bmp(screen, 400, 300);
  plot_background = clWhite;
  print_bmp(screen, 400, 300);
  EXPECT_EQ(printer.GetCanvas().log(),
            (Log{"CopyRect 0 0 4800 3600 0 0 400 300 " + std::to_string(cmNotSrcCopy),
                 "CopyRect 0 0 4800 3600 0 0 400 300 " + std::to_string(cmSrcCopy)}));
  EXPECT_EQ(printer.jobs().size(), 6u);
}

}  // namespace
