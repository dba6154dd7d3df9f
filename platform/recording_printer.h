// A printer for tests: a page of a chosen size whose canvas records what is drawn on it.
#pragma once

#include <string>
#include <vector>

#include "platform/printer.h"
#include "platform/recording_canvas.h"

namespace orvane {

class RecordingPrinter : public Printer {
 public:
  RecordingPrinter(int page_width = 4800, int page_height = 6600, int width_mm = 203)
      : page_width_(page_width), page_height_(page_height), width_mm_(width_mm) {}

  int PageWidth() const override { return page_width_; }
  int PageHeight() const override { return page_height_; }
  int WidthMM() const override { return width_mm_; }
  void SetTitle(const std::string& title) override;
  std::string Title() const override { return title_; }
  RecordingCanvas& GetCanvas() override { return canvas_; }
  void BeginDoc() override;
  void EndDoc() override;
  void Abort() override;

  bool printing() const { return printing_; }
  // The job's calls: "Title t", "BeginDoc", "EndDoc", "Abort".
  const std::vector<std::string>& jobs() const { return jobs_; }

 private:
  int page_width_;
  int page_height_;
  int width_mm_;
  std::string title_;
  bool printing_ = false;
  RecordingCanvas canvas_;
  std::vector<std::string> jobs_;
};

// Makes a printer current for one scope and restores the previous one after it.
class ScopedPrinter {
 public:
  explicit ScopedPrinter(Printer& printer) : previous_(current_printer()) {
    set_current_printer(&printer);
  }
  ~ScopedPrinter() { set_current_printer(previous_); }
  ScopedPrinter(const ScopedPrinter&) = delete;
  ScopedPrinter& operator=(const ScopedPrinter&) = delete;

 private:
  Printer* previous_;
};

}  // namespace orvane
