// Text-to-number conversion of the demo's edit fields. A text that is not a number throws
// EConvertError with the message a user sees, e.g. "'abc' is not a valid floating point value".
#pragma once

#include <QString>
#include <stdexcept>

namespace orvane::demo {

class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Leading and trailing blanks are ignored, so the padded texts the demo writes itself ("   2.500")
// read back.
double StrToFloat(const QString& text);
int StrToInt(const QString& text);

}  // namespace orvane::demo
