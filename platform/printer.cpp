#include "platform/printer.h"

namespace orvane {

namespace {
Printer* the_printer = nullptr;
}

Printer* current_printer() {
  return the_printer;
}
void set_current_printer(Printer* printer) {
  the_printer = printer;
}

}  // namespace orvane
