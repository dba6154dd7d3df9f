#include <array>

#include "core/colors.h"
#include "core/state.h"
#include "fileio/dxf.h"

namespace orvane {

namespace {

// DXF colour numbers 0..15 in order; number 16 reads as white too.
constexpr std::array<TColor, 16> kDxfColors = {
    clBlack, clRed,    clYellow, clLime, clTeal,  clBlue, clFuchsia, clWhite,
    clGray,  clMaroon, clOlive,  clAqua, clGreen, clNavy, clPurple,  clSilver,
};

}  // namespace

TColor set_dxf_color(int number) {
  if (number == 0) return plot_background == clBlack ? clSilver : clBlack;
  if (number == 16) return clWhite;
  if (number < 0 || number > 16) return clLime;
  return kDxfColors[static_cast<std::size_t>(number)];
}

int get_dxf_color(TColor color) {
  for (std::size_t n = 0; n < kDxfColors.size(); ++n) {
    if (kDxfColors[n] == color) return static_cast<int>(n);
  }
  return 3;
}

}  // namespace orvane
