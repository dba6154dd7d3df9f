#include "fileio/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

// Text of a finite decimal real with nothing around it; false for anything else.
inline bool parse_plain(std::string_view s, double& value) {
  if (s.empty()) return false;
  if (s.front() == '+') {
    s.remove_prefix(1);
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) return false;
  }
  if (s.empty()) return false;
  double v = 0;
  const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(v)) return false;
  value = v;
  return true;
}

// mantissa x 10^exponent into value; false when either part is not a number or the result is not
// finite. A whole exponent on a mantissa without one of its own is handed to the decimal parser,
// so that 1.5D-3 is exactly the double of 1.5E-3; otherwise (1D2.5, 1E2D1) the exponent is
// applied as a power of ten.
bool with_d_exponent(std::string_view mantissa, std::string_view exponent, double& value) {
  double m = 0;
  double e = 0;
  if (!parse_plain(mantissa, m) || !parse_plain(exponent, e)) return false;
  const bool plain_mantissa = mantissa.find_first_of("eE") == std::string_view::npos;
  if (plain_mantissa && e == std::trunc(e) && std::abs(e) < 100000 && mantissa.size() < 400) {
    char text[420];
    char* end = std::copy(mantissa.begin(), mantissa.end(), text);
    *end++ = 'e';
    end = std::to_chars(end, text + sizeof text, static_cast<int>(e)).ptr;
    return parse_plain(std::string_view(text, end - text), value);
  }
  const double v = m * std::pow(10.0, e);
  if (!std::isfinite(v)) return false;
  value = v;
  return true;
}

// A field without spaces, with an optional "D" exponent.
bool parse_field(std::string_view field, double& value) {
  const std::size_t d = field.find('D');
  if (d != std::string_view::npos) {
    return with_d_exponent(field.substr(0, d), field.substr(d + 1), value);
  }
  return parse_plain(field, value);
}

template <class T>
int to_int_range(T v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<T>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (v <= static_cast<T>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

}  // namespace

void append_real(std::string& out, double value) {
  // Fixed notation of a double needs at most 309 digits, a sign, the point and 4 decimals.
  char text[330];
  char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 4).ptr;
  std::string_view s(text, static_cast<std::size_t>(end - text));
  if (s.find('.') != std::string_view::npos) {
    while (s.back() == '0')
      s.remove_suffix(1);
    if (s.back() == '.') s = std::string_view(s.data(), s.size() + 1);  // one zero stays
  }
  if (s == "-0.0") s.remove_prefix(1);  // a value that rounds to zero has no sign
  if (s.size() > 1 && s[0] == '0' && s[1] == '.') {
    s.remove_prefix(1);
  } else if (s.size() > 2 && s[0] == '-' && s[1] == '0' && s[2] == '.') {
    out += '-';
    s.remove_prefix(2);
  }
  out.append(s);
}

void append_int(std::string& out, int value) {
  char text[16];
  const char* end = std::to_chars(text, text + sizeof text, value).ptr;
  out.append(text, static_cast<std::size_t>(end - text));
}

std::string str_real(double value) {
  std::string out;
  append_real(out, value);
  return out;
}

std::string str_int(int value) {
  std::string out;
  append_int(out, value);
  return out;
}

std::string str_general(double value) {
  if (value == 0) return "0";
  char text[40];
  const char* end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15).ptr;
  const std::string_view s(text, end - text);
  const std::size_t e = s.find('e');
  if (e == std::string_view::npos) return std::string(s);
  // "6.1e-17" -> "6.1E-17", "1e+15" -> "1E15".
  std::string out(s.substr(0, e));
  out += 'E';
  std::string_view exponent = s.substr(e + 1);
  if (exponent.front() == '-') out += '-';
  if (exponent.front() == '-' || exponent.front() == '+') exponent.remove_prefix(1);
  while (exponent.size() > 1 && exponent.front() == '0')
    exponent.remove_prefix(1);
  out += exponent;
  return out;
}

double plain_to_real(std::string_view field) {
  double v = 0;
  return parse_plain(field, v) ? v : 0;
}

double field_to_real(std::string_view field) {
  double v = 0;
  return parse_field(field, v) ? v : 0;
}

bool checked_text_to_real(std::string_view text, double& value) {
  if (text.find(' ') == std::string_view::npos) return parse_field(text, value);
  char small[64];
  std::string large;
  char* packed = small;
  if (text.size() > sizeof small) {
    large.resize(text.size());
    packed = large.data();
  }
  std::size_t n = 0;
  for (char c : text) {
    if (c != ' ') packed[n++] = c;
  }
  return parse_field(std::string_view(packed, n), value);
}

double text_to_real(std::string_view text) {
  double v = 0;
  return checked_text_to_real(text, v) ? v : 0;
}

int round_int(double value) {
  return to_int_range(std::nearbyint(value));
}

int trunc_int(double value) {
  return to_int_range(std::trunc(value));
}

}  // namespace orvane
