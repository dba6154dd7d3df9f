#include "tests/fileio/iges_test_file.h"

#include <cstdio>

namespace {

std::string record(const std::string& data, char section, int sequence) {
  char tail[16];
  std::snprintf(tail, sizeof tail, "%c%07d", section, sequence);
  return data + std::string(data.size() < 72 ? 72 - data.size() : 0, ' ') + tail + "\r\n";
}

// Pieces of at most 64 columns, each ending after a delimiter where it can.
std::vector<std::string> pieces(std::string data, char delimiter) {
  std::vector<std::string> out;
  while (data.size() > 64) {
    std::size_t cut = data.rfind(delimiter, 63);
    cut = cut == std::string::npos ? 64 : cut + 1;
    out.push_back(data.substr(0, cut));
    data.erase(0, cut);
  }
  out.push_back(data);
  return out;
}

}  // namespace

std::string foreign_iges(const std::vector<TestEntity>& entities, const std::string& global,
                         char delimiter) {
  std::string s = record("a test file", 'S', 1), d, p;
  int g = 0;
  for (std::size_t at = 0; at < global.size(); at += 72)
    s += record(global.substr(at, 72), 'G', ++g);
  int pn = 0;
  for (std::size_t i = 0; i < entities.size(); ++i) {
    const TestEntity& e = entities[i];
    const int de = static_cast<int>(2 * i + 1);
    const auto parts = pieces(e.params, delimiter);
    char line[160];
    std::snprintf(line, sizeof line, "%8d%8d%8d%8d%8d%8d%8d%8d%8s", e.type, pn + 1, 0, 0, e.level,
                  0, e.matrix, 0, e.status.c_str());
    d += record(line, 'D', de);
    std::snprintf(line, sizeof line, "%8d%8d%8d%8d%8d", e.type, 0, e.color,
                  static_cast<int>(parts.size()), e.form);
    d += record(line, 'D', de + 1);
    for (const std::string& part : parts) {
      char pointer[16];
      std::snprintf(pointer, sizeof pointer, "%8d", de);
      p += record(part + std::string(64 - part.size(), ' ') + pointer, 'P', ++pn);
    }
  }
  char t[80];
  std::snprintf(t, sizeof t, "S%07dG%07dD%07dP%07d", 1, g, static_cast<int>(2 * entities.size()),
                pn);
  return s + d + p + record(t, 'T', 1);
}
