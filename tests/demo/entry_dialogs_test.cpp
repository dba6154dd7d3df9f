// The Draw menu's dialogs: fields, "Draw Only" against "Draw and Save to Memory", Cancel, and a
// field that is not a number.
#include "demo/entry_dialogs.h"
#include "tests/demo/form1_fixture.h"

using namespace orvane;
using namespace orvane::demo;

namespace {

class EntryDialogs : public Form1Test {
 protected:
  void SetUp() override {
    Form1Test::SetUp();
    five_pixels_a_unit();
    orvane1->SetCurrentColor(0x0000FF);  // red, on the black drawing
  }
  // Opens the dialog from its menu item, types the texts and presses button.
  void enter(QAction* item, const QStringList& texts, bool save,
             QPushButton* EntryDialog::*button = &EntryDialog::BitBtn1) {
    ui.on_modal = [&](QDialog& d) {
      auto& dialog = dynamic_cast<EntryDialog&>(d);
      const auto fields = dialog.findChildren<QLineEdit*>();
      ASSERT_EQ(fields.size(), texts.size());
      for (qsizetype i = 0; i < texts.size(); ++i)
        fields[i]->setText(texts[i]);
      (save ? dialog.RadioButton2 : dialog.RadioButton1)->setChecked(true);
      QTest::mouseClick(dialog.*button, Qt::LeftButton);
    };
    item->trigger();
  }
  bool red_at(double x, double y) {
    return (orvane1->backing_image().pixel(pixel_of(x, y)) & 0xFFFFFF) == 0xFF0000u;
  }
};

}  // namespace

TEST_F(EntryDialogs, DialogsHaveTheirCaptionsFieldsAndStartChoice) {
  const std::pair<QDialog*, QString> dialogs[] = {
      {form->Form2, "Draw Point"}, {form->Form3, "Draw Line"}, {form->Form4, "Draw Arc"}};
  for (const auto& [dialog, caption] : dialogs) {
    EXPECT_EQ(dialog->windowTitle(), caption);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(dynamic_cast<EntryDialog*>(dialog)->RadioButton1->isChecked());
  }
  EXPECT_EQ(form->Form2->RadioButton2->text(), "Draw and Save to Memory");
  EXPECT_EQ(form->Form2->findChildren<QLineEdit*>().size(), 3);
  EXPECT_EQ(form->Form4->findChildren<QLineEdit*>().size(), 6);
  EXPECT_GE(form->Form3->width(), 321);
  EXPECT_GE(form->Form3->height(), 194);
}

TEST_F(EntryDialogs, PointDrawOnlyAddsNothingAndSaveAddsOnePoint) {
  enter(form->Point1, {"2", "3", "0"}, false);
  EXPECT_EQ(ui.modal, form->Form2);
  EXPECT_EQ(form->Form2->result(), QDialog::Accepted);
  EXPECT_EQ(count(kPoint), 0);
  EXPECT_TRUE(red_at(2, 3));
  enter(form->Point1, {"-1", "1.5", "7"}, true);
  ASSERT_EQ(count(kPoint), 1);
  const TElement p = orvane1->GetElement(orvane1->GetLastElement());
  EXPECT_DOUBLE_EQ(p.values[1], 1.5);
  EXPECT_DOUBLE_EQ(p.values[2], 7);
  // Reused: the fields keep the last texts.
  EXPECT_EQ(form->Form2->Edit1->text(), "-1");
}

TEST_F(EntryDialogs, LineDrawnAndSaved) {
  enter(form->Line1, {"0", "0", "0", "6", "2", "0"}, true);
  ASSERT_EQ(count(kLine), 1);
  EXPECT_DOUBLE_EQ(orvane1->GetElement(orvane1->GetLastElement()).values[4], 2);
  EXPECT_TRUE(red_at(3, 1));
}

TEST_F(EntryDialogs, ArcFromZeroTo360IsAFullCircleInArcViewOne) {
  enter(form->Arc1, {"0", "0", "0", "4", "0", "360"}, true);
  ASSERT_EQ(count(kArc), 1);
  EXPECT_EQ(orvane1->GetElement(orvane1->GetLastElement()).view, 1);
  for (const auto& [x, y] : {std::pair{4.0, 0.0}, {0.0, 4.0}, {-4.0, 0.0}, {0.0, -4.0}})
    EXPECT_TRUE(red_at(x, y)) << x << "," << y;
}

TEST_F(EntryDialogs, CancelClosesWithoutDrawing) {
  const QImage before = orvane1->backing_image().copy();
  enter(form->Point1, {"1", "1", "0"}, true, &EntryDialog::BitBtn2);
  EXPECT_EQ(form->Form2->result(), QDialog::Rejected);
  EXPECT_EQ(count(kPoint), 0);
  EXPECT_EQ(orvane1->backing_image(), before);
}

TEST_F(EntryDialogs, AFieldThatIsNotANumberDrawsNothingAndKeepsTheDialogOpen) {
  const QImage before = orvane1->backing_image().copy();
  enter(form->Line1, {"0", "0", "0", "5", "x5", "0"}, true);
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_EQ(ui.errors[0], "'x5' is not a valid floating point value");
  EXPECT_NE(form->Form3->result(), QDialog::Accepted);
  EXPECT_EQ(count(kLine), 0);
  EXPECT_EQ(orvane1->backing_image(), before);
}
