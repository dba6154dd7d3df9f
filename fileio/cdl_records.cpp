#include "fileio/cdl_records.h"

#include <array>

#include "core/colors.h"
#include "core/state.h"

namespace orvane {

TColor set_cdl_color(int number) {
  static constexpr std::array<TColor, 16> kColors = {
      clBlack, clGreen, clMaroon, clOlive, clYellow, clTeal,    clPurple, clGray,
      clNavy,  clBlue,  clLime,   clAqua,  clRed,    clFuchsia, clSilver, clWhite};
  if (number < 0) return clSilver;
  if (number > 15) return clGreen;
  if (number == 0 && plot_background == clBlack) return clSilver;
  if (number == 15 && plot_background == clWhite) return clSilver;
  return kColors[number];
}

void fix_circle(double& x, double& y, double& z, int view, int& new_view) {
  const double x0 = x, y0 = y, z0 = z;
  new_view = view;
  switch (view) {
    case 2:
      y = -z0;
      z = y0;
      break;
    case 3:
      new_view = 2;
      x = -x0;
      y = z0;
      z = y0;
      break;
    case 4:
      new_view = 1;
      x = -x0;
      z = -z0;
      break;
    case 6:
      new_view = 3;
      x = -z0;
      y = -x0;
      z = y0;
      break;
    case 44:
      new_view = 1;
      x = -x0;
      break;
    default:
      break;
  }
}

}  // namespace orvane
