// The demo's picture of its window: the drawing area shows the sample, and the PNG is written
// where asked.
#include <QImageReader>

#include "demo/screenshot.h"
#include "tests/demo/form1_fixture.h"

using namespace orvane;

namespace {

// Pixels of the picture's part r that are neither black nor the background of the window.
int drawn_pixels(const QImage& picture, QRect r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      n += (picture.pixel(x, y) & 0xFFFFFF) != 0;
  return n;
}

int pixels_of(const QImage& picture, QRect r, QRgb colour) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      n += (picture.pixel(x, y) & 0xFFFFFF) == colour;
  return n;
}

}  // namespace

TEST_F(Form1Test, WindowPictureShowsTheLoadedSampleInTheDrawingArea) {
  const QRect area(orvane1->mapTo(form.get(), QPoint(0, 0)), orvane1->size());
  const QImage empty = form->grab().toImage();
  EXPECT_EQ(drawn_pixels(empty, area), 0);

  form->LoadCad(sample("bracket.cdl"));
  QApplication::processEvents();
  const QImage picture = form->grab().toImage();
  EXPECT_GT(drawn_pixels(picture, area), 300);
  // What the window shows is the drawing's own picture.
  EXPECT_EQ(picture.copy(area).convertToFormat(QImage::Format_RGB32),
            orvane1->backing_image().convertToFormat(QImage::Format_RGB32));
  // The sample's elements keep their colours: the outline is lime, the hole red.
  EXPECT_GT(pixels_of(picture, area, 0x00FF00), 50);
  EXPECT_GT(pixels_of(picture, area, 0xFF0000), 20);
}

TEST_F(Form1Test, ScreenshotIsAPngOfTheWholeWindow) {
  form->LoadCad(sample("bracket.cdl"));
  QTemporaryDir dir;
  const QString file = dir.filePath("demo.png");
  QString error;
  ASSERT_TRUE(demo::save_screenshot(*form, file, error)) << error.toStdString();
  QImageReader reader(file);
  EXPECT_EQ(reader.format(), "png");
  const QImage picture = reader.read();
  EXPECT_EQ(picture.size() / picture.devicePixelRatio(), form->size());
}

TEST_F(Form1Test, ScreenshotThatCannotBeWrittenSaysWhere) {
  QString error;
  EXPECT_FALSE(demo::save_screenshot(*form, "/nonexistent-folder/demo.png", error));
  EXPECT_TRUE(error.contains("/nonexistent-folder/demo.png"));
}
