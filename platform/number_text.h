// Conversions between numbers and their texts, independent of the locale.
#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

// A decimal integer: an optional sign, then one or more digits and nothing else. Returns false
// (and leaves value alone) for any other text or a value beyond 32 bits.
bool text_to_int(std::string_view text, int32_t& value);

// A finite decimal number: an optional sign, digits with an optional point ("5", "-.5", "5."),
// an optional exponent ("1e-3"), and nothing else. Returns false (and leaves value alone) for
// any other text, for infinities and NaN, and for a value beyond the range of a double.
bool text_to_double(std::string_view text, double& value);

}  // namespace orvane
