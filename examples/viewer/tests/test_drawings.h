// Drawings and pixel checks the viewer's tests share.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

namespace viewer::test {

// A DXF file with a LAYER table naming WALLS and DOORS and two lines of length 100: on WALLS
// from (0, 0) to (100, 0), on DOORS from (0, 100) to (100, 100). The drawing spans 0..100 in
// x and y.
QString write_two_layer_dxf(const QString& file);

// Writes text to file; false when it cannot.
bool write_text(const QString& file, const QByteArray& text);

// The pixel where a top view fitted to the 100 x 100 drawing above shows model point (x, y), in
// a drawing area of size w x h: the larger span fills the smaller side less a tenth of it, the
// drawing's centre (50, 50) lies at the area's centre, and y grows upwards.
QPoint expected_pixel(double x, double y, int w, int h);

// Whether any pixel within one pixel of p differs from background.
bool drawn_near(const QImage& picture, QPoint p, QColor background);

}  // namespace viewer::test
