// The one place where readers of other programs' files turn model-space geometry into elements:
// points, lines and arcs of the store, arcs in the arc view of their plane, curves the store
// cannot hold as line chains, and the counts of the load report.
#pragma once

#include <bitset>
#include <vector>

#include "core/records.h"
#include "fileio/geometry3d.h"
#include "fileio/load_report.h"

namespace orvane {

struct ElementStyle {
  TColor color = 0x00FF00;  // lime
  int line_type = 1;
  int layer = 1;
};

class ElementSink {
 public:
  explicit ElementSink(LoadReport& report) : report_(report) {}

  // False once memory is exhausted (mem_full): nothing more is made.
  bool open() const;

  // A point (line type 0, view 0).
  void point(const Vec3& p, const ElementStyle& style);
  // A line (view 0).
  void line(const Vec3& a, const Vec3& b, const ElementStyle& style);
  // Lines between consecutive points.
  void chain(const std::vector<Vec3>& points, const ElementStyle& style);

  // A circular arc in model space: its centre, the orthonormal axes x and y of its plane (the
  // arc runs counterclockwise from x towards y), its radius and its start and end angles in
  // degrees measured from x. It is stored in the arc view of its plane (views 1 to 6 for the
  // world planes as the DXF reader always had them, others shared by plane); when every view
  // is taken it becomes a line chain within the chord tolerance. Start equal to end is a full
  // circle.
  void arc(const Vec3& centre, const Vec3& x_axis, const Vec3& y_axis, double radius, double start,
           double end, const ElementStyle& style);
  // An arc whose centre is already in the coordinates of arc view `view` (the classic path),
  // stored exactly as given.
  void arc_in_view(int view, const Vec3& centre, double radius, double start, double end,
                   const ElementStyle& style);
  // The image c + a cos t + b sin t of a circular arc under an affine map, t from start to end
  // in degrees (counterclockwise; start equal to end is whole): an arc when the image is a
  // circle, else a chain within the chord tolerance.
  void conic_arc(const Vec3& c, const Vec3& a, const Vec3& b, double start, double end,
                 const ElementStyle& style);

  LoadReport& report() { return report_; }

  // True when the extents make_element gathered from the elements of this sink are the extents
  // of those on visible layers: every layer the sink used is visible, every element counted in
  // the extents, and memory never ran out. A reader that started the extents empty can then
  // keep them instead of scanning the store again.
  bool extents_are_visible_ones() const;

 private:
  void note_made(int layer, int line_type);

  LoadReport& report_;
  std::bitset<256> layers_used_;
  bool uncounted_ = false;  // an element was made outside the extents
};

// The arc view whose frame has these axes (x, y and their normal x x y), set when needed: 1
// for the world XY plane, 2 to 6 for the five other world axis normals with the coefficients
// the DXF reader gives them, a view from 7 to 90 shared by every arc of one other plane. The
// angle from the view's own x axis to x, in degrees, goes to angle_offset. 0 when views 7 to
// 90 are all taken by other planes.
int arc_view_for_plane(const Vec3& x_axis, const Vec3& y_axis, double& angle_offset);

}  // namespace orvane
