// Reading a DXF file as group-code/value pairs, section by section: the HEADER's units, the
// LAYER table, the BLOCKS that inserts place, and the ENTITIES that are the drawing. Files
// without sections (entities only) read as entities.
#include <algorithm>
#include <cctype>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "core/state.h"
#include "core/store.h"
#include "fileio/dxf.h"
#include "fileio/dxf_draw.h"
#include "fileio/dxf_pairs.h"
#include "fileio/dxf_record.h"
#include "fileio/make_cad.h"

namespace orvane {

namespace {

// The units the HEADER names: 1 metric, 0 imperial, -1 when it does not say.
int header_units(const DxfRecord& header) {
  int insunits = -1, measurement = -1;
  for (std::size_t i = 0; i + 1 < header.groups.size(); ++i) {
    if (header.groups[i].code != 9) continue;
    const std::string_view name = trim(header.text(header.groups[i]));
    const int value = static_cast<int>(header.groups[i + 1].number);
    if (name == "$INSUNITS") insunits = value;
    if (name == "$MEASUREMENT") measurement = value;
  }
  if (insunits >= 4 && insunits <= 7) return 1;  // millimetres to kilometres
  if (insunits == 1 || insunits == 2 || insunits == 3 || (insunits >= 8 && insunits <= 10)) {
    return 0;
  }
  return measurement == 0 || measurement == 1 ? measurement : -1;
}

class DxfFileReader {
 public:
  DxfFileReader(DxfPairSource& pairs, bool merge)
      : records_(pairs), sink_(load_report), draw_(sink_, layers_), merge_(merge) {
    layers_.begin(merge);
  }

  // See ElementSink::extents_are_visible_ones.
  bool extents_are_visible_ones() const { return sink_.extents_are_visible_ones(); }

  void run() {
    while (!mem_full && records_.next(item_.head)) {
      const std::string_view type = item_.head.type;
      if (type == "EOF") {
        abort2 = true;  // nothing after the end marker is read
        break;
      }
      if (type == "SECTION") {
        begin_section();
      } else if (type == "ENDSEC") {
        end_section();
      } else if (section_ == Section::kEntities) {
        entity();
      } else if (section_ == Section::kTables) {
        table_record();
      } else if (section_ == Section::kBlocks) {
        block_record();
      }
    }
    finish();
  }

 private:
  void begin_section() {
    end_section();
    const std::string name = upper(item_.head.text(2));
    section_ = name.empty() || name == "ENTITIES" ? Section::kEntities
               : name == "TABLES"                 ? Section::kTables
               : name == "BLOCKS"                 ? Section::kBlocks
                                                  : Section::kOther;
    if (name == "HEADER" && !merge_) {
      const int units = header_units(item_.head);
      if (units >= 0) metric_machine = units == 1;
    }
  }

  void end_section() {
    if (in_layer_table_) layers_.finish_table();
    in_layer_table_ = false;
    end_block();
    section_ = Section::kEntities;  // entities outside any section are the drawing too
  }

  void table_record() {
    const std::string_view type = item_.head.type;
    if (type == "TABLE") {
      in_layer_table_ = upper(item_.head.text(2)) == "LAYER";
    } else if (type == "ENDTAB") {
      if (in_layer_table_) layers_.finish_table();
      in_layer_table_ = false;
    } else if (in_layer_table_ && type == "LAYER") {
      layers_.add_table_entry(item_.head);
    }
  }

  void block_record() {
    const std::string_view type = item_.head.type;
    if (type == "BLOCK") {
      end_block();
      block_name_.assign(item_.head.text(2));
      block_ = DxfBlock{item_.head.point(10), {}};
      in_block_ = true;
    } else if (type == "ENDBLK") {
      end_block();
    } else if (in_block_) {
      read_children();
      block_.items.push_back(std::move(item_));
      item_ = DxfItem{};
    }
  }

  // Paper-space layouts are blocks too; their entities are counted, not kept.
  void end_block() {
    if (!in_block_) return;
    in_block_ = false;
    if (upper(block_name_).rfind("*PAPER_SPACE", 0) == 0) {
      for (const DxfItem& item : block_.items)
        load_report.leave_out(item.head.type, LeftOut::kPaperSpace);
    } else if (!block_name_.empty()) {
      draw_.blocks.emplace(block_name_, std::move(block_));
    }
    block_ = DxfBlock{};
  }

  void entity() {
    read_children();
    const DxfRecord& head = item_.head;
    if (std::string_view(head.type) == "INSERT" && head.integer(67) != 1 &&
        draw_.blocks.find(std::string(head.text(2))) == draw_.blocks.end()) {
      deferred_.push_back(std::move(item_));  // its block may be defined further on
      item_ = DxfItem{};
      return;
    }
    draw_dxf_item(item_, draw_);
  }

  // A POLYLINE's VERTEX records and an INSERT's ATTRIB records up to their SEQEND.
  void read_children() {
    DxfItem& item = item_;
    item.children.clear();
    item.has_tail = false;
    const std::string_view type = item.head.type;
    if (type != "POLYLINE" && !(type == "INSERT" && item.head.integer(66) == 1)) return;
    DxfRecord r;
    while (records_.next(r)) {
      if (r.type == "VERTEX" || r.type == "ATTRIB") {
        item.children.push_back(std::move(r));
        r = DxfRecord{};
      } else if (r.type == "SEQEND") {
        item.tail = std::move(r);
        item.has_tail = true;
        return;
      } else {
        records_.put_back(r);
        return;
      }
    }
  }

  void finish() {
    end_section();
    for (const DxfItem& item : deferred_) {
      if (mem_full) break;
      draw_dxf_item(item, draw_);
    }
    if (records_.damaged()) load_report.leave_out("DXF data", LeftOut::kDamaged);
    if (records_.bad_numbers() > 0) {
      load_report.leave_out("value that is not a number (read as 0)", LeftOut::kDamaged,
                            records_.bad_numbers());
    }
  }

  DxfRecordReader records_;
  ElementSink sink_;
  DxfLayers layers_;
  DxfDraw draw_;
  bool merge_;
  enum class Section { kEntities, kTables, kBlocks, kOther };
  Section section_ = Section::kEntities;
  bool in_layer_table_ = false;
  bool in_block_ = false;
  std::string block_name_;
  DxfBlock block_;
  DxfItem item_;
  std::vector<DxfItem> deferred_;
};

}  // namespace

bool read_dxf2(const std::string& file_name) {
  int io_code = 0;
  const LineCap cap(kDxfMaxLine);  // a longer line is no DXF value: it is passed over
  const std::unique_ptr<DxfPairSource> pairs = open_dxf_pairs(file_name, io_code);
  if (!pairs) return false;
  abort2 = false;
  cdl_filename = file_name;
  load_report.clear();
  if (!merge_cad) {
    destroy_all_elements();
    start_max_min();  // the elements made extend the extents as they come
    metric_machine = false;
  }
  bool extents_done = false;
  try {
    DxfFileReader reader(*pairs, merge_cad);
    reader.run();
    // A new drawing on visible layers has its extents already; others are scanned.
    extents_done = !merge_cad && reader.extents_are_visible_ones();
  } catch (const std::bad_alloc&) {
    mem_full = true;
  } catch (...) {
    get_max_min();  // what was read stays consistent; the read error goes to the caller
    throw;
  }
  if (!extents_done) get_max_min();
  cad_changed = false;
  return true;
}

}  // namespace orvane
