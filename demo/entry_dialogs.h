// The point, line and arc dialogs of the demo's Draw menu.
#pragma once

#include "demo/entry_dialog.h"

namespace orvane::demo {

// "Draw Point": X, Y, Z.
class TForm2 : public EntryDialog {
  Q_OBJECT
 public:
  TForm2(TOrvane& orvane, DemoUi& ui, QWidget* parent = nullptr);
  QLineEdit *Edit1, *Edit2, *Edit3;

 protected:
  void BitBtn1Click() override;
};

// "Draw Line": start X, Y, Z and end X, Y, Z.
class TForm3 : public EntryDialog {
  Q_OBJECT
 public:
  TForm3(TOrvane& orvane, DemoUi& ui, QWidget* parent = nullptr);
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;

 protected:
  void BitBtn1Click() override;
};

// "Draw Arc": centre X, Y, Z, radius, start and end angle, in arc view 1.
class TForm4 : public EntryDialog {
  Q_OBJECT
 public:
  TForm4(TOrvane& orvane, DemoUi& ui, QWidget* parent = nullptr);
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;

 protected:
  void BitBtn1Click() override;
};

}  // namespace orvane::demo
