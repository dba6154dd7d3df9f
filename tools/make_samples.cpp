// Writes the sample drawings into the folder given as the argument (samples/ of the project):
//   bracket.cdl  an angle bracket in 3D: lines, points, and arcs in the top, front and side
//                arc views
//   bracket.dxf  the same bracket; the front and side arcs carry their extrusion direction and
//                the pocket on the base is a closed POLYLINE
//   bracket.igs  the same bracket; IGES arcs lie in the XY plane, so the front and side arcs
//                are written as chains of short lines
//   plate.tvg    a flat plate with one object of every TVG kind
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "core/core.h"
#include "fileio/fileio.h"

namespace {

using orvane::TColor;

struct P {
  double x, y, z;
};

// An arc as the element store holds it: the centre in the coordinates of its arc view.
struct Arc {
  P center;
  double radius, start, end;
  int view;
  TColor color;
  int layer;
};

enum class ArcsOffTop { kKeep, kSkip, kChords };

// Makes the bracket's elements; arcs outside the top view are kept, left out (and listed) or
// replaced by chords.
class BracketMaker {
 public:
  explicit BracketMaker(ArcsOffTop mode, bool with_pocket) : mode_(mode), pocket_(with_pocket) {}
  void make();
  const std::vector<Arc>& skipped() const { return skipped_; }

 private:
  void line(P a, P b, TColor color, int layer);
  void arc(const Arc& a);
  void point(P p, TColor color, int layer);
  void base();
  void upright();
  void fillet();

  ArcsOffTop mode_;
  bool pocket_;
  std::vector<Arc> skipped_;
};

// The model point of an arc at angle t: the arc view turns the arc's plane into place.
P arc_point(const Arc& a, double t) {
  const orvane::view_entry& v = orvane::arc_view[a.view];
  const double u = a.center.x + a.radius * std::cos(t / orvane::kDegPerRad);
  const double p = a.center.y + a.radius * std::sin(t / orvane::kDegPerRad);
  const double d = a.center.z;
  return {v.ax * u + v.ay * p + v.az * d, v.bx * u + v.by * p + v.bz * d,
          v.cx * u + v.cy * p + v.cz * d};
}

void BracketMaker::line(P a, P b, TColor color, int layer) {
  orvane::make_element(orvane::get_new_element_number(), orvane::kLine, a.x, a.y, a.z, b.x, b.y,
                       b.z, color, 1, layer, 0, 0);
}

void BracketMaker::point(P p, TColor color, int layer) {
  orvane::make_element(orvane::get_new_element_number(), orvane::kPoint, p.x, p.y, p.z, 0, 0, 0,
                       color, 0, layer, 0, 0);
}

void BracketMaker::arc(const Arc& a) {
  if (a.view != 1 && mode_ == ArcsOffTop::kSkip) {
    skipped_.push_back(a);
    return;
  }
  if (a.view != 1 && mode_ == ArcsOffTop::kChords) {
    const double sweep = a.end > a.start ? a.end - a.start : a.end + 360 - a.start;
    const int chords = static_cast<int>(std::lround(sweep / 15));
    for (int i = 0; i < chords; ++i) {
      line(arc_point(a, a.start + sweep * i / chords),
           arc_point(a, a.start + sweep * (i + 1) / chords), a.color, a.layer);
    }
    return;
  }
  orvane::make_element(orvane::get_new_element_number(), orvane::kArc, a.center.x, a.center.y,
                       a.center.z, a.radius, a.start, a.end, a.color, 1, a.layer, 0, a.view);
}

// The base plate: 60 x 40 x 5 with rounded front corners, a hole and a rectangular pocket.
void BracketMaker::base() {
  using namespace orvane;
  for (double z : {0.0, 5.0}) {
    line({8, 0, z}, {52, 0, z}, clLime, 1);
    line({60, 8, z}, {60, 40, z}, clLime, 1);
    line({60, 40, z}, {0, 40, z}, clLime, 1);
    line({0, 40, z}, {0, 8, z}, clLime, 1);
    arc({{8, 8, z}, 8, 180, 270, 1, clLime, 1});
    arc({{52, 8, z}, 8, 270, 360, 1, clLime, 1});
    arc({{30, 18, z}, 6, 0, 360, 1, clRed, 3});
  }
  for (P p : std::initializer_list<P>{
           {8, 0, 0}, {52, 0, 0}, {60, 8, 0}, {60, 40, 0}, {0, 40, 0}, {0, 8, 0}})
    line(p, {p.x, p.y, 5}, clLime, 1);
  if (pocket_) {
    line({22, 26, 5}, {38, 26, 5}, clYellow, 3);
    line({38, 26, 5}, {38, 32, 5}, clYellow, 3);
    line({38, 32, 5}, {22, 32, 5}, clYellow, 3);
    line({22, 32, 5}, {22, 26, 5}, clYellow, 3);
  }
  point({30, 18, 5}, clWhite, 3);
}

// The upright: 5 thick at the back, straight up to z = 50, then a half round of radius 30 in the
// front view, with a hole of radius 10.
void BracketMaker::upright() {
  using namespace orvane;
  line({0, 35, 5}, {0, 35, 50}, clAqua, 2);
  line({60, 35, 5}, {60, 35, 50}, clAqua, 2);
  line({0, 35, 5}, {60, 35, 5}, clAqua, 2);
  line({0, 40, 0}, {0, 40, 50}, clAqua, 2);
  line({60, 40, 0}, {60, 40, 50}, clAqua, 2);
  for (double y : {35.0, 40.0}) {
    // Front view: local (x, z, -y).
    arc({{30, 50, -y}, 30, 0, 180, 2, clAqua, 2});
    arc({{30, 50, -y}, 10, 0, 360, 2, clRed, 3});
    point({30, y, 50}, clWhite, 3);
  }
  for (P p : std::initializer_list<P>{{0, 35, 50}, {60, 35, 50}, {30, 35, 80}})
    line(p, {p.x, 40, p.z}, clAqua, 2);
}

// The fillet between the base and the upright, a quarter round in the side view at both ends.
void BracketMaker::fillet() {
  using namespace orvane;
  for (double x : {0.0, 60.0})
    arc({{29, 11, x}, 6, 270, 360, 3, clYellow, 2});  // local (y, z, x)
  line({0, 29, 5}, {60, 29, 5}, clYellow, 2);
  line({0, 35, 11}, {60, 35, 11}, clYellow, 2);
}

void BracketMaker::make() {
  orvane::startup();
  orvane::arc_view[4].defined = false;  // the bracket uses the top, front and side planes
  base();
  upright();
  fillet();
}

bool save(const char* file, int cad_type) {
  orvane::cad_type = cad_type;
  const bool ok = orvane::save_cad(file);
  if (!ok) std::fprintf(stderr, "make_samples: cannot write %s\n", file);
  return ok;
}

std::string number(double v) {
  return orvane::str_real(v);
}

// The group lines of an arc in a plane of its own, with the extrusion direction of that plane.
void dxf_arc(std::vector<std::string>& out, const Arc& a) {
  const char* extrusion[3] = {"0.0", "-1.0", "0.0"};            // front view
  if (a.view == 3) extrusion[0] = "1.0", extrusion[1] = "0.0";  // side view
  const std::vector<std::string> groups = {"ARC",
                                           "8",
                                           orvane::str_int(a.layer),
                                           "10",
                                           number(a.center.x),
                                           "20",
                                           number(a.center.y),
                                           "30",
                                           number(a.center.z),
                                           "40",
                                           number(a.radius),
                                           "50",
                                           number(a.start),
                                           "51",
                                           number(a.end),
                                           "62",
                                           orvane::str_int(orvane::get_dxf_color(a.color)),
                                           "210",
                                           extrusion[0],
                                           "220",
                                           extrusion[1],
                                           "230",
                                           extrusion[2],
                                           "0"};
  out.insert(out.end(), groups.begin(), groups.end());
}

// The pocket as a closed polyline of four vertices.
void dxf_pocket(std::vector<std::string>& out) {
  const std::vector<std::string> header = {"POLYLINE", "8",  "3",  "66", "1",  "70",  "1",
                                           "10",       ".0", "20", ".0", "30", "5.0", "0"};
  out.insert(out.end(), header.begin(), header.end());
  for (P p : std::initializer_list<P>{{22, 26, 5}, {38, 26, 5}, {38, 32, 5}, {22, 32, 5}}) {
    const std::vector<std::string> vertex = {"VERTEX",    "8",  "3",         "10",
                                             number(p.x), "20", number(p.y), "30",
                                             number(p.z), "62", "2",         "0"};
    out.insert(out.end(), vertex.begin(), vertex.end());
  }
  const std::vector<std::string> end = {"SEQEND", "8", "3", "62", "2", "0"};
  out.insert(out.end(), end.begin(), end.end());
}

// The DXF writer's file with the front and side arcs and the pocket added before its end.
bool write_bracket_dxf(const char* file) {
  BracketMaker maker(ArcsOffTop::kSkip, false);
  maker.make();
  if (!save(file, 2)) return false;
  std::vector<std::string> lines;
  orvane::TextFile in;
  if (in.Reset(file) != 0) return false;
  while (!in.Eof())
    lines.push_back(in.ReadLn());
  in.Close();
  // The writer ends with "ENDSEC", "0", "EOF"; the "0" before them opens the next entity.
  if (lines.size() < 3 || lines[lines.size() - 3] != "ENDSEC") return false;
  lines.resize(lines.size() - 3);
  for (const Arc& a : maker.skipped())
    dxf_arc(lines, a);
  dxf_pocket(lines);
  for (const char* tail : {"ENDSEC", "0", "EOF"})
    lines.emplace_back(tail);
  orvane::AtomicTextWriter out;
  if (!out.Open(file)) return false;
  for (const std::string& l : lines)
    out.WriteLn(l);
  return out.Commit();
}

// One TVG point record: code in field 2, the point in file units (24.4 per drawing unit) in
// fields 5 and 6.
std::string tvg(int code, double x, double y) {
  return "0," + orvane::str_int(code) + ",0,0," + number(x * 24.4) + "," + number(y * 24.4) + ";";
}

bool write_plate_tvg(const char* file) {
  const std::vector<std::string> lines = {
      "Drawing & Dimension", "PLATE 100 x 60",
      // The outline: first point, then lines from each current point, closed by 999.
      "OBJ Surface", tvg(1, 0, 0), tvg(9, 0, 0), tvg(2, 100, 0), tvg(9, 100, 0), tvg(2, 100, 60),
      tvg(9, 100, 60), tvg(2, 0, 60), tvg(9, 0, 60), tvg(999, 0, 0),
      // Two holes: centre and a point on the circle.
      "OBJ Circle", "HOLE", tvg(0, 20, 30), tvg(0, 28, 30), "OBJ Circle", "HOLE", tvg(0, 80, 30),
      tvg(0, 88, 30),
      // A half round of radius 15 over the middle: centre, circle point, start, end, direction.
      "OBJ CircArc", "ARC", tvg(0, 50, 30), tvg(0, 65, 30), tvg(0, 65, 30), tvg(0, 35, 30),
      "0,0,0,0,1,0;",
      // The centre line.
      "OBJ Line", "CENTRE", tvg(0, 50, 5), tvg(0, 50, 55),
      // A slot of two straight sides and two half rounds (code 102, bulge factors 1 and 0).
      "OBJ Curve", tvg(1, 40, 10), tvg(2, 60, 10), tvg(9, 60, 20), "0,102,0,0,1,0;", tvg(2, 40, 20),
      tvg(9, 40, 10), "0,102,0,0,1,0;", tvg(999, 0, 0)};
  orvane::AtomicTextWriter out;
  if (!out.Open(file)) return false;
  for (const std::string& l : lines)
    out.WriteLn(l);
  return out.Commit();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || chdir(argv[1]) != 0) {
    std::fprintf(stderr, "usage: make_samples <folder>\n");
    return 2;
  }
  // Relative names: the IGES start record holds the file name.
  BracketMaker(ArcsOffTop::kKeep, true).make();
  bool ok = save("bracket.cdl", 1);
  ok = write_bracket_dxf("bracket.dxf") && ok;
  BracketMaker(ArcsOffTop::kChords, true).make();
  ok = save("bracket.igs", 3) && ok;
  ok = write_plate_tvg("plate.tvg") && ok;
  orvane::startup();
  return ok ? 0 : 1;
}
