#include "page_printer.h"

#include <stdexcept>

namespace viewer {

PagePrinter::PagePrinter(QPrinter& printer) : printer_(printer) {}

PagePrinter::~PagePrinter() {
  if (page_) EndDoc();
}

int PagePrinter::PageWidth() const {
  return printer_.pageRect(QPrinter::DevicePixel).toRect().width();
}

int PagePrinter::PageHeight() const {
  return printer_.pageRect(QPrinter::DevicePixel).toRect().height();
}

int PagePrinter::WidthMM() const {
  return printer_.widthMM();
}

void PagePrinter::SetTitle(const std::string& title) {
  printer_.setDocName(QString::fromStdString(title));
}

std::string PagePrinter::Title() const {
  return printer_.docName().toStdString();
}

orvane::Canvas& PagePrinter::GetCanvas() {
  return page_ ? static_cast<orvane::Canvas&>(*page_) : idle_;
}

void PagePrinter::BeginDoc() {
  if (page_) return;
  page_ = std::make_unique<orvane::QtCanvas>(&printer_);
  if (page_->isActive()) return;
  page_.reset();
  const QString target =
      printer_.outputFileName().isEmpty() ? printer_.printerName() : printer_.outputFileName();
  throw std::runtime_error("Cannot print on \"" + target.toStdString() + "\".");
}

void PagePrinter::EndDoc() {
  page_.reset();  // ends painting, which completes the document
}

void PagePrinter::Abort() {
  if (!page_) return;
  printer_.abort();
  page_.reset();
}

CurrentPrinter::CurrentPrinter(orvane::Printer& printer) : previous_(orvane::current_printer()) {
  orvane::set_current_printer(&printer);
}

CurrentPrinter::~CurrentPrinter() {
  orvane::set_current_printer(previous_);
}

}  // namespace viewer
