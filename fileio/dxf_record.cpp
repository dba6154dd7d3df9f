#include "fileio/dxf_record.h"

#include <utility>

#include "fileio/dxf_codes.h"
#include "fileio/numbers.h"

namespace orvane {

namespace {

bool is_numeric(int code) {
  const DxfValueType t = dxf_value_type(code);
  return t != DxfValueType::kString && t != DxfValueType::kChunk && t != DxfValueType::kUnknown;
}

}  // namespace

void DxfRecord::clear() {
  type.clear();
  groups.clear();
  pool_.clear();
  first_.fill(kAbsent);
  far_ = false;
}

// A new group of this code at the end, zero-filled; the group is built in place, not copied in.
DxfGroup& DxfRecord::push(int code) {
  const int s = slot(code);
  if (s >= 0 && first_[s] == kAbsent) {
    if (groups.size() < kAbsent) {
      first_[s] = static_cast<uint8_t>(groups.size());
    } else {
      far_ = true;
    }
  }
  DxfGroup& g = groups.emplace_back();
  g.code = code;
  return g;
}

void DxfRecord::add(const DxfPair& pair) {
  DxfGroup& g = push(pair.code);
  g.text_at = static_cast<uint32_t>(pool_.size());
  if (pair.number_ok) {  // no one reads a number's text: it is not kept
    g.number = pair.number;
    g.number_ok = true;
    return;
  }
  g.text_size = static_cast<uint32_t>(pair.text.size());
  pool_.append(pair.text);
}

const DxfGroup* DxfRecord::find(int code) const {
  const int s = slot(code);
  if (s < 0) return scan(code);
  if (first_[s] != kAbsent) return &groups[first_[s]];
  return far_ ? scan(code) : nullptr;
}

const DxfGroup* DxfRecord::scan(int code) const {
  for (const DxfGroup& g : groups)
    if (g.code == code) return &g;
  return nullptr;
}

double DxfRecord::number(int code, double fallback) const {
  const DxfGroup* g = find(code);
  return g ? g->number : fallback;
}

int DxfRecord::integer(int code, int fallback) const {
  const DxfGroup* g = find(code);
  return g ? trunc_int(g->number) : fallback;
}

std::string_view DxfRecord::text(int code) const {
  const DxfGroup* g = find(code);
  return g ? trim(text(*g)) : std::string_view();
}

Vec3 DxfRecord::point(int code) const {
  return {number(code), number(code + 10), number(code + 20)};
}

Vec3 DxfRecord::extrusion() const {
  return {number(210, 0), number(220, 0), number(230, 1)};
}

bool DxfRecordReader::next(DxfRecord& record) {
  if (has_pending_) {
    std::swap(record, pending_);
    has_pending_ = false;
    return true;
  }
  while (!at_end_) {
    if (!have_pair_ && !pairs_.next(pair_)) break;
    have_pair_ = false;
    if (pair_.code != 0) continue;
    record.clear();
    record.type.assign(trim(pair_.text));
    while (pairs_.next(pair_)) {
      if (pair_.code == 0) {
        have_pair_ = true;
        return true;
      }
      record.add(pair_);
      if (!pair_.number_ok && is_numeric(pair_.code)) ++bad_numbers_;
    }
    at_end_ = true;
    return true;
  }
  at_end_ = true;
  return false;
}

void DxfRecordReader::put_back(DxfRecord& record) {
  std::swap(record, pending_);
  has_pending_ = true;
}

}  // namespace orvane
