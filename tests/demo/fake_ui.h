// Answers the demo's dialogs in place of a user and keeps what was asked and shown.
#pragma once

#include <QDialog>
#include <deque>
#include <functional>
#include <vector>

#include "demo/demo_ui.h"

class FakeUi : public orvane::demo::DemoUi {
 public:
  QString open_file(QWidget*, const orvane::demo::FileRequest& r) override { return answer(r); }
  QString save_file(QWidget*, const orvane::demo::FileRequest& r) override { return answer(r); }
  std::optional<orvane::TColor> choose_color(QWidget*, orvane::TColor initial) override {
    color_asked_with = initial;
    return color;
  }
  // Runs the test's part of the dialog (typing, pressing a button) while it is "shown".
  bool run_modal(QDialog& dialog) override {
    modal = &dialog;
    dialog.setResult(QDialog::Rejected);
    if (on_modal) on_modal(dialog);
    return dialog.result() == QDialog::Accepted;
  }
  void show_error(QWidget*, const QString& message) override { errors.push_back(message); }
  void show_message(QWidget*, const QString& message) override { messages.push_back(message); }

  std::deque<QString> files;  // the names "chosen" in the next file dialogs; none: cancelled
  std::vector<orvane::demo::FileRequest> requests;
  std::optional<orvane::TColor> color;  // the colour "chosen"; none: cancelled
  std::optional<orvane::TColor> color_asked_with;
  std::function<void(QDialog&)> on_modal;
  QDialog* modal = nullptr;
  std::vector<QString> errors;
  std::vector<QString> messages;

 private:
  QString answer(const orvane::demo::FileRequest& r) {
    requests.push_back(r);
    if (files.empty()) return {};
    QString f = files.front();
    files.pop_front();
    return f;
  }
};
