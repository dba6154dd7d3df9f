#include "fileio/tvg_reader.h"

#include <new>
#include <string_view>

#include "core/colors.h"
#include "core/helpers.h"
#include "core/state.h"
#include "core/store.h"
#include "fileio/fields.h"
#include "fileio/read_loop.h"

namespace orvane {

namespace {

// File units per drawing unit.
constexpr double kTvgUnit = 24.4;
constexpr int kEndCode = 999;

struct Point2 {
  double x = 0;
  double y = 0;
};

double angle(Point2 from, Point2 to) {
  return get_angle_degrees(from.x, from.y, to.x, to.y);
}

class TvgRead {
 public:
  void object(std::string_view header);

 private:
  // The next record; past the end of the file it is empty and every field reads 0.
  void next() {
    cdlinfile.ReadLn(line_);
    fields_.assign(line_, 4);
  }
  void skip() { cdlinfile.ReadLn(line_); }
  Point2 at() const { return {fields_.real(5) / kTvgUnit, fields_.real(6) / kTvgUnit}; }
  Point2 point() {
    next();
    return at();
  }

  void line(Point2 p, Point2 q);
  void arc(Point2 c, double radius, double start, double end);
  void line_object();
  void circ_arc_object();
  void circle_object();
  void surface_object();
  void curve_object();

  std::string line_;
  RecordFields fields_;
};

void TvgRead::line(Point2 p, Point2 q) {
  make_element(get_new_element_number(), kLine, p.x, p.y, 0, q.x, q.y, 0, clLime, 0, 1, 0, 0);
}

void TvgRead::arc(Point2 c, double radius, double start, double end) {
  make_element(get_new_element_number(), kArc, c.x, c.y, 0, radius, start, end, clLime, 0, 1, 0, 1);
}

void TvgRead::line_object() {
  skip();
  const Point2 start = point();
  line(start, point());
}

void TvgRead::circ_arc_object() {
  skip();
  const Point2 c = point();
  const Point2 on = point();
  const Point2 s = point();
  const Point2 e = point();
  next();
  double start = angle(c, s);
  double end = angle(c, e);
  if (fields_.real(5) < 0) vtl_switch(start, end);
  arc(c, distance(c.x, c.y, on.x, on.y), start, end);
}

void TvgRead::circle_object() {
  skip();
  const Point2 c = point();
  const Point2 on = point();
  arc(c, distance(c.x, c.y, on.x, on.y), 0, 360);
}

// Code 1 gives the first point, 9 the current one, 2 a line from the current point; 999
// closes the outline back to the first point.
void TvgRead::surface_object() {
  Point2 p, first;
  int code = 0;
  while (code != kEndCode && !cdlinfile.Eof()) {
    next();
    code = fields_.rounded(2);
    if (code == 1) {
      first = at();
    } else if (code == 9) {
      p = at();
    } else if (code == 2) {
      line(p, at());
    } else if (code == kEndCode) {
      line(p, first);
    }
  }
}

// Code 1 starts at a point, 2 draws a line to one, 9 moves on, and 102 bends the segment from
// the current to the second point into an arc by its bulge factors.
void TvgRead::curve_object() {
  Point2 p, q;
  int code = 0;
  while (code != kEndCode && !cdlinfile.Eof()) {
    next();
    code = fields_.rounded(2);
    if (code == 1) {
      p = at();
    } else if (code == 2) {
      q = at();
      line(p, q);
    } else if (code == 9) {
      p = q;
      q = at();
    } else if (code == 102) {
      const double b1 = fields_.real(5);
      const double b2 = fields_.real(6);
      const Point2 c{(p.x + q.x) * 0.5 - (q.y - p.y) * b2, (p.y + q.y) * 0.5 + (q.x - p.x) * b2};
      double start = angle(c, p);
      double end = angle(c, q);
      if (b1 < 0) vtl_switch(start, end);
      arc(c, distance(c.x, c.y, q.x, q.y), start, end);
      p = q;
    }
  }
}

void TvgRead::object(std::string_view header) {
  if (header.find("Drawing & Dimension") != std::string_view::npos) {
    skip();
  } else if (header.find("OBJ Surface") != std::string_view::npos) {
    surface_object();
  } else if (header.find("OBJ Line") != std::string_view::npos) {
    line_object();
  } else if (header.find("OBJ CircArc") != std::string_view::npos) {
    circ_arc_object();
  } else if (header.find("OBJ Circle") != std::string_view::npos) {
    circle_object();
  } else if (header.find("OBJ Curve") != std::string_view::npos) {
    curve_object();
  }
}

}  // namespace

int read_tvg4(const std::string& name) {
  int code = cdlinfile.Reset(name);
  if (code != 0) code = cdlinfile.Reset(name);
  if (code != 0) return code;
  if (!merge_cad) destroy_all_elements();
  TvgRead read;
  std::string header;
  run_read_loop(
      [&] {
        while (!cdlinfile.Eof() && !mem_full && !abort2) {
          cdlinfile.ReadLn(header);
          read.object(header);
        }
      },
      [] {});
  return 0;
}

}  // namespace orvane
