// A canvas that also draws arcs as true curves: the printer's page and the vector picture.
#pragma once

#include "orvane/canvas.h"

namespace orvane {

// An ellipse in device pixels: the points (cx, cy) + (ux, uy) cos t + (vx, vy) sin t. Every
// parallel projection of a circle is one; it is a circle when u and v are as long and at right
// angles, and a segment when they are parallel (a circle seen edge on).
struct TEllipseFrame {
  double cx = 0, cy = 0;
  double ux = 0, uy = 0;
  double vx = 0, vy = 0;
};

// Both curves are open and drawn in the pen alone: the brush fills nothing. Coordinates are
// device pixels, not rounded. Angles are degrees; a span runs from its start through span
// degrees, a negative span the other way round.
class CurveCanvas : public Canvas {
 public:
  // The arc of the circle or ellipse inscribed in the box from (left, top) to (right, bottom),
  // angles as QPainter::drawArc takes them (but in whole degrees rather than sixteenths): 0 at
  // three o'clock, counterclockwise as the device shows it (its y axis pointing down).
  virtual void Arc(double left, double top, double right, double bottom, double start,
                   double span) = 0;
  // The points of frame for t from start through span.
  virtual void EllipseArc(const TEllipseFrame& frame, double start, double span) = 0;
};

}  // namespace orvane
