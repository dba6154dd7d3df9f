// Text files: buffered line reading and atomic line writing, with the classic I/O codes.
#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvane {

// Classic I/O result codes.
inline constexpr int kIoFileNotFound = 2;
inline constexpr int kIoPathNotFound = 3;
inline constexpr int kIoTooManyFiles = 4;
inline constexpr int kIoAccessDenied = 5;
inline constexpr int kIoReadError = 100;
inline constexpr int kIoNotOpen = 103;

// Raised by read failures of an open file; code is the classic I/O code.
struct TextFileError : std::runtime_error {
  int code;
  TextFileError(int io_code, const std::string& what) : std::runtime_error(what), code(io_code) {}
};

// A text file read line by line: lines end at CR LF, LF or CR.
class TextFile {
 public:
  TextFile();
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Opens name for reading: 0, or the I/O code. Only regular files open; a directory, device
  // or pipe gives 5 (access denied), so reading can neither fail nor wait forever.
  int Reset(const std::string& name);
  bool IsOpen() const { return fd_ >= 0; }
  // True when no further line can be read (also when the file is not open).
  bool Eof();
  // The next line without its end; "" at the end. Throws TextFileError on a read error.
  std::string ReadLn();
  // The same into line, reusing its storage (the fast path of the readers).
  void ReadLn(std::string& line);
  void Close();

 private:
  bool Fill();  // a new block of the file into the buffer; false at the end of the file
  std::size_t Find(char c, std::size_t from, std::size_t& cache);  // next c, or end_
  std::size_t LineEnd();

  int fd_ = -1;
  std::unique_ptr<char[]> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::size_t next_lf_ = 0;
  std::size_t next_cr_ = 0;
  bool at_end_ = true;
};

// Writes a file atomically: lines go to a temporary file in the target's folder, which replaces
// the target only on Commit. A target that is a symbolic link stands for the file it names.
class AtomicTextWriter {
 public:
  AtomicTextWriter() = default;
  ~AtomicTextWriter();  // an uncommitted writer removes its temporary file
  AtomicTextWriter(const AtomicTextWriter&) = delete;
  AtomicTextWriter& operator=(const AtomicTextWriter&) = delete;

  // False when the temporary file cannot be made, the target exists but may not be written, or
  // a writer is already open.
  bool Open(const std::string& target);
  bool IsOpen() const { return fd_ >= 0; }
  void WriteLn(std::string_view line);  // the line plus CR LF
  void Write(std::string_view text);    // text as it stands
  // Flushes, checks every write, closes and renames over the target; false on any failure,
  // with the target untouched and the temporary file removed.
  bool Commit();

 private:
  void Flush();
  void Discard();

  int fd_ = -1;
  bool failed_ = false;
  std::string target_;
  std::string temp_;
  std::string buffer_;
};

}  // namespace orvane
