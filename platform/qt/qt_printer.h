// The printer on Qt: the system's default printer, or a PDF file where the system has none.
#pragma once

#include <QPrinter>
#include <memory>
#include <string>

#include "platform/printer.h"
#include "platform/qt/qt_canvas.h"

namespace orvane {

// Where a print goes when the system has no printer: the file that ORVANE_PRINT_PDF names when
// it is set; otherwise "orvane-print-<yyyyMMdd-hhmmss>.pdf" (a number added when that is taken)
// in the user's documents folder (XDG_DOCUMENTS_DIR, usually ~/Documents), the home folder when
// there is no documents folder to be had.
std::string default_pdf_print_file();

// The file the last PDF print wrote; empty when nothing was printed to a PDF file yet.
std::string last_pdf_print_file();

class QtPrinter : public Printer {
 public:
  // The system's default printer at its high resolution; a PDF file (see default_pdf_print_file,
  // chosen when the job begins) where there is none.
  QtPrinter();
  // Always a PDF file: pdf_file.
  explicit QtPrinter(const std::string& pdf_file);
  // The caller's printer as it is set up (by a print dialog, say): its device or its output file.
  // It must outlive this one.
  explicit QtPrinter(QPrinter& printer);
  ~QtPrinter() override;

  int PageWidth() const override;
  int PageHeight() const override;
  int WidthMM() const override;
  void SetTitle(const std::string& title) override;
  std::string Title() const override;
  // The page's canvas while a job runs; a canvas that draws nothing outside a job.
  CurveCanvas& GetCanvas() override;
  // Throws std::runtime_error when the job cannot begin (for a PDF: the file cannot be written).
  void BeginDoc() override;
  void EndDoc() override;
  // Ends the job; a PDF file of the aborted job is removed.
  void Abort() override;

  bool prints_to_file() const { return to_file_; }
  // The PDF file of the job, once it has begun.
  const std::string& output_file() const { return output_file_; }

 private:
  std::unique_ptr<QPrinter> owned_;  // none on the caller's printer
  QPrinter& printer_;
  bool to_file_ = false;
  std::string output_file_;  // fixed by the caller, or chosen when the job begins
  std::unique_ptr<QtCanvas> page_;
  QtCanvas idle_{nullptr};
};

}  // namespace orvane
