#include "fileio/file_result.h"

#include <cctype>
#include <exception>
#include <initializer_list>
#include <new>
#include <string_view>

#include "core/drawing.h"
#include "core/state.h"
#include "fileio/iges_records.h"
#include "fileio/load_report.h"
#include "fileio/make_cad.h"
#include "fileio/save_cad.h"
#include "platform/text_file.h"

namespace orvane {

namespace {

std::string quoted(const std::string& name) {
  return "\"" + name + "\"";
}

const char* format_name(int type) {
  switch (type) {
    case 2:
      return "DXF";
    case 3:
      return "IGES";
    case 4:
      return "TVG";
    default:
      return "CDL";
  }
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
    s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
    s.remove_suffix(1);
  return s;
}

bool starts_with_any(std::string_view s, std::initializer_list<std::string_view> words) {
  for (std::string_view w : words)
    if (s.substr(0, w.size()) == w) return true;
  return false;
}

bool cdl_record(std::string_view t) {
  return starts_with_any(t, {"VIEW", "LINE", "ARC", "CIRCLE", "POINT", "VLINE", "VPOINT", "SPLINE",
                             "ARROW", "LEADER", "WITNESS"});
}

// A DXF record name: upper-case letters, digits and underscores, with a letter.
bool dxf_name(std::string_view t) {
  if (t.empty() || t.size() > 64) return false;
  bool letter = false;
  for (char c : t) {
    if (c >= 'A' && c <= 'Z') {
      letter = true;
    } else if (!(c >= '0' && c <= '9') && c != '_') {
      return false;
    }
  }
  return letter;
}

// Column 73 names a section and columns 74-80 hold a sequence number.
bool iges_record(std::string_view line) {
  const char section = iges::section_of(line);
  if (section != 'S' && section != 'G' && section != 'D' && section != 'P' && section != 'T') {
    return false;
  }
  const std::string_view number = trimmed(line.substr(iges::kSectionColumn + 1));
  if (number.empty() || number.size() > 7) return false;
  for (char c : number)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string open_failure_text(int code) {
  switch (code) {
    case kIoFileNotFound:
      return "the file does not exist";
    case kIoPathNotFound:
      return "the folder does not exist";
    case kIoAccessDenied:
      return "access is denied, or it is not a file";
    default:
      return "I/O error " + std::to_string(code);
  }
}

FileResult failure(FileFailure kind, std::string message, int io_code = 0) {
  return FileResult{kind, io_code, std::move(message)};
}

// Whether the reader could open the file, from make_cad's result for the type it read.
bool opened(int type, int result) {
  return type == 2 || type == 3 ? result == -1 : result == 0;
}

// Runs make_cad and judges its outcome; the drawing is not restored here.
FileResult read_into_current(const std::string& name, bool merge) {
  const char* verb = merge ? "merge" : "load";
  int result = 0;
  try {
    result = make_cad(name);
  } catch (const TextFileError& e) {
    return failure(FileFailure::kCannotRead, "Cannot read " + quoted(name) + ": " + e.what() + ".",
                   e.code);
  } catch (const std::bad_alloc&) {
    return failure(FileFailure::kNoMemory,
                   "Not enough memory to " + std::string(verb) + " " + quoted(name) + ".");
  } catch (const std::exception& e) {
    return failure(FileFailure::kCannotRead, "Cannot read " + quoted(name) + ": " + e.what() + ".");
  }
  if (!opened(cad_type, result)) {
    // Only the CDL reader gives the I/O code; the others are asked the file layer's.
    int code = cad_type == 1 && result > 0 ? result : 0;
    if (code == 0) {
      TextFile probe;
      code = probe.Reset(name);
    }
    return failure(FileFailure::kCannotOpen,
                   "Cannot open " + quoted(name) + ": " +
                       (code != 0 ? open_failure_text(code) : std::string("it cannot be read")) +
                       ".",
                   code);
  }
  if (mem_full) {
    return failure(FileFailure::kNoMemory,
                   "Not enough memory to " + std::string(verb) + " " + quoted(name) + ".");
  }
  // A file that made nothing may be an empty drawing, or no drawing at all.
  if (load_report.made() == 0 && !looks_like_drawing_file(name, cad_type)) {
    return failure(FileFailure::kNotADrawing, quoted(name) + " is not " +
                                                  (cad_type == 3 ? "an " : "a ") +
                                                  format_name(cad_type) + " drawing file.");
  }
  return {};
}

}  // namespace

bool looks_like_drawing_file(const std::string& name, int type) {
  TextFile file;
  file.SetMaxLineLength(kDxfMaxLine);
  if (file.Reset(name) != 0) return false;
  std::string line;
  bool blank = true;
  bool after_code_0 = false;
  bool first = true;
  while (!file.Eof()) {
    file.ReadLn(line);
    const std::string_view t = trimmed(line);
    if (first && type == 2 && line.rfind("AutoCAD Binary DXF", 0) == 0) return true;
    first = false;
    if (t.empty()) {
      after_code_0 = false;
      continue;
    }
    blank = false;
    switch (type) {
      case 2:
        if (after_code_0 && dxf_name(t)) return true;
        after_code_0 = t == "0";
        break;
      case 3:
        if (iges_record(line)) return true;
        break;
      case 4:
        if (t.substr(0, 3) == "OBJ") return true;
        break;
      default:
        if (cdl_record(t)) return true;
        break;
    }
  }
  return blank;
}

FileResult load_drawing(const std::string& name) {
  const bool merge = merge_cad;
  if (name.empty()) {
    merge_cad = false;
    return failure(FileFailure::kNoName, "No file name was given.");
  }
  // A load reads into an empty store beside the drawing on screen; a merge keeps a copy of the
  // table so that what it added can be taken out again.
  Drawing before = merge ? copy_of_drawing() : empty_drawing_like_current();
  if (!merge) swap_drawing(before);
  FileResult r = read_into_current(name, merge);
  merge_cad = false;
  if (!r.ok()) {
    if (merge) {
      free_blocks_added_since(before);
      swap_drawing(before);
    } else {
      swap_drawing(before);
      free_drawing(before);
    }
    r.message += " The drawing was not changed.";
    return r;
  }
  if (merge) {
    cdl_filename = before.cdl_filename;
  } else {
    free_drawing(before);
    cdl_filename = name;
  }
  return r;
}

FileResult save_drawing(const std::string& name) {
  if (name.empty()) return failure(FileFailure::kNoName, "No file name was given.");
  if (save_cad(name)) return {};
  const std::string& why = AtomicTextWriter::LastError();
  return failure(FileFailure::kCannotWrite,
                 "Cannot save the drawing to " + quoted(name) + ": " +
                     (why.empty() ? std::string("it could not be written completely") : why) + ".");
}

}  // namespace orvane
