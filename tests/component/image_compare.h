// Counting pixels of pictures that tests compare.
#pragma once

#include <QImage>

// Pixels where two pictures of one size differ.
inline int differing_pixels(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x)
      n += a.pixel(x, y) != b.pixel(x, y);
  }
  return n;
}

// Pixels that are not white.
inline int inked_pixels(const QImage& a) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x)
      n += (a.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
  }
  return n;
}
