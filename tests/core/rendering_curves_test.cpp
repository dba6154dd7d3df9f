// Arcs on the printer and the vector picture as curves in device pixels, and the printer's pen
// set once per run of equal ones.
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "platform/recording_canvas.h"
#include "platform/recording_printer.h"
#include "tests/core/core_test.h"

using namespace orvane;

namespace {

using Log = std::vector<std::string>;

// The entries of the log whose first word is word.
Log entries(const RecordingCanvas& c, const std::string& word) {
  Log out;
  for (const auto& e : c.log())
    if (e.rfind(word + " ", 0) == 0) out.push_back(e);
  return out;
}

// The numbers of the one entry whose first word is word; empty when there is not exactly one.
std::vector<double> numbers_of(const RecordingCanvas& c, const std::string& word) {
  const Log found = entries(c, word);
  if (found.size() != 1) return {};
  std::istringstream in(found.front());
  std::string w;
  in >> w;
  std::vector<double> v;
  for (double x; in >> x;)
    v.push_back(x);
  return v;
}

// The pixels of the "LineTo" entries, in order.
std::vector<std::pair<int, int>> line_ends(const RecordingCanvas& c) {
  std::vector<std::pair<int, int>> out;
  for (const auto& e : entries(c, "LineTo")) {
    std::istringstream in(e);
    std::string w;
    int x, y;
    in >> w >> x >> y;
    out.emplace_back(x, y);
  }
  return out;
}

constexpr double kRad = std::numbers::pi / 180;

class CurveTest : public CoreTest {
 protected:
  // The top window at 8 pixels a unit with model (0, 0) at pixel (100, 400).
  void SetUp() override {
    CoreTest::SetUp();
    set_current_printer(&printer);
    print_on = true;
    current_plot_window = 1;
    for (int w = 1; w <= 4; ++w) {
      xscale[w] = 8, yscale[w] = -8;
      x_plot_origin[w] = 100, y_plot_origin[w] = 400;
    }
  }
  void TearDown() override {
    print_on = false;
    clipboard_on = false;
    CoreTest::TearDown();
  }
  static void window(int w) {
    current_plot_window = w;
    view_window_proc();
    set_coefficiants();
  }
  // The arc as Arc's six numbers on the printer; empty when it was not drawn as one Arc.
  std::vector<double> printed_arc(double xc, double yc, double zc, double r, double start,
                                  double end, int view) {
    paper().clear();
    draw_arc(screen, xc, yc, zc, r, start, end, clBlue, 0, view);
    return numbers_of(paper(), "Arc");
  }
  RecordingCanvas& paper() { return printer.GetCanvas(); }

  RecordingPrinter printer;
  RecordingCanvas screen;
};

void expect_near_all(const std::vector<double>& got, const std::vector<double>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i)
    EXPECT_NEAR(got[i], want[i], 1e-9) << "value " << i;
}

TEST_F(CurveTest, TopViewArcIsOneCircularArcInDeviceAngles) {
  // Centre (10, 20) lies at pixel (100 + 8 * 10, 400 - 8 * 20) = (180, 240); radius 5 is 40
  // pixels, so the box runs from (140, 200) to (220, 280). From 0 to 90 degrees the arc leaves
  // (15, 20) = pixel (220, 240), three o'clock, and turns up the page to (10, 25) = pixel
  // (180, 200), twelve o'clock: Qt's start 0 and span 90 (drawArc's 0 and 1440 sixteenths).
  expect_near_all(printed_arc(10, 20, 0, 5, 0, 90, -1), {140, 200, 220, 280, 0, 90});
  EXPECT_TRUE(entries(paper(), "LineTo").empty());
  // Arc view 1 is the top plane too.
  expect_near_all(printed_arc(10, 20, 0, 5, 0, 90, 1), {140, 200, 220, 280, 0, 90});
  // Through 0: from 350 on, 20 degrees.
  expect_near_all(printed_arc(10, 20, 0, 5, 350, 10, -1), {140, 200, 220, 280, 350, 20});
  // Equal ends: the whole circle.
  expect_near_all(printed_arc(10, 20, 0, 5, 45, 45, -1), {140, 200, 220, 280, 45, 360});
  // A negative radius puts every point opposite: angle t is drawn at t + 180.
  expect_near_all(printed_arc(10, 20, 0, -5, 0, 90, -1), {140, 200, 220, 280, 180, 90});
  // Starts of many turns count from their last turn.
  expect_near_all(printed_arc(10, 20, 0, 5, 720 + 30, 720 + 60, -1), {140, 200, 220, 280, 30, 30});
}

TEST_F(CurveTest, AWindowWithItsYAxisDownMirrorsTheArc) {
  // With y growing down the page the arc from (15, 20) to (10, 25) runs from pixel (220, 560)
  // to (180, 600), down the page: clockwise as the device shows it, span -90.
  yscale[1] = 8;
  expect_near_all(printed_arc(10, 20, 0, 5, 0, 90, -1), {140, 520, 220, 600, 0, -90});
  // From 30 to 120: the start lies at -30 on the device.
  expect_near_all(printed_arc(10, 20, 0, 5, 30, 120, -1), {140, 520, 220, 600, 330, -90});
}

TEST_F(CurveTest, FrontViewSeesTheFrontPlaneFaceOn) {
  window(2);
  // The front window shows model (x, z): an arc of the XZ plane (view -2) about (1, 7, 2) is a
  // circle about pixel (108, 384) of radius 16.
  expect_near_all(printed_arc(1, 7, 2, 2, 90, 180, -2), {92, 368, 124, 400, 90, 90});
}

TEST_F(CurveTest, SlantedViewsDrawTheProjectedEllipseThroughTheChainsPoints) {
  for (const int w : {4, 3}) {  // isometric, and the side window seeing the top plane edge on
    SCOPED_TRACE(w);
    window(w);
    const double xc = 3, yc = -2, zc = 1, r = 2, start = 20, end = 250;
    paper().clear();
    draw_arc(screen, xc, yc, zc, r, start, end, clBlue, 0, -1);
    EXPECT_TRUE(entries(paper(), "Arc").empty());
    const std::vector<double> f = numbers_of(paper(), "EllipseArc");
    ASSERT_EQ(f.size(), 8u);
    EXPECT_DOUBLE_EQ(f[6], start);
    EXPECT_DOUBLE_EQ(f[7], end - start);
    // Every point of the curve is the projection of the model arc's point at the same angle.
    for (double t = start; t <= end; t += 23) {
      double vx, vy;
      view_coordinates(w, xc + r * std::cos(t * kRad), yc + r * std::sin(t * kRad), zc, vx, vy);
      const double px = vx * xscale[w] + x_plot_origin[w];
      const double py = vy * yscale[w] + y_plot_origin[w];
      EXPECT_NEAR(f[0] + f[2] * std::cos(t * kRad) + f[4] * std::sin(t * kRad), px, 1e-6) << t;
      EXPECT_NEAR(f[1] + f[3] * std::cos(t * kRad) + f[5] * std::sin(t * kRad), py, 1e-6) << t;
    }
    // The chain the screen draws has its corners on the curve, up to their rounding.
    print_on = false;
    draw_arc(screen, xc, yc, zc, r, start, end, clBlue, 0, -1);
    const auto corners = line_ends(screen);
    ASSERT_EQ(corners.size(), 10u);  // 64 pixels long: ten segments, the fewest
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const double t = (start + (i + 1) * (end - start) / 10) * kRad;
      EXPECT_NEAR(f[0] + f[2] * std::cos(t) + f[4] * std::sin(t), corners[i].first, 0.5);
      EXPECT_NEAR(f[1] + f[3] * std::cos(t) + f[5] * std::sin(t), corners[i].second, 0.5);
    }
    screen.clear();
    print_on = true;
  }
}

TEST_F(CurveTest, TheVectorPictureGetsCurvesInItsOwnPen) {
  RecordingCanvas meta;
  clipboard_on = true;
  metafilecanvas = &meta;
  draw_arc(screen, 10, 20, 0, 5, 0, 90, clRed, 2, -1);
  EXPECT_EQ(meta.log(), (Log{"PenColor 255", "BrushStyle bsClear", "PenStyle psDot",
                             "Arc 140 200 220 280 0 90"}));
  EXPECT_TRUE(paper().log().empty());
  // A plain canvas as the picture keeps the chain.
  Log chain;
  {
    struct Plain : Canvas {
      Log* log;
      explicit Plain(Log* l) : log(l) {}
      void SetPenColor(TColor) override {}
      void SetPenStyle(TPenStyle) override {}
      void SetPenWidth(int) override {}
      void SetPenMode(TPenMode) override {}
      void SetBrushColor(TColor) override {}
      void SetBrushStyle(TBrushStyle) override {}
      void MoveTo(int, int) override {}
      void LineTo(int x, int y) override {
        log->push_back(std::to_string(x) + " " + std::to_string(y));
      }
      void Ellipse(int, int, int, int) override {}
      void Rectangle(int, int, int, int) override {}
      void CopyRect(const TRect&, Canvas&, const TRect&, uint32_t) override {}
      void SetFont(const std::string&, int) override {}
    } plain(&chain);
    metafilecanvas = &plain;
    draw_arc(screen, 10, 20, 0, 5, 0, 90, clRed, 2, -1);
  }
  ASSERT_EQ(chain.size(), 10u);
  EXPECT_EQ(chain.back(), "180 200");
  metafilecanvas = nullptr;
}

TEST_F(CurveTest, ArcsThatACurveCannotCarryKeepTheirChain) {
  // Not a number, zero radius, or further out than the stroker takes: no curve.
  const double nan = std::nan("");
  for (const double r : {nan, 0.0, 2e5}) {
    SCOPED_TRACE(r);
    EXPECT_TRUE(printed_arc(10, 20, 0, r, 0, 90, -1).empty());
    EXPECT_TRUE(entries(paper(), "EllipseArc").empty());
  }
  // The far one is still printed, as its chain.
  EXPECT_FALSE(entries(paper(), "LineTo").empty());
}

TEST_F(CurveTest, ThePrinterPenIsSetOncePerRunOfOneColour) {
  const auto add = [](uint8_t type, TColor colour) {
    const int n = get_new_element_number();
    ASSERT_EQ(make_element(n, type, 1, 2, 0, 3, 0, 90, colour, 0, 1, 0, -1), n);
  };
  add(kLine, clBlue);
  add(kArc, clBlue);
  add(kPoint, clBlue);
  add(kCircle, clRed);
  add(kArc, clRed);
  add(kLine, clBlue);
  plot_elements(screen, 1, 1);
  EXPECT_EQ(entries(paper(), "PenColor"),
            (Log{"PenColor 16711680", "PenColor 255", "PenColor 16711680"}));
  EXPECT_EQ(entries(paper(), "Arc").size(), 2u);
  EXPECT_TRUE(screen.log().empty());

  // An arc drawn alone sets its pen once; outside a pass the next element sets it again.
  paper().clear();
  draw_arc(screen, 0, 0, 0, 100, 0, 360, clRed, 0, 1000);  // an arc of no plane, as view -1
  draw_line(screen, 0, 0, 0, 1, 1, 0, clRed, 0);
  EXPECT_EQ(entries(paper(), "PenColor"), (Log{"PenColor 255", "PenColor 255"}));
}

}  // namespace
