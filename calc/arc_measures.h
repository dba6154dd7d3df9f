// Measures of arcs: sweep, length, end points and midpoint.
#pragma once

#include "core/records.h"

namespace orvane::calc {

// Sweep from start to end in degrees: kind 3 counterclockwise, kind 2 clockwise; 360 for equal
// angles whatever the kind; 0 for any other kind when the angles differ.
double get_arc_angle(double start, double end, int kind);
// Length of the swept arc; 0 when the sweep is 0 (a kind other than 2 or 3).
double get_arc_length(double radius, double start, double end, int kind);
// The points of the circle at the start and end angles: 1, or 0 (nothing written) for a zero
// radius.
int get_arc_end_points_arc(const TDArc& arc, double& x1, double& y1, double& x2, double& y2);
int get_arc_end_points(const TElement* e, double& x1, double& y1, double& x2, double& y2);
// The point halfway along the counterclockwise sweep; z is the centre's. Nothing is written for
// an absent element.
void mid_arc_e(const TElement* e, double& x, double& y, double& z);

}  // namespace orvane::calc
