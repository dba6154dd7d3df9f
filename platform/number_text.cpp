#include "platform/number_text.h"

#include <charconv>

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

}  // namespace orvane
