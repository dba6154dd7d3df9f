// The Qt canvas on images: pens, modes, shapes, the LineTo pixel rule, clipping, CopyRect, and
// the direct pixel path against the QPainter path.
#include "platform/qt/qt_canvas.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <climits>
#include <cmath>
#include <numbers>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/recording_canvas.h"

namespace orvane {
namespace {

constexpr QRgb kWhite = 0xFFFFFF;

QImage blank(int w, int h, QImage::Format format = QImage::Format_RGB32, QRgb fill = kWhite) {
  QImage image(w, h, format);
  image.fill(QColor::fromRgb(fill));
  return image;
}

QRgb at(const QImage& image, int x, int y) {
  return image.pixel(x, y) & 0xFFFFFF;
}

// The pixels of image that are not white.
std::set<std::pair<int, int>> inked(const QImage& image) {
  std::set<std::pair<int, int>> s;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (at(image, x, y) != kWhite) s.insert({x, y});
  return s;
}

// Draws one segment in black on a white 20 x 20 image of the given format.
QImage segment(QImage::Format format, int x1, int y1, int x2, int y2) {
  QImage image = blank(20, 20, format);
  {
    QtCanvas c(&image);
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
  }
  return image;
}

// RGB32 takes the direct pixel path, ARGB32 the QPainter path: each rule is checked on both.
class BothPaths : public ::testing::TestWithParam<QImage::Format> {};
INSTANTIATE_TEST_SUITE_P(Formats, BothPaths,
                         ::testing::Values(QImage::Format_RGB32, QImage::Format_ARGB32));

TEST_P(BothPaths, LineToLeavesOutTheEndPixelInEveryDirection) {
  using Pixels = std::set<std::pair<int, int>>;
  EXPECT_EQ(inked(segment(GetParam(), 2, 5, 6, 5)), (Pixels{{2, 5}, {3, 5}, {4, 5}, {5, 5}}));
  EXPECT_EQ(inked(segment(GetParam(), 6, 5, 2, 5)), (Pixels{{6, 5}, {5, 5}, {4, 5}, {3, 5}}));
  EXPECT_EQ(inked(segment(GetParam(), 4, 9, 4, 6)), (Pixels{{4, 9}, {4, 8}, {4, 7}}));
  EXPECT_EQ(inked(segment(GetParam(), 1, 1, 4, 4)), (Pixels{{1, 1}, {2, 2}, {3, 3}}));
  // Slope 1/2: the nearest pixel centre, the lower one (larger y) on a tie.
  EXPECT_EQ(inked(segment(GetParam(), 0, 0, 4, 2)), (Pixels{{0, 0}, {1, 1}, {2, 1}, {3, 2}}));
  EXPECT_EQ(inked(segment(GetParam(), 4, 2, 0, 0)), (Pixels{{4, 2}, {3, 2}, {2, 1}, {1, 1}}));
  EXPECT_TRUE(inked(segment(GetParam(), 7, 7, 7, 7)).empty());
}

TEST_P(BothPaths, LinesFromHugeAndNegativeCoordinatesDrawOnlyTheirVisiblePart) {
  QImage image = blank(40, 30, GetParam());
  {
    QtCanvas c(&image);
    c.MoveTo(INT_MIN, 5);
    c.LineTo(INT_MAX, 5);  // across the whole row
    c.MoveTo(-1000000000, -1000000000);
    c.LineTo(1000000000, 1000000000);  // the diagonal
    c.MoveTo(INT_MIN, INT_MIN);
    c.LineTo(INT_MIN + 7, INT_MAX);  // far to the left
    c.MoveTo(-50, 100);
    c.LineTo(100, 40);  // below the image
  }
  std::set<std::pair<int, int>> expected;
  for (int x = 0; x < 40; ++x)
    expected.insert({x, 5});
  for (int k = 0; k < 30; ++k)
    expected.insert({k, k});
  EXPECT_EQ(inked(image), expected);

  QImage dashed = blank(40, 30, GetParam());
  {
    QtCanvas c(&dashed);
    c.SetPenStyle(psDash);
    c.MoveTo(INT_MAX, 20);
    c.LineTo(INT_MIN, 20);
  }
  const std::set<std::pair<int, int>> row = inked(dashed);
  EXPECT_GT(row.size(), 10u);
  EXPECT_LT(row.size(), 40u);
  for (auto [x, y] : row)
    EXPECT_EQ(y, 20);
}

TEST_P(BothPaths, ConnectedLinesUnderNotInvertTheirSharedPointOnce) {
  QImage image = blank(20, 20, GetParam());
  {
    QtCanvas c(&image);
    c.SetPenMode(pmNot);
    c.MoveTo(2, 2);
    c.LineTo(10, 2);
    c.LineTo(10, 10);
    c.MoveTo(10, 10);  // a new MoveTo to the same point: the same
    c.LineTo(2, 10);
  }
  for (auto [x, y] : {std::pair{2, 2}, {9, 2}, {10, 2}, {10, 9}, {10, 10}, {3, 10}})
    EXPECT_EQ(at(image, x, y), 0u) << x << "," << y;
  EXPECT_EQ(at(image, 2, 10), kWhite);  // the end pixel
}

TEST(QtCanvasPath, DirectPathOnlyForSolidThinCopyPensOnRgb32) {
  QImage rgb32 = blank(8, 8), argb = blank(8, 8, QImage::Format_ARGB32);
  QtCanvas direct(&rgb32), painted(&argb);
  EXPECT_TRUE(direct.drawsIntoPixels());
  EXPECT_FALSE(painted.drawsIntoPixels());
  direct.SetPenWidth(0);
  EXPECT_TRUE(direct.drawsIntoPixels());
  direct.SetPenWidth(2);
  EXPECT_FALSE(direct.drawsIntoPixels());
  direct.SetPenWidth(1);
  direct.SetPenStyle(psDot);
  EXPECT_FALSE(direct.drawsIntoPixels());
  direct.SetPenStyle(psSolid);
  direct.SetPenMode(pmXor);
  EXPECT_FALSE(direct.drawsIntoPixels());
  direct.SetPenMode(pmCopy);
  direct.painter().setClipRect(0, 0, 4, 4);
  direct.MoveTo(0, 1);
  direct.LineTo(8, 1);  // the caller's clip holds, through the painter
  EXPECT_FALSE(direct.drawsIntoPixels());
  direct.Flush();
  EXPECT_EQ(at(rgb32, 3, 1), 0u);
  EXPECT_EQ(at(rgb32, 5, 1), kWhite);
}

TEST(QtCanvasPath, DirectAndPainterPathsCoverNearlyTheSamePixels) {
  // Random segments, some running off the image. Qt places points on a 1/64-pixel grid, so where
  // the line passes almost exactly between two pixel centres it may take the other one; such
  // near-ties are well under 1 % of the pixels.
  std::mt19937 random(11);
  std::uniform_int_distribution<int> x(-40, 240), y(-40, 190);
  QImage direct = blank(200, 150), painted = blank(200, 150, QImage::Format_ARGB32);
  {
    QtCanvas a(&direct), b(&painted);
    for (int i = 0; i < 1500; ++i) {
      const int x1 = x(random), y1 = y(random), x2 = x(random), y2 = y(random);
      for (QtCanvas* c : {&a, &b}) {
        c->SetPenColor(i % 7 == 0 ? 0x0000FF : 0x000000);  // also flushes the painter path
        c->MoveTo(x1, y1);
        c->LineTo(x2, y2);
      }
    }
  }
  int differing = 0, drawn = 0;
  for (int py = 0; py < 150; ++py) {
    for (int px = 0; px < 200; ++px) {
      drawn += at(direct, px, py) != kWhite;
      differing += at(direct, px, py) != at(painted, px, py);
    }
  }
  EXPECT_GT(drawn, 10000);
  EXPECT_LT(differing, drawn / 100);
}

TEST(QtCanvasPath, PainterAndDirectPixelsLandInTheImageNotInItsCopies) {
  QImage image = blank(20, 20);
  const QImage copy = image;  // shares the pixels until painting begins
  {
    QtCanvas c(&image);
    c.SetBrushColor(0xFF0000);
    c.Rectangle(0, 0, 20, 20);  // through the painter
    c.MoveTo(1, 10);
    c.LineTo(19, 10);  // straight into the pixels
    c.SetPenStyle(psDot);
    c.MoveTo(1, 12);
    c.LineTo(19, 12);  // through the painter again
  }
  EXPECT_EQ(at(image, 5, 5), 0x0000FFu);
  EXPECT_EQ(at(image, 5, 10), 0u);
  EXPECT_EQ(at(image, 1, 12), 0u);
  EXPECT_EQ(inked(copy).size(), 0u);
}

TEST(QtCanvasPen, ColourIsBlueGreenRed) {
  QImage image = blank(10, 4);
  {
    QtCanvas c(&image);
    for (auto [colour, row] :
         {std::pair{0x0000FFu, 0}, {0x00FF00u, 1}, {0xFF0000u, 2}, {0x123456u, 3}}) {
      c.SetPenColor(colour);
      c.MoveTo(0, row);
      c.LineTo(10, row);
    }
  }
  EXPECT_EQ(at(image, 5, 0), 0xFF0000u);
  EXPECT_EQ(at(image, 5, 1), 0x00FF00u);
  EXPECT_EQ(at(image, 5, 2), 0x0000FFu);
  EXPECT_EQ(at(image, 5, 3), 0x563412u);
}

TEST(QtCanvasPen, SixteenModesGiveTheirBitwiseResults) {
  // Pen P and destination D as RGB; the pen's TColor is the same colour with red lowest.
  const uint32_t p = 0x0FF05A, d = 0x3366CC;
  const TColor pen = 0x5AF00F;
  const uint32_t expected[16] = {0,      ~0u,      d,      ~d,      p,     ~p,
                                 p | ~d, p & ~d,   ~p | d, ~p & d,  p | d, ~(p | d),
                                 p & d,  ~(p & d), p ^ d,  ~(p ^ d)};
  for (int mode = pmBlack; mode <= pmNotXor; ++mode) {
    QImage image = blank(8, 3, QImage::Format_RGB32, d);
    {
      QtCanvas c(&image);
      c.SetPenColor(pen);
      c.SetPenMode(static_cast<TPenMode>(mode));
      c.MoveTo(0, 1);
      c.LineTo(8, 1);
    }
    EXPECT_EQ(at(image, 4, 1), expected[mode] & 0xFFFFFF) << pen_mode_name(TPenMode(mode));
    EXPECT_EQ(at(image, 4, 0), d);
  }
}

TEST(QtCanvasPen, EveryStyleDrawsItsOwnPattern) {
  std::set<std::string> patterns;
  for (int style = psSolid; style <= psClear; ++style) {
    QImage image = blank(60, 3);
    {
      QtCanvas c(&image);
      c.SetPenStyle(static_cast<TPenStyle>(style));
      c.MoveTo(0, 1);
      c.LineTo(60, 1);
    }
    std::string row;
    for (int x = 0; x < 60; ++x)
      row += at(image, x, 1) == kWhite ? '.' : '#';
    if (style == psSolid) {
      EXPECT_EQ(row, std::string(60, '#'));
    } else if (style == psClear) {
      EXPECT_EQ(row, std::string(60, '.'));
    } else {
      EXPECT_NE(row.find('.'), std::string::npos) << row;
    }
    patterns.insert(row);
  }
  EXPECT_EQ(patterns.size(), 6u);
}

TEST(QtCanvasPen, WidthsZeroAndOneDrawOnePixelWiderPensMore) {
  for (int width : {0, 1, 5}) {
    QImage image = blank(30, 20);
    {
      QtCanvas c(&image);
      c.SetPenWidth(width);
      c.MoveTo(5, 10);
      c.LineTo(25, 10);
    }
    int column = 0;
    for (int y = 0; y < 20; ++y)
      column += at(image, 15, y) != kWhite;
    EXPECT_EQ(column, width <= 1 ? 1 : width) << width;
    EXPECT_NE(at(image, 15, 10), kWhite);
  }
}

TEST(QtCanvasPen, PendingLinesReachTheImageOnFlushOrPenChange) {
  QImage image = blank(20, 20);
  QtCanvas c(&image);
  c.SetPenStyle(psDashDot);
  c.MoveTo(0, 3);
  c.LineTo(20, 3);
  EXPECT_EQ(at(image, 0, 3), kWhite);  // waiting in the batch
  c.Flush();
  EXPECT_EQ(at(image, 0, 3), 0u);
  c.MoveTo(0, 6);
  c.LineTo(20, 6);
  c.SetPenColor(0x0000FF);
  EXPECT_EQ(at(image, 0, 6), 0u);
}

// Shapes.

TEST(QtCanvasShapes, RectangleOutlinesInPenFillsInBrushAndExcludesRightAndBottom) {
  for (TBrushStyle brush : {bsSolid, bsClear}) {
    QImage image = blank(20, 20);
    {
      QtCanvas c(&image);
      c.SetPenColor(0x0000FF);
      c.SetBrushColor(0x00FF00);
      c.SetBrushStyle(brush);
      c.Rectangle(12, 8, 2, 2);  // corners in either order
    }
    for (auto [x, y] : {std::pair{2, 2}, {11, 2}, {2, 7}, {11, 7}, {6, 2}, {2, 5}})
      EXPECT_EQ(at(image, x, y), 0xFF0000u) << x << "," << y;
    EXPECT_EQ(at(image, 6, 5), brush == bsSolid ? 0x00FF00u : kWhite);
    EXPECT_EQ(at(image, 12, 5), kWhite);
    EXPECT_EQ(at(image, 6, 8), kWhite);
  }
}

TEST(QtCanvasShapes, RectangleUnderXorMeetsEachPixelOnce) {
  QImage image = blank(20, 20, QImage::Format_RGB32, 0);
  {
    QtCanvas c(&image);
    c.SetPenMode(pmXor);
    c.SetPenColor(0xFFFFFF);
    c.SetBrushColor(0x0000FF);
    c.Rectangle(2, 2, 12, 8);
  }
  EXPECT_EQ(at(image, 2, 2), kWhite);
  EXPECT_EQ(at(image, 2, 5), kWhite);
  EXPECT_EQ(at(image, 6, 5), 0xFF0000u);
  EXPECT_EQ(at(image, 12, 5), 0u);
}

TEST(QtCanvasShapes, EllipseFitsItsRectangleFilledOrHollow) {
  for (TBrushStyle brush : {bsSolid, bsClear}) {
    QImage image = blank(30, 30);
    {
      QtCanvas c(&image);
      c.SetBrushColor(0x0000FF);
      c.SetBrushStyle(brush);
      c.Ellipse(5, 25, 25, 5);  // as a circle is drawn: bottom edge first
    }
    EXPECT_EQ(at(image, 5, 15), 0u);  // the leftmost pixel of the middle row
    EXPECT_EQ(at(image, 24, 15), 0u);
    EXPECT_EQ(at(image, 15, 5), 0u);
    EXPECT_EQ(at(image, 15, 24), 0u);
    EXPECT_EQ(at(image, 4, 15), kWhite);
    EXPECT_EQ(at(image, 25, 15), kWhite);
    EXPECT_EQ(at(image, 6, 6), kWhite);  // the corner lies outside
    EXPECT_EQ(at(image, 15, 15), brush == bsSolid ? 0xFF0000u : kWhite);
  }
}

TEST(QtCanvasShapes, ClearPenFillsTheWholeRectangleWithTheBrush) {
  QImage image = blank(20, 20);
  {
    QtCanvas c(&image);
    c.SetPenStyle(psClear);
    c.SetBrushColor(0x00FF00);
    c.Rectangle(2, 2, 12, 8);
  }
  EXPECT_EQ(at(image, 2, 2), 0x00FF00u);
  EXPECT_EQ(at(image, 11, 7), 0x00FF00u);
  EXPECT_EQ(at(image, 12, 7), kWhite);
  EXPECT_EQ(at(image, 11, 8), kWhite);
}

// CopyRect and devices.

TEST(QtCanvasCopy, CopiesAndInvertsAnotherCanvasesPixels) {
  QImage from = blank(10, 10), to = blank(20, 10, QImage::Format_RGB32, 0x808080);
  QtCanvas source(&from);
  source.SetPenColor(0x0000FF);
  source.SetPenStyle(psDot);  // still pending when copied
  source.MoveTo(0, 0);
  source.LineTo(1, 0);
  {
    QtCanvas target(&to);
    target.CopyRect({0, 0, 4, 4}, source, {0, 0, 4, 4}, cmSrcCopy);
    target.CopyRect({10, 0, 14, 4}, source, {0, 0, 4, 4}, cmNotSrcCopy);
    RecordingCanvas other;
    target.CopyRect({5, 5, 9, 9}, other, {0, 0, 4, 4}, cmSrcCopy);    // not a Qt canvas: nothing
    target.CopyRect({5, 0, 9, 4}, source, {0, 0, 4, 4}, 0x00EE0086);  // an unknown mode: nothing
  }
  EXPECT_EQ(at(to, 0, 0), 0xFF0000u);
  EXPECT_EQ(at(to, 1, 1), kWhite);
  EXPECT_EQ(at(to, 10, 0), 0x00FFFFu);
  EXPECT_EQ(at(to, 11, 1), 0u);
  EXPECT_EQ(at(to, 4, 0), 0x808080u);
  EXPECT_EQ(at(to, 6, 1), 0x808080u);
  EXPECT_EQ(at(to, 6, 6), 0x808080u);
}

TEST(QtCanvasCopy, ScalesAndMirrors) {
  QImage from = blank(4, 4), to = blank(8, 8);
  from.setPixel(0, 0, qRgb(255, 0, 0));
  QtCanvas source(&from);
  {
    QtCanvas target(&to);
    target.CopyRect({0, 0, 8, 8}, source, {4, 0, 0, 4}, cmSrcCopy);  // twice the size, mirrored
  }
  EXPECT_EQ(at(to, 7, 0), 0xFF0000u);
  EXPECT_EQ(at(to, 6, 1), 0xFF0000u);
  EXPECT_EQ(at(to, 0, 0), kWhite);
  EXPECT_EQ(at(to, 5, 0), kWhite);
}

TEST(QtCanvasDevice, OtherImageFormatsDrawThroughThePainter) {
  QImage image = blank(10, 10, QImage::Format_RGB16);
  {
    QtCanvas c(&image);
    EXPECT_TRUE(c.isActive());
    EXPECT_FALSE(c.drawsIntoPixels());
    c.SetPenColor(0xFFFFFF);
    c.SetBrushColor(0);
    c.Rectangle(0, 0, 10, 10);
    c.SetPenColor(0x0000FF);
    c.MoveTo(1, 4);
    c.LineTo(8, 4);
  }
  EXPECT_EQ(at(image, 0, 0), kWhite);
  EXPECT_EQ(at(image, 9, 9), kWhite);
  EXPECT_EQ(at(image, 5, 5), 0u);
  EXPECT_EQ(at(image, 7, 4), 0xFF0000u);
  EXPECT_EQ(at(image, 8, 4), 0u);
}

TEST(QtCanvasDevice, NoDeviceOrANullImageIsInactiveAndHarmless) {
  QImage null_image;
  for (QPaintDevice* device : std::vector<QPaintDevice*>{nullptr, &null_image}) {
    QtCanvas c(device);
    EXPECT_FALSE(c.isActive());
    c.SetPenStyle(psDot);
    c.MoveTo(0, 0);
    c.LineTo(5, 5);
    c.Rectangle(0, 0, 4, 4);
    c.SetFont("Courier", 10);
    c.Flush();
    EXPECT_EQ(c.font_name(), "Courier");
    EXPECT_EQ(c.pen_pos().x, 5);
  }
}

TEST(QtCanvasDevice, ChainedLinesBecomeOnePolylineOnAVectorDevice) {
  QBuffer svg;
  QSvgGenerator generator;
  generator.setOutputDevice(&svg);
  generator.setSize(QSize(100, 100));
  {
    QtCanvas c(&generator);
    ASSERT_TRUE(c.isActive());
    c.MoveTo(10, 10);
    c.LineTo(50, 10);
    c.LineTo(50, 50);
    c.MoveTo(50, 50);
    c.LineTo(10, 50);
  }
  const QString text = QString::fromUtf8(svg.data());
  EXPECT_EQ(text.count("<polyline"), 1) << text.toStdString();
  EXPECT_TRUE(text.contains("10,10 50,10 50,50 10,50")) << text.toStdString();
}

// A 200 x 200 white image with one curve drawn by draw in a black pen of width 3 (or the
// given width), on a solid blue brush that the curve must not use.
template <class Draw>
QImage curve(Draw draw, int width = 3) {
  QImage image = blank(200, 200);
  {
    QtCanvas c(&image);
    c.SetPenWidth(width);
    c.SetBrushColor(0xFF0000);
    c.SetBrushStyle(bsSolid);
    draw(c);
  }
  return image;
}

TEST(QtCanvasCurves, ArcIsQtsDrawArcWithItsSixteenthsAsDegrees) {
  // drawArc counts sixteenths of a degree: 0 and 90 * 16 are Arc's 0 and 90, 30 * 16 and
  // -200 * 16 its 30 and -200.
  for (const auto& [start, span] : {std::pair{0, 90}, {30, -200}, {180, 360}}) {
    SCOPED_TRACE(start);
    QImage expected = blank(200, 200);
    {
      QPainter p(&expected);
      p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawArc(QRectF(60, 40, 80, 100), start * 16, span * 16);
    }
    const QImage drawn = curve([&](QtCanvas& c) { c.Arc(60, 40, 140, 140, start, span); });
    EXPECT_EQ(inked(drawn), inked(expected));
    EXPECT_FALSE(inked(drawn).empty());
    EXPECT_EQ(at(drawn, 100, 90), kWhite);  // the centre: the brush fills nothing
  }
}

TEST(QtCanvasCurves, EllipseArcOfACircleFrameIsTheArcOfItsBox) {
  // u to the right, v up the image: angle t is the device's angle t.
  const QImage up = curve([](QtCanvas& c) { c.EllipseArc({100, 90, 40, 0, 0, -40}, 20, 250); });
  EXPECT_EQ(inked(up), inked(curve([](QtCanvas& c) { c.Arc(60, 50, 140, 130, 20, 250); })));
  // v down the image mirrors it: angle t is the device's -t.
  const QImage down = curve([](QtCanvas& c) { c.EllipseArc({100, 90, 40, 0, 0, 40}, 20, 250); });
  EXPECT_EQ(inked(down), inked(curve([](QtCanvas& c) { c.Arc(60, 50, 140, 130, -20, -250); })));
}

TEST(QtCanvasCurves, EllipseArcFollowsItsFrameWithAnUntransformedPen) {
  const TEllipseFrame f{100, 100, 70, 10, 25, -45};
  const QImage image = curve([&](QtCanvas& c) { c.EllipseArc(f, 0, 360); }, 5);
  std::vector<QPointF> on_curve;
  for (int i = 0; i < 3600; ++i) {
    const double t = i * std::numbers::pi / 1800;
    on_curve.emplace_back(f.cx + f.ux * std::cos(t) + f.vx * std::sin(t),
                          f.cy + f.uy * std::cos(t) + f.vy * std::sin(t));
  }
  // Ink lies within the pen's half width (and a pixel) of the ellipse...
  for (const auto& [x, y] : inked(image)) {
    double nearest = 1e9;
    for (const QPointF& p : on_curve)
      nearest = std::min(nearest, std::hypot(p.x() - (x + 0.5), p.y() - (y + 0.5)));
    EXPECT_LE(nearest, 3.6) << x << " " << y;
  }
  // ...and along all of it.
  for (int i = 0; i < 3600; i += 90) {
    const QPoint p = on_curve[i].toPoint();
    EXPECT_NE(at(image, p.x(), p.y()), kWhite) << i;
  }
}

TEST(QtCanvasCurves, CurvesBecomeSvgPaths) {
  QBuffer svg;
  QSvgGenerator generator;
  generator.setOutputDevice(&svg);
  generator.setSize(QSize(100, 100));
  {
    QtCanvas c(&generator);
    c.SetBrushStyle(bsClear);
    c.Arc(10, 10, 90, 90, 0, 90);
    c.EllipseArc({50, 50, 30, 0, 10, -20}, 0, 360);
  }
  const QString text = QString::fromUtf8(svg.data());
  EXPECT_EQ(text.count("<path"), 2) << text.toStdString();
  EXPECT_FALSE(text.contains("<polyline")) << text.toStdString();
  // Both hold cubic Bézier segments (C), the quarter one, the full ellipse four.
  const QRegularExpression curves(R"(<path[^>]* d="M[^"]*C)");
  EXPECT_EQ(text.count(curves), 2) << text.toStdString();
}

}  // namespace
}  // namespace orvane
