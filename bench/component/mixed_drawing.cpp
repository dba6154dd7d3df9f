#include "bench/component/mixed_drawing.h"

#include <cmath>
#include <numbers>
#include <random>

#include "core/core.h"

namespace bench {

namespace {

using namespace orvane;

constexpr TColor kColours[] = {clBlue, clRed, clGreen, clFuchsia, clBlack, clNavy, clMaroon};

struct Maker {
  std::mt19937 random;
  std::uniform_real_distribution<double> unit{0, 1};
  TColor colour = clBlue;

  double between(double lo, double hi) { return lo + (hi - lo) * unit(random); }
  // From 0.5 to 150 units, as many of each size range: small fillets up to large outlines.
  double radius() { return 0.5 * std::pow(300.0, unit(random)); }
  void put(uint8_t type, double g1, double g2, double g3, double g4, double g5, double g6,
           int view) {
    make_element(get_new_element_number(), type, g1, g2, g3, g4, g5, g6, colour, 1, 1, 0, view);
  }
  void element() {
    const double x = between(-500, 500), y = between(-280, 280);
    const int kind = static_cast<int>(unit(random) * 20);
    if (kind < 8) {
      const double a = between(0, 2 * std::numbers::pi), l = between(3, 40);
      put(kLine, x, y, 0, x + l * std::cos(a), y + l * std::sin(a), 0, 1);
    } else if (kind < 14) {
      const double start = between(0, 360);
      put(kArc, x, y, 0, radius(), start, start + between(10, 300), kind % 2 ? -1 : 1);
    } else if (kind < 17) {
      put(kCircle, x, y, 0, radius(), 0, 0, unit(random) < 0.1 ? 9 : 1);
    } else {
      put(kPoint, x, y, 0, 0, 0, 0, 1);
    }
  }
};

}  // namespace

void make_mixed_drawing(int count, unsigned seed) {
  startup();
  Maker maker{std::mt19937(seed)};
  int run = 0;
  for (int i = 0; i < count; ++i) {
    if (run-- <= 0) {
      maker.colour = kColours[maker.random() % std::size(kColours)];
      run = static_cast<int>(maker.between(20, 200));
    }
    maker.element();
  }
}

}  // namespace bench
