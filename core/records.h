// The geometry records shared by every module, and the element record.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/canvas.h"
#include "platform/element_memory.h"

namespace orvane {

enum TDView : uint8_t { vTOP, vFRONT, vSIDE, vISO };
enum TDFilter : uint8_t { fAll, fPoints, fLines, fArcs, fPointLine, fPointArc, fLineArc };
enum TDUnits : uint8_t { uINCH, uMM };

// A view number: 1 top, 2 front, 3 side, 4 isometric (a TDView ordinal + 1).
using dside = int;
inline constexpr int kFirstView = 1;
inline constexpr int kLastView = 4;
inline bool is_view_number(int w) {
  return w >= kFirstView && w <= kLastView;
}

struct TDPoint {
  double x = 0;
  double y = 0;
  double z = 0;
};

struct TDLine {
  TDPoint p1;
  TDPoint p2;
};

// Angles in degrees; the arc runs counterclockwise from start_angle to end_angle.
struct TDArc {
  TDPoint center;
  double radius = 0;
  double start_angle = 0;
  double end_angle = 0;
};

// The rotation of a drawing plane as a host passes it; reading one back writes the arc view
// number into reserved[0].
struct TDView3D {
  int32_t reserved[2] = {0, 0};
  double ax = 0, ay = 0, az = 0;
  double bx = 0, by = 0, bz = 0;
  double cx = 0, cy = 0, cz = 0;
};

using dpoint = TDPoint;
using dline = TDLine;
using darc = TDArc;

enum ElementType : int32_t {
  kNoElement = 0,
  kPoint = 1,
  kLine = 2,
  kArc = 3,
  kCircle = 4,
};

// One element as stored in its block. values[0..5] are the values 1..6 of the element:
//   point  x, y, z, 0, 0, 0           line   x1, y1, z1, x2, y2, z2
//   arc    cx, cy, cz, r, start, end  circle cx, cy, cz, r, 0, 0
struct TElement {
  int32_t element_type;
  TColor color;
  int32_t line_type;
  int32_t view;
  int32_t layer;
  uint8_t group_mark;
  bool deleted;
  int32_t delete_number;
  uint32_t reserved;
  double values[6];
};

static_assert(sizeof(TElement) == 80, "TElement is part of the public interface");
static_assert(sizeof(TElement) == kElementBlockSize, "one element fills one block");
static_assert(offsetof(TElement, group_mark) == 20 && offsetof(TElement, deleted) == 21);
static_assert(offsetof(TElement, delete_number) == 24 && offsetof(TElement, values) == 32);
static_assert(sizeof(TDView3D) == 80 && sizeof(TDArc) == 48 && sizeof(TDLine) == 48);

}  // namespace orvane
