// The panels and demo pages: their start texts, what their buttons do, and a field that is not a
// number, which stops the handler with a message and changes nothing.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "tests/demo/form1_fixture.h"

using namespace orvane;

TEST_F(Form1Test, FieldsStartWithTheirTexts) {
  EXPECT_EQ(form->Edit4->text(), "45");
  EXPECT_EQ(form->Edit7->text(), "30");
  EXPECT_EQ(form->Edit10->text(), "1");
  EXPECT_EQ(form->Edit12->text(), "2");
  EXPECT_EQ(form->Edit11->text(), "5");
  EXPECT_EQ(form->Edit15->text(), "4");
  EXPECT_EQ(form->Label1->text(), "0.0");
  EXPECT_EQ(form->Label17->text(), "Element");
  EXPECT_EQ(form->Label13->text(), "0");
  EXPECT_TRUE(form->CheckBox1->isChecked());
  EXPECT_FALSE(form->CheckBox5->isChecked());
  EXPECT_EQ(form->Button15->text(), "Button15");
  EXPECT_EQ(form->PageControl1->count(), 4);
  EXPECT_EQ(form->PageControl1->tabText(3), "Demo4");
  EXPECT_EQ(orvane1->GetVersion(), "1.1");
  // The view fields show the view from the start.
  EXPECT_EQ(form->Edit1->text(), QString::asprintf("%8.3f", orvane1->GetViewSize()));
}

TEST_F(Form1Test, ScreenCenterAndScaleUpdateTheView) {
  form->Edit2->setText("  12.500");
  form->Edit3->setText("-3");
  click(form->Button7);
  EXPECT_DOUBLE_EQ(orvane1->GetCenterX(), 12.5);
  EXPECT_DOUBLE_EQ(orvane1->GetCenterY(), -3);
  form->Edit1->setText("7.25");
  click(form->Button6);
  EXPECT_DOUBLE_EQ(orvane1->GetViewSize(), 7.25);
  EXPECT_TRUE(ui.errors.empty());
}

TEST_F(Form1Test, AFieldThatIsNotANumberStopsTheHandlerWithTheMessage) {
  orvane1->ViewCenter(1, 1);
  form->Edit2->setText("5");
  form->Edit3->setText("abc");
  click(form->Button7);
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_EQ(ui.errors[0], "'abc' is not a valid floating point value");
  EXPECT_DOUBLE_EQ(orvane1->GetCenterX(), 1);  // the first field was good, yet nothing moved
  EXPECT_DOUBLE_EQ(orvane1->GetCenterY(), 1);

  orvane1->MakeLine(0, 0, 0, 1, 0, 0);
  orvane1->AddToGroup(0);
  form->Edit10->setText("2.5");
  click(form->Button5);
  ASSERT_EQ(ui.errors.size(), 2u);
  EXPECT_EQ(ui.errors[1], "'2.5' is not a valid integer value");
  EXPECT_EQ(count(kLine), 1);

  form->Edit6->setText("");
  click(form->Button2);
  EXPECT_EQ(ui.errors.back(), "'' is not a valid floating point value");
  form->Edit16->setText("1,5");
  click(form->Button12);
  EXPECT_EQ(ui.errors.back(), "'1,5' is not a valid floating point value");
  EXPECT_EQ(ui.errors.size(), 4u);
}

TEST_F(Form1Test, CountsOutsideTheRangeAreRefused) {
  orvane1->MakePoint(0, 0, 0);
  orvane1->AddToGroup(0);
  form->Edit14->setText("100000000");
  click(form->Button11);
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_EQ(ui.errors[0], "'100000000' is not a valid number of times (0 to 10000)");
  form->Edit14->setText("-1");
  click(form->Button11);
  EXPECT_EQ(ui.errors.size(), 2u);
  EXPECT_EQ(count(kPoint), 1);
}

TEST_F(Form1Test, RotateButtonTurnsTheIsoViewAndShowsTheAngles) {
  orvane1->SetView(vISO);
  form->Edit4->setText("10");
  form->Edit5->setText("20");
  form->Edit6->setText("30");
  click(form->Button2);
  EXPECT_EQ(form->Edit4->text(), QString::asprintf("%8.3f", orvane1->GetXRotation()));
  EXPECT_EQ(form->Edit6->text(), QString::asprintf("%8.3f", orvane1->GetZRotation()));
  EXPECT_EQ(form->Edit4->text().size(), 8);
}

TEST_F(Form1Test, GroupPagesRotateShiftAndDeleteCopies) {
  orvane1->MakeLine(1, 0, 0, 2, 0, 0);
  click(form->Button4);  // Make Group
  form->Edit7->setText("90");
  form->Edit10->setText("3");
  form->CheckBox6->setChecked(true);  // leave the original
  click(form->Button5);
  EXPECT_EQ(count(kLine), 4);

  click(form->Button9);   // Clear Group
  click(form->Button10);  // Make Group: all four lines
  form->Edit12->setText("10");
  form->Edit13->setText("0");
  form->Edit14->setText("2");
  form->CheckBox7->setChecked(false);
  click(form->Button11);
  EXPECT_EQ(count(kLine), 8);  // two copies of each, the originals gone

  click(form->Button8);
  click(form->Button4);
  click(form->Button14);  // Delete Group
  EXPECT_EQ(count(kLine), 0);
  EXPECT_TRUE(ui.errors.empty());
}

TEST_F(Form1Test, ShiftOriginMovesEveryElement) {
  const int n = orvane1->MakePoint(5, 4, 0);
  click(form->Button12);  // (5, 4, 0) becomes the origin
  const TElement e = orvane1->GetElement(n);
  EXPECT_NEAR(e.values[0], 0, 1e-9);
  EXPECT_NEAR(e.values[1], 0, 1e-9);
}

TEST_F(Form1Test, CloseButtonClosesTheWindow) {
  click(form->BitBtn1);
  EXPECT_FALSE(form->isVisible());
}

// Captions are set in fixed rectangles; each must fit its own, or the user reads a cut text.
TEST_F(Form1Test, EveryCaptionFitsItsControl) {
  QStringList clipped;
  const auto check = [&](QWidget* w, const QString& text, int needed) {
    if (w->width() < needed || w->height() < w->fontMetrics().height()) clipped << text;
  };
  for (QLabel* l : form->findChildren<QLabel*>())
    if (l->isVisibleTo(form.get())) check(l, l->text(), l->sizeHint().width());
  for (QCheckBox* c : form->findChildren<QCheckBox*>())
    if (c->isVisibleTo(form.get())) check(c, c->text(), c->sizeHint().width());
  // A push button's hint holds a style minimum; the caption only needs its text and icon.
  for (QPushButton* b : form->findChildren<QPushButton*>()) {
    const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
    if (b->isVisibleTo(form.get()))
      check(b, b->text(), b->fontMetrics().horizontalAdvance(b->text()) + icon + 8);
  }
  EXPECT_TRUE(clipped.isEmpty()) << clipped.join(", ").toStdString();
}
