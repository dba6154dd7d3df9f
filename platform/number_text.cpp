#include "platform/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace orvane {

bool text_to_int(std::string_view text, int32_t& value) {
  // from_chars takes a leading minus itself but no plus; a sign after a plus is refused.
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) return false;
  }
  int32_t parsed = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, parsed);
  if (ec != std::errc() || ptr != end) return false;
  value = parsed;
  return true;
}

// A plus sign, like the minus that from_chars takes itself, stands before a digit or a point.
static bool strip_plus(std::string_view& text) {
  if (text.empty() || text.front() != '+') return true;
  text.remove_prefix(1);
  return !text.empty() && text.front() != '+' && text.front() != '-';
}

bool text_to_double(std::string_view text, double& value) {
  if (!strip_plus(text)) return false;
  // from_chars also reads "inf", "nan" and hexadecimal-looking words; a number starts with a
  // digit or a point after its sign.
  const std::string_view body = !text.empty() && text.front() == '-' ? text.substr(1) : text;
  if (body.empty() ||
      !(std::isdigit(static_cast<unsigned char>(body.front())) || body.front() == '.'))
    return false;
  double parsed = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, parsed, std::chars_format::general);
  if (ec != std::errc() || ptr != end || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

}  // namespace orvane
