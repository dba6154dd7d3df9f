// The demo's questions to the user: the open, save and colour dialogs, modal forms and error
// messages. The program uses Qt's dialogs (QtDemoUi); tests answer in their place.
#pragma once

#include <QString>
#include <optional>

#include "orvane/canvas.h"

class QDialog;
class QWidget;

namespace orvane::demo {

struct FileRequest {
  QString title;         // "Open" or "Save As"
  QString filter;        // the filter as the form stores it: "Text (*.txt)|*.txt|..."
  int filter_index = 1;  // 1-based, as in the filter
  QString default_ext;   // without the point, added to a typed name that has none
};

class DemoUi {
 public:
  virtual ~DemoUi() = default;
  // The chosen file, or an empty text when the user cancelled.
  virtual QString open_file(QWidget* parent, const FileRequest& request) = 0;
  virtual QString save_file(QWidget* parent, const FileRequest& request) = 0;
  virtual std::optional<TColor> choose_color(QWidget* parent, TColor initial) = 0;
  // Shows the dialog modally; true when it was accepted.
  virtual bool run_modal(QDialog& dialog) = 0;
  virtual void show_error(QWidget* parent, const QString& message) = 0;
  virtual void show_message(QWidget* parent, const QString& message) = 0;
};

class QtDemoUi : public DemoUi {
 public:
  QString open_file(QWidget* parent, const FileRequest& request) override;
  QString save_file(QWidget* parent, const FileRequest& request) override;
  std::optional<TColor> choose_color(QWidget* parent, TColor initial) override;
  bool run_modal(QDialog& dialog) override;
  void show_error(QWidget* parent, const QString& message) override;
  void show_message(QWidget* parent, const QString& message) override;
};

// Runs a handler of the demo; an exception out of it (a field that is not a number, a file that
// cannot be written) ends only the handler and is shown as an error message.
template <class Handler>
void guarded(DemoUi& ui, QWidget* parent, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ui.show_error(parent, QString::fromStdString(e.what()));
  }
}

}  // namespace orvane::demo
