#include "platform/number_text.h"

#include <charconv>

namespace orvane {

bool text_to_int(std::string_view text, int32_t& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  // from_chars takes a leading minus itself; a second sign or an empty rest is refused below.
  if (text.empty() || text.front() == '+') return false;
  int32_t parsed = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, parsed);
  if (ec != std::errc() || ptr != end) return false;
  value = parsed;
  return true;
}

}  // namespace orvane
