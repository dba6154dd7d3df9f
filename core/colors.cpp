#include "core/colors.h"

#include <array>

namespace orvane {

int get_cdl_color(TColor color) {
  static constexpr std::array<TColor, 16> kCdl = {
      clBlack, clGreen, clMaroon, clOlive, clYellow, clTeal,    clPurple, clGray,
      clNavy,  clBlue,  clLime,   clAqua,  clRed,    clFuchsia, clSilver, clWhite};
  for (int n = 0; n < 16; ++n) {
    if (kCdl[n] == color) return n;
  }
  return 10;
}

TColor set_iges_color(int number) {
  static constexpr std::array<TColor, 16> kIges = {
      clBlack, clRed, clRed,    clLime, clBlue, clYellow, clFuchsia, clAqua,
      clWhite, clRed, clYellow, clAqua, clLime, clBlue,   clFuchsia, clWhite};
  return number >= 0 && number < 16 ? kIges[number] : clLime;
}

}  // namespace orvane
