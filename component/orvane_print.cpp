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

// The printer the application set, or the system's default printer for this one print; or,
// given a QPrinter, that one for this print, the printer set before coming back after it.
class ChosenPrinter {
 public:
  ChosenPrinter() {
    if (current_printer() != nullptr) return;
    own_ = std::make_unique<QtPrinter>();
    set_current_printer(own_.get());
  }
  explicit ChosenPrinter(QPrinter& printer)
      : own_(std::make_unique<QtPrinter>(printer)), previous_(current_printer()) {
    set_current_printer(own_.get());
  }
  ~ChosenPrinter() {
    if (own_) set_current_printer(previous_);
  }
  ChosenPrinter(const ChosenPrinter&) = delete;
  ChosenPrinter& operator=(const ChosenPrinter&) = delete;

 private:
  std::unique_ptr<QtPrinter> own_;
  Printer* previous_ = nullptr;
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

void TOrvane::PrintCad(QPrinter& printer) {
  const DrawingScope scope(own_.get());
  ensure_element_table();
  const ChosenPrinter chosen(printer);
  const FlagScope printing(print_on);
  print_cad_proc(width());
}

void TOrvane::PrintBMP(QPrinter& printer) {
  const DrawingScope scope(own_.get());
  const ChosenPrinter chosen(printer);
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
