// One DXF record: the keyword that a code-0 group introduces and the groups that follow it up to
// the next code 0 (an entity, a table entry, a section or block header).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fileio/dxf_pairs.h"
#include "fileio/geometry3d.h"
#include "fileio/text_view.h"

namespace orvane {

struct DxfGroup {
  int code = 0;
  double number = 0;  // 0 when the value is not a number
  uint32_t text_at = 0, text_size = 0;
  bool number_ok = false;
};

class DxfRecord {
 public:
  std::string type;  // the keyword, spaces trimmed
  std::vector<DxfGroup> groups;

  void clear();
  // Keeps a pair; the text of a value that is a number is not kept.
  void add(const DxfPair& pair);
  std::string_view text(const DxfGroup& g) const { return {pool_.data() + g.text_at, g.text_size}; }

  // The first group of a code: looked up directly for the codes entities read most (below 80
  // and 210..239), by a scan for others.
  const DxfGroup* find(int code) const;
  bool has(int code) const { return find(code) != nullptr; }
  // The first group's number, or fallback when the code is absent.
  double number(int code, double fallback = 0) const;
  int integer(int code, int fallback = 0) const;
  // The first group's text, spaces trimmed; "" when absent.
  std::string_view text(int code) const;
  // The point of codes (code, code + 10, code + 20), each coordinate 0 when absent.
  Vec3 point(int code) const;
  // The extrusion direction (210, 220, 230), world Z when absent.
  Vec3 extrusion() const;

 private:
  static constexpr int kDirectCodes = 80 + 30;
  static constexpr uint8_t kAbsent = 0xFF;  // also: first seen past the indexable groups
  // The slot of a code in first_, or -1 for codes found by a scan.
  static int slot(int code) {
    if (code >= 0 && code < 80) return code;
    return code >= 210 && code < 240 ? code - 130 : -1;
  }
  DxfGroup& push(int code);
  const DxfGroup* scan(int code) const;

  std::string pool_;
  // Index into groups of the first group of each directly looked-up code.
  std::array<uint8_t, kDirectCodes> first_ = make_absent();
  bool far_ = false;  // some code was first seen past the indexable groups: those are scanned

  static constexpr std::array<uint8_t, kDirectCodes> make_absent() {
    std::array<uint8_t, kDirectCodes> a{};
    a.fill(kAbsent);
    return a;
  }
};

// Records from a stream of pairs. A record ends where the next code-0 group begins.
class DxfRecordReader {
 public:
  explicit DxfRecordReader(DxfPairSource& pairs) : pairs_(pairs) {}
  // The next record; false at the end of the pairs. Groups before the first code 0 are skipped.
  bool next(DxfRecord& record);
  // Hands a record back: the next call of next() gives it again.
  void put_back(DxfRecord& record);
  bool damaged() const { return pairs_.damaged(); }
  // Values of numeric groups that were not finite numbers (they read as 0).
  int64_t bad_numbers() const { return bad_numbers_; }

 private:
  DxfPairSource& pairs_;
  DxfPair pair_;
  bool have_pair_ = false;
  bool at_end_ = false;
  bool has_pending_ = false;
  DxfRecord pending_;
  int64_t bad_numbers_ = 0;
};

}  // namespace orvane
