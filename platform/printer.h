// The printer: a page of pixels with a canvas, inside a print job.
#pragma once

#include <string>

#include "orvane/canvas.h"

namespace orvane {

class Printer {
 public:
  virtual ~Printer() = default;

  virtual int PageWidth() const = 0;   // pixels
  virtual int PageHeight() const = 0;  // pixels
  virtual int WidthMM() const = 0;     // printable width in millimetres
  virtual void SetTitle(const std::string& title) = 0;
  virtual std::string Title() const = 0;
  virtual Canvas& GetCanvas() = 0;
  virtual void BeginDoc() = 0;
  virtual void EndDoc() = 0;
  virtual void Abort() = 0;
};

// The printer drawing goes to while printing; none until the application or a test sets one.
Printer* current_printer();
void set_current_printer(Printer* printer);

}  // namespace orvane
