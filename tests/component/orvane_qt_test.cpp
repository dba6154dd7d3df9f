// The widget as a Qt developer uses it: signals beside the events, properties as Qt and Designer
// see them, the size, the keyboard and the rotate gesture's setting.
#include <QMetaEnum>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cmath>
#include <set>

#include "tests/component/orvane_fixture.h"

using namespace orvane;

namespace {

using OrvaneQt = OrvaneTest;

// The fixture's view: model (x, y) at pixel (100 + 5x, 50 - 5y).
constexpr double kScale = 5;

std::set<QString> enum_keys(const QMetaProperty& p) {
  std::set<QString> keys;
  const QMetaEnum e = p.enumerator();
  for (int i = 0; i < e.keyCount(); ++i)
    keys.insert(QString::fromLatin1(e.key(i)));
  return keys;
}

TEST_F(OrvaneQt, EveryPublishedPropertyHasADesignerType) {
  const QMetaObject* mo = widget->metaObject();
  auto prop = [&](const char* name) {
    const int i = mo->indexOfProperty(name);
    EXPECT_GE(i, 0) << name;
    return mo->property(std::max(i, 0));
  };
  EXPECT_EQ(prop("Color").metaType(), QMetaType::fromType<QColor>());
  EXPECT_EQ(prop("DrawColor").metaType(), QMetaType::fromType<QColor>());
  EXPECT_EQ(prop("Version").metaType(), QMetaType::fromType<QString>());
  EXPECT_EQ(prop("CadType").metaType(), QMetaType::fromType<int>());
  EXPECT_EQ(enum_keys(prop("View")), (std::set<QString>{"vTOP", "vFRONT", "vSIDE", "vISO"}));
  EXPECT_EQ(enum_keys(prop("Units")), (std::set<QString>{"uINCH", "uMM"}));
  EXPECT_EQ(enum_keys(prop("PickFilter")),
            (std::set<QString>{"fAll", "fPoints", "fLines", "fArcs", "fPointLine", "fPointArc",
                               "fLineArc"}));
  EXPECT_EQ(enum_keys(prop("DrawMode")).size(), 16u);
  EXPECT_EQ(prop("DrawMode").enumerator().value(4), pmCopy);
  EXPECT_TRUE(prop("RotateModifiers").isFlagType());
  for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i) {
    const QMetaProperty p = mo->property(i);
    EXPECT_TRUE(p.isWritable() && p.isDesignable()) << p.name();
    EXPECT_TRUE(p.read(widget.get()).isValid()) << p.name();
  }
}

TEST_F(OrvaneQt, ColoursAreQColorsOfTheBgrValues) {
  EXPECT_EQ(widget->property("DrawColor").value<QColor>(), QColor(0, 255, 0));
  EXPECT_TRUE(widget->setProperty("Color", QColor(255, 0, 0)));
  EXPECT_EQ(plot_background, 0x0000FFu);
  EXPECT_EQ(pixel(10, 10), kRed);  // the background was repainted
  widget->setDrawColor(QColor(1, 2, 3));
  EXPECT_EQ(current_color, 0x030201u);
  widget->setDrawColor(QColor());  // invalid: ignored
  EXPECT_EQ(current_color, 0x030201u);
  EXPECT_EQ(widget->GetCurrentColor(), 0x030201u);
}

TEST_F(OrvaneQt, EnumPropertiesReachTheCoreByNameAndByCoreValue) {
  EXPECT_TRUE(widget->setProperty("View", QVariant::fromValue(TOrvane::View::vISO)));
  EXPECT_EQ(current_plot_window, 4);
  EXPECT_EQ(widget->property("View").value<TDView>(), vISO);
  EXPECT_TRUE(widget->setProperty("Units", QVariant::fromValue(uMM)));
  EXPECT_TRUE(metric_machine);
  EXPECT_TRUE(widget->setProperty("PickFilter", QVariant::fromValue(TOrvane::PickFilter::fLines)));
  EXPECT_EQ(pick_filter, 2);
  EXPECT_TRUE(widget->setProperty("DrawMode", QVariant::fromValue(TOrvane::DrawMode::pmXor)));
  EXPECT_EQ(widget->GetDrawMode(), pmXor);
  // A number past the pen modes is ignored.
  widget->setProperty("DrawMode", QVariant::fromValue(static_cast<TOrvane::DrawMode>(40)));
  EXPECT_EQ(widget->GetDrawMode(), pmXor);
}

TEST_F(OrvaneQt, CadTypeShowsWithinItsRangeAndVersionAsText) {
  cad_type = 0;  // the start value, which the file routines read as CDL
  EXPECT_EQ(widget->property("CadType").toInt(), 1);
  widget->setProperty("CadType", 3);
  EXPECT_EQ(widget->property("CadType").toInt(), 3);
  widget->setProperty("CadType", 9);
  EXPECT_EQ(cad_type, 1);
  EXPECT_TRUE(widget->setProperty("Version", QStringLiteral("7.0")));
  EXPECT_EQ(widget->property("Version").toString(), QStringLiteral("1.1"));
}

TEST_F(OrvaneQt, SignalsCarryTheEventsArguments) {
  std::vector<double> zoom_event;
  widget->OnZoom = [&](TOrvane*, double s, double x, double y) { zoom_event = {s, x, y}; };
  QSignalSpy zoomed(widget.get(), &TOrvane::zoomed);
  QSignalSpy view(widget.get(), &TOrvane::viewChanged);
  QSignalSpy painted(widget.get(), &TOrvane::painted);
  widget->ViewCenter(3, 4);
  widget->ZoomDouble();  // view height 20 / 2 halved
  ASSERT_EQ(zoomed.count(), 1);
  EXPECT_EQ(zoomed[0][0].toDouble(), 5);
  EXPECT_EQ(zoomed[0][1].toDouble(), 3);
  EXPECT_EQ(zoomed[0][2].toDouble(), 4);
  EXPECT_EQ(zoom_event, (std::vector<double>{5, 3, 4}));  // the event still fires
  widget->SetView(vSIDE);
  ASSERT_EQ(view.count(), 1);
  EXPECT_EQ(view[0][0].value<TDView>(), vSIDE);
  widget->Repaint();
  EXPECT_EQ(painted.count(), 1);
}

TEST_F(OrvaneQt, PickSignalReportsTheElementAndItsPoints) {
  const int number = widget->MakeLine(-10, 0, 0, 10, 0, 0);
  int event_number = 0;
  widget->OnPick = [&](TOrvane*, int n, const TDPoint&, const TDPoint&, const TDPoint&,
                       const TDPoint&) { event_number = n; };
  QSignalSpy picked(widget.get(), &TOrvane::picked);
  widget->Pick();
  QTest::mouseClick(widget.get(), Qt::LeftButton, Qt::NoModifier, {120, 50});  // model (4, 0)
  ASSERT_EQ(picked.count(), 1);
  EXPECT_EQ(picked[0][0].toInt(), number);
  EXPECT_EQ(event_number, number);
  EXPECT_DOUBLE_EQ(picked[0][1].value<TDPoint>().x, 10);  // near end
  EXPECT_DOUBLE_EQ(picked[0][2].value<TDPoint>().x, -10);
  EXPECT_DOUBLE_EQ(picked[0][3].value<TDPoint>().x, 0);
  EXPECT_NEAR(picked[0][4].value<TDPoint>().x, 4, 1e-9);
}

TEST_F(OrvaneQt, MouseSignalsFollowTheMouseEvents) {
  QSignalSpy down(widget.get(), &TOrvane::mouseDown);
  QSignalSpy moved(widget.get(), &TOrvane::mouseMove);
  QSignalSpy up(widget.get(), &TOrvane::mouseUp);
  drag(Qt::LeftButton, Qt::ControlModifier, {100, 50}, {110, 60});
  ASSERT_EQ(down.count(), 1);
  EXPECT_EQ(down[0][0].value<TMouseButton>(), mbLeft);
  EXPECT_EQ(down[0][1].value<TShiftState>(), (TShiftState{ssCtrl, ssLeft}));
  EXPECT_EQ(down[0][2].toInt(), 100);
  ASSERT_GE(moved.count(), 1);
  EXPECT_EQ(moved.last()[1].toInt(), 110);
  EXPECT_EQ(moved.last()[2].toInt(), 60);
  ASSERT_EQ(up.count(), 1);
  EXPECT_EQ(up[0][3].toInt(), 60);
}

TEST_F(OrvaneQt, AReceiverDestroyedMidSessionIsLeftOut) {
  int calls = 0;
  auto* receiver = new QObject;
  QObject::connect(widget.get(), &TOrvane::zoomed, receiver, [&] { ++calls; });
  QObject::connect(widget.get(), &TOrvane::painted, receiver, [&] { ++calls; });
  widget->ZoomDouble();
  EXPECT_EQ(calls, 1);
  delete receiver;
  widget->ZoomDouble();
  widget->Repaint();
  QTest::mouseClick(widget.get(), Qt::LeftButton);
  EXPECT_EQ(calls, 1);
}

TEST_F(OrvaneQt, ResizeKeepsTheCentreAndTheScale) {
  widget->ViewCenter(4, 2);
  widget->resize(300, 160);
  EXPECT_EQ(widget->CoordToPixel(4, 2, 0).x, 150);
  EXPECT_EQ(widget->CoordToPixel(4, 2, 0).y, 80);
  EXPECT_EQ(widget->CoordToPixel(6, 2, 0).x - widget->CoordToPixel(4, 2, 0).x, 2 * kScale);
  EXPECT_DOUBLE_EQ(widget->GetViewSize(), 160 / kScale);
  // The other windows keep theirs as well.
  widget->SetView(vFRONT);
  widget->SetViewSize(40);  // 4 pixels per unit on 160
  widget->SetView(vTOP);
  widget->resize(200, 100);
  widget->SetView(vFRONT);
  EXPECT_DOUBLE_EQ(widget->GetViewSize(), 25);
}

TEST_F(OrvaneQt, AFitMadeBeforeTheFirstShowIsMadeAgainAtTheShownSize) {
  widget.reset();
  startup();
  TOrvane w;
  w.resize(50, 30);  // hidden: the size of a widget not yet laid out
  w.MakeLine(-10, -5, 0, 10, 5, 0);
  w.ZoomAll();
  w.resize(400, 300);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  // The larger span, 20 units across, takes 300 - 30 pixels.
  const TPoint a = w.CoordToPixel(-10, -5, 0), b = w.CoordToPixel(10, 5, 0);
  EXPECT_NEAR(b.x - a.x, 270, 1);
  EXPECT_NEAR((a.x + b.x) / 2.0, 200, 1);
  EXPECT_NEAR((a.y + b.y) / 2.0, 150, 1);
}

TEST_F(OrvaneQt, AZoomAfterTheFitBeforeTheShowIsKept) {
  widget.reset();
  startup();
  TOrvane w;
  w.resize(50, 30);
  w.MakeLine(-10, -5, 0, 10, 5, 0);
  w.ZoomAll();
  w.SetViewSize(8);
  w.resize(400, 300);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  EXPECT_DOUBLE_EQ(w.GetViewSize(), 8);
}

TEST_F(OrvaneQt, KeysPanZoomAndFit) {
  widget->setFocus();
  QTest::keyClick(widget.get(), Qt::Key_Right);  // a fifth of the 20 units shown
  EXPECT_DOUBLE_EQ(widget->GetCenterX(), 4);
  QTest::keyClick(widget.get(), Qt::Key_Up);
  EXPECT_DOUBLE_EQ(widget->GetCenterY(), 4);
  QTest::keyClick(widget.get(), Qt::Key_Left);
  QTest::keyClick(widget.get(), Qt::Key_Down);
  EXPECT_DOUBLE_EQ(widget->GetCenterX(), 0);
  EXPECT_DOUBLE_EQ(widget->GetCenterY(), 0);
  QSignalSpy zoomed(widget.get(), &TOrvane::zoomed);
  QTest::keyClick(widget.get(), Qt::Key_Plus);
  EXPECT_DOUBLE_EQ(widget->GetViewSize(), 10);
  QTest::keyClick(widget.get(), Qt::Key_Minus);
  QTest::keyClick(widget.get(), Qt::Key_Minus);
  EXPECT_DOUBLE_EQ(widget->GetViewSize(), 40);
  EXPECT_EQ(zoomed.count(), 3);
  widget->MakeLine(-10, -5, 0, 10, 5, 0);
  QTest::keyClick(widget.get(), Qt::Key_Home);  // 20 units on 100 - 10 pixels
  EXPECT_NEAR(widget->CoordToPixel(10, 5, 0).x - widget->CoordToPixel(-10, -5, 0).x, 90, 1);
}

TEST_F(OrvaneQt, AClickGivesTheWidgetTheKeyboard) {
  EXPECT_TRUE(widget->focusPolicy() & Qt::ClickFocus);
  QWidget other;
  other.show();
  widget->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(widget.get()));
  widget->clearFocus();
  QTest::mouseClick(widget.get(), Qt::LeftButton, Qt::NoModifier, {20, 20});
  EXPECT_TRUE(widget->hasFocus());
}

TEST_F(OrvaneQt, EscapeCancelsAPendingPick) {
  widget->MakeLine(-10, 0, 0, 10, 0, 0);
  QSignalSpy picked(widget.get(), &TOrvane::picked);
  QSignalSpy cancelled(widget.get(), &TOrvane::cancelled);
  widget->Pick();
  QTest::keyClick(widget.get(), Qt::Key_Escape);
  EXPECT_FALSE(pick_flag);
  QTest::mouseClick(widget.get(), Qt::LeftButton, Qt::NoModifier, {120, 50});
  EXPECT_EQ(picked.count(), 0);
  EXPECT_EQ(cancelled.count(), 1);
}

TEST_F(OrvaneQt, EscapeEndsADragWhereItBegan) {
  QTest::mousePress(widget.get(), Qt::LeftButton, Qt::ControlModifier, {100, 50});
  move({150, 50}, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(widget->GetCenterX(), -10);
  QTest::keyClick(widget.get(), Qt::Key_Escape);
  EXPECT_DOUBLE_EQ(widget->GetCenterX(), 0);
  move({180, 50}, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(widget->GetCenterX(), 0);
  QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::ControlModifier, {180, 50});
  // The next drag works again.
  drag(Qt::LeftButton, Qt::ControlModifier, {100, 50}, {150, 50});
  EXPECT_DOUBLE_EQ(widget->GetCenterX(), -10);
  // A rotation goes back too.
  widget->SetView(vISO);
  QTest::mousePress(widget.get(), Qt::LeftButton, Qt::AltModifier, {100, 50});
  move({100, 66}, Qt::LeftButton, Qt::AltModifier);
  EXPECT_DOUBLE_EQ(widget->GetXRotation(), -68 + 360);  // folded
  QTest::keyClick(widget.get(), Qt::Key_Escape);
  EXPECT_DOUBLE_EQ(widget->GetXRotation(), -70);
  QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::AltModifier, {100, 66});
}

TEST_F(OrvaneQt, MiddleWithShiftRotatesAsAltLeftDoes) {
  widget->SetView(vISO);
  drag(Qt::MiddleButton, Qt::ShiftModifier, {100, 50}, {100, 66});  // 16 pixels: 2 degrees
  EXPECT_DOUBLE_EQ(widget->GetXRotation(), -68 + 360);              // folded
  drag(Qt::LeftButton, Qt::AltModifier, {100, 50}, {100, 66});
  EXPECT_DOUBLE_EQ(widget->GetXRotation(), -66 + 360);
}

TEST_F(OrvaneQt, TheRotateGestureIsASetting) {
  EXPECT_EQ(widget->property("RotateButton").value<Qt::MouseButton>(), Qt::LeftButton);
  EXPECT_EQ(widget->property("RotateModifiers").value<Qt::KeyboardModifiers>(),
            Qt::KeyboardModifiers(Qt::AltModifier));
  widget->SetView(vISO);
  widget->setProperty("RotateButton", QVariant::fromValue(Qt::RightButton));
  widget->setProperty("RotateModifiers",
                      QVariant::fromValue(Qt::KeyboardModifiers(Qt::ShiftModifier)));
  drag(Qt::LeftButton, Qt::AltModifier, {100, 50}, {100, 66});  // no longer a gesture
  EXPECT_DOUBLE_EQ(widget->GetXRotation(), -70);
  drag(Qt::RightButton, Qt::ShiftModifier, {100, 50}, {100, 66});
  EXPECT_DOUBLE_EQ(widget->GetXRotation(), -68 + 360);  // folded
  widget->SetRotateButton(Qt::BackButton);              // not a button of the shift state: ignored
  EXPECT_EQ(widget->GetRotateButton(), Qt::RightButton);
  widget->SetRotateModifiers(Qt::MetaModifier | Qt::ShiftModifier);
  EXPECT_EQ(widget->GetRotateModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier));
  // The pan gestures come first.
  widget->SetRotateButton(Qt::LeftButton);
  widget->SetRotateModifiers(Qt::ControlModifier);
  drag(Qt::LeftButton, Qt::ControlModifier, {100, 50}, {100, 66});
  EXPECT_DOUBLE_EQ(widget->GetXRotation(), -68 + 360);  // folded
}

// Run also with QT_SCALE_FACTOR=2 (ORVANE_EXPECT_DPR=2): lines are one device pixel wide while
// every coordinate of the API stays in the widget's own pixels.
TEST_F(OrvaneQt, LinesAreOneDevicePixelWideAtTheScreensRatio) {
  const double ratio = widget->devicePixelRatioF();
  if (qEnvironmentVariableIsSet("ORVANE_EXPECT_DPR")) {
    ASSERT_EQ(ratio, qEnvironmentVariable("ORVANE_EXPECT_DPR").toDouble());
  }
  widget->Redraw();
  widget->DrawLine(-10, 0, 0, 10, 0, 0);  // pixels (50, 50) to (150, 50)
  const QImage& image = widget->backing_image();
  ASSERT_EQ(image.size(), QSize(200 * ratio, 100 * ratio));
  int lit = 0, row = -1;
  const int column = static_cast<int>(100 * ratio);
  for (int y = 0; y < image.height(); ++y) {
    if ((image.pixel(column, y) & 0xFFFFFF) == kLime) {
      ++lit;
      row = y;
    }
  }
  EXPECT_EQ(lit, 1);
  EXPECT_NEAR(row, 50 * ratio, ratio / 2);
  EXPECT_EQ(widget->CoordToPixel(10, 0, 0).x, 150);
  EXPECT_DOUBLE_EQ(widget->PixelToCoord(150, 50).x, 10);
  drag(Qt::LeftButton, Qt::ControlModifier, {100, 50}, {150, 50});
  EXPECT_DOUBLE_EQ(widget->GetCenterX(), -10);
  // A saved picture has the widget's own size.
  QTemporaryDir dir;
  const QString file = dir.filePath("p.bmp");
  widget->SaveBMP(file.toStdString());
  EXPECT_EQ(QImage(file).size(), QSize(200, 100));
}

}  // namespace
