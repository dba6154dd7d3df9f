#include "demo/entry_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

#include "demo/convert.h"
#include "demo/demo_ui.h"

namespace orvane::demo {

EntryDialog::EntryDialog(TOrvane& orvane, DemoUi& ui, const QString& caption,
                         const QStringList& labels, QSize size, QWidget* parent)
    : QDialog(parent), orvane_(orvane), ui_(ui) {
  setWindowTitle(caption);
  auto* form = new QFormLayout;
  for (const QString& label : labels) {
    fields_.push_back(new QLineEdit(this));
    form->addRow(label, fields_.back());
  }
  RadioButton1 = new QRadioButton(QStringLiteral("Draw Only"), this);
  RadioButton2 = new QRadioButton(QStringLiteral("Draw and Save to Memory"), this);
  RadioButton1->setChecked(true);
  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
  BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &EntryDialog::ok_pressed);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  auto* side = new QVBoxLayout;
  side->addWidget(RadioButton1);
  side->addWidget(RadioButton2);
  side->addStretch();
  side->addWidget(BitBtn1);
  side->addWidget(BitBtn2);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(side);
  setFixedSize(size.expandedTo(sizeHint()));
}

std::vector<double> EntryDialog::values() const {
  std::vector<double> result;
  for (const QLineEdit* field : fields_)
    result.push_back(StrToFloat(field->text()));
  return result;
}

void EntryDialog::ok_pressed() {
  bool done = false;
  guarded(ui_, this, [&] {
    BitBtn1Click();
    done = true;
  });
  if (done) accept();
}

}  // namespace orvane::demo
