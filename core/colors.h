// Named colours and the colour numbers of the CDL and IGES formats.
#pragma once

#include "orvane/canvas.h"

namespace orvane {

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clDarkRed = 0x000063;

// CDL colour number 0..15 of a colour value; 10 for any value not in the table.
int get_cdl_color(TColor color);
// Colour value of an IGES colour number; lime for any number not in the table.
TColor set_iges_color(int number);

}  // namespace orvane
