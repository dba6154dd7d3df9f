// The demo's entry dialogs: a column of labelled number fields, "Draw Only" or "Draw and Save to
// Memory", OK and Cancel. They are made once, hidden, and reused, so the fields keep what was
// typed last.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSize>
#include <QStringList>
#include <vector>

namespace orvane {
class TOrvane;
}

namespace orvane::demo {

class DemoUi;

class EntryDialog : public QDialog {
  Q_OBJECT

 public:
  QRadioButton* RadioButton1;  // "Draw Only"
  QRadioButton* RadioButton2;  // "Draw and Save to Memory"
  QPushButton* BitBtn1;        // OK: runs the action, then closes
  QPushButton* BitBtn2;        // Cancel: closes without action

 protected:
  // The fields in order, labelled by labels; the client is at least size, larger only when the
  // controls need more room with the fonts at hand.
  EntryDialog(TOrvane& orvane, DemoUi& ui, const QString& caption, const QStringList& labels,
              QSize size, QWidget* parent);

  // The field values in order. A field that is not a number throws EConvertError.
  std::vector<double> values() const;
  bool save_to_memory() const { return RadioButton2->isChecked(); }

  // Draws, and stores when asked, what the fields describe.
  virtual void BitBtn1Click() = 0;

  TOrvane& orvane_;
  std::vector<QLineEdit*> fields_;

 private:
  // A field that is not a number keeps the dialog open, with the message shown, so that the
  // user can correct it.
  void ok_pressed();

  DemoUi& ui_;
};

}  // namespace orvane::demo
