#include "calc/errors.h"

#include <array>
#include <charconv>

#include "core/state.h"

namespace orvane::calc {

namespace {

struct CodeText {
  int code;
  std::string_view text;
};

// The platform's file and device errors that have a fixed text.
constexpr std::array<CodeText, 33> kIoTexts{{
    {2, "FILE NOT FOUND"},
    {3, "PATH NOT FOUND"},
    {5, "FILE ACCESS DENIED"},
    {6, "Library Requires Seperate Data Segments"},
    {10, "Wrong Windows Version"},
    {11, "Invalid .EXE File"},
    {12, "OS/2 Application"},
    {13, "Dos 4.0 Application"},
    {14, "Unknown .EXE Type"},
    {15, "Earlier Windows Version"},
    {16, "Can't Load Second Instance"},
    {17, "EMS Error on Second Loading"},
    {18, "Can't Load Protected Mode Program"},
    {32, "Sharing Violation"},
    {100, "ATTEMPT TO READ PAST END OF FILE"},
    {101, "DISK IS FULL"},
    {102, "FILE NOT ASSIGNED"},
    {104, "FILE NOT OPEN FOR INPUT"},
    {105, "FILE NOT OPEN FOR OUTPUT"},
    {106, "INVALID NUMERIC FORMAT"},
    {150, "DISK IS WRITE PROTECTED"},
    {151, "UNKNOWN DRIVE"},
    {152, "DRIVE NOT READY"},
    {153, "UNKNOWN COMMAND"},
    {154, "CRC ERROR IN DATA"},
    {155, "BAD DRIVE REQUEST STRUCTURE LENGTH"},
    {156, "DISK SEEK ERROR"},
    {157, "UNKNOWN MEDIA TYPE"},
    {158, "SECTOR NOT FOUND"},
    {159, "PRINTER OUT OF PAPER"},
    {160, "DEVICE WRITE FAULT"},
    {161, "DEVICE READ FAULT"},
    {162, "HARDWARE FAILURE"},
}};

bool is_no_error(int code) {
  return code == 0 || code == 103;
}

}  // namespace

std::string error_text2(int code) {
  if (is_no_error(code)) return {};
  if (code >= kParallelLines && code <= kPointsOnSameLine) {
    return calcerrstr[static_cast<std::size_t>(code - kParallelLines)];
  }
  for (const CodeText& entry : kIoTexts) {
    if (entry.code == code) return std::string(entry.text);
  }
  return "I/O Error " + str_int2(code);
}

int CHECK_ERROR2(int code) {
  // The common case, no error, costs no text.
  if (is_no_error(code)) return 0;
  return error_box2(error_text2(code));
}

int error_box2(std::string_view /*text*/) {
  return 0;
}

std::string str_real2(double x) {
  // Wide enough for any double in fixed notation with 4 decimals. Unlike a 15-character text,
  // it never cuts digits off a large number.
  std::array<char, 400> buf{};
  const auto [end, ec] =
      std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed, 4);
  std::string text = ec == std::errc() ? std::string(buf.data(), end) : std::string("0.0000");
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.push_back('0');
  }
  if (text.starts_with('0')) {
    text.erase(0, 1);
  } else if (text.starts_with("-0")) {
    text.erase(1, 1);
  }
  return text;
}

std::string str_int2(int n) {
  std::array<char, 16> buf{};
  const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), n);
  return std::string(buf.data(), ec == std::errc() ? end : buf.data());
}

}  // namespace orvane::calc
