#include "demo/entry_dialogs.h"

#include "orvane/orvane.h"

namespace orvane::demo {

namespace {

constexpr int kArcView = 1;  // the arc view of entered arcs: the top view's plane

}  // namespace

TForm2::TForm2(TOrvane& orvane, DemoUi& ui, QWidget* parent)
    : EntryDialog(orvane, ui, "Draw Point", {"X:", "Y:", "Z:"}, {304, 159}, parent) {
  Edit1 = fields_[0], Edit2 = fields_[1], Edit3 = fields_[2];
}

// Every field is read before anything is drawn, so a bad one leaves the drawing as it was.
void TForm2::BitBtn1Click() {
  const auto v = values();
  orvane_.DrawPoint(v[0], v[1], v[2]);
  if (save_to_memory()) orvane_.MakePoint(v[0], v[1], v[2]);
}

TForm3::TForm3(TOrvane& orvane, DemoUi& ui, QWidget* parent)
    : EntryDialog(orvane, ui, "Draw Line",
                  {"Start X:", "Start Y:", "Start Z:", "End X:", "End Y:", "End Z:"}, {321, 194},
                  parent) {
  Edit1 = fields_[0], Edit2 = fields_[1], Edit3 = fields_[2];
  Edit4 = fields_[3], Edit5 = fields_[4], Edit6 = fields_[5];
}

void TForm3::BitBtn1Click() {
  const auto v = values();
  orvane_.DrawLine(v[0], v[1], v[2], v[3], v[4], v[5]);
  if (save_to_memory()) orvane_.MakeLine(v[0], v[1], v[2], v[3], v[4], v[5]);
}

TForm4::TForm4(TOrvane& orvane, DemoUi& ui, QWidget* parent)
    : EntryDialog(orvane, ui, "Draw Arc",
                  {"Center X:", "Center Y:", "Center Z:", "Radius:", "Start Angle:", "End Angle:"},
                  {317, 198}, parent) {
  Edit1 = fields_[0], Edit2 = fields_[1], Edit3 = fields_[2];
  Edit4 = fields_[3], Edit5 = fields_[4], Edit6 = fields_[5];
}

void TForm4::BitBtn1Click() {
  const auto v = values();
  orvane_.DrawArc(kArcView, v[0], v[1], v[2], v[3], v[4], v[5]);
  if (save_to_memory()) orvane_.MakeArc(kArcView, v[0], v[1], v[2], v[3], v[4], v[5]);
}

}  // namespace orvane::demo
