// Small shared helpers for angles, distances and texts.
#pragma once

#include <string>
#include <string_view>

#include "core/records.h"

namespace orvane {

// Degrees per radian as the drawing core uses it (a decimal constant, not 180/pi).
inline constexpr double kDegPerRad = 57.2957795131;

// Plane distance; 0 when the points lie more than 100000 apart in x or in y.
double distance(double x1, double y1, double x2, double y2);
// Folds an angle towards 0..360 by at most two turns each way; 360 stays 360.
double fix_angle(double a);
// Direction from (x1, y1) to (x2, y2), counterclockwise from +x, in degrees.
double get_angle_degrees(double x1, double y1, double x2, double y2);
// Sweep from start to end: direction 3 counterclockwise, 2 clockwise; 360 for equal angles.
double get_arc_angle(double start, double end, int direction);
double get_cdl_arc_angle(double start, double end);
void get_arc_end_points_arc(const darc& arc, double& x1, double& y1, double& x2, double& y2);
void get_arc_end_points(const TElement* e, double& x1, double& y1, double& x2, double& y2);
void vtl_switch(double& a, double& b);
std::string strip_spaces(std::string_view text);
// The integer a text holds, ignoring spaces; 0 for anything else.
int val_int(std::string_view text);

}  // namespace orvane
