// The main window's controls, at fixed places on a fixed-size window.
#include <QGroupBox>
#include <QScreen>
#include <QStyle>

#include "demo/demo_ui.h"
#include "demo/entry_dialogs.h"
#include "demo/form1.h"
#include "demo/rubber_band.h"
#include "orvane/tessary.h"

namespace orvane::demo {

namespace {

constexpr QSize kWindowSize(682, 405);
constexpr QColor kSilver(192, 192, 192);
constexpr TColor kLime = 0x00FF00;

QLabel* label(QWidget* parent, const QString& text, QRect r) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(r);
  return l;
}

QLineEdit* edit(QWidget* parent, const QString& text, QRect r) {
  auto* e = new QLineEdit(text, parent);
  e->setGeometry(r);
  return e;
}

QPushButton* button(QWidget* parent, const QString& text, QRect r) {
  auto* b = new QPushButton(text, parent);
  b->setGeometry(r);
  return b;
}

QCheckBox* check(QWidget* parent, const QString& text, QRect r) {
  auto* c = new QCheckBox(text, parent);
  c->setGeometry(r);
  return c;
}

QGroupBox* group(QWidget* parent, const QString& title, QRect r) {
  auto* g = new QGroupBox(title, parent);
  g->setGeometry(r);
  return g;
}

// A demo page holding one group box that fills it.
QGroupBox* page_group(QWidget* page, const QString& title) {
  return group(page, title, QRect(4, 2, 658, 118));
}

}  // namespace

TForm1::TForm1(DemoUi& ui, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      ui_(ui) {
  setWindowTitle("Orvane Demo");
  auto* client = new QWidget(this);
  client->setAutoFillBackground(true);
  QPalette palette = client->palette();
  palette.setColor(QPalette::Window, kSilver);
  client->setPalette(palette);
  // Pixel-sized text, so that the captions fit their fixed places with any screen and font.
  QFont font = client->font();
  font.setPixelSize(11);
  client->setFont(font);
  setCentralWidget(client);

  build_drawing_area(client);
  build_view_panels(client);
  build_pages(client);
  rubber_band_ = new RubberBand(client);
  Tessary1 = new TTessary(client);
  Tessary1->SetVersion("1.1");
  build_menus();
  connect_buttons();
  bind_events();
  setFixedSize(kWindowSize);
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  refresh_view_fields();

  Form2 = new TForm2(*Orvane1, ui_, this);
  Form3 = new TForm3(*Orvane1, ui_, this);
  Form4 = new TForm4(*Orvane1, ui_, this);
}

TForm1::~TForm1() = default;

void TForm1::build_drawing_area(QWidget* client) {
  Orvane1 = new TOrvane(client);
  Orvane1->setGeometry(4, 4, 241, 169);
  Orvane1->SetCurrentColor(kLime);
  Orvane1->SetVersion("1.1");
  CheckBox1 = check(client, "Show Mouse Coordinates", QRect(4, 178, 170, 20));
  CheckBox1->setChecked(true);
  Label1 = label(client, "0.0", QRect(4, 200, 370, 18));
  QPalette red = Label1->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  Label1->setPalette(red);
  BitBtn1 = button(client, "Close", QRect(598, 188, 80, 26));
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
}

void TForm1::build_view_panels(QWidget* client) {
  Button1 = button(client, "Zoom All", QRect(252, 4, 120, 25));
  QGroupBox* rotate = group(client, "Rotate View Around:", QRect(252, 34, 120, 139));
  label(rotate, "X Axis:", QRect(8, 24, 46, 18));
  Edit4 = edit(rotate, "45", QRect(56, 21, 56, 22));
  label(rotate, "Y Axis:", QRect(8, 50, 46, 18));
  Edit5 = edit(rotate, "45", QRect(56, 47, 56, 22));
  label(rotate, "Z Axis:", QRect(8, 76, 46, 18));
  Edit6 = edit(rotate, "45", QRect(56, 73, 56, 22));
  Button2 = button(rotate, "Rotate", QRect(8, 104, 104, 25));

  QGroupBox* center = group(client, "Screen Center", QRect(380, 4, 298, 80));
  label(center, "Center of Screen is X", QRect(8, 24, 120, 18));
  Edit2 = edit(center, "", QRect(130, 21, 80, 22));
  label(center, "and Y", QRect(96, 52, 32, 18));
  Edit3 = edit(center, "", QRect(130, 49, 80, 22));
  Button7 = button(center, "Update", QRect(222, 48, 66, 25));

  QGroupBox* scale = group(client, "Scale", QRect(380, 90, 298, 83));
  label(scale, "Window View=", QRect(8, 24, 88, 18));
  Edit1 = edit(scale, "", QRect(98, 21, 74, 22));
  label(scale, "Inches", QRect(176, 24, 40, 18));
  label(scale, "Element Count:", QRect(8, 54, 92, 18));
  Label20 = label(scale, "0", QRect(102, 54, 80, 18));
  Button6 = button(scale, "Update", QRect(222, 50, 66, 25));
}

void TForm1::build_pages(QWidget* client) {
  PageControl1 = new QTabWidget(client);
  PageControl1->setGeometry(4, 222, 674, 156);
  PageControl1->addTab(build_pick_page(), "Demo1");
  PageControl1->addTab(build_rotate_page(), "Demo2");
  PageControl1->addTab(build_shift_page(), "Demo3");
  PageControl1->addTab(build_origin_page(), "Demo4");
}

QWidget* TForm1::build_pick_page() {
  auto* page = new QWidget;
  QGroupBox* g = page_group(page, "Pick");
  Button3 = button(g, "Pick Element", QRect(8, 20, 100, 25));
  CheckBox5 = check(g, "Tessary Demo", QRect(8, 50, 110, 20));
  label(g, "Pick Filter:", QRect(8, 74, 80, 18));
  CheckBox2 = check(g, "Points", QRect(8, 92, 64, 20));
  CheckBox3 = check(g, "Lines", QRect(76, 92, 60, 20));
  CheckBox4 = check(g, "Arcs", QRect(140, 92, 60, 20));
  Label17 = label(g, "Element", QRect(220, 18, 200, 18));
  const char* captions[] = {"Near Endpoint:", "Far Endpoint:", "Midpoint:", "Closest Point:"};
  QLabel** values[] = {&Label13, &Label14, &Label15, &Label16};
  for (int i = 0; i < 4; ++i) {
    label(g, captions[i], QRect(220, 38 + 18 * i, 90, 18));
    *values[i] = label(g, "0", QRect(312, 38 + 18 * i, 340, 18));
  }
  return page;
}

QWidget* TForm1::build_rotate_page() {
  auto* page = new QWidget;
  QGroupBox* g = page_group(page, "Rotate Group");
  Button4 = button(g, "Make Group", QRect(8, 20, 100, 25));
  Button8 = button(g, "Clear Group", QRect(8, 50, 100, 25));
  label(g, "Angle:", QRect(130, 24, 60, 18));
  Edit7 = edit(g, "30", QRect(192, 21, 64, 22));
  label(g, "CenterX:", QRect(130, 50, 60, 18));
  Edit8 = edit(g, "0", QRect(192, 47, 64, 22));
  label(g, "CenterY:", QRect(130, 76, 60, 18));
  Edit9 = edit(g, "0", QRect(192, 73, 64, 22));
  CheckBox6 = check(g, "Leave Original", QRect(280, 22, 120, 20));
  label(g, "Number of Times:", QRect(280, 50, 100, 18));
  Edit10 = edit(g, "1", QRect(382, 47, 50, 22));
  Button5 = button(g, "Rotate", QRect(280, 76, 100, 25));
  return page;
}

QWidget* TForm1::build_shift_page() {
  auto* page = new QWidget;
  QGroupBox* g = page_group(page, "Shift");
  Button10 = button(g, "Make Group", QRect(8, 20, 100, 25));
  Button9 = button(g, "Clear Group", QRect(8, 50, 100, 25));
  Button14 = button(g, "Delete Group", QRect(8, 80, 100, 25));
  label(g, "Shift X:", QRect(130, 24, 60, 18));
  Edit12 = edit(g, "2", QRect(192, 21, 64, 22));
  label(g, "Shift Y:", QRect(130, 50, 60, 18));
  Edit13 = edit(g, "2", QRect(192, 47, 64, 22));
  CheckBox7 = check(g, "Leave Original", QRect(280, 22, 120, 20));
  label(g, "Number of Times:", QRect(280, 50, 100, 18));
  Edit14 = edit(g, "1", QRect(382, 47, 50, 22));
  Button11 = button(g, "Shift", QRect(280, 76, 100, 25));
  return page;
}

QWidget* TForm1::build_origin_page() {
  auto* page = new QWidget;
  QGroupBox* g = page_group(page, "New Origin");
  label(g, "Shift X:", QRect(8, 24, 60, 18));
  Edit11 = edit(g, "5", QRect(70, 21, 64, 22));
  label(g, "Shift Y:", QRect(8, 50, 60, 18));
  Edit15 = edit(g, "4", QRect(70, 47, 64, 22));
  label(g, "Shift Z:", QRect(8, 76, 60, 18));
  Edit16 = edit(g, "0", QRect(70, 73, 64, 22));
  Button12 = button(g, "Shift Origin", QRect(160, 20, 100, 25));
  Button15 = button(g, "Button15", QRect(160, 50, 100, 25));
  return page;
}

}  // namespace orvane::demo
