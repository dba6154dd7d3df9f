#include "fileio/load_report.h"

namespace orvane {

LoadReport load_report;

std::string_view left_out_text(LeftOut reason) {
  switch (reason) {
    case LeftOut::kUnsupported:
      return "unsupported";
    case LeftOut::kInfinite:
      return "infinite";
    case LeftOut::kPaperSpace:
      return "paper space";
    case LeftOut::kDamaged:
      return "damaged";
    case LeftOut::kRecursive:
      return "recursive";
    case LeftOut::kLimit:
      return "over the limit";
    case LeftOut::kNoPlane:
      return "no free arc view, drawn as lines";
  }
  return "unknown";
}

void LoadReport::leave_out(std::string_view type, LeftOut reason, int64_t count) {
  for (Entry& e : left_out) {
    if (e.reason == reason && e.type == type) {
      e.count += count;
      return;
    }
  }
  left_out.push_back(Entry{std::string(type), reason, count});
}

int64_t LoadReport::left_out_count(std::string_view type) const {
  int64_t n = 0;
  for (const Entry& e : left_out)
    if (e.type == type) n += e.count;
  return n;
}

int64_t LoadReport::left_out_count(std::string_view type, LeftOut reason) const {
  for (const Entry& e : left_out)
    if (e.type == type && e.reason == reason) return e.count;
  return 0;
}

namespace {

void append_count(std::string& out, int64_t n, const char* one, const char* many) {
  if (!out.empty()) out += ", ";
  out += std::to_string(n);
  out += ' ';
  out += n == 1 ? one : many;
}

}  // namespace

std::string LoadReport::summary() const {
  std::string out;
  if (lines > 0) append_count(out, lines, "line", "lines");
  if (arcs > 0) append_count(out, arcs, "arc", "arcs");
  if (points > 0) append_count(out, points, "point", "points");
  if (out.empty()) out = "nothing drawn";
  if (left_out.empty()) return out;
  out += "; left out: ";
  for (std::size_t i = 0; i < left_out.size(); ++i) {
    const Entry& e = left_out[i];
    if (i > 0) out += ", ";
    out +=
        std::to_string(e.count) + ' ' + e.type + " (" + std::string(left_out_text(e.reason)) + ')';
  }
  return out;
}

}  // namespace orvane
