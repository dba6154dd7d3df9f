// A shown main window of the demo on a fresh drawing, its dialogs answered by FakeUi.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/core.h"
#include "demo/form1.h"
#include "tests/demo/fake_ui.h"

class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    orvane::startup();
    form = std::make_unique<orvane::demo::TForm1>(ui);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QApplication::processEvents();
    orvane1 = form->Orvane1;
  }
  void TearDown() override {
    form.reset();
    orvane::startup();
  }

  // The model at 5 pixels a unit on the 241 x 169 drawing: view size 33.8, centre (0, 0).
  void five_pixels_a_unit() {
    orvane1->SetViewSize(169.0 / 5);
    orvane1->ViewCenter(0, 0);
  }
  QPoint pixel_of(double x, double y, double z = 0) {
    const orvane::TPoint p = orvane1->CoordToPixel(x, y, z);
    return {p.x, p.y};
  }
  void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
  void click_drawing(QPoint at) { QTest::mouseClick(orvane1, Qt::LeftButton, Qt::NoModifier, at); }
  // Elements of a type that are not deleted.
  int count(int type) {
    int n = 0;
    for (int i = 1; i <= orvane1->GetLastElement(); ++i)
      n += orvane1->GetElement(i).element_type == type && !orvane1->GetIsDeleted(i);
    return n;
  }
  static QString sample(const char* name) { return QString(ORVANE_SAMPLES_DIR "/") + name; }

  FakeUi ui;
  std::unique_ptr<orvane::demo::TForm1> form;
  orvane::TOrvane* orvane1 = nullptr;
};
