// The calculator's conventions and primitive measurements: distances, midpoints, directions and
// points of a circle. Everything works in the XY plane unless a routine says otherwise.
#pragma once

#include "core/records.h"

namespace orvane::calc {

// Degrees per radian as the calculator uses it (a decimal constant held in extended precision,
// not 180/pi).
inline constexpr long double kDegPerRad = 57.29577951L;

inline double to_radians(double degrees) {
  return static_cast<double>(degrees / kDegPerRad);
}
inline double to_degrees(double radians) {
  return static_cast<double>(radians * kDegPerRad);
}

// A line in normal form: a*x + b*y + c = 0 with (a, b) of unit length.
struct diline {
  double a = 0;
  double b = 0;
  double c = 0;
};

// Plane distance of two points; 0 when they coincide.
double distance(double x1, double y1, double x2, double y2);
double distance_2_points(const TDPoint& p1, const TDPoint& p2);
// Space distance: x, y and z.
double distance3d(const TDPoint& p1, const TDPoint& p2);
double get_length_of_line(const TDLine& l);

void midPoint(double x1, double y1, double z1, double x2, double y2, double z2, TDPoint& p);
TDPoint midPoint_2_points(const TDPoint& p1, const TDPoint& p2);
TDPoint make_Point(double x, double y, double z);

// Direction from point 1 to point 2 in degrees, 0 to 360. Exactly level or vertical directions
// are nudged off the axis by 1e-7, so +X gives just below 360.
double get_angle_degrees(double x1, double y1, double x2, double y2);
// The same direction in radians, without bringing it into range.
double get_angle_radians(double x1, double y1, double x2, double y2);
double get_angle_2_points(const TDPoint& p1, const TDPoint& p2);
double get_angle_line(const TDLine& l);
// Direction of an element's line, 0 to 360, exact on the axes; 0 for an absent element.
double angle_of_line(const TElement* e);

// Folds an angle into 0..360 by at most two turns each way; 360 stays 360.
double fix_angle(double a);
// True when b lies within tol of a.
bool within(double a, double b, double tol);

// P := the point of the arc's circle at the angle (the arc's extent is not looked at); 0.
int point_arc_angle(const TDArc& arc, double angle, TDPoint& p);
// P.x, P.y := the arc's centre; P.z is left alone. 0.
int point_center_arc(const TDArc& arc, TDPoint& p);

// The normal form of the line through L's two points: 0, or 903 (N unchanged) when they
// coincide in x and y.
int make_iline(const TDLine& l, diline& n);

}  // namespace orvane::calc
