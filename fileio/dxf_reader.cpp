#include <array>
#include <string>

#include "core/colors.h"
#include "core/helpers.h"
#include "core/state.h"
#include "core/store.h"
#include "fileio/dxf.h"
#include "fileio/numbers.h"
#include "fileio/read_loop.h"

namespace orvane {

namespace {

using Vertex = std::array<double, 3>;

enum EntityKind { kNone = 0, kPointKind = 1, kLineKind = 2, kArcKind = 3 };

// What the reader remembers from one polyline record to the next.
struct PolylineState {
  Vertex previous{}, current{}, first{};
  bool in_polyline = false;    // a POLYLINE header has been met
  bool header_done = false;    // the header entity is finished
  bool vertex_seen = false;    // a VERTEX has been met in this polyline
  bool segment_ready = false;  // the next vertex closes a segment
  bool closed = false;         // group 70 of the header was 1
  bool close_pending = false;  // a closing segment is to be made
};

// The groups of the entity being read.
struct DxfEntity {
  int kind = kNone;
  bool polyline_record = false;  // POLYLINE, VERTEX or SEQEND
  double value = 0;
  int layer = 1;
  int line_type = 1;
  Vertex p1{}, p2{};
  double radius = 0, start_angle = 0, end_angle = 0;
  TColor color = clLime;
  int view = 1;
  int extrusion_x = 0, extrusion_y = 0, extrusion_z = 0;
};

// An extrusion direction that puts an arc into one of the arc views 2..6.
struct ExtrusionView {
  int x, y, z;
  int view;
  view_entry coefficients;
};

view_entry coefficients(double ax, double bx, double cx, double ay, double by, double cy, double az,
                        double bz, double cz) {
  return view_entry{ax, bx, cx, ay, by, cy, az, bz, cz, true};
}

const std::array<ExtrusionView, 5> kExtrusionViews = {{
    {0, -1, 0, 2, coefficients(1, 0, 0, 0, 0, 1, 0, -1, 0)},
    {0, 1, 0, 3, coefficients(-1, 0, 0, 0, 0, 1, 0, 1, 0)},
    {0, 0, -1, 4, coefficients(-1, 0, 0, 0, 1, 0, 0, 0, -1)},
    {1, 0, 0, 5, coefficients(0, 1, 0, 0, 0, 1, 1, 0, 0)},
    {-1, 0, 0, 6, coefficients(0, -1, 0, 0, 0, 1, -1, 0, 0)},
}};

// A code line that holds the digit 0 and spaces only.
bool is_entity_end(const std::string& line) {
  bool zero = false;
  for (char c : line) {
    if (c == ' ') continue;
    if (c != '0' || zero) return false;
    zero = true;
  }
  return zero;
}

// A whole-number field: 0 counts as 1 (layer "0" and named line types are the defaults).
int one_if_zero(double value) {
  const int n = trunc_int(value);
  return n == 0 ? 1 : n;
}

// One read of a DXF file through cdlinfile.
class DxfReader {
 public:
  void run() {
    while (!cdlinfile.Eof() && !mem_full && !abort2) {
      init_dxf_entity();
      entity_.kind = next_dxf_entity();
      if (abort2) break;  // the "EOF" line: nothing after it is read
      read_dxf_groups();
      make_dxf_element();
      poly_.close_pending = false;
    }
  }

 private:
  void init_dxf_entity() { entity_ = DxfEntity{}; }

  int next_dxf_entity() {
    while (!cdlinfile.Eof()) {
      cdlinfile.ReadLn(line_);
      if (line_ == "POINT") return kPointKind;
      if (line_ == "LINE") return kLineKind;
      if (line_ == "ARC" || line_ == "CIRCLE") return kArcKind;
      if (line_ == "POLYLINE") {
        poly_.in_polyline = true;
        poly_.vertex_seen = false;
        entity_.polyline_record = true;
        return kLineKind;
      }
      if (line_ == "VERTEX") {
        if (poly_.in_polyline && poly_.header_done && poly_.vertex_seen) poly_.segment_ready = true;
        poly_.vertex_seen = true;
        entity_.polyline_record = true;
        return kLineKind;
      }
      if (line_ == "SEQEND") {
        poly_.vertex_seen = poly_.segment_ready = false;
        poly_.in_polyline = poly_.header_done = false;
        poly_.close_pending = poly_.closed;
        poly_.closed = false;
        entity_.polyline_record = true;
        return kLineKind;
      }
      if (line_ == "EOF") {
        abort2 = true;
        return kNone;
      }
    }
    return kNone;
  }

  // Code and value lines up to the entity's closing "0". A code whose value line is missing
  // (the file ends) is not applied.
  void read_dxf_groups() {
    while (!cdlinfile.Eof()) {
      cdlinfile.ReadLn(line_);
      if (is_entity_end(line_)) {
        end_entity();
        return;
      }
      const int code = val_int(line_);
      if (cdlinfile.Eof()) return;
      cdlinfile.ReadLn(line_);
      entity_.value = text_to_real(line_);
      apply_group(code);
    }
  }

  void end_entity() {
    if (poly_.in_polyline && !poly_.header_done) poly_.header_done = true;
    if (poly_.close_pending) {
      poly_.previous = poly_.current;
      poly_.current = poly_.first;
    }
  }

  bool line_or_arc() const { return entity_.kind == kLineKind || entity_.kind == kArcKind; }

  void apply_group(int code) {
    const double v = entity_.value;
    switch (code) {
      case 6:
        entity_.line_type = one_if_zero(v);
        break;
      case 8:
        entity_.layer = one_if_zero(v);
        break;
      case 10:
        set_first_point(0, v);
        break;
      case 20:
        set_first_point(1, v);
        break;
      case 30:
        set_first_point(2, v);
        break;
      case 11:
        entity_.p2[0] = v;
        break;
      case 21:
        entity_.p2[1] = v;
        break;
      case 31:
        entity_.p2[2] = v;
        break;
      case 40:
        if (line_or_arc()) entity_.radius = v;
        break;
      case 50:
        entity_.start_angle = v;
        break;
      case 51:
        entity_.end_angle = v;
        break;
      case 62:
        entity_.color = set_dxf_color(trunc_int(v));
        break;
      case 70:
        if (v == 1) poly_.closed = true;
        break;
      case 210:
        if (line_or_arc()) entity_.extrusion_x = round_int(v);
        break;
      case 220:
        if (line_or_arc()) entity_.extrusion_y = round_int(v);
        break;
      case 230:
        if (line_or_arc()) {
          entity_.extrusion_z = round_int(v);
          select_arc_view();
        }
        break;
      default:
        break;
    }
  }

  // Groups 10, 20 and 30: a polyline vertex or the entity's first point.
  void set_first_point(int axis, double v) {
    if (poly_.segment_ready) {
      poly_.previous[axis] = poly_.current[axis];
      poly_.current[axis] = v;
      poly_.in_polyline = poly_.header_done = false;
    }
    if (poly_.header_done && poly_.in_polyline) {
      poly_.first[axis] = v;
      poly_.current[axis] = v;
    }
    if (!poly_.vertex_seen && !poly_.in_polyline) entity_.p1[axis] = v;
  }

  void select_arc_view() {
    for (const ExtrusionView& e : kExtrusionViews) {
      if (e.x != entity_.extrusion_x || e.y != entity_.extrusion_y || e.z != entity_.extrusion_z) {
        continue;
      }
      entity_.view = e.view;
      if (!view_set_[e.view]) {
        arc_view[e.view] = e.coefficients;
        view_set_[e.view] = true;
      }
      return;
    }
  }

  void make_line(const Vertex& a, const Vertex& b) {
    make_element(get_new_element_number(), kLine, a[0], a[1], a[2], b[0], b[1], b[2], entity_.color,
                 entity_.line_type, entity_.layer, 0, 0);
  }

  void make_dxf_element() {
    const DxfEntity& e = entity_;
    switch (e.kind) {
      case kPointKind:
        make_element(get_new_element_number(), kPoint, e.p1[0], e.p1[1], e.p1[2], 0, 0, 0, e.color,
                     0, e.layer, 0, 0);
        break;
      case kLineKind:
        if (poly_.segment_ready || poly_.close_pending) {
          make_line(poly_.previous, poly_.current);
        } else if (!e.polyline_record && !poly_.in_polyline && !poly_.header_done) {
          make_line(e.p1, e.p2);
        }
        break;
      case kArcKind:
        make_element(get_new_element_number(), kArc, e.p1[0], e.p1[1], e.p1[2], e.radius,
                     e.start_angle, e.end_angle, e.color, e.line_type, e.layer, 0, e.view);
        break;
      default:
        break;
    }
  }

  PolylineState poly_;
  std::array<bool, 7> view_set_{};  // arc views 2..6 set during this read
  DxfEntity entity_;
  std::string line_;
};

}  // namespace

bool read_dxf2(const std::string& file_name) {
  if (cdlinfile.Reset(file_name) != 0) return false;
  abort2 = false;
  cdl_filename = file_name;
  if (!merge_cad) destroy_all_elements();
  run_read_loop([] { DxfReader().run(); }, get_max_min);
  cad_changed = false;
  return true;
}

}  // namespace orvane
