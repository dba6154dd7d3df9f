// Drawing the store on a RecordingCanvas: pens, routing, points, circles, arcs and selection.
#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/recording_canvas.h"
#include "platform/recording_printer.h"
#include "tests/core/core_test.h"

using namespace orvane;

namespace {

using Log = std::vector<std::string>;
using Pixel = std::pair<int, int>;

// Entries of the log whose first word is word.
int count(const RecordingCanvas& c, const std::string& word) {
  int n = 0;
  for (const auto& e : c.log())
    n += e == word || e.rfind(word + " ", 0) == 0;
  return n;
}

// The pixels of the "MoveTo" or "LineTo" entries, in order.
std::vector<Pixel> pixels(const RecordingCanvas& c, const std::string& word) {
  std::vector<Pixel> out;
  for (const auto& e : c.log()) {
    std::istringstream in(e);
    std::string w;
    int x, y;
    if (in >> w >> x >> y && w == word) out.emplace_back(x, y);
  }
  return out;
}

class RenderingTest : public CoreTest {
 protected:
  // Every view: 20 pixels per unit, view point (0, 0) at pixel (400, 300).
  void SetUp() override {
    CoreTest::SetUp();
    current_plot_window = 1;
    for (int w = 1; w <= 4; ++w) {
      xscale[w] = 20, yscale[w] = -20;
      x_plot_origin[w] = 400, y_plot_origin[w] = 300;
    }
  }
  static void front_view() {
    current_plot_window = 2;
    view_window_proc();
    set_coefficiants();
  }
  static int add_line(double x1, double y1, double x2, double y2, int layer = 1, int mark = 0) {
    const int n = get_new_element_number();
    EXPECT_EQ(make_element(n, kLine, x1, y1, 0, x2, y2, 0, clBlue, 0, layer, mark, 1), n);
    return n;
  }
  // A new line whose x is a function of its number, so that the pixel column tells which
  // element was drawn.
  template <class F>
  static int add_numbered(F x_of, int layer, int mark = 0) {
    const int n = get_new_element_number();
    EXPECT_EQ(make_element(n, kLine, x_of(n), 0, 0, x_of(n), 1, 0, clBlue, 0, layer, mark, 1), n);
    return n;
  }
  RecordingCanvas screen;
};

const Log kSolidRed = {"PenColor 255", "BrushStyle bsClear", "PenStyle psSolid"};

Log concat(Log a, const Log& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

TEST_F(RenderingTest, RedrawClearsTheScreenThenDrawsVisibleElementsInTheView) {
  plot_background = 0x123456;
  const Log clear = {"PenColor 1193046",     "BrushStyle bsClear", "PenStyle psSolid",
                     "PenMode pmCopy",       "BrushColor 1193046", "BrushStyle bsSolid",
                     "Rectangle 0 0 640 480"};
  redraw2(screen, 640, 480);
  EXPECT_EQ(screen.log(), clear);

  // The coefficients are recomputed by the redraw: the front view shows (x, z).
  current_plot_window = 2;
  view_window_proc();
  const int n = get_new_element_number();
  ASSERT_EQ(make_element(n, kLine, 1, 5, 2, 3, 7, -1, clRed, 0, 1, 0, 1), n);
  add_line(0, 0, 1, 1, 3);
  visible_layer[3] = false;
  screen.clear();
  redraw2(screen, 640, 480);
  EXPECT_EQ(screen.log(), concat(concat(clear, kSolidRed), {"MoveTo 420 260", "LineTo 460 320"}));
}

TEST_F(RenderingTest, LineTypesSelectPenStyles) {
  constexpr int kKept = -1;  // the pen style is left as it was
  const int cases[][3] = {{0, psSolid, psSolid},
                          {1, psSolid, psSolid},
                          {10, psSolid, kKept},
                          {2, psDot, psDot},
                          {20, psDot, kKept},
                          {3, psDashDot, psDashDot},
                          {4, psDashDotDot, psDashDotDot},
                          {5, kKept, kKept},
                          {-1, kKept, kKept}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c[0]);
    const auto expected = [](int style) {
      Log log = {"PenColor 255", "BrushStyle bsClear"};
      if (style != kKept) {
        log.push_back(std::string("PenStyle ") + pen_style_name(static_cast<TPenStyle>(style)));
      }
      return concat(log, {"MoveTo 400 300", "LineTo 420 280"});
    };
    RecordingCanvas s, meta;
    draw_line(s, 0, 0, 0, 1, 1, 0, clRed, c[0]);
    EXPECT_EQ(s.log(), expected(c[1]));
    clipboard_on = true;
    metafilecanvas = &meta;
    s.clear();
    draw_line(s, 0, 0, 0, 1, 1, 0, clRed, c[0]);
    EXPECT_EQ(meta.log(), expected(c[2]));
    EXPECT_TRUE(s.log().empty());
    clipboard_on = false;
  }
  // Arcs turn 20 into 2 before drawing, so the metafile gets a dotted pen for the one curve
  // the arc is drawn as there.
  RecordingCanvas meta;
  clipboard_on = true;
  metafilecanvas = &meta;
  draw_arc(screen, 0, 0, 0, 1, 0, 90, clRed, 20, -1);
  EXPECT_EQ(count(meta, "PenStyle psDot"), 1);
  EXPECT_EQ(count(meta, "Arc"), 1);
  EXPECT_EQ(count(meta, "LineTo"), 0);
}

TEST_F(RenderingTest, LinesAreProjectedThroughTheCurrentView) {
  set_coefficiants();  // isometric angles: the top view still shows (x, y)
  flash_flag = true;
  draw_line(screen, 1, 2, 7, 0, 0, -3, clRed, 0);
  EXPECT_EQ(pixels(screen, "MoveTo"), (std::vector<Pixel>{{420, 260}}));
  EXPECT_EQ(pixels(screen, "LineTo"), (std::vector<Pixel>{{400, 300}}));
  EXPECT_FALSE(flash_flag);

  // (1, 1, 1) has isometric view coordinates (1.281713, 1.144109).
  current_plot_window = 4;
  xscale[4] = 100, yscale[4] = -100, x_plot_origin[4] = 0, y_plot_origin[4] = 0;
  screen.clear();
  draw_line(screen, 0, 0, 0, 1, 1, 1, clRed, 0);
  EXPECT_EQ(pixels(screen, "LineTo"), (std::vector<Pixel>{{128, -114}}));
}

TEST_F(RenderingTest, GroupMarkSelectsTheHighlightColourOnScreenOnly) {
  plot_background = 0x224466;
  const struct {
    int mark;
    TColor color;
  } cases[] = {{0, clBlue}, {1, 0x00FFFF}, {2, 0x0000FF}, {3, 0x224466},
               {4, clBlue}, {5, 0xFF00FF}, {6, clBlue},   {7, 99}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mark);
    TElement e{};
    e.element_type = kLine;
    e.color = clBlue;
    e.group_mark = static_cast<uint8_t>(c.mark);
    e.values[3] = e.values[4] = 1;
    RecordingCanvas s, meta;
    draw_element(s, 1, &e);
    ASSERT_FALSE(s.log().empty());
    EXPECT_EQ(s.log().front(), "PenColor " + std::to_string(c.color));
    clipboard_on = true;
    metafilecanvas = &meta;
    draw_element(s, 1, &e);
    ASSERT_FALSE(meta.log().empty());
    EXPECT_EQ(meta.log().front(), "PenColor 16711680");
    clipboard_on = false;
  }
  // Deleted elements, no element and unknown types draw nothing.
  TElement e{};
  e.element_type = kLine;
  e.deleted = true;
  draw_element(screen, 1, &e);
  draw_element(screen, 1, nullptr);
  e.deleted = false;
  e.element_type = 7;
  draw_element(screen, 1, &e);
  EXPECT_TRUE(screen.log().empty());
}

TEST_F(RenderingTest, PrinterGetsTheDrawingInItsOwnPen) {
  RecordingPrinter printer;
  ScopedPrinter scope(printer);
  RecordingCanvas& paper = printer.GetCanvas();
  print_on = true;
  draw_line(screen, 0, 0, 0, 1, 1, 0, clBlue, 2);
  EXPECT_EQ(paper.log(), (Log{"PenColor 16711680", "MoveTo 400 300", "LineTo 420 280"}));

  // A stored group member is printed in its highlight colour, a filled circle as an outline.
  const int n = get_new_element_number();
  ASSERT_EQ(make_element(n, kCircle, 1, 2, 0, 0.5, 0, 0, clBlue, 0, 1, 2, 9), n);
  paper.clear();
  plot_elements(screen, 1, 1);
  EXPECT_EQ(paper.log(), (Log{"PenColor 255", "Ellipse 410 270 430 250"}));

  print_monochrome = true;
  paper.clear();
  plot_elements(screen, 1, 1);
  draw_point(screen, 1, 2, 0, clBlue);
  EXPECT_EQ(paper.log(),
            (Log{"PenColor 0", "Ellipse 410 270 430 250", "PenColor 0", "MoveTo 425 260",
                 "LineTo 415 260", "MoveTo 420 265", "LineTo 420 255"}));

  // Pen preparation for the printer only sets its pen mode.
  paper.clear();
  set_draw_dc(screen, clBlue, 2);
  EXPECT_EQ(paper.log(), Log{"PenMode pmCopy"});
  EXPECT_TRUE(screen.log().empty());

  // The metafile takes precedence over the printer.
  RecordingCanvas meta;
  clipboard_on = true;
  metafilecanvas = &meta;
  paper.clear();
  draw_line(screen, 0, 0, 0, 1, 1, 0, clBlue, 0);
  EXPECT_TRUE(paper.log().empty());
  EXPECT_EQ(count(meta, "LineTo"), 1);
  EXPECT_TRUE(screen.log().empty());
}

TEST_F(RenderingTest, MissingOutputTargetsDrawNothing) {
  add_line(0, 0, 1, 1);
  const int n = get_new_element_number();
  ASSERT_EQ(make_element(n, kArc, 0, 0, 0, 1, 0, 90, clBlue, 0, 1, 0, -1), n);
  draw_axis_flag = true;
  for (bool clipboard : {false, true}) {
    SCOPED_TRACE(clipboard);
    print_on = !clipboard;
    clipboard_on = clipboard;
    metafilecanvas = nullptr;
    draw_line(screen, 0, 0, 0, 1, 1, 0, clBlue, 0);
    draw_point(screen, 1, 1, 0, clBlue);
    draw_circle(screen, 1, 1, 0, 1, clBlue, 0, 9);
    draw_arc(screen, 0, 0, 0, 1, 0, 360, clBlue, 0, -1);
    set_color(screen, clBlue, 0);
    set_draw_dc(screen, clBlue, 0);
    set_print_color(clBlue, 0);
    plot_elements(screen, 1, 0);
    EXPECT_TRUE(screen.log().empty());
  }
}

TEST_F(RenderingTest, PointsAreCrossesAndFarPointsAreSkipped) {
  draw_point(screen, 1, 2, 0, clRed);
  EXPECT_EQ(screen.log(), concat(kSolidRed, {"MoveTo 425 260", "LineTo 415 260", "MoveTo 420 265",
                                             "LineTo 420 255"}));
  xscale[1] = 1, yscale[1] = -1, x_plot_origin[1] = 0, y_plot_origin[1] = 0;
  const struct {
    double x, y;
    bool drawn;
  } cases[] = {{100001, 0, false},  {100000, 0, true}, {-100001, 0, false}, {-100000, 0, true},
               {0, -100001, false}, {0, 100000, true}, {1e300, 0, false},   {0, -1e300, false}};
  for (const auto& c : cases) {
    RecordingCanvas s;
    draw_point(s, c.x, c.y, 0, clRed);
    EXPECT_EQ(count(s, "LineTo"), c.drawn ? 2 : 0) << c.x << " " << c.y;
  }
}

TEST_F(RenderingTest, CirclesUseTheViewCoordinatesAndSkipTinyOrFarOnes) {
  front_view();  // circles are not projected, whatever the view
  draw_circle(screen, 1, 2, 99, 0.5, clRed, 2, 1);
  EXPECT_EQ(screen.log(), (Log{"PenColor 255", "BrushStyle bsClear", "PenStyle psDot",
                               "Ellipse 410 270 430 250"}));

  const struct {
    double x, y, r;
    const char* ellipse;
  } cases[] = {{1, 2, 0.04, "Ellipse 419 261 421 259"},  // rounded radius 1: two pixels
               {1, 2, 0.02, nullptr},
               {1, 2, 0.025, nullptr},  // 0.5 rounds to 0
               {4979.5, 0, 0.5, "Ellipse 99980 310 100000 290"},
               {4980, 0, 0.5, nullptr},
               {0, -4985, 0.5, nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.r);
    RecordingCanvas s;
    draw_circle(s, c.x, c.y, 0, c.r, clRed, 0, 1);
    if (c.ellipse == nullptr) {
      EXPECT_TRUE(s.log().empty());
    } else {
      EXPECT_EQ(s.log(), concat(kSolidRed, {c.ellipse}));
    }
  }

  // View 9 is a filled disc on screen and an outline in the metafile.
  screen.clear();
  draw_circle(screen, 1, 2, 0, 0.5, clRed, 0, 9);
  EXPECT_EQ(screen.log(),
            concat(kSolidRed, {"BrushColor 255", "BrushStyle bsSolid", "Ellipse 410 270 430 250"}));
  RecordingCanvas meta;
  clipboard_on = true;
  metafilecanvas = &meta;
  draw_circle(screen, 1, 2, 0, 0.5, clRed, 0, 9);
  EXPECT_EQ(meta.log(), concat(kSolidRed, {"Ellipse 410 270 430 250"}));
}

TEST_F(RenderingTest, ArcSegmentsFollowTheArcLengthInPixels) {
  const struct {
    double radius, start, end;
    int segments;
  } cases[] = {{1, 0, 360, 12}, {0.5, 0, 360, 10}, {100, 0, 360, 360},
               {1, 45, 45, 12}, {10, 0, 90, 31},   {-1, 0, 360, 12}};
  for (const auto& c : cases) {
    RecordingCanvas s;
    draw_arc(s, 0, 0, 0, c.radius, c.start, c.end, clRed, 0, -1);
    EXPECT_EQ(count(s, "LineTo"), c.segments) << c.radius << " " << c.start << " " << c.end;
  }
}

TEST_F(RenderingTest, ArcChainRunsCounterclockwiseToTheEndAngle) {
  draw_arc(screen, 0, 0, 0, 10, 0, 90, clRed, 0, -1);
  auto moves = pixels(screen, "MoveTo");
  auto lines = pixels(screen, "LineTo");
  ASSERT_EQ(lines.size(), 31u);
  EXPECT_EQ(moves.front(), Pixel(600, 300));
  EXPECT_EQ(lines.back(), Pixel(400, 100));
  for (std::size_t i = 1; i < moves.size(); ++i)
    EXPECT_EQ(moves[i], lines[i - 1]);

  // 350 to 10 passes through 0: ten 2-degree steps from below the x axis to above it.
  screen.clear();
  draw_arc(screen, 0, 0, 0, 5, 350, 10, clRed, 0, -1);
  moves = pixels(screen, "MoveTo");
  lines = pixels(screen, "LineTo");
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(moves.front(), Pixel(498, 317));
  EXPECT_EQ(lines[4], Pixel(500, 300));
  EXPECT_EQ(lines.back(), Pixel(498, 283));
  for (std::size_t i = 1; i < lines.size(); ++i)
    EXPECT_LT(lines[i].second, lines[i - 1].second);
}

TEST_F(RenderingTest, FrontPlaneArcIsACircleInTheFrontViewAtYMinusFive) {
  front_view();
  draw_arc(screen, 0, 0, 5, 1, 0, 360, clRed, 0, 2);
  const auto lines = pixels(screen, "LineTo");
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(pixels(screen, "MoveTo").front(), Pixel(420, 300));
  EXPECT_EQ(lines[2], Pixel(400, 280));  // 90 degrees: model z = 1
  for (const auto& p : lines) {
    EXPECT_NEAR(std::hypot(p.first - 400, p.second - 300), 20, 1.0);
  }
  // Seen from the top the same arc is a line at model y = -5 (pixel row 400).
  current_plot_window = 1;
  screen.clear();
  draw_arc(screen, 0, 0, 5, 1, 0, 360, clRed, 0, 2);
  for (const auto& p : pixels(screen, "LineTo")) {
    EXPECT_EQ(p.second, 400);
    EXPECT_LE(std::abs(p.first - 400), 20);
  }
}

TEST_F(RenderingTest, ArcsWithoutAPlaneAreDrawnInTheXYPlane) {
  front_view();
  const auto arc_log = [](int view) {
    RecordingCanvas s;
    draw_arc(s, 1, 2, 3, 2, 30, 200, clRed, 0, view);
    return s.log();
  };
  // The XY arc around (1, 2, 3) is seen edge-on in the front view: every point at z = 3.
  draw_arc(screen, 1, 2, 3, 2, 30, 200, clRed, 0, -1);
  ASSERT_EQ(count(screen, "LineTo"), 11);  // 118.7 pixels long
  for (const auto& p : pixels(screen, "LineTo"))
    EXPECT_EQ(p.second, 240);
  const Log xy = screen.log();
  for (int view : {0, -4, 91, -100, 1000})
    EXPECT_EQ(arc_log(view), xy) << view;
  EXPECT_NE(arc_log(-2), xy);
}

TEST_F(RenderingTest, PlotModesSelectElementsInAscendingNumberOrder) {
  // Element n lies at x = 20 - n, so the drawing order shows in the pixel columns.
  const auto add = [](int layer, int mark) {
    return add_numbered([](int n) { return 20 - n; }, layer, mark);
  };
  add(1, 0);                                // 2
  add(2, 2);                                // 3, hidden layer
  add(1, 5);                                // 4
  add(1, 2);                                // 5
  lock_element(add(1, 0))->deleted = true;  // 6
  lock_element(add(1, 0))->layer = 300;     // 7, outside the layers
  visible_layer[2] = false;
  const auto drawn = [this](int view, int mode) {
    screen.clear();
    plot_elements(screen, view, mode);
    std::vector<int> numbers;
    for (const auto& p : pixels(screen, "MoveTo"))
      numbers.push_back(20 - (p.first - 400) / 20);
    return numbers;
  };
  EXPECT_EQ(drawn(1, 0), (std::vector<int>{2, 3, 4, 5, 7}));
  EXPECT_EQ(drawn(1, 1), (std::vector<int>{2, 4, 5}));
  EXPECT_EQ(drawn(1, 2), (std::vector<int>{3, 5}));
  EXPECT_EQ(drawn(1, 3), (std::vector<int>{4}));
  EXPECT_EQ(drawn(1, 4), (std::vector<int>{2, 4, 5}));
  EXPECT_EQ(drawn(1, 5), std::vector<int>{});
  EXPECT_EQ(drawn(1, -1), std::vector<int>{});
  // The view argument only gates drawing; the projection is current_plot_window's.
  EXPECT_EQ(drawn(3, 3), (std::vector<int>{4}));

  // Views outside 1..4 draw nothing, not even the axes.
  draw_axis_flag = true;
  EXPECT_EQ(drawn(0, 0), std::vector<int>{});
  EXPECT_EQ(drawn(5, 0), std::vector<int>{});
  EXPECT_TRUE(screen.log().empty());
  current_plot_window = 0;
  EXPECT_EQ(drawn(1, 0), std::vector<int>{});
  EXPECT_TRUE(screen.log().empty());
}

TEST_F(RenderingTest, PreviewModeStopsAfterTwoHundredVisibleElements) {
  xscale[1] = 1, yscale[1] = -1;
  // Number 1 holds the empty start-up block; give it a real element so that every number
  // counted is one that draws.
  ASSERT_EQ(make_element(1, kLine, 1, 0, 0, 1, 1, 0, clBlue, 0, 1, 0, 1), 1);
  std::vector<int> visible = {1};
  for (int i = 0; i < 260; ++i) {
    const int layer = (i + 2) % 10 == 0 ? 2 : 1;
    const int n = add_numbered([](int number) { return number; }, layer);
    if (n == 15) lock_element(n)->layer = 300;
    if (layer == 1 && n != 15) visible.push_back(n);
  }
  visible_layer[2] = false;
  plot_elements(screen, 1, 4);
  std::vector<int> numbers;
  for (const auto& p : pixels(screen, "MoveTo"))
    numbers.push_back(p.first - 400);
  ASSERT_GT(visible.size(), 200u);
  EXPECT_EQ(numbers, std::vector<int>(visible.begin(), visible.begin() + 200));
  screen.clear();
  plot_elements(screen, 1, 1);
  EXPECT_EQ(count(screen, "LineTo"), static_cast<int>(visible.size()));
}

TEST_F(RenderingTest, PreviewDoesNotCountTheEmptyStartUpRecord) {
  // Number 1 holds an empty record after start-up: 200 real elements after it are all drawn.
  for (int i = 0; i < 201; ++i)
    add_line(0, 0, 1, 1);
  plot_elements(screen, 1, 4);
  EXPECT_EQ(count(screen, "LineTo"), 200);
}

TEST_F(RenderingTest, AxesOfAnEmptyStoreAreThreeRedLines) {
  draw_axis_flag = true;
  screen_center_x[1] = -3, screen_center_y[1] = 2, view_height[1] = 10;  // half length 13
  plot_elements(screen, 1, 1);
  // One pass: the red pen is set once for the three lines.
  const Log expected = concat(kSolidRed, {"MoveTo 140 300", "LineTo 660 300", "MoveTo 400 560",
                                          "LineTo 400 40", "MoveTo 400 300", "LineTo 400 300"});
  EXPECT_EQ(screen.log(), expected);
  draw_axis_flag = false;
  screen.clear();
  plot_elements(screen, 1, 1);
  EXPECT_TRUE(screen.log().empty());
}

TEST_F(RenderingTest, LinesWithANonFiniteCoordinateAreSkipped) {
  add_line(1, 1, 2, 2);
  lock_element(add_line(0, 0, 1, 1))->values[4] = std::numeric_limits<double>::quiet_NaN();
  lock_element(add_line(0, 0, 1, 1))->values[0] = std::numeric_limits<double>::infinity();
  // The top view does not use z, so a line with an infinite z still draws there.
  const int flat = add_line(3, 3, 4, 4);
  lock_element(flat)->values[2] = std::numeric_limits<double>::infinity();
  plot_elements(screen, 1, 0);
  EXPECT_EQ(pixels(screen, "MoveTo"), (std::vector<Pixel>{{420, 280}, {460, 240}}));
  EXPECT_EQ(count(screen, "LineTo"), 2);
  // In the front view that z is projected and the line is skipped.
  front_view();
  screen.clear();
  plot_elements(screen, 2, 0);
  EXPECT_EQ(count(screen, "LineTo"), 1);
}

TEST(ColorTableTest, CdlNumbersOfColourValues) {
  const TColor table[16] = {0x000000, 0x008000, 0x000080, 0x008080, 0x00FFFF, 0x808000,
                            0x800080, 0x808080, 0x800000, 0xFF0000, 0x00FF00, 0xFFFF00,
                            0x0000FF, 0xFF00FF, 0xC0C0C0, 0xFFFFFF};
  for (int n = 0; n < 16; ++n)
    EXPECT_EQ(get_cdl_color(table[n]), n) << std::hex << table[n];
  for (TColor other : {0x123456u, 0x000001u, 0x1000000u, 0xFFFFFFFFu}) {
    EXPECT_EQ(get_cdl_color(other), 10) << std::hex << other;
  }
}

TEST(ColorTableTest, IgesNumbersToColourValues) {
  const TColor table[16] = {0x000000, 0x0000FF, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF,
                            0xFF00FF, 0xFFFF00, 0xFFFFFF, 0x0000FF, 0x00FFFF, 0xFFFF00,
                            0x00FF00, 0xFF0000, 0xFF00FF, 0xFFFFFF};
  for (int n = 0; n < 16; ++n)
    EXPECT_EQ(set_iges_color(n), table[n]) << n;
  for (int other : {16, -1, 100, std::numeric_limits<int>::min()}) {
    EXPECT_EQ(set_iges_color(other), 0x00FF00u) << other;
  }
}

namespace {

// The pen and brush a canvas holds after replaying a log, as the drawing calls see them.
struct PenSeen {
  std::string color = "?", style = "?", brush = "?";
  void apply(const std::string& entry) {
    std::istringstream in(entry);
    std::string word, value;
    in >> word >> value;
    if (word == "PenColor") color = value;
    if (word == "PenStyle") style = value;
    if (word == "BrushStyle") brush = value;
  }
};

}  // namespace

TEST_F(RenderingTest, APassLeavesOutRepeatedPensButEveryShapeHasItsOwn) {
  struct Shape {
    int type;
    TColor color;
    int line_type, view;
    const char *pen, *style, *brush;
  };
  // Runs of equal pens, a style change, a filled disc (solid brush) and lines after it.
  const Shape shapes[] = {
      {kLine, clBlue, 0, 1, "16711680", "psSolid", "bsClear"},
      {kLine, clBlue, 1, 1, "16711680", "psSolid", "bsClear"},
      {kLine, clBlue, 2, 1, "16711680", "psDot", "bsClear"},
      {kLine, clBlue, 5, 1, "16711680", "psDot", "bsClear"},  // 5 keeps the style
      {kLine, clLime, 3, 1, "65280", "psDashDot", "bsClear"},
      {kCircle, clLime, 3, 9, "65280", "psDashDot", "bsSolid"},
      {kLine, clLime, 3, 1, "65280", "psDashDot", "bsClear"},
      {kLine, clLime, 3, 1, "65280", "psDashDot", "bsClear"},
  };
  for (const Shape& sh : shapes) {
    const int n = get_new_element_number();
    ASSERT_EQ(make_element(n, sh.type, 0, 0, 0, 1, 1, 0, sh.color, sh.line_type, 1, 0, sh.view), n);
  }
  for (int pass = 0; pass < 2; ++pass) {
    SCOPED_TRACE(pass);
    screen.clear();
    plot_elements(screen, 1, 1);
    // Every pass starts from an unknown pen: the host may have changed it in between.
    ASSERT_FALSE(screen.log().empty());
    EXPECT_EQ(screen.log().front(), "PenColor 16711680");
    PenSeen seen;
    std::size_t shape = 0;
    for (const std::string& entry : screen.log()) {
      seen.apply(entry);
      if (entry.rfind("LineTo", 0) != 0 && entry.rfind("Ellipse", 0) != 0) continue;
      ASSERT_LT(shape, std::size(shapes));
      EXPECT_EQ(seen.color, shapes[shape].pen) << entry;
      EXPECT_EQ(seen.style, shapes[shape].style) << entry;
      EXPECT_EQ(seen.brush, shapes[shape].brush) << entry;
      ++shape;
    }
    EXPECT_EQ(shape, std::size(shapes));
    EXPECT_EQ(count(screen, "PenColor"), 2);
  }
}
