// The widget's printer interface over a QPrinter that a print dialog set up, so that the
// widget's print commands go to the printer and pages the user chose.
#pragma once

#include <QPrinter>
#include <memory>
#include <string>

#include <orvane/orvane.h>

namespace viewer {

class PagePrinter : public orvane::Printer {
 public:
  explicit PagePrinter(QPrinter& printer);
  ~PagePrinter() override;

  int PageWidth() const override;
  int PageHeight() const override;
  int WidthMM() const override;
  void SetTitle(const std::string& title) override;
  std::string Title() const override;
  orvane::Canvas& GetCanvas() override;
  // Throws std::runtime_error when the printer cannot begin the job.
  void BeginDoc() override;
  void EndDoc() override;
  void Abort() override;

 private:
  QPrinter& printer_;
  std::unique_ptr<orvane::QtCanvas> page_;
  orvane::QtCanvas idle_{nullptr};  // draws nothing outside a job
};

// Makes printer the widget's current printer while it lives.
class CurrentPrinter {
 public:
  explicit CurrentPrinter(orvane::Printer& printer);
  ~CurrentPrinter();
  CurrentPrinter(const CurrentPrinter&) = delete;
  CurrentPrinter& operator=(const CurrentPrinter&) = delete;

 private:
  orvane::Printer* previous_;
};

}  // namespace viewer
