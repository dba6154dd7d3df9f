#include "demo/demo_ui.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "demo/file_filters.h"

namespace orvane::demo {

namespace {

QString run_file_dialog(QWidget* parent, const FileRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.title);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  const QStringList filters = qt_name_filters(request.filter);
  dialog.setNameFilters(filters);
  if (request.filter_index >= 1 && request.filter_index <= filters.size())
    dialog.selectNameFilter(filters[request.filter_index - 1]);
  dialog.setDefaultSuffix(request.default_ext);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

}  // namespace

QString QtDemoUi::open_file(QWidget* parent, const FileRequest& request) {
  return run_file_dialog(parent, request, QFileDialog::AcceptOpen);
}

QString QtDemoUi::save_file(QWidget* parent, const FileRequest& request) {
  return run_file_dialog(parent, request, QFileDialog::AcceptSave);
}

// TColor is 0x00BBGGRR.
std::optional<TColor> QtDemoUi::choose_color(QWidget* parent, TColor initial) {
  const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
  const QColor chosen = QColorDialog::getColor(start, parent);
  if (!chosen.isValid()) return std::nullopt;
  return static_cast<TColor>(chosen.red() | chosen.green() << 8 | chosen.blue() << 16);
}

bool QtDemoUi::run_modal(QDialog& dialog) {
  return dialog.exec() == QDialog::Accepted;
}

void QtDemoUi::show_error(QWidget* parent, const QString& message) {
  QMessageBox::critical(parent, QStringLiteral("OrvaneDemo"), message);
}

void QtDemoUi::show_message(QWidget* parent, const QString& message) {
  QMessageBox::information(parent, QStringLiteral("OrvaneDemo"), message);
}

}  // namespace orvane::demo
