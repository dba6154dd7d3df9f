#include "fileio/dxf_layers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>

#include "fileio/dxf.h"
#include "fileio/numbers.h"

namespace orvane {

namespace {

// Layers from 1 to 254 hold elements; 252 is where the store puts layers it cannot hold, so
// names never take it.
constexpr int kLastLayer = kLayers - 1;
constexpr int kOverflowLayer = 252;

bool starts(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// A name that is a whole number 0..254: its layer (the common default layer "0" is layer 1).
int numeric_layer(std::string_view name) {
  int n = -1;
  const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), n);
  if (ec != std::errc() || end != name.data() + name.size() || n < 0 || n > kLastLayer) return -1;
  return n == 0 ? 1 : n;
}

// The layer of a name outside any LAYER table: the number it reads as, 0 counting as 1.
int classic_layer(std::string_view name) {
  const int n = trunc_int(text_to_real(name));
  return n == 0 ? 1 : n;
}

// ISO line type names by their pattern number (ACAD_ISO02W100 is dashed, 07 dotted, ...).
int iso_line_type(std::string_view name) {
  const int n = std::atoi(std::string(name.substr(8, 2)).c_str());
  if (n == 2 || n == 3 || n == 6 || n == 7 || n == 13 || n == 14) return 2;
  if (n == 4 || n == 8 || n == 10 || n == 11) return 3;
  if (n == 5 || n == 9 || n == 12 || n == 15) return 4;
  return 1;
}

}  // namespace

int line_type_of_name(std::string_view name) {
  const std::string u = upper(name);
  if (u.empty() || u == "BYLAYER") return kLineTypeByLayer;
  if (u == "BYBLOCK") return kLineTypeByBlock;
  if (std::isdigit(static_cast<unsigned char>(u[0])) || u[0] == '-' || u[0] == '.') {
    const int n = trunc_int(text_to_real(u));
    return n == 0 ? 1 : n;
  }
  if (starts(u, "ACAD_ISO") && u.size() >= 10) return iso_line_type(u);
  if (starts(u, "DASHDOT") || starts(u, "CENTER") || starts(u, "CENTRE") || starts(u, "BORDER")) {
    return 3;
  }
  if (starts(u, "PHANTOM") || starts(u, "DIVIDE")) return 4;
  if (starts(u, "DASH") || starts(u, "HIDDEN") || starts(u, "DOT")) return 2;
  return 1;
}

void DxfLayers::begin(bool merge) {
  merge_ = merge;
  if (!merge) layer_name.fill(std::string());
  by_name_.clear();
  last_number_ = -1;
  for (int n = 0; n < kLayers; ++n) {
    taken_[n] = !layer_name[n].empty();
    if (taken_[n]) by_name_.emplace(layer_name[n], n);
  }
  taken_[0] = taken_[kOverflowLayer] = true;
}

void DxfLayers::add_table_entry(const DxfRecord& entry) {
  Entry e;
  e.name.assign(entry.text(2));
  if (e.name.empty()) return;
  const int color = entry.integer(62, 7);
  e.color_number = std::abs(color);
  e.hidden = color < 0 || (entry.integer(70) & 1) != 0;
  e.line_type = std::max(1, line_type_of_name(entry.text(6)));
  table_.push_back(std::move(e));
}

void DxfLayers::finish_table() {
  had_table_ = true;
  if (!merge_ && !table_.empty()) visible_layer.fill(true);
  for (const Entry& e : table_) {  // whole-number names first: they keep their numbers
    const int n = numeric_layer(e.name);
    if (n < 0) continue;
    taken_[n] = true;
    if (layer_name[n].empty()) layer_name[n] = e.name;
    by_name_.emplace(e.name, n);
    describe(n, e);
  }
  for (const Entry& e : table_)
    if (numeric_layer(e.name) < 0) describe(assign(e.name), e);
  table_.clear();
}

void DxfLayers::describe(int layer, const Entry& e) {
  info_[layer] = Info{true, set_dxf_color(e.color_number), e.line_type};
  if (e.hidden) visible_layer[layer] = false;
}

int DxfLayers::free_number() {
  while (next_free_ <= kLastLayer && taken_[next_free_])
    ++next_free_;
  return next_free_ <= kLastLayer ? next_free_ : kOverflowLayer;
}

int DxfLayers::assign(const std::string& name) {
  const auto known = by_name_.find(name);
  if (known != by_name_.end()) return known->second;
  const int n = free_number();
  if (n == kOverflowLayer) return n;
  taken_[n] = true;
  layer_name[n] = name;
  by_name_.emplace(name, n);
  return n;
}

int DxfLayers::number(std::string_view name) {
  if (name.empty()) return 1;
  const int n = numeric_layer(name);
  if (n >= 0) return n;
  if (!had_table_) return classic_layer(name);
  if (last_number_ >= 0 && name == last_name_) return last_number_;
  last_name_.assign(name);
  return last_number_ = assign(last_name_);
}

bool DxfLayers::has_color(int layer) const {
  return layer >= 0 && layer < kLayers && info_[layer].known;
}

TColor DxfLayers::color(int layer) const {
  return info_[layer].color;
}

int DxfLayers::line_type(int layer) const {
  return has_color(layer) ? info_[layer].line_type : 1;
}

}  // namespace orvane
