#include "main_window_test.h"

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QUrl>

#include "layer_panel.h"
#include "main_window.h"

namespace viewer::test {

namespace {

QStringList item_texts(LayerPanel& panel) {
  QStringList texts;
  for (int row = 0; row < panel.list().count(); ++row)
    texts.append(panel.list().item(row)->text());
  return texts;
}

// The number after label in text such as "X 12.500  Y 3.000  Z 0.000".
double number_after(const QString& text, const QString& label) {
  const QRegularExpression pattern(label + R"(\s+(-?[0-9.]+))");
  const QRegularExpressionMatch match = pattern.match(text);
  return match.hasMatch() ? match.captured(1).toDouble() : qQNaN();
}

}  // namespace

void MainWindowTest::layerListNamesTheLayersOfTheFile() {
  QSettings settings(settings_file(), QSettings::IniFormat);
  MainWindow window(settings);
  QVERIFY(window.openFile(two_layers()));
  LayerPanel& panel = window.layerPanel();
  QCOMPARE(item_texts(panel), (QStringList{"WALLS", "DOORS"}));
  const orvane::TOrvane& drawing = window.drawing();
  QCOMPARE(panel.layers(),
           (QList<int>{drawing.LayerNumber("WALLS"), drawing.LayerNumber("DOORS")}));
  for (int row = 0; row < panel.list().count(); ++row)
    QCOMPARE(panel.list().item(row)->checkState(), Qt::Checked);
}

void MainWindowTest::layerListIsRefilledByTheNextLoad() {
  QSettings settings(settings_file(), QSettings::IniFormat);
  MainWindow window(settings);
  QVERIFY(window.openFile(two_layers()));
  // No layer table: the layers are numbered by their names.
  const QString numbered = dir_.filePath("numbered.dxf");
  QVERIFY(write_text(numbered,
                     "0\nSECTION\n2\nENTITIES\n"
                     "0\nLINE\n8\n5\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n"
                     "0\nPOINT\n8\n9\n10\n2\n20\n2\n30\n0\n"
                     "0\nENDSEC\n0\nEOF\n"));
  QVERIFY(window.openFile(numbered));
  QCOMPARE(window.layerPanel().layers(), (QList<int>{5, 9}));
  QVERIFY(!item_texts(window.layerPanel()).contains("WALLS"));
  // A layer hidden in one drawing is shown again in the next.
  window.layerPanel().list().item(0)->setCheckState(Qt::Unchecked);
  QVERIFY(!window.drawing().GetVisibleLayer(5));
  QVERIFY(window.openFile(numbered));
  QVERIFY(window.drawing().GetVisibleLayer(5));
  QCOMPARE(window.layerPanel().list().item(0)->checkState(), Qt::Checked);
}

void MainWindowTest::statusBarShowsTheLoadReport() {
  QSettings settings(settings_file(), QSettings::IniFormat);
  MainWindow window(settings);
  QVERIFY(window.openFile(two_layers()));
  QVERIFY2(window.messageText().startsWith("2 lines"), qPrintable(window.messageText()));
  QCOMPARE(window.messageText(), QString::fromStdString(window.drawing().LoadReportText()));
  QVERIFY(window.windowTitle().startsWith("walls.dxf"));
}

void MainWindowTest::failedOpenKeepsTheDrawingAndSaysWhy() {
  QSettings settings(settings_file(), QSettings::IniFormat);
  MainWindow window(settings);
  QVERIFY(window.openFile(two_layers()));
  const int doors = window.drawing().LayerNumber("DOORS");
  window.layerPanel().list().item(1)->setCheckState(Qt::Unchecked);
  const int elements = window.drawing().GetLastElement();
  const QList<int> layers = window.layerPanel().layers();
  const QString title = window.windowTitle();

  const QString damaged = dir_.filePath("damaged.dxf");
  QVERIFY(write_text(damaged, "this is no drawing\n"));
  const QString missing = dir_.filePath("missing.igs");
  for (const QString& file : {missing, damaged, dir_.filePath("notes.txt")}) {
    QVERIFY2(!window.openFile(file), qPrintable(file));
    QVERIFY2(window.lastError().contains(file), qPrintable(window.lastError()));
    QCOMPARE(window.messageText(), window.lastError());
    QCOMPARE(window.drawing().GetLastElement(), elements);
    QCOMPARE(window.layerPanel().layers(), layers);
    QCOMPARE(window.windowTitle(), title);
    QVERIFY(!window.drawing().GetVisibleLayer(doors));
    QCOMPARE(window.layerPanel().list().item(1)->checkState(), Qt::Unchecked);
  }
  QVERIFY(!window.recentFiles().files().contains(missing));
}

void MainWindowTest::mouseMoveShowsModelCoordinates() {
  QSettings settings(settings_file(), QSettings::IniFormat);
  MainWindow window(settings);
  window.drawing().SetView(orvane::vTOP);
  QVERIFY(window.openFile(two_layers()));
  window.resize(800, 600);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  orvane::TOrvane& drawing = window.drawing();
  const QPoint p = expected_pixel(25, 75, drawing.width(), drawing.height());
  QTest::mouseMove(&drawing, p);
  const QString text = window.coordinateText();
  // One pixel spans 100 / (the smaller side less a tenth) drawing units.
  const double pixel = 100.0 / (std::min(drawing.width(), drawing.height()) * 0.9);
  QVERIFY2(std::abs(number_after(text, "X") - 25) <= 1.5 * pixel, qPrintable(text));
  QVERIFY2(std::abs(number_after(text, "Y") - 75) <= 1.5 * pixel, qPrintable(text));
  QCOMPARE(number_after(text, "Z"), 0.0);
}

void MainWindowTest::droppedDrawingIsOpened() {
  QSettings settings(settings_file(), QSettings::IniFormat);
  MainWindow window(settings);
  QMimeData text_file, drawing_file;
  text_file.setUrls({QUrl::fromLocalFile(dir_.filePath("notes.txt"))});
  drawing_file.setUrls({QUrl::fromLocalFile(two_layers())});

  QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &text_file, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &refused);
  QVERIFY(!refused.isAccepted());
  QDragEnterEvent taken(QPoint(5, 5), Qt::CopyAction, &drawing_file, Qt::LeftButton,
                        Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &taken);
  QVERIFY(taken.isAccepted());

  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &drawing_file, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &drop);
  QCOMPARE(QString::fromStdString(window.drawing().FileName()), dir_.filePath("walls.dxf"));
  QCOMPARE(window.layerPanel().list().count(), 2);
}

void MainWindowTest::openedFilesJoinTheRecentMenu() {
  QFile::remove(settings_file());
  QSettings settings(settings_file(), QSettings::IniFormat);
  MainWindow window(settings);
  QVERIFY(window.openFile(two_layers()));
  QStringList entries;
  for (QAction* action : window.recentMenu().actions())
    if (action->data().isValid()) entries.append(action->data().toString());
  QCOMPARE(entries, QStringList{dir_.filePath("walls.dxf")});
  QSettings reread(settings_file(), QSettings::IniFormat);
  QCOMPARE(reread.value("recentFiles").toStringList(), QStringList{dir_.filePath("walls.dxf")});
}

void MainWindowTest::exportWritesTheDrawingsPicture() {
  QSettings settings(settings_file(), QSettings::IniFormat);
  MainWindow window(settings);
  QVERIFY(window.openFile(two_layers()));
  window.resize(640, 480);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const QString bmp = dir_.filePath("picture.bmp");
  QVERIFY2(window.exportImage(bmp), qPrintable(window.lastError()));
  QCOMPARE(QImage(bmp).size(), window.drawing().size());
  QVERIFY(!window.exportImage(dir_.filePath("picture.png")));
  QVERIFY(window.lastError().contains("picture.png"));
  const QString unwritable = dir_.filePath("no/such/folder/picture.jpg");
  QVERIFY(!window.exportImage(unwritable));
  QVERIFY(!window.lastError().isEmpty());
}

void MainWindowTest::printWritesThePrintersFile() {
  QSettings settings(settings_file(), QSettings::IniFormat);
  MainWindow window(settings);
  QVERIFY(window.openFile(two_layers()));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = dir_.filePath("print.pdf");
  printer.setOutputFileName(pdf);
  QVERIFY2(window.printTo(printer), qPrintable(window.lastError()));
  QFile out(pdf);
  QVERIFY(out.open(QIODevice::ReadOnly));
  QCOMPARE(out.read(5), QByteArray("%PDF-"));
  QVERIFY(out.size() > 500);

  printer.setOutputFileName(dir_.filePath("no/such/folder/print.pdf"));
  QVERIFY(!window.printTo(printer));
  QVERIFY(!window.lastError().isEmpty());
}

void MainWindowTest::shortcutsZoomAndFit() {
  QSettings settings(settings_file(), QSettings::IniFormat);
  MainWindow window(settings);
  QVERIFY(window.openFile(two_layers()));
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  orvane::TOrvane& drawing = window.drawing();
  const double fitted = drawing.GetViewSize();
  QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
  QCOMPARE(drawing.GetViewSize(), fitted / 2);
  QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
  QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
  QCOMPARE(drawing.GetViewSize(), fitted * 2);
  // The fit measures the drawing in pixels at the scale it starts from, so it comes back to the
  // first fit within a pixel's worth.
  QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
  QVERIFY(std::abs(drawing.GetViewSize() - fitted) < fitted / drawing.height());
  QTest::keyClick(&window, Qt::Key_2, Qt::ControlModifier);
  QCOMPARE(drawing.GetView(), orvane::vFRONT);
  QTest::keyClick(&window, Qt::Key_1, Qt::ControlModifier);
  QCOMPARE(drawing.GetView(), orvane::vTOP);
}

void MainWindowTest::shortcutsPanAndRotate() {
  QSettings settings(settings_file(), QSettings::IniFormat);
  MainWindow window(settings);
  window.drawing().SetView(orvane::vTOP);
  QVERIFY(window.openFile(two_layers()));
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  orvane::TOrvane& drawing = window.drawing();
  const double size = drawing.GetViewSize();
  const double x = drawing.GetCenterX(), y = drawing.GetCenterY();
  // A step is a quarter of the view's size.
  QTest::keyClick(&window, Qt::Key_Right, Qt::ControlModifier);
  QCOMPARE(drawing.GetCenterX(), x + size / 4);
  QTest::keyClick(&window, Qt::Key_Up, Qt::ControlModifier);
  QCOMPARE(drawing.GetCenterY(), y + size / 4);
  QCOMPARE(drawing.GetViewSize(), size);
  // Rotating turns the isometric view by 15 degrees a step.
  QTest::keyClick(&window, Qt::Key_4, Qt::ControlModifier);
  const double z = drawing.GetZRotation(), tilt = drawing.GetXRotation();
  QTest::keyClick(&window, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(drawing.GetView(), orvane::vISO);
  QCOMPARE(drawing.GetZRotation(), z + 15);
  QTest::keyClick(&window, Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(drawing.GetXRotation(), tilt + 15);
  QTest::keyClick(&window, Qt::Key_1, Qt::ControlModifier);
}

void MainWindowTest::zoomWindowZoomsToTheDraggedRectangle() {
  QSettings settings(settings_file(), QSettings::IniFormat);
  MainWindow window(settings);
  window.drawing().SetView(orvane::vTOP);
  QVERIFY(window.openFile(two_layers()));
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  orvane::TOrvane& drawing = window.drawing();
  const double size = drawing.GetViewSize();
  // A rectangle a quarter of the area's width and height around the point of model (75, 25).
  const QPoint centre = expected_pixel(75, 25, drawing.width(), drawing.height());
  const QPoint half(drawing.width() / 8, drawing.height() / 8);
  QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::mousePress(&drawing, Qt::LeftButton, {}, centre - half);
  QTest::mouseMove(&drawing, centre);
  QTest::mouseRelease(&drawing, Qt::LeftButton, {}, centre + half);
  QVERIFY2(std::abs(drawing.GetViewSize() - size / 4) < size / 100,
           qPrintable(QString::number(drawing.GetViewSize())));
  const orvane::TDPoint middle = drawing.PixelToCoord(drawing.width() / 2, drawing.height() / 2);
  QVERIFY2(std::abs(middle.x - 75) < 1 && std::abs(middle.y - 25) < 1,
           qPrintable(QStringLiteral("%1 %2").arg(middle.x).arg(middle.y)));
  // The tool is used up: a second drag does not zoom.
  const double zoomed = drawing.GetViewSize();
  QTest::mousePress(&drawing, Qt::LeftButton, {}, centre - half);
  QTest::mouseRelease(&drawing, Qt::LeftButton, {}, centre + half);
  QCOMPARE(drawing.GetViewSize(), zoomed);
}

}  // namespace viewer::test
