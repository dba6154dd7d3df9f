#include <algorithm>
#include <filesystem>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/colors.h"
#include "core/helpers.h"
#include "core/state.h"
#include "core/store.h"
#include "fileio/fields.h"
#include "fileio/iges.h"
#include "fileio/iges_paths.h"
#include "fileio/iges_records.h"
#include "fileio/read_loop.h"

namespace orvane {

namespace {

using iges::columns;
using iges::section_of;

// Element type of an IGES entity type that is read, 0 for any other.
int element_type_of(int entity) {
  switch (entity) {
    case 116:
      return kPoint;
    case 110:
      return kLine;
    case 100:
      return kArc;
    default:
      return 0;
  }
}

// The part of a parameter record that carries data: the whole line once it holds the
// record's semicolon (what follows the semicolon is never read), else columns 1-64.
std::string_view parameter_text(std::string_view line) {
  if (line.find(';') != std::string_view::npos) return line;
  return line.substr(0, std::min(line.size(), iges::kParameterWidth));
}

// Makes room in the handle table for element number n.
bool reserve_number(int n) {
  const std::size_t size = static_cast<std::size_t>(n) + 3;
  if (element_handle.size() >= size) return true;
  try {
    element_handle.resize(size, 0);
  } catch (const std::bad_alloc&) {
    mem_full = true;
    return false;
  }
  return true;
}

// The geometry of one parameter record, in the order of the element's values.
struct Geometry {
  int type = 0;
  double g[6] = {0, 0, 0, 0, 0, 0};
  int view = 0;
};

// One read of an IGES file through cdlinfile.
class IgesReader {
 public:
  // No parameter record of a file can be numbered beyond the number of 73-column lines it
  // holds, which bounds the element numbers that its directory entries may ask for.
  explicit IgesReader(std::uintmax_t file_size)
      : max_pointer_(static_cast<int>(std::min<std::uintmax_t>(file_size / 73 + 2, 1 << 30))) {}

  void run() {
    while (!mem_full && next_line(line_))
      examine(line_);
    place_arcs();
  }

 private:
  bool next_line(std::string& line) {
    if (has_pending_) {
      line.swap(pending_);
      has_pending_ = false;
      return true;
    }
    if (cdlinfile.Eof()) return false;
    cdlinfile.ReadLn(line);
    return true;
  }

  // A line read ahead that belongs to no record being read; it is examined next.
  void put_back(std::string& line) {
    pending_.swap(line);
    has_pending_ = true;
  }

  void examine(std::string& line) {
    const char section = section_of(line);
    if (section == 'G' && line.find("2HMM") != std::string::npos) metric_machine = true;
    if (section == 'D' && !merge_cad && line[iges::kSectionColumn - 1] != ' ') {
      directory_entry(line);
    } else if (section == 'P') {
      parameter_record(line);
    }
  }

  // The two records of a directory entry: an element of the entry's type, with its colour,
  // layer and line type, numbered by the entry's parameter pointer.
  void directory_entry(const std::string& first) {
    const int type = val_int(columns(first, 1, 8));
    const int pointer = val_int(columns(first, 9, 8));
    const int line_type = val_int(columns(first, 25, 8)) == 2 ? 2 : 1;
    if (!next_line(second_)) return;
    if (section_of(second_) != 'D') {
      put_back(second_);
      return;
    }
    const int second_type = val_int(columns(second_, 1, 8));
    const TColor color = set_iges_color(val_int(columns(second_, 17, 8)));
    int layer = val_int(columns(second_, 33, 8)) % 256;
    if (layer == 0) layer = 1;
    if (layer == 255) layer = 254;
    if (type == 124 && second_type == 124) {
      // A matrix written for an arc view names the view by its subscript number.
      view_of_matrix_[val_int(columns(first, 74, 7))] = val_int(columns(second_, 65, 8));
      return;
    }
    const int element_type = element_type_of(type);
    if (element_type == 0 || type != second_type || pointer < 1) return;
    if (pointer > std::max(last_element_number + 1, max_pointer_)) return;
    if (!reserve_number(pointer) || element_handle[pointer] != 0) return;
    make_element(pointer, static_cast<uint8_t>(element_type), 0, 0, 0, 0, 0, 0, color, line_type,
                 layer, 0, 0);
    last_element_number = std::max(last_element_number, pointer);
    const int matrix = val_int(columns(first, 49, 8));
    if (element_type == kArc && matrix != 0) placed_.push_back({pointer, matrix});
  }

  // A parameter record with its continuation records (the following parameter records of the
  // same directory entry), up to the record's semicolon.
  void parameter_record(const std::string& first) {
    int number = val_int(columns(first, 74, 7));
    const std::string entry(columns(first, 65, 8));
    std::string_view piece = parameter_text(first);
    record_.assign(piece);
    // Only each new piece is searched for the semicolon, so that a record continued over many
    // lines is still read in one pass.
    bool complete = piece.find(';') != std::string_view::npos;
    while (!complete && next_line(next_)) {
      if (section_of(next_) != 'P' || columns(next_, 65, 8) != entry) {
        put_back(next_);
        break;
      }
      piece = parameter_text(next_);
      complete = piece.find(';') != std::string_view::npos;
      record_.append(piece);
    }
    fields_.assign(record_, 3);
    if (fields_.rounded(1) == 124) {
      if (!placed_.empty()) keep_matrix(val_int(entry));
      return;
    }
    Geometry geometry;
    if (!read_geometry(geometry)) return;
    if (merge_cad) {
      number = append_element(geometry.type);
      if (number == 0) return;
    }
    fill(number, geometry);
  }

  // The geometry of the record in fields_; false for other entity types and for coordinates
  // that the element store does not take.
  bool read_geometry(Geometry& out) {
    const int entity = fields_.rounded(1);
    out.type = element_type_of(entity);
    if (out.type == 0) return false;
    double* g = out.g;
    if (entity == 100) {
      const double cz = fields_.real(2), cx = fields_.real(3), cy = fields_.real(4);
      const double xs = fields_.real(5), ys = fields_.real(6);
      const double xe = fields_.real(7), ye = fields_.real(8);
      double start = get_angle_degrees(cx, cy, xs, ys);
      double end = get_angle_degrees(cx, cy, xe, ye);
      if (start == end) {
        start = 0;
        end = 360;
      }
      const double arc[6] = {cx, cy, cz, distance(cx, cy, xs, ys), start, end};
      std::copy(arc, arc + 6, g);
      out.view = 1;
    } else {
      const int count = entity == 116 ? 3 : 6;
      for (int i = 0; i < count; ++i)
        g[i] = fields_.real(i + 2);
    }
    return check_max_min(out.type, g[0], g[1], g[2], g[3], g[4], g[5]);
  }

  // A merged record becomes a new green element on layer 1 after the last one.
  int append_element(int type) {
    int n = last_element_number + 1;
    while (n < static_cast<int>(element_handle.size()) && element_handle[n] != 0)
      ++n;
    if (!reserve_number(n)) return 0;
    if (make_element(n, static_cast<uint8_t>(type), 0, 0, 0, 0, 0, 0, clGreen, 1, 1, 0, 0) == 0) {
      return 0;
    }
    last_element_number = n;
    return n;
  }

  // Writes the geometry into element number, when it exists and is of the record's type.
  void fill(int number, const Geometry& geometry) {
    TElement* e = lock_element(number);
    if (e == nullptr) return;
    note_store_change();
    if (e->element_type == geometry.type) {
      std::copy(geometry.g, geometry.g + 6, e->values);
      if (geometry.type == kArc) e->view = geometry.view;
    }
    globalunlock(element_handle[number]);
  }

  // The rotation of the 124 record in fields_, kept under its directory number.
  void keep_matrix(int directory) {
    view_entry& m = matrices_[directory];
    double* rows[9] = {&m.ax, &m.ay, &m.az, &m.bx, &m.by, &m.bz, &m.cx, &m.cy, &m.cz};
    for (int i = 0; i < 9; ++i)
      *rows[i] = fields_.real(2 + i + i / 3);  // the translation of each row is skipped
    m.defined = true;
  }

  // Arcs whose entry names a matrix go to the arc view of that rotation: the view the matrix
  // names when it is free or already holds the rotation, else one that holds it, else the
  // first free one; without any they stay in the top view.
  void place_arcs() {
    for (const auto& [number, matrix] : placed_) {
      const auto found = matrices_.find(matrix);
      if (found == matrices_.end()) continue;
      const auto named = view_of_matrix_.find(matrix);
      const int view = view_for(found->second, named == view_of_matrix_.end() ? 0 : named->second);
      TElement* e = lock_element(number);
      if (e == nullptr) continue;
      note_store_change();
      if (view != 0 && e->element_type == kArc) e->view = view;
      globalunlock(element_handle[number]);
    }
  }

  static bool same_rotation(const view_entry& a, const view_entry& b) {
    return a.ax == b.ax && a.ay == b.ay && a.az == b.az && a.bx == b.bx && a.by == b.by &&
           a.bz == b.bz && a.cx == b.cx && a.cy == b.cy && a.cz == b.cz;
  }

  static int view_for(const view_entry& rotation, int named) {
    if (named >= 2 && named <= kArcViews &&
        (!arc_view[named].defined || same_rotation(arc_view[named], rotation))) {
      arc_view[named] = rotation;
      return named;
    }
    int free_view = 0;
    for (int v = 2; v <= kArcViews; ++v) {
      if (arc_view[v].defined && same_rotation(arc_view[v], rotation)) return v;
      if (!arc_view[v].defined && free_view == 0) free_view = v;
    }
    if (free_view != 0) arc_view[free_view] = rotation;
    return free_view;
  }

  struct Placed {
    int number;  // the arc's element number
    int matrix;  // the directory number of its matrix
  };
  std::vector<Placed> placed_;
  std::unordered_map<int, view_entry> matrices_;
  std::unordered_map<int, int> view_of_matrix_;
  const int max_pointer_;
  std::string line_, second_, next_, pending_, record_;
  bool has_pending_ = false;
  RecordFields fields_;
};

}  // namespace

void read_classic_iges(const std::string& file_name) {
  std::error_code error;
  std::uintmax_t size = std::filesystem::file_size(file_name, error);
  if (error) size = 0;
  run_read_loop([size] { IgesReader(size).run(); }, get_max_min);
}

}  // namespace orvane
