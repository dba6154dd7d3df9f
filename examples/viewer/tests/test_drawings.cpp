#include "test_drawings.h"

#include <QFile>
#include <algorithm>
#include <cmath>

namespace viewer::test {

namespace {

QByteArray layer_entry(const char* name, int colour) {
  return QByteArray("0\nLAYER\n2\n") + name + "\n70\n0\n62\n" + QByteArray::number(colour) +
         "\n6\nCONTINUOUS\n";
}

QByteArray line_entity(const char* layer, int x1, int y1, int x2, int y2) {
  return QByteArray("0\nLINE\n8\n") + layer + "\n10\n" + QByteArray::number(x1) + "\n20\n" +
         QByteArray::number(y1) + "\n30\n0\n11\n" + QByteArray::number(x2) + "\n21\n" +
         QByteArray::number(y2) + "\n31\n0\n";
}

}  // namespace

QString write_two_layer_dxf(const QString& file) {
  const QByteArray text = "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n2\n" +
                          layer_entry("WALLS", 7) + layer_entry("DOORS", 3) +
                          "0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" +
                          line_entity("WALLS", 0, 0, 100, 0) +
                          line_entity("DOORS", 0, 100, 100, 100) + "0\nENDSEC\n0\nEOF\n";
  return write_text(file, text) ? file : QString();
}

bool write_text(const QString& file, const QByteArray& text) {
  QFile out(file);
  return out.open(QIODevice::WriteOnly) && out.write(text) == text.size();
}

QPoint expected_pixel(double x, double y, int w, int h) {
  const int m = std::min(w, h);
  const double scale = (m - std::lround(0.1 * m)) / 100.0;
  return QPoint(static_cast<int>(std::lround(w / 2.0 + (x - 50) * scale)),
                static_cast<int>(std::lround(h / 2.0 - (y - 50) * scale)));
}

bool drawn_near(const QImage& picture, QPoint p, QColor background) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const QPoint q = p + QPoint(dx, dy);
      if (picture.valid(q) && picture.pixelColor(q).rgb() != background.rgb()) return true;
    }
  return false;
}

}  // namespace viewer::test
