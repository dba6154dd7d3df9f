// Conversions between numbers and their texts, independent of the locale.
#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

// A decimal integer: an optional sign, then one or more digits and nothing else. Returns false
// (and leaves value alone) for any other text or a value beyond 32 bits.
bool text_to_int(std::string_view text, int32_t& value);

}  // namespace orvane
