#include "demo/convert.h"

#include "platform/number_text.h"

namespace orvane::demo {

namespace {

[[noreturn]] void refuse(const QString& text, const char* kind) {
  throw EConvertError(QStringLiteral("'%1' is not a valid %2 value").arg(text, kind).toStdString());
}

}  // namespace

double StrToFloat(const QString& text) {
  double value = 0;
  if (!text_to_double(text.trimmed().toStdString(), value)) refuse(text, "floating point");
  return value;
}

int StrToInt(const QString& text) {
  int32_t value = 0;
  if (!text_to_int(text.trimmed().toStdString(), value)) refuse(text, "integer");
  return value;
}

}  // namespace orvane::demo
