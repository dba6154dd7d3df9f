/// @file
/// The answer of TOrvane's file methods: whether a load, merge or save worked and, if not, why.
#pragma once

#include <string>

namespace orvane {

/// The kind of failure of a file method.
enum class FileFailure {
  kNone,         ///< it worked
  kNoName,       ///< the file name is empty
  kCannotOpen,   ///< missing, in a missing folder, access denied or not a regular file
  kCannotRead,   ///< the file layer reported an error while reading
  kNotADrawing,  ///< no record, section or directory of the format at all
  kNoMemory,     ///< the drawing did not fit in memory
  kCannotWrite,  ///< the file could not be made or written completely
};

/// The result of a load, merge or save.
struct FileResult {
  FileFailure failure = FileFailure::kNone;  ///< what went wrong, kNone on success
  int io_code = 0;      ///< the classic I/O code where the file layer gave one, else 0
  std::string message;  ///< why it failed, in a sentence naming the file; empty on success
  /// True when the method succeeded.
  bool ok() const { return failure == FileFailure::kNone; }
};

}  // namespace orvane
