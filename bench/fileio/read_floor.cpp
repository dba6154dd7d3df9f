#include "bench/fileio/read_floor.h"

#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <cstring>
#include <string_view>
#include <vector>

namespace bench {

namespace {

bool separator(char c) {
  return c == ',' || c == ';' || c == ' ';
}

long convert_fields(std::string_view line) {
  long numbers = 0;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && separator(line[i]))
      ++i;
    std::size_t end = i;
    while (end < line.size() && !separator(line[end]))
      ++end;
    if (end > i) {
      double value = 0;
      const auto [ptr, ec] = std::from_chars(line.data() + i, line.data() + end, value);
      if (ec == std::errc()) ++numbers;
    }
    i = end;
  }
  return numbers;
}

}  // namespace

long read_floor(const std::string& file) {
  const int fd = ::open(file.c_str(), O_RDONLY);
  if (fd < 0) return -1;
  std::vector<char> buffer(1 << 18);
  std::string carry;  // a line cut at the end of a block
  long numbers = 0;
  for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;) {
    std::string_view block(buffer.data(), static_cast<std::size_t>(n));
    for (std::size_t lf; (lf = block.find('\n')) != std::string_view::npos;) {
      std::string_view line = block.substr(0, lf);
      if (!carry.empty()) {
        carry.append(line);
        line = carry;
      }
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      numbers += convert_fields(line);
      carry.clear();
      block.remove_prefix(lf + 1);
    }
    carry.append(block);
  }
  numbers += convert_fields(carry);
  ::close(fd);
  return numbers;
}

}  // namespace bench
