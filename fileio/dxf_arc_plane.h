// The plane of a stored arc as DXF writes it: its extrusion direction, and the centre and angles
// in that direction's object coordinates.
#pragma once

#include "core/records.h"
#include "fileio/geometry3d.h"

namespace orvane {

struct DxfArcPlane {
  Vec3 normal{0, 0, 1};
  Vec3 centre;       // object coordinates
  double start = 0;  // degrees
  double end = 0;
};

// False for arcs of the world XY plane (arc view 1, -1, or a view that is not defined), which
// DXF writes without an extrusion; otherwise the arc's plane.
bool dxf_arc_plane(const TElement& arc, DxfArcPlane& out);

}  // namespace orvane
