// Moving, rotating and copying elements and the group, in the plane of the current view.
#pragma once

#include "core/records.h"

namespace orvane {

// Makes a copy of element e rotated by angle degrees counterclockwise about (hc, vc), in the
// plane of current_plot_window: (x, y) in views 1 and 4, (x, z) in view 2, (y, z) in view 3.
// The copy joins the group. Circles and other types make no copy.
void rotate_element(const TElement* e, double hc, double vc, double angle);
// count rotated copies of every group member, at angle, 2 angle, ...; the sources are deleted
// unless keep is set. An angle of 0 does nothing.
void rotate_group(Canvas& canvas, double angle, double hc, double vc, int count, bool keep);
// Subtracts (dx, dy, dz) from element n's coordinates when mode is 0 or 2.
void shift_element(int n, int mode, double dx, double dy, double dz);
// Mode 1 moves the drawing's origin to (dx, dy, dz); any other mode makes count copies of the
// group shifted by k (dx, dy, dz), k = 1..count, and deletes the sources unless keep is set.
void cad_offsetxy(double dx, double dy, double dz, bool keep, int count, int mode);

}  // namespace orvane
