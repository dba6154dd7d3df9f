// The buttons of the main window and the view read-outs.
#include "demo/convert.h"
#include "demo/demo_ui.h"
#include "demo/form1.h"

namespace orvane::demo {

namespace {

// Counts of copies beyond this would fill memory for minutes; the demo refuses them.
constexpr int kMaxTimes = 10000;

int times_from(const QLineEdit* field) {
  const int n = StrToInt(field->text());
  if (n < 0 || n > kMaxTimes)
    throw EConvertError(QStringLiteral("'%1' is not a valid number of times (0 to %2)")
                            .arg(field->text())
                            .arg(kMaxTimes)
                            .toStdString());
  return n;
}

double value(const QLineEdit* field) {
  return StrToFloat(field->text());
}

QString fixed(double v) {
  return QString::asprintf("%8.3f", v);
}

}  // namespace

TDFilter pick_filter_for(bool points, bool lines, bool arcs) {
  TDFilter f = fAll;
  if (points) f = fPoints;
  if (lines) f = fLines;
  if (arcs) f = fArcs;
  if (points && lines) f = fPointLine;
  if (points && arcs) f = fPointArc;
  if (lines && arcs) f = fLineArc;
  if (points && lines && arcs) f = fAll;
  return f;
}

QString mouse_text(const TDPoint& p) {
  return QString::asprintf("X%8.3f Y%8.3f Z%8.3f", p.x, p.y, p.z);
}

QString pick_point_text(const TDPoint& p) {
  return QString::asprintf("X%8.3fY%8.3fZ%8.3f", p.x, p.y, p.z);
}

void TForm1::on(QAction* action, std::function<void()> handler) {
  connect(action, &QAction::triggered, this, [this, handler] { guarded(ui_, this, handler); });
}

void TForm1::on(QPushButton* button, std::function<void()> handler) {
  connect(button, &QPushButton::clicked, this, [this, handler] { guarded(ui_, this, handler); });
}

// Every handler reads all its fields before it acts, so a field that is not a number leaves
// everything as it was.
void TForm1::connect_buttons() {
  on(Button1, [this] { Orvane1->ZoomAll(); });
  on(Button2, [this] {
    const double x = value(Edit4), y = value(Edit5), z = value(Edit6);
    Orvane1->RotateView(x, y, z);
  });
  on(Button7, [this] {
    const double x = value(Edit2), y = value(Edit3);
    Orvane1->ViewCenter(x, y);
  });
  on(Button6, [this] { update_scale(); });
  on(Button3, [this] { start_pick(); });
  on(BitBtn1, [this] { close(); });
  connect_group_buttons();
}

void TForm1::connect_group_buttons() {
  for (QPushButton* make : {Button4, Button10})
    on(make, [this] { Orvane1->AddToGroup(0); });
  for (QPushButton* clear : {Button8, Button9})
    on(clear, [this] { Orvane1->ClearGroup(); });
  on(Button5, [this] { rotate_group(); });
  on(Button11, [this] { shift_group(); });
  on(Button14, [this] { Orvane1->DeleteGroup(); });
  on(Button12, [this] {
    const double x = value(Edit11), y = value(Edit15), z = value(Edit16);
    Orvane1->NewOrigin(x, y, z);
  });
}

void TForm1::update_scale() {
  Orvane1->SetViewSize(value(Edit1));
  Label20->setText(QString::number(Orvane1->GetLastElement()));
}

void TForm1::rotate_group() {
  const double angle = value(Edit7), cx = value(Edit8), cy = value(Edit9);
  const int times = times_from(Edit10);
  Orvane1->RotateGroup(angle, cx, cy, times, CheckBox6->isChecked());
  Orvane1->Redraw();
}

void TForm1::shift_group() {
  const double dx = value(Edit12), dy = value(Edit13);
  const int times = times_from(Edit14);
  Orvane1->ShiftGroup(dx, dy, 0, times, CheckBox7->isChecked());
}

void TForm1::start_pick() {
  Orvane1->SetPickFilter(
      pick_filter_for(CheckBox2->isChecked(), CheckBox3->isChecked(), CheckBox4->isChecked()));
  Orvane1->setCursor(Qt::CrossCursor);
  Orvane1->Pick();
}

void TForm1::refresh_view_fields() {
  Edit1->setText(fixed(Orvane1->GetViewSize()));
  Edit2->setText(fixed(Orvane1->GetCenterX()));
  Edit3->setText(fixed(Orvane1->GetCenterY()));
}

void TForm1::show_rotations() {
  Edit4->setText(fixed(Orvane1->GetXRotation()));
  Edit5->setText(fixed(Orvane1->GetYRotation()));
  Edit6->setText(fixed(Orvane1->GetZRotation()));
}

}  // namespace orvane::demo
