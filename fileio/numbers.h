// Numbers in drawing files: the texts the writers produce and the values the readers take.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// A value with 4 decimals, trailing zeros and a leading zero dropped: 0 -> ".0", 12.5 -> "12.5",
// -0.25 -> "-.25". Every digit is kept, however large the value.
std::string str_real(double value);
// Plain decimal with a leading minus sign for negatives.
std::string str_int(int value);
// The texts of str_real and str_int appended to out (the writers build whole lines this way).
void append_real(std::string& out, double value);
void append_int(std::string& out, int value);
// Up to 15 significant digits without trailing zeros; the exponent form ("6.1E-17", "1E15")
// below 0.0001 and from 10^15 on. The period is always the decimal separator.
std::string str_general(double value);

// The number a field's text holds, spaces ignored: a decimal real with an optional exponent
// written with "E" or with "D" (1.5D-3 is 1.5 x 10^-3). Any text that is not a well-formed finite
// number, a malformed "D" exponent included, gives 0.
double text_to_real(std::string_view text);
// The same with the verdict: false, and value untouched, for a text that is not such a number
// (junk, "inf", "nan", a value beyond the range of double).
bool checked_text_to_real(std::string_view text, double& value);
// The same for a text that holds no spaces.
double field_to_real(std::string_view field);
// The same for a text that holds neither spaces nor a "D".
double plain_to_real(std::string_view field);

// Nearest integer, halves to the even neighbour; limited to the range of int, 0 for NaN.
int round_int(double value);
// The integer part; limited to the range of int, 0 for NaN.
int trunc_int(double value);

}  // namespace orvane
