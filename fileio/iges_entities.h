// The entities of an IGES file drawn in model space: one drawer walks the directory, resolves
// transformation matrices and styles, and hands each entity kind to its own routine.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "fileio/element_sink.h"
#include "fileio/geometry3d.h"
#include "fileio/iges_file.h"

namespace orvane::iges {

// The parameter fields of one entry; field 0 is the entity type.
class Params {
 public:
  Params(const IgesFile& file, const Entry& entry);
  std::size_t size() const { return fields_.size(); }
  // Field i as a number (fallback when empty); false when missing or not a finite number.
  bool real(std::size_t i, double& out, double fallback = 0) const;
  bool integer(std::size_t i, int& out, int fallback = 0) const;
  // Three reals from field i on.
  bool vec(std::size_t i, Vec3& out) const;

 private:
  std::string data_;
  std::vector<std::string_view> fields_;
};

class Drawer;

// What every entity routine is given: its entry, its parameters, the map from its own
// coordinates to the model (its matrices and those of its parents) and its style.
struct Place {
  const Entry& entry;
  const Params& params;
  const Affine3& map;
  const ElementStyle& style;
};

// The name an entity kind has in the load report: "126", or "110 form 1".
std::string kind_name(const Entry& entry, bool with_form = false);

// The entity routines. Each draws through the drawer's sink and reports what it leaves out.
void draw_point(Drawer& d, const Place& p);             // 116
void draw_line(Drawer& d, const Place& p);              // 110
void draw_circular_arc(Drawer& d, const Place& p);      // 100
void draw_conic(Drawer& d, const Place& p);             // 104
void draw_copious(Drawer& d, const Place& p);           // 106
void draw_spline(Drawer& d, const Place& p);            // 112
void draw_bspline(Drawer& d, const Place& p);           // 126
void draw_composite(Drawer& d, const Place& p);         // 102
void draw_curve_on_surface(Drawer& d, const Place& p);  // 142
void draw_trimmed_surface(Drawer& d, const Place& p);   // 144
void draw_bounded_surface(Drawer& d, const Place& p);   // 143 (and its 141 boundaries)
void draw_boundary(Drawer& d, const Place& p);          // 141
void draw_edge_list(Drawer& d, const Place& p);         // 504
void draw_instance(Drawer& d, const Place& p);          // 408
void draw_definition(Drawer& d, const Place& p);        // 308, through an instance

// The directory pointers an entity of this entry refers to as its parts (drawn through it).
void child_pointers(const Entry& entry, const Params& params, std::vector<int>& out);

class Drawer {
 public:
  Drawer(const IgesFile& file, ElementSink& sink);

  // Every entity that stands on its own: not a part of another, not blanked, not parametric.
  void draw_all();

  // Draws the entity of a pointer, as a part of a parent whose map and style are given.
  void draw_child(int pointer, const Affine3& parent_map, const ElementStyle& parent_style);
  // Draws a chain of model-space points; a chain with a point that is not finite is left out.
  void chain(const std::vector<Vec3>& points, const Place& place);
  void leave_out(const Entry& entry, LeftOut reason, bool with_form = false);

  const IgesFile& file() const { return file_; }
  ElementSink& sink() { return sink_; }

 private:
  void draw(int pointer, const Affine3& parent_map, const ElementStyle& parent_style);
  void dispatch(const Place& place);
  bool matrix(int pointer, Affine3& out);
  bool read_matrix(int pointer, Affine3& out) const;
  ElementStyle style_of(const Entry& entry, const ElementStyle& parent) const;
  TColor color_of(int number, TColor parent) const;
  void mark_children();

  const IgesFile& file_;
  ElementSink& sink_;
  std::vector<uint8_t> child_;    // per entry: a part of another entity
  std::vector<uint8_t> on_path_;  // per entry: being drawn (a reference back is a cycle)
  int depth_ = 0;
  int64_t budget_;  // entity drawings left, so nesting cannot multiply without end
  // The maps of the matrices met so far by directory pointer (empty: the chain is damaged):
  // many entities share one matrix, which is then read once.
  std::unordered_map<int, std::optional<Affine3>> matrices_;
};

}  // namespace orvane::iges
