#include "platform/recording_printer.h"

namespace orvane {

void RecordingPrinter::SetTitle(const std::string& title) {
  title_ = title;
  jobs_.push_back("Title " + title);
}

void RecordingPrinter::BeginDoc() {
  printing_ = true;
  jobs_.push_back("BeginDoc");
}

void RecordingPrinter::EndDoc() {
  printing_ = false;
  jobs_.push_back("EndDoc");
}

void RecordingPrinter::Abort() {
  printing_ = false;
  jobs_.push_back("Abort");
}

}  // namespace orvane
