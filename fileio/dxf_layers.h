// Layers and line types of a DXF read: layer names mapped to the store's layer numbers, with the
// colour, line type and visibility the LAYER table gives them, and line type names mapped to the
// nearest of the store's line types.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/records.h"
#include "core/state.h"
#include "fileio/dxf_record.h"

namespace orvane {

// The store's line type nearest to a DXF line type name: 1 continuous (and any unknown name),
// 2 dashed, hidden or dotted, 3 dash-dot or center, 4 dash-dot-dot, phantom or divide. A name
// that is a number keeps it (0 counts as 1). 0 for BYLAYER and -1 for BYBLOCK.
int line_type_of_name(std::string_view name);
inline constexpr int kLineTypeByLayer = 0;
inline constexpr int kLineTypeByBlock = -1;

class DxfLayers {
 public:
  // Starts a read; a fresh load forgets the names of the drawing before.
  void begin(bool merge);
  // One entry of the LAYER table.
  void add_table_entry(const DxfRecord& entry);
  // The end of the LAYER table: names get their numbers in table order, and layers that are off
  // or frozen are hidden.
  void finish_table();

  // The layer number of an entity's layer name.
  int number(std::string_view name);
  // What the table says of a layer number; unknown layers (no table entry) give false.
  bool has_color(int layer) const;
  TColor color(int layer) const;
  int line_type(int layer) const;

 private:
  struct Entry {
    std::string name;
    int color_number = 7;
    int line_type = 1;
    bool hidden = false;
  };
  struct Info {
    bool known = false;
    TColor color = 0;
    int line_type = 1;
  };
  int assign(const std::string& name);
  int free_number();
  void describe(int layer, const Entry& e);

  std::vector<Entry> table_;
  std::array<Info, kLayers> info_{};
  std::array<bool, kLayers> taken_{};
  std::unordered_map<std::string, int> by_name_;
  std::string last_name_;  // consecutive entities mostly share a layer
  int last_number_ = -1;
  bool had_table_ = false;
  bool merge_ = false;
  int next_free_ = 2;
};

}  // namespace orvane
