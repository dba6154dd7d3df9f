#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "core/helpers.h"
#include "core/state.h"
#include "core/store.h"
#include "fileio/iges.h"
#include "fileio/iges_records.h"
#include "fileio/numbers.h"

namespace orvane {

namespace {

using iges::append_field;

constexpr std::string_view kStatus = "00000000";
constexpr std::string_view kMatrixParameters = "124,1.,0.,0.,0.,0.,1.,0.,0.,0.,0.,1.,0.;";

// IGES entity type of an element that is written, 0 for one that is not.
int entity_type(const TElement& e) {
  if (e.deleted) return 0;
  switch (e.element_type) {
    case kPoint:
      return 116;
    case kLine:
      return 110;
    case kArc:
      return 100;
    default:
      return 0;
  }
}

void append_reals(std::string& out, const double* values, int count) {
  for (int i = 0; i < count; ++i) {
    out += ',';
    append_real(out, values[i]);
  }
}

// A value as it reads back from the file: rounded to the written decimals.
double as_written(double value) {
  std::string text;
  append_real(text, value);
  return text_to_real(text);
}

// The end point of an arc of centre (cx, cy) and radius r at angle a (degrees), as written.
void arc_point(double cx, double cy, double r, double a, double& x, double& y) {
  x = as_written(cx + r * std::cos(a / kDegPerRad));
  y = as_written(cy + r * std::sin(a / kDegPerRad));
}

// The written end point of an arc, settled so that a save of the file's reading writes it
// again: the reader takes the radius from the centre and start point and the end angle from
// the end point, and a rounded end point off that radius would otherwise move on every save.
// The point is replaced by the one such a save would write until it writes itself (a few
// steps, each within the written precision of the arc).
void settle_end(double cx, double cy, double sx, double sy, double& ex, double& ey) {
  cx = as_written(cx);
  cy = as_written(cy);
  const double r = distance(cx, cy, sx, sy);
  for (int step = 0; step < 4; ++step) {
    double x = 0, y = 0;
    arc_point(cx, cy, r, get_angle_degrees(cx, cy, ex, ey), x, y);
    if (x == ex && y == ey) return;
    ex = x;
    ey = y;
  }
}

// The parameter data of a written element, from its entity type to the closing semicolon.
void append_parameters(std::string& out, const TElement& e, int type) {
  const double* g = e.values;
  out.clear();
  append_int(out, type);
  if (type == 100) {
    double sx = 0, sy = 0, ex = 0, ey = 0;
    arc_point(g[0], g[1], g[3], g[4], sx, sy);
    arc_point(g[0], g[1], g[3], g[5], ex, ey);
    if (sx != ex || sy != ey) settle_end(g[0], g[1], sx, sy, ex, ey);
    const double arc[7] = {g[2], g[0], g[1], sx, sy, ex, ey};
    append_reals(out, arc, 7);
  } else {
    append_reals(out, g, type == 116 ? 3 : 6);
  }
  out += ';';
}

// Directory fields hold 8 columns. A layer or line type that needs more (possible only for
// values set directly by a host) is written as what the reader makes of it anyway.
bool fits_field(int value) {
  return value >= -9999999 && value <= 99999999;
}
int layer_field(int layer) {
  return fits_field(layer) ? layer : layer % 256;
}
int line_type_field(int line_type) {
  return fits_field(line_type) ? line_type : 1;
}

// An arc drawn in a view other than the top one is placed by the view's rotation.
bool in_tilted_view(const TElement& e) {
  return e.element_type == kArc && e.view >= 2 && e.view <= kArcViews && arc_view[e.view].defined;
}

// The 124 matrix of an arc view: its rows map the view's (u, v, d) to the model, no translation.
std::string view_matrix(int view) {
  const view_entry& w = arc_view[view];
  const double rows[12] = {w.ax, w.ay, w.az, 0, w.bx, w.by, w.bz, 0, w.cx, w.cy, w.cz, 0};
  std::string out = "124";
  append_reals(out, rows, 12);
  out += ';';
  return out;
}

class IgesWriter {
 public:
  explicit IgesWriter(AtomicTextWriter& file) : file_(file) {}

  // False when the drawing needs more records than the sequence numbers can count.
  bool write(const std::string& file_name) {
    find_views();
    write_start(file_name);
    write_global();
    write_matrix_directory();
    if (!directory_pass()) return false;
    if (!view_directory()) return false;
    parameter_record(kMatrixParameters, 1);
    parameter_pass();
    view_parameters();
    write_terminate();
    return true;
  }

 private:
  void record(std::string_view left, char section, int sequence) {
    right_.assign(1, section);
    right_ += zero_pad(sequence, 7);
    write_iges_record(file_, left, right_);
  }

  void write_start(const std::string& file_name) {
    std::string name = file_name.size() > 70 ? file_name.substr(file_name.size() - 70) : file_name;
    for (char& c : name) {
      if (static_cast<unsigned char>(c) < 0x20) c = ' ';  // a line end would break the record
    }
    record(name, 'S', 1);
  }

  void write_global() {
    std::string g1 = "1H,,1H;,,,6HTAVREN,1H1,16,8,24,8,56,,1.,";
    g1 += metric_machine ? "2,2HMM" : "1,4HINCH";
    g1 += ",1,0.01,";
    record(g1, 'G', 1);
    record("13H850101.010000,1.000000000E-04,100.,,;", 'G', 2);
  }

  void write_matrix_directory() {
    std::string d;
    for (int v : {124, 1, 1, 1, 1})
      append_field(d, v);
    d += blanks(8);
    append_field(d, 0);
    d += blanks(8);
    d += kStatus;
    record(d, 'D', 1);
    d.clear();
    for (int v : {124, 0, 3, 1})
      append_field(d, v);
    record(d, 'D', 2);
    directory_count_ = 2;
  }

  // The arc views other than the top one that written arcs use, each with the directory number
  // of its matrix: the matrices follow the elements, so that elements keep their numbers.
  void find_views() {
    int count = 0;
    each_entity([&](const TElement& e, int) {
      ++count;
      if (in_tilted_view(e) && matrix_of_view_[e.view] == 0) {
        views_.push_back(e.view);
        matrix_of_view_[e.view] = 1;
      }
      return true;
    });
    for (std::size_t k = 0; k < views_.size(); ++k) {
      matrix_of_view_[views_[k]] = 2 * count + 3 + 2 * static_cast<int>(k);
    }
  }

  // A matrix entry per view; its subscript number tells the view, so that the drawing reads
  // back with the same views.
  bool view_directory() {
    for (int view : views_) {
      if (directory_count_ + 2 > iges::kMaxSequence) return false;
      const int pieces = iges::split_parameters(view_matrix(view), [](std::string_view) {});
      std::string d;
      for (int v : {124, next_parameter_, 1, 1, 0, 0, 0})
        append_field(d, v);
      d += blanks(8);
      d += kStatus;
      record(d, 'D', ++directory_count_);
      d.clear();
      for (int v : {124, 0, 3, pieces, 0})
        append_field(d, v);
      d += blanks(24);
      append_field(d, view);
      record(d, 'D', ++directory_count_);
      if (next_parameter_ > iges::kMaxSequence - pieces) return false;
      next_parameter_ += pieces;
    }
    return true;
  }

  void view_parameters() {
    for (int view : views_) {
      iges::split_parameters(view_matrix(view), [&](std::string_view piece) {
        parameter_record(piece, matrix_of_view_[view]);
      });
    }
  }

  // Two directory records per element; each points to the element's first parameter record
  // and gives how many there are.
  bool directory_pass() {
    int parameter = 2;
    return each_entity([&](const TElement& element, int type) {
      if (directory_count_ + 2 > iges::kMaxSequence) return false;
      append_parameters(data_, element, type);
      const int pieces = iges::split_parameters(data_, [](std::string_view) {});
      write_directory(element, type, parameter, pieces);
      if (parameter > iges::kMaxSequence - pieces) return false;
      parameter += pieces;
      next_parameter_ = parameter;
      return true;
    });
  }

  // Calls visit(element, entity type) for every element the file holds, in number order, and
  // stops at the first false it answers.
  template <class Visit>
  static bool each_entity(Visit visit) {
    for (int n = 1; n <= last_element_number; ++n) {
      const TElement* e = lock_element(n);
      if (e == nullptr) continue;
      const TElement element = *e;
      globalunlock(element_handle[n]);
      const int type = entity_type(element);
      if (type != 0 && !visit(element, type)) return false;
    }
    return true;
  }

  void write_directory(const TElement& e, int type, int parameter, int pieces) {
    std::string d;
    const int matrix = in_tilted_view(e) ? matrix_of_view_[e.view] : 0;
    for (int v : {type, parameter, 1, line_type_field(e.line_type), 0, 0, matrix})
      append_field(d, v);
    d += blanks(8);
    d += kStatus;
    record(d, 'D', ++directory_count_);
    d.clear();
    for (int v : {type, 0, get_iges_color(e.color), pieces, layer_field(e.layer)}) {
      append_field(d, v);
    }
    record(d, 'D', ++directory_count_);
  }

  void parameter_pass() {
    int directory = 1;
    each_entity([&](const TElement& element, int type) {
      directory += 2;
      append_parameters(data_, element, type);
      iges::split_parameters(data_,
                             [&](std::string_view piece) { parameter_record(piece, directory); });
      return true;
    });
  }

  // Columns 1-64 data, 65-72 the pointer to the directory entry, then "P" and the number.
  void parameter_record(std::string_view data, int directory) {
    std::string right;
    append_field(right, directory);
    right += 'P';
    right += zero_pad(++parameter_count_, 7);
    write_iges_record(file_, data, right);
  }

  void write_terminate() {
    std::string t = "S0000001G0000002D" + zero_pad(directory_count_, 7);
    t += 'P';
    t += zero_pad(parameter_count_, 7);
    record(t, 'T', 1);
  }

  AtomicTextWriter& file_;
  int directory_count_ = 0;
  int parameter_count_ = 0;
  int next_parameter_ = 2;  // the parameter record after the elements'
  std::vector<int> views_;
  std::array<int, kArcViews + 1> matrix_of_view_{};
  std::string data_;
  std::string right_;
};

}  // namespace

bool write_iges(const std::string& file_name) {
  AtomicTextWriter file;
  if (!file.Open(file_name)) return false;
  if (!IgesWriter(file).write(file_name)) return false;  // the temporary file is removed
  // The drawing takes the file's name only once the file holds it.
  if (!file.Commit()) return false;
  cdl_filename = file_name;
  return true;
}

}  // namespace orvane
