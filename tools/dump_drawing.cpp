// Loads a drawing through make_cad and prints its live elements as model-space points, one
// element a line, for checks against other programs' readings of the same file:
//   P x y z                  a point
//   L x1 y1 z1 x2 y2 z2      a line
//   A x y z x y z ...        an arc (or circle) as points along it, both ends included
//   REPORT <summary>         the load report, last
//   dump_drawing <file> [cad_type]   (cad_type by extension when omitted: .dxf 2, .igs/.iges 3,
//                                     any other 1)
// Exit status 2 on bad usage, else 0; make_cad's own result (whose meaning differs between
// formats) goes to standard error.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/core.h"
#include "fileio/load_report.h"
#include "fileio/make_cad.h"

namespace {

int cad_type_for(const std::string& file) {
  const std::size_t dot = file.find_last_of('.');
  std::string ext = dot == std::string::npos ? "" : file.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (ext == "dxf") return 2;
  if (ext == "igs" || ext == "iges") return 3;
  return 1;
}

void print_point(double x, double y, double z) {
  std::printf(" %.17g %.17g %.17g", x, y, z);
}

// The model point at angle t (degrees) of an arc whose centre lies in the frame of arc view
// `view`: the frame point (u, v, d) maps through the view's coefficients. An arc outside views
// 1..90 lies in the world XY plane, as the drawing code treats it.
void print_arc_point(const orvane::TElement& e, double t) {
  const double* g = e.values;
  const double u = g[0] + g[3] * std::cos(t / orvane::kDegPerRad);
  const double v = g[1] + g[3] * std::sin(t / orvane::kDegPerRad);
  const double d = g[2];
  if (e.view < 1 || e.view > orvane::kArcViews) {
    print_point(u, v, d);
    return;
  }
  const orvane::view_entry& a = orvane::arc_view[e.view];
  print_point(a.ax * u + a.ay * v + a.az * d, a.bx * u + a.by * v + a.bz * d,
              a.cx * u + a.cy * v + a.cz * d);
}

// Points along the arc: the sweep as the drawing code takes it (counterclockwise from start
// to end, whole when they are equal), cut into steps of at most 10 degrees and never fewer
// than 16.
void print_arc(const orvane::TElement& e, bool circle) {
  const double start = circle ? 0 : e.values[4];
  const double sweep = circle ? 360 : orvane::get_arc_angle(e.values[4], e.values[5], 3);
  const int steps = std::clamp(static_cast<int>(std::ceil(std::abs(sweep) / 10)), 16, 1000);
  std::printf("A");
  for (int i = 0; i <= steps; ++i)
    print_arc_point(e, start + sweep * i / steps);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: dump_drawing <file> [cad_type]\n");
    return 2;
  }
  const std::string file = argv[1];
  orvane::startup();
  orvane::cad_type = argc == 3 ? std::atoi(argv[2]) : cad_type_for(file);
  orvane::merge_cad = false;
  const int result = orvane::make_cad(file);

  for (int n = 1; n <= orvane::last_element_number; ++n) {
    const orvane::TElement* e = orvane::lock_element(n);
    if (e == nullptr || e->deleted) continue;
    const double* g = e->values;
    switch (e->element_type) {
      case orvane::kPoint:
        std::printf("P");
        print_point(g[0], g[1], g[2]);
        std::printf("\n");
        break;
      case orvane::kLine:
        std::printf("L");
        print_point(g[0], g[1], g[2]);
        print_point(g[3], g[4], g[5]);
        std::printf("\n");
        break;
      case orvane::kArc:
        print_arc(*e, false);
        break;
      case orvane::kCircle:
        print_arc(*e, true);
        break;
      default:
        break;  // an empty record
    }
  }
  std::printf("REPORT %s\n", orvane::load_report.summary().c_str());
  std::fprintf(stderr, "make_cad %d\n", result);
  return 0;
}
