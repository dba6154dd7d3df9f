// Picking: the element under a pixel of the current window, the hit tests behind it and the
// reference points (near end, far end, midpoint, closest point) of a picked element.
//
// Hit tests work in the plane of the window: (x, y) in the top window, (x, z) in the front
// window, (y, z) in the side window. In the isometric window lines are tested in view
// coordinates (both ends projected with the current coefficients), arcs in the XY plane of their
// stored centre, and points are never hit. The closest-point geometry works in the XY plane.
// Nothing here draws or needs a display.
#pragma once

#include <cstdint>

#include "core/records.h"

namespace orvane {

// Results of the construction routines below.
inline constexpr int kParallelLinesError = 902;
inline constexpr int kUndefinedLineError = 903;

// The search of current_plot_window at pixel (x, y) with the filter code (pick_filter), and the
// four points of the element found. On false the four points are left as they were.
bool pick2(uint8_t filter, int x, int y, int& element_number, dpoint& near_end, dpoint& far_end,
           dpoint& mid, dpoint& closest);
// pick_element, then get_endpoint on the element it chose; true only when both succeed.
bool pick(int x, int y, dpoint& p, Handle& handle, uint8_t filter, int& element_number);
// The element under pixel (x, y): the nearest hit wins, on equal distances the lower number.
// Types 5, 6, 7 and 9 rank behind every point, line and arc.
bool pick_element(int x, int y, uint8_t filter, Handle& handle, int& element_number);
// The point type_of_pick asks for under pixel (x, y), for applications.
bool pick_point(int x, int y, double& px, double& py, double& pz);

// Whether element e is hit by the model point (x, y, z) in window 1..4, with scale in pixels per
// model unit and tolerance in pixels. o1..o3 receive the test's point: the plane coordinates of
// a point, the nearer end of a line, the near end of an arc.
bool on_element(int window, double x, double y, double z, double scale, double tolerance,
                const TElement* e, double& o1, double& o2, double& o3);
bool on_point(int window, double x, double y, double z, double scale, double tolerance,
              const TElement* e, double& o1, double& o2, double& o3);
bool on_line(int window, double x, double y, double z, double scale, double tolerance,
             const TElement* e, double& o1, double& o2, double& o3);
// Also leaves the arc's far end in global_farend_point on a hit.
bool on_arc(int window, double x, double y, double z, double scale, double tolerance,
            const TElement* e, double& o1, double& o2, double& o3);

// The reference point of type_of_pick for the element of handle under pixel (x, y); a line or arc
// end pick also sets global_farend_point. p is (-999, -999, -999) when no point is defined.
bool get_endpoint(Handle handle, int x, int y, dpoint& p);
// The point of the element nearest to c in XY (lines: the foot on the infinite line; arcs: the
// full circle); p is unchanged for other types. Returns 1.
int get_closest_point(Handle handle, const dpoint& c, dpoint& p);
void get_closest_point_line(const dline& l, const dpoint& c, dpoint& p);
void get_closest_point_arc(const darc& a, const dpoint& c, dpoint& p);
// The point halfway along the arc, counterclockwise from its start.
void mid_arc(const TElement* e, double& x, double& y, double& z);
void midpoint(double x1, double y1, double z1, double x2, double y2, double z2, dpoint& p);
dpoint midpoint_2_points(const dpoint& a, const dpoint& b);

// l := (a, b); kUndefinedLineError when a and b coincide in x and y, else 0.
int line_2_points(const dpoint& a, const dpoint& b, dline& l);
// The crossing of the two infinite lines in XY (z 0); kParallelLinesError, p unwritten, for
// lines of equal slope.
int point_inter_2_lines(const dline& l1, const dline& l2, dpoint& p);
// The point of the arc's circle at angle degrees (z of the centre). Returns 0.
int point_arc_angle(const darc& a, double angle, dpoint& p);
darc get_arc_from_element(const TElement* e);
dline get_line_from_element(const TElement* e);
// distance() of the two points' x and y.
double dpoint_distance(const dpoint& a, const dpoint& b);

// Whether the filter code lets an element type be picked.
bool pick_filter_accepts(int filter, int element_type);
// The filter code of a TDFilter (the PickFilter property) and back; unknown codes read as fAll.
int pick_filter_code(TDFilter f);
TDFilter pick_filter_value(int code);

}  // namespace orvane
