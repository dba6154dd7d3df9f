/// @file
/// The geometry records an application passes to and gets from TOrvane and TTessary, the
/// element record and the enumerations of views, pick filters and units.
#pragma once

#include <cstddef>
#include <cstdint>

#include "orvane/canvas.h"

namespace orvane {

/// The four windows of a drawing. Window numbers 1..4 (as the Make and Draw methods take for
/// an arc's plane) are these values plus one.
enum TDView : uint8_t {
  vTOP,    ///< top view (window 1)
  vFRONT,  ///< front view (window 2)
  vSIDE,   ///< side view (window 3)
  vISO     ///< isometric view (window 4), rotatable about X, Y and Z
};

/// Which element types a pick may find.
enum TDFilter : uint8_t {
  fAll,        ///< every type
  fPoints,     ///< points only
  fLines,      ///< lines only
  fArcs,       ///< arcs and circles only
  fPointLine,  ///< points and lines
  fPointArc,   ///< points, arcs and circles
  fLineArc     ///< lines, arcs and circles
};

/// The drawing units, as the file writers record them.
enum TDUnits : uint8_t {
  uINCH,  ///< inches
  uMM     ///< millimetres
};

/// A point in model coordinates.
struct TDPoint {
  double x = 0;  ///< X coordinate
  double y = 0;  ///< Y coordinate
  double z = 0;  ///< Z coordinate
};

/// A line from p1 to p2.
struct TDLine {
  TDPoint p1;  ///< start point
  TDPoint p2;  ///< end point
};

/// An arc in the plane of a view. Angles are in degrees; the arc runs counterclockwise from
/// start_angle to end_angle.
struct TDArc {
  TDPoint center;          ///< centre point
  double radius = 0;       ///< radius in drawing units
  double start_angle = 0;  ///< start angle, degrees counterclockwise from +X
  double end_angle = 0;    ///< end angle, degrees counterclockwise from +X
};

/// The rotation of a drawing plane (an arc view) as an application passes it: nine
/// coefficients that map a point drawn in the plane back to model coordinates. Reading one back
/// writes the arc view number into reserved[0].
struct TDView3D {
  int32_t reserved[2] = {0, 0};  ///< reserved[0]: the arc view number when read back
  double ax = 0;                 ///< rotation coefficient ax
  double ay = 0;                 ///< rotation coefficient ay
  double az = 0;                 ///< rotation coefficient az
  double bx = 0;                 ///< rotation coefficient bx
  double by = 0;                 ///< rotation coefficient by
  double bz = 0;                 ///< rotation coefficient bz
  double cx = 0;                 ///< rotation coefficient cx
  double cy = 0;                 ///< rotation coefficient cy
  double cz = 0;                 ///< rotation coefficient cz
};

/// The type codes of TElement::element_type.
enum ElementType : int32_t {
  kNoElement = 0,  ///< a free slot
  kPoint = 1,      ///< a point
  kLine = 2,       ///< a line
  kArc = 3,        ///< an arc
  kCircle = 4,     ///< a circle (filled when its view is 9)
};

/// One element of the drawing, 80 bytes. values[0..5] are the element's values 1..6:
///
/// | type   | values                     |
/// |--------|----------------------------|
/// | point  | x, y, z, 0, 0, 0           |
/// | line   | x1, y1, z1, x2, y2, z2     |
/// | arc    | cx, cy, cz, r, start, end  |
/// | circle | cx, cy, cz, r, 0, 0        |
struct TElement {
  int32_t element_type;   ///< an ElementType code
  TColor color;           ///< colour, 0x00BBGGRR
  int32_t line_type;      ///< 0 or 1 solid, 2 dotted, 3 dash-dot, 4 dash-dot-dot
  int32_t view;           ///< arc: its arc view; circle: 9 filled, else outline
  int32_t layer;          ///< layer number
  uint8_t group_mark;     ///< 0 none, 2 member of the group; 1, 5, 7 highlight colours
  bool deleted;           ///< deleted: no longer drawn, picked or written; the number stays
  int32_t delete_number;  ///< the drawing's delete count when it was deleted; 0 before
  uint32_t reserved;      ///< not used; copied along with the record
  double values[6];       ///< the values by type, see above
};

static_assert(sizeof(TElement) == 80, "TElement is part of the public interface");
static_assert(offsetof(TElement, group_mark) == 20 && offsetof(TElement, deleted) == 21);
static_assert(offsetof(TElement, delete_number) == 24 && offsetof(TElement, values) == 32);
static_assert(sizeof(TDView3D) == 80 && sizeof(TDArc) == 48 && sizeof(TDLine) == 48);

}  // namespace orvane
