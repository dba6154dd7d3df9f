// The calculation error codes, their texts, and the one path by which an error would reach the
// user. No routine of the calculator shows anything: error_box2 answers 0 and displays nothing.
#pragma once

#include <string>
#include <string_view>

namespace orvane::calc {

inline constexpr int kParallelLines = 902;
inline constexpr int kUndefinedLine = 903;
inline constexpr int kArcDoesNotIntersect = 904;
inline constexpr int kRadiusDoesNotIntersect = 905;
inline constexpr int kConcentricCircles = 906;
inline constexpr int kCantAllocateMemory = 907;
inline constexpr int kPointsOnSameLine = 908;

// The text of an error code: the calculation texts for 902..908, the fixed texts of the file and
// device errors, "" for 0 and 103 (no error), and "I/O Error <code>" for any other code.
std::string error_text2(int code);

// Hands the text of a code to error_box2 and answers what it answers; 0 and 103 report nothing
// and answer 0.
int CHECK_ERROR2(int code);
// Where a calculation message would reach the user: shows nothing and answers 0.
int error_box2(std::string_view text);

// X with 4 decimals, trailing zeros removed (one kept after the point), and the leading zero of
// the integer part dropped: 0.5 -> ".5", 2 -> "2.0", -0.25 -> "-.25".
std::string str_real2(double x);
std::string str_int2(int n);

}  // namespace orvane::calc
