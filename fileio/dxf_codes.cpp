#include "fileio/dxf_codes.h"

#include <array>

namespace orvane {

namespace {

struct CodeRange {
  int first;
  int last;
  DxfValueType type;
};

using enum DxfValueType;

// Codes between the ranges are unknown.
constexpr CodeRange kRanges[] = {
    {0, 9, kString},       {10, 59, kDouble},    {60, 79, kInt16},      {90, 99, kInt32},
    {100, 105, kString},   {110, 149, kDouble},  {160, 169, kInt64},    {170, 179, kInt16},
    {210, 239, kDouble},   {270, 289, kInt16},   {290, 299, kBool},     {300, 309, kString},
    {310, 319, kChunk},    {320, 369, kString},  {370, 389, kInt16},    {390, 399, kString},
    {400, 409, kInt16},    {410, 419, kString},  {420, 429, kInt32},    {430, 439, kString},
    {440, 459, kInt32},    {460, 469, kDouble},  {470, 481, kString},   {999, 999, kString},
    {1000, 1003, kString}, {1004, 1004, kChunk}, {1005, 1009, kString}, {1010, 1059, kDouble},
    {1060, 1070, kInt16},  {1071, 1071, kInt32},
};

constexpr int kCodeCount = 1072;

// The type of every code below kCodeCount, looked up once per pair.
constexpr std::array<DxfValueType, kCodeCount> make_table() {
  std::array<DxfValueType, kCodeCount> table{};
  table.fill(kUnknown);
  for (const CodeRange& r : kRanges) {
    for (int code = r.first; code <= r.last; ++code)
      table[code] = r.type;
  }
  return table;
}

constexpr std::array<DxfValueType, kCodeCount> kTable = make_table();

}  // namespace

DxfValueType dxf_value_type(int code) {
  return code >= 0 && code < kCodeCount ? kTable[code] : kUnknown;
}

}  // namespace orvane
