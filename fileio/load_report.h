// What the last load or merge made and what it left out, so that an application can tell the
// user why a drawing looks incomplete.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

enum class LeftOut : uint8_t {
  kUnsupported,  // an entity kind the store cannot show (text, hatch fills, images, solids)
  kInfinite,     // rays and infinite lines
  kPaperSpace,   // paper-space layout entities
  kDamaged,      // values missing, not numbers, out of range or inconsistent
  kRecursive,    // a block that inserts itself, or nesting past the depth limit
  kLimit,        // past a limit that keeps memory bounded (array cells, expanded elements)
  kNoPlane,      // an arc whose plane found no free arc view, drawn as a line chain instead
};

// The words of a reason, as the report's summary uses them.
std::string_view left_out_text(LeftOut reason);

struct LoadReport {
  struct Entry {
    std::string type;  // the file's own name of the entity kind ("TEXT", "126", ...)
    LeftOut reason;
    int64_t count;
  };

  int64_t points = 0;  // elements made by type
  int64_t lines = 0;
  int64_t arcs = 0;
  std::vector<Entry> left_out;  // in the order first met

  void clear() { *this = LoadReport{}; }
  void leave_out(std::string_view type, LeftOut reason, int64_t count = 1);
  // The count left out for this type and reason (every reason when reason is omitted).
  int64_t left_out_count(std::string_view type) const;
  int64_t left_out_count(std::string_view type, LeftOut reason) const;
  int64_t made() const { return points + lines + arcs; }
  // One short line: "120 lines, 14 arcs, 3 points; left out: 48 TEXT (unsupported), 2 XLINE
  // (infinite)".
  std::string summary() const;
};

// The report of the last make_cad call.
extern LoadReport load_report;

}  // namespace orvane
