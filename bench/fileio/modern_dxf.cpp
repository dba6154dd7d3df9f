#include "bench/fileio/modern_dxf.h"

#include <cstdio>
#include <memory>

namespace bench {

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Elements that ten consecutive entities make: six polylines of four sides, two inserts of four
// elements, a half ellipse of nine lines and a line.
constexpr int kElementsPerTen = 6 * 4 + 2 * 4 + 9 + 1;

void pair(std::FILE* f, int code, const char* value) {
  std::fprintf(f, "%3d\n%s\n", code, value);
}
void pair(std::FILE* f, int code, double value) {
  std::fprintf(f, "%3d\n%.6f\n", code, value);
}
void pair(std::FILE* f, int code, int value) {
  std::fprintf(f, "%3d\n%d\n", code, value);
}

void head(std::FILE* f, const char* type, int& handle, const char* layer, const char* subclass) {
  pair(f, 0, type);
  std::fprintf(f, "  5\n%X\n", handle++);
  pair(f, 330, "1F");
  pair(f, 100, "AcDbEntity");
  pair(f, 8, layer);
  pair(f, 100, subclass);
}

void header_and_tables(std::FILE* f) {
  pair(f, 0, "SECTION");
  pair(f, 2, "HEADER");
  pair(f, 9, "$ACADVER");
  pair(f, 1, "AC1015");
  pair(f, 9, "$INSUNITS");
  pair(f, 70, 4);
  pair(f, 0, "ENDSEC");
  pair(f, 0, "SECTION");
  pair(f, 2, "TABLES");
  pair(f, 0, "TABLE");
  pair(f, 2, "LAYER");
  pair(f, 70, 11);
  for (int i = -1; i < 10; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, i < 0 ? "0" : "Layer%d", i);
    pair(f, 0, "LAYER");
    pair(f, 100, "AcDbSymbolTableRecord");
    pair(f, 100, "AcDbLayerTableRecord");
    pair(f, 2, name);
    pair(f, 70, 0);
    pair(f, 62, 1 + (i + 1) % 7);
    pair(f, 6, i % 3 == 0 ? "DASHED" : "CONTINUOUS");
  }
  pair(f, 0, "ENDTAB");
  pair(f, 0, "ENDSEC");
}

// Three blocks of three lines and a circle.
void blocks(std::FILE* f, int& handle) {
  pair(f, 0, "SECTION");
  pair(f, 2, "BLOCKS");
  for (int b = 0; b < 3; ++b) {
    char name[8];
    std::snprintf(name, sizeof name, "B%d", b);
    head(f, "BLOCK", handle, "0", "AcDbBlockBegin");
    pair(f, 2, name);
    pair(f, 70, 0);
    pair(f, 10, 0.5);
    pair(f, 20, 0.5);
    pair(f, 30, 0.0);
    for (int k = 0; k < 3; ++k) {
      head(f, "LINE", handle, "0", "AcDbLine");
      pair(f, 10, 0.1 * k);
      pair(f, 20, 0.0);
      pair(f, 11, 1.0);
      pair(f, 21, 0.3 * (k + b));
    }
    head(f, "CIRCLE", handle, "0", "AcDbCircle");
    pair(f, 10, 0.5);
    pair(f, 20, 0.5);
    pair(f, 40, 0.25 + 0.1 * b);
    head(f, "ENDBLK", handle, "0", "AcDbBlockEnd");
  }
  pair(f, 0, "ENDSEC");
}

void lwpolyline(std::FILE* f, int& handle, const char* layer, double x, double y) {
  head(f, "LWPOLYLINE", handle, layer, "AcDbPolyline");
  pair(f, 90, 4);
  pair(f, 70, 1);
  pair(f, 43, 0.0);
  const double corners[4][2] = {{0, 0}, {2, 0}, {2, 1}, {0, 1}};
  for (int k = 0; k < 4; ++k) {
    pair(f, 10, x + corners[k][0]);
    pair(f, 20, y + corners[k][1]);
    if (k == 1) pair(f, 42, 0.41421356);  // a quarter circle
  }
}

void insert(std::FILE* f, int& handle, const char* layer, int i, double x, double y) {
  head(f, "INSERT", handle, layer, "AcDbBlockReference");
  pair(f, 2, i % 3 == 0 ? "B0" : i % 3 == 1 ? "B1" : "B2");
  pair(f, 10, x);
  pair(f, 20, y);
  pair(f, 30, 0.0);
  pair(f, 41, 1.5);
  pair(f, 42, 1.5);
  pair(f, 43, 1.0);
  pair(f, 50, static_cast<double>(i % 360));
}

void ellipse(std::FILE* f, int& handle, const char* layer, double x, double y) {
  head(f, "ELLIPSE", handle, layer, "AcDbEllipse");
  pair(f, 10, x);
  pair(f, 20, y);
  pair(f, 30, 0.0);
  pair(f, 11, 0.5);
  pair(f, 21, 0.0);
  pair(f, 31, 0.0);
  pair(f, 40, 0.5);
  pair(f, 41, 0.0);
  pair(f, 42, 3.14159265);
}

void line(std::FILE* f, int& handle, const char* layer, double x, double y) {
  head(f, "LINE", handle, layer, "AcDbLine");
  pair(f, 10, x);
  pair(f, 20, y);
  pair(f, 30, 0.0);
  pair(f, 11, x + 3.25);
  pair(f, 21, y - 1.5);
  pair(f, 31, 0.0);
}

void entities(std::FILE* f, int& handle, int count) {
  pair(f, 0, "SECTION");
  pair(f, 2, "ENTITIES");
  for (int i = 0; i < count; ++i) {
    char layer[16];
    std::snprintf(layer, sizeof layer, "Layer%d", i % 10);
    const double x = (i % 1000) * 3.7 - 1500.0, y = (i / 1000) * 2.9 - 300.0;
    const int kind = i % 10;
    if (kind < 6) {
      lwpolyline(f, handle, layer, x, y);
    } else if (kind < 8) {
      insert(f, handle, layer, i, x, y);
    } else if (kind == 8) {
      ellipse(f, handle, layer, x, y);
    } else {
      line(f, handle, layer, x, y);
    }
  }
  pair(f, 0, "ENDSEC");
}

}  // namespace

bool write_modern_dxf(const std::string& file, int elements) {
  File f(std::fopen(file.c_str(), "w"), std::fclose);
  if (!f) return false;
  int handle = 0x100;
  header_and_tables(f.get());
  blocks(f.get(), handle);
  entities(f.get(), handle, elements / kElementsPerTen * 10);
  pair(f.get(), 0, "EOF");
  return std::ferror(f.get()) == 0;
}

}  // namespace bench
