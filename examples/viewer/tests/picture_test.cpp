#include "picture_test.h"

#include <QImage>
#include <QListWidget>
#include <QRect>
#include <QSettings>
#include <QTest>

#include "layer_panel.h"
#include "main_window.h"
#include "screenshot.h"
#include "test_drawings.h"

namespace viewer::test {

namespace {

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;
constexpr double kAlong[] = {10, 30, 50, 70, 90};  // x of the points checked on each line

// Pixels of the window picture, with the place of the drawing area in it.
struct Picture {
  QImage image;
  QPoint offset;  // of the drawing area's top left corner
  QSize area;
  QColor background;

  QPoint at(double x, double y) const {
    return offset + expected_pixel(x, y, area.width(), area.height());
  }
  bool inside(double x, double y) const {
    return QRect(offset, area).adjusted(1, 1, -1, -1).contains(at(x, y));
  }
  bool drawn(double x, double y) const { return drawn_near(image, at(x, y), background); }
};

// Shows window at the fixed size, saves its screenshot to file and reads it back.
Picture take_picture(MainWindow& window, const QString& file) {
  window.resize(kWindowWidth, kWindowHeight);
  window.show();
  QString error;
  if (!save_screenshot(window, file, error)) qFatal("%s", qPrintable(error));
  orvane::TOrvane& drawing = window.drawing();
  return {QImage(file).convertToFormat(QImage::Format_RGB32), drawing.mapTo(&window, QPoint()),
          drawing.size(), drawing.color()};
}

void tick(LayerPanel& panel, const QString& name, Qt::CheckState state) {
  const QList<QListWidgetItem*> items = panel.list().findItems(name, Qt::MatchExactly);
  QCOMPARE(items.size(), 1);
  items.front()->setCheckState(state);
}

}  // namespace

QString PictureTest::picture_file(const QString& name) const {
  const QString dir = qEnvironmentVariable("VIEWER_PICTURE_DIR", dir_.path());
  return dir + "/" + name;
}

void PictureTest::linesLieWhereTheFitPutsThem() {
  QSettings settings(dir_.filePath("settings.ini"), QSettings::IniFormat);
  MainWindow window(settings);
  window.drawing().SetView(orvane::vTOP);  // the view is drawing-wide: earlier tests change it
  QVERIFY(window.openFile(write_two_layer_dxf(dir_.filePath("walls.dxf"))));
  const Picture p = take_picture(window, picture_file("viewer.png"));
  QCOMPARE(p.image.size(), QSize(kWindowWidth, kWindowHeight));
  for (double x : kAlong) {
    QVERIFY2(p.drawn(x, 0), qPrintable(QStringLiteral("WALLS at x %1").arg(x)));
    QVERIFY2(p.drawn(x, 100), qPrintable(QStringLiteral("DOORS at x %1").arg(x)));
    // Between and beyond the lines lies the background.
    QVERIFY(!p.drawn(x, 50));
    QVERIFY(!p.drawn(x, 25));
    QVERIFY(!p.drawn(x, 75));
    // Inside the margin around the drawing (about 20 pixels), close to the lines.
    QVERIFY(p.inside(x, -4) && p.inside(x, 104));
    QVERIFY(!p.drawn(x, -4));
    QVERIFY(!p.drawn(x, 104));
  }
  // Left of the lines' start and right of their end.
  QVERIFY(p.inside(-4, 0) && p.inside(104, 100));
  QVERIFY(!p.drawn(-4, 0));
  QVERIFY(!p.drawn(104, 100));
}

void PictureTest::untickingALayerTakesItsLinesOut() {
  QSettings settings(dir_.filePath("settings.ini"), QSettings::IniFormat);
  MainWindow window(settings);
  window.drawing().SetView(orvane::vTOP);  // the view is drawing-wide: earlier tests change it
  QVERIFY(window.openFile(write_two_layer_dxf(dir_.filePath("walls.dxf"))));
  tick(window.layerPanel(), "DOORS", Qt::Unchecked);
  const Picture hidden = take_picture(window, picture_file("viewer-doors-hidden.png"));
  QVERIFY(!window.drawing().GetVisibleLayer(window.drawing().LayerNumber("DOORS")));
  for (double x : kAlong) {
    QVERIFY(hidden.drawn(x, 0));
    QVERIFY(!hidden.drawn(x, 100));
  }
  tick(window.layerPanel(), "DOORS", Qt::Checked);
  const Picture shown = take_picture(window, picture_file("viewer-doors-shown.png"));
  for (double x : kAlong)
    QVERIFY(shown.drawn(x, 100));
}

}  // namespace viewer::test
