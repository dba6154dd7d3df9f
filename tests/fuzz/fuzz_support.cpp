#include "tests/fuzz/fuzz_support.h"

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/core.h"
#include "fileio/fileio.h"
#include "fileio/load_report.h"

namespace orvane::fuzz {

namespace {

// Scratch files live in memory where the system offers it: saving syncs the file to disk, which
// on a real disk would make every run cost milliseconds.
std::string scratch(const char* name) {
  const char* folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  return std::string(folder) + "/orvane-fuzz-" + std::to_string(::getpid()) + "-" + name;
}

void check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "inconsistent drawing: %s\n", what);
  __builtin_trap();
}

// Every stored element has a known type, finite values within the store's range and a layer
// the store allows; the table covers last_element_number; the file is closed.
void check_drawing() {
  check(!cdlinfile.IsOpen(), "file left open");
  check(last_element_number >= 0 && last_element_number < static_cast<int>(element_handle.size()),
        "table smaller than last_element_number");
  for (int n = 1; n <= last_element_number; ++n) {
    const TElement* e = lock_element(n);
    if (e == nullptr || (n == 1 && e->element_type == kNoElement)) continue;  // start-up entry
    check(e->element_type >= kPoint && e->element_type <= kArc, "unknown element type");
    for (double v : e->values)
      check(std::isfinite(v), "value not finite");
    check(std::abs(e->values[0]) <= max_element_value, "x beyond the range");
    check(e->layer >= 1 && e->layer <= 254, "layer out of range");
  }
}

// Lines of data (ended by CR LF, LF or CR, as the readers split them) longer than cap.
int64_t lines_over(const uint8_t* data, std::size_t size, std::size_t cap) {
  int64_t over = 0;
  std::size_t length = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n' || data[i] == '\r') {
      over += length > cap;
      length = 0;
      if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
    } else {
      ++length;
    }
  }
  return over + (length > cap);
}

std::size_t max_line_of(int type) {
  return type == 2 ? kDxfMaxLine : type == 3 ? kIgesMaxLine : type == 4 ? kTvgMaxLine : kCdlMaxLine;
}

}  // namespace

void load_input(const uint8_t* data, std::size_t size, int type) {
  startup();
  const std::string file = scratch("input");
  if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  cad_type = type;
  merge_cad = false;
  load_report.clear();
  make_cad(file);
  check_drawing();
  // Every line over the format's cap that the reader met is counted, and no other; the CDL
  // reader reads every line.
  const int64_t over = lines_over(data, size, max_line_of(type));
  const int64_t counted = load_report.left_out_count(kLongLine);
  check(counted <= over, "more long lines counted than the file holds");
  check(type != 1 || counted == over, "a long CDL line not counted");
  ::unlink(file.c_str());
}

void save_and_reload(int type) {
  const std::string file = scratch("saved");
  cad_type = type;
  check(save_cad(file), "saving failed");
  cad_type = type;
  make_cad(file);
  check_drawing();
  ::unlink(file.c_str());
}

}  // namespace orvane::fuzz
