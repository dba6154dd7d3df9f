// Printing the drawing: as vectors, or the picture on the widget.
#include <memory>

#include "component/drawing_scope.h"
#include "component/flag_scope.h"
#include "component/orvane_canvas.h"
#include "component/orvane_element_table.h"
#include "core/state.h"
#include "fileio/print.h"
#include "orvane/orvane.h"
#include "platform/qt/qt_printer.h"

namespace orvane {

namespace {

// The printer the application set, or the system's default printer for this one print.
class ChosenPrinter {
 public:
  ChosenPrinter() {
    if (current_printer() != nullptr) return;
    own_ = std::make_unique<QtPrinter>();
    set_current_printer(own_.get());
  }
  ~ChosenPrinter() {
    if (own_) set_current_printer(nullptr);
  }
  ChosenPrinter(const ChosenPrinter&) = delete;
  ChosenPrinter& operator=(const ChosenPrinter&) = delete;

 private:
  std::unique_ptr<QtPrinter> own_;
};

}  // namespace

void TOrvane::PrintCad() {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  const ChosenPrinter printer;
  const FlagScope printing(print_on);
  print_cad_proc(width());
}

void TOrvane::PrintBMP() {
  const DrawingScope scope(own_.get());
  const ChosenPrinter printer;
  print_bmp(canvas_, width(), height());
}

bool TOrvane::GetPrintMonochrome() const {
  const DrawingScope scope(own_.get());
  return print_monochrome;
}

void TOrvane::SetPrintMonochrome(bool value) {
  const DrawingScope scope(own_.get());
  print_monochrome = value;
}

}  // namespace orvane
