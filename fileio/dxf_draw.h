// What DXF entities draw through: the element sink, the layers of the read, the blocks that
// INSERTs place, and the placement (transform and BYBLOCK values) of the insert being drawn.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "fileio/curve_tessellation.h"
#include "fileio/dxf_layers.h"
#include "fileio/dxf_record.h"
#include "fileio/element_sink.h"
#include "fileio/geometry3d.h"

namespace orvane {

// An entity with the records that belong to it: a POLYLINE's VERTEX records and its SEQEND, an
// INSERT's ATTRIB records.
struct DxfItem {
  DxfRecord head;
  std::vector<DxfRecord> children;
  DxfRecord tail;
  bool has_tail = false;
};

struct DxfBlock {
  Vec3 base;
  std::vector<DxfItem> items;
};

// Where the entities being drawn go: the map into model space and what BYBLOCK stands for.
struct DxfPlacement {
  Affine3 transform;
  bool identity = true;
  ElementStyle byblock;
  int depth = 0;  // inserts nested around the entity
};

class DxfDraw {
 public:
  DxfDraw(ElementSink& sink, DxfLayers& layers) : sink_(sink), layers_(layers) {}

  // Colour, layer and line type of a record; groups it lacks come from fallback when given
  // (a polyline's vertices), else by layer.
  ElementStyle style(const DxfRecord& r, const ElementStyle* fallback = nullptr);

  void point(const Vec3& p, const ElementStyle& s);
  void line(const Vec3& a, const Vec3& b, const ElementStyle& s);
  // Points in model space before the placement.
  void chain(std::vector<Vec3> points, const ElementStyle& s);
  // A circular arc of the plane with this normal, its centre in that plane's arbitrary-axis
  // coordinates (the DXF object coordinates), angles in degrees; start equal to end is whole.
  void ocs_arc(const Vec3& normal, const Vec3& centre, double radius, double start, double end,
               const ElementStyle& s);
  // c + a cos t + b sin t, t in degrees, in model space before the placement.
  void conic(const Vec3& c, const Vec3& a, const Vec3& b, double start, double end,
             const ElementStyle& s);

  // A spline in model space before the placement, as a line chain within the chord tolerance.
  void nurbs(NurbsCurve curve, const ElementStyle& s);

  LoadReport& report() { return sink_.report(); }
  bool open() const { return sink_.open(); }

  std::unordered_map<std::string, DxfBlock> blocks;
  DxfPlacement placement;
  // Elements made inside inserts so far; inserts stop at a limit that keeps memory bounded.
  int64_t inserted = 0;
  std::vector<std::string> insert_stack;  // names of the blocks being drawn, outermost first

 private:
  TColor layer_color(int layer) const;

  ElementSink& sink_;
  DxfLayers& layers_;
};

// Point p of the plane with this normal, from its object coordinates into the world.
Vec3 ocs_to_wcs(const Vec3& normal, const Vec3& p);

// Draws one entity (in the ENTITIES section or inside a block being inserted).
void draw_dxf_item(const DxfItem& item, DxfDraw& d);

// Entity kinds, each in a file of its own.
void draw_dxf_point(const DxfRecord& r, DxfDraw& d);
void draw_dxf_line(const DxfRecord& r, DxfDraw& d);
void draw_dxf_circle(const DxfRecord& r, DxfDraw& d, bool whole);
void draw_dxf_face(const DxfRecord& r, DxfDraw& d);
void draw_dxf_solid(const DxfRecord& r, DxfDraw& d);
void draw_dxf_polyline(const DxfItem& item, DxfDraw& d);
void draw_dxf_lwpolyline(const DxfRecord& r, DxfDraw& d);
void draw_dxf_ellipse(const DxfRecord& r, DxfDraw& d);
void draw_dxf_spline(const DxfRecord& r, DxfDraw& d);
void draw_dxf_insert(const DxfItem& item, DxfDraw& d);
void draw_dxf_dimension(const DxfRecord& r, DxfDraw& d);

// A polyline segment from a to b (object coordinates of the plane with this normal, z the
// elevation) bulging by b: a line for bulge 0, else the arc whose sweep is 4 atan(bulge),
// counterclockwise for a positive bulge.
void draw_bulge_segment(const Vec3& normal, const Vec3& a, const Vec3& b, double bulge,
                        const ElementStyle& s, DxfDraw& d);

}  // namespace orvane
