#include "bench/fileio/drawing_generator.h"

#include <stdlib.h>

#include <filesystem>

#include "core/core.h"
#include "fileio/fileio.h"

namespace bench {

void make_drawing(int n) {
  using namespace orvane;
  startup();
  const TColor colors[] = {clRed, clLime, clBlue, clYellow, clAqua, clWhite, clGreen};
  for (int i = 0; i < n; ++i) {
    const double x = (i % 1000) * 0.37 - 150.125;
    const double y = (i % 997) * 0.41 - 200.5;
    const double z = (i % 13) * 2.5;
    const TColor color = colors[i % 7];
    const int layer = 1 + i % 20;
    const int number = get_new_element_number();
    switch (i % 10) {
      case 0:
      case 1:
        make_element(number, kPoint, x, y, z, 0, 0, 0, color, 0, layer, 0, 0);
        break;
      case 2:
      case 3:
      case 4:
        make_element(number, kArc, x, y, z, 1.5 + (i % 7), (i % 36) * 10.0, 200.0 + (i % 16), color,
                     1, layer, 0, 1);
        break;
      default:
        make_element(number, kLine, x, y, z, y * 0.5, x + 12.75, z + 1, color, 1, layer, 0, 0);
        break;
    }
  }
}

namespace {

struct Scratch {
  Scratch() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "orvane-file-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) folder = pattern;
  }
  ~Scratch() {
    std::error_code ignored;
    if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
  }
  std::string folder;
};

}  // namespace

const std::string& scratch_folder() {
  static const Scratch scratch;
  return scratch.folder;
}

std::string drawing_file(const char* name, int cad_type) {
  static bool tried[4] = {};
  const std::string file = scratch_folder() + "/drawing." + name;
  if (cad_type < 1 || cad_type > 3) return {};
  if (!tried[cad_type]) {
    tried[cad_type] = true;
    make_drawing(kFileElements);
    orvane::cad_type = cad_type;
    orvane::save_cad(file);
    orvane::startup();
  }
  return std::filesystem::exists(file) ? file : std::string();
}

}  // namespace bench
