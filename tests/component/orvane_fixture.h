// A shown 200 x 100 widget on the start-up drawing, at 5 pixels per model unit with the model
// origin at the widget's centre: model (x, y) of the top window lies at pixel (100 + 5x, 50 - 5y).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <memory>

#include "component/component.h"
#include "core/core.h"

class OrvaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    orvane::startup();
    widget = make_widget();
  }
  void TearDown() override {
    widget.reset();
    orvane::startup();
  }

  static std::unique_ptr<orvane::TOrvane> make_widget() {
    auto w = std::make_unique<orvane::TOrvane>();
    w->resize(200, 100);
    w->show();
    // Let the first exposure paint now, so that no later paint redraws over a test's picture.
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    QApplication::processEvents();
    w->SetViewSize(20);
    return w;
  }

  QRgb pixel(int x, int y) { return widget->backing_image().pixel(x, y) & 0xFFFFFF; }

  // A move with exactly these buttons and keys held (QTest's own moves carry no keys).
  void move(QPoint to, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QMouseEvent e(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, buttons, keys);
    QApplication::sendEvent(widget.get(), &e);
  }
  // Press at from, one move to to, release at to, with one button and the keys held throughout.
  void drag(Qt::MouseButton button, Qt::KeyboardModifiers keys, QPoint from, QPoint to) {
    QTest::mousePress(widget.get(), button, keys, from);
    move(to, button, keys);
    QTest::mouseRelease(widget.get(), button, keys, to);
  }

  static constexpr QRgb kBlack = 0x000000;
  static constexpr QRgb kLime = 0x00FF00;  // the start colour of new elements
  static constexpr QRgb kRed = 0xFF0000;

  std::unique_ptr<orvane::TOrvane> widget;
};
