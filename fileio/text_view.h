// Small operations on texts read from drawing files.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace orvane {

inline bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

// s without the spaces and tabs at its end.
inline std::string_view trim_end(std::string_view s) {
  while (!s.empty() && is_blank(s.back()))
    s.remove_suffix(1);
  return s;
}

// s without the spaces and tabs at either end.
inline std::string_view trim(std::string_view s) {
  s = trim_end(s);
  while (!s.empty() && is_blank(s.front()))
    s.remove_prefix(1);
  return s;
}

// s in capitals (ASCII), for names that files write in any case.
inline std::string upper(std::string_view s) {
  std::string u(s);
  for (char& c : u)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

}  // namespace orvane
