/// @file
/// What the last load or merge made and what it left out, so that an application can tell the
/// user why a drawing looks incomplete (TOrvane::GetLoadReport).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

/// Why entities of a file were left out.
enum class LeftOut : uint8_t {
  kUnsupported,  ///< an entity kind the store cannot show (text, hatch fills, images, solids)
  kInfinite,     ///< rays and infinite lines
  kPaperSpace,   ///< paper-space layout entities
  kDamaged,      ///< values missing, not numbers, out of range or inconsistent
  kRecursive,    ///< a block that inserts itself, or nesting past the depth limit
  kLimit,        ///< past a limit that keeps memory bounded (array cells, expanded elements)
  kNoPlane,      ///< an arc whose plane found no free arc view, drawn as a line chain instead
};

/// The words of a reason, as LoadReport::summary uses them ("unsupported", "infinite", ...).
std::string_view left_out_text(LeftOut reason);

/// The elements a load or merge made, by type, and the entities it left out.
struct LoadReport {
  /// One kind of entity left out for one reason.
  struct Entry {
    std::string type;  ///< the file's own name of the entity kind ("TEXT", "126", ...)
    LeftOut reason;    ///< why it was left out
    int64_t count;     ///< how many were left out
  };

  int64_t points = 0;           ///< points made
  int64_t lines = 0;            ///< lines made
  int64_t arcs = 0;             ///< arcs made
  std::vector<Entry> left_out;  ///< what was left out, in the order first met

  /// Empties the report.
  void clear() { *this = LoadReport{}; }
  /// Counts count entities of type left out for reason.
  void leave_out(std::string_view type, LeftOut reason, int64_t count = 1);
  /// The count left out for this type, for every reason.
  int64_t left_out_count(std::string_view type) const;
  /// The count left out for this type and reason.
  int64_t left_out_count(std::string_view type, LeftOut reason) const;
  /// The number of elements made.
  int64_t made() const { return points + lines + arcs; }
  /// One short line: "120 lines, 14 arcs, 3 points; left out: 48 TEXT (unsupported), 2 XLINE
  /// (infinite)".
  std::string summary() const;
};

}  // namespace orvane
