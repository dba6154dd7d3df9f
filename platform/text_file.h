// Text files: buffered line reading and atomic line writing, with the classic I/O codes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvane {

namespace text_file_detail {

inline constexpr std::size_t kLineBlock = 16;

// Bit j is set when byte j of the kLineBlock bytes at p is a CR or an LF.
inline unsigned line_end_mask(const char* p) {
#if defined(__SSE2__)
  const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i ends = _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('\n')),
                                    _mm_cmpeq_epi8(block, _mm_set1_epi8('\r')));
  return static_cast<unsigned>(_mm_movemask_epi8(ends));
#else
  unsigned m = 0;
  for (std::size_t j = 0; j < kLineBlock; ++j)
    m |= static_cast<unsigned>(p[j] == '\n' || p[j] == '\r') << j;
  return m;
#endif
}

}  // namespace text_file_detail

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

// A text file read line by line: lines end at CR LF, LF or CR. A line longer than the cap is
// not kept: its bytes are passed over without being held, the reader gets an empty line in its
// place (so that line-pair formats stay in step) and the line is counted. Memory then follows
// the cap, not the file.
class TextFile {
 public:
  // The cap of a file whose reader sets none: far beyond any line a drawing file needs.
  static constexpr std::size_t kDefaultMaxLine = std::size_t{1} << 24;

  TextFile();
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Opens name for reading: 0, or the I/O code. Only regular files open; a directory, device
  // or pipe gives 5 (access denied), so reading can neither fail nor wait forever.
  int Reset(const std::string& name);
  bool IsOpen() const { return fd_ >= 0; }
  // True when no further line can be read (also when the file is not open).
  bool Eof() { return (fd_ < 0 || pos_ == end_) && EofAtBlockEnd(); }
  // The next line without its end; "" at the end. Throws TextFileError on a read error.
  std::string ReadLn();
  // The same into line, reusing its storage (the fast path of the readers).
  void ReadLn(std::string& line);
  // The same as a view: into the file's buffer when the line lies whole in it (valid until the
  // next read of this file), else of spill, which then holds the line.
  std::string_view ReadLnView(std::string& spill) {
    // Inline for the short lines most drawing files hold: one that ends within the next block
    // of bytes, with a byte after its end to tell CR LF from a lone CR.
    using namespace text_file_detail;
    if (fd_ >= 0 && end_ - pos_ > kLineBlock) {
      const char* const p = buffer_.get() + pos_;
      const unsigned ends = line_end_mask(p);
      const std::size_t n = ends != 0 ? static_cast<std::size_t>(__builtin_ctz(ends)) : kLineBlock;
      if (n < kLineBlock && n <= max_line_) {
        pos_ += n + (p[n] == '\r' && p[n + 1] == '\n' ? 2 : 1);
        return {p, n};
      }
    }
    return ReadLnViewAnyLength(spill);
  }
  // The next two lines as views, when both are short and lie whole in the buffer, without
  // reading them: the bytes that Advance then takes to read them (line ends included), or 0 when
  // they are not such lines. Two lines are found with one scan of the bytes, for files of
  // line pairs.
  std::size_t PeekTwoLines(std::string_view& first, std::string_view& second) const {
    using namespace text_file_detail;
    if (fd_ < 0 || end_ - pos_ <= 2 * kLineBlock) return 0;
    const char* const p = buffer_.get() + pos_;
    const uint32_t ends = line_end_mask(p) | (uint32_t{line_end_mask(p + kLineBlock)} << 16);
    if (ends == 0) return 0;
    const std::size_t n1 = static_cast<std::size_t>(__builtin_ctz(ends));
    const std::size_t s2 = n1 + (p[n1] == '\r' && p[n1 + 1] == '\n' ? 2 : 1);
    if (s2 >= 2 * kLineBlock || (ends >> s2) == 0) return 0;
    const std::size_t n2 = static_cast<std::size_t>(__builtin_ctz(ends >> s2));
    if (n1 > max_line_ || n2 > max_line_) return 0;
    const std::size_t e2 = s2 + n2;
    first = {p, n1};
    second = {p + s2, n2};
    return e2 + (p[e2] == '\r' && p[e2 + 1] == '\n' ? 2 : 1);
  }
  // Reads bytes that PeekTwoLines gave.
  void Advance(std::size_t bytes) { pos_ += bytes; }
  void Close();

  // The longest line kept, in bytes without the line end (at least 1); it holds across Reset.
  // A file without a cap of its own takes the LineCap in force at its Reset.
  void SetMaxLineLength(std::size_t bytes) { own_max_line_ = max_line_ = bytes > 0 ? bytes : 1; }
  std::size_t MaxLineLength() const { return max_line_; }
  // Lines over the cap passed over since the last Reset.
  int64_t LongLinesSkipped() const { return long_lines_; }

 private:
  bool Fill();  // a new block of the file into the buffer; false at the end of the file
  bool EofAtBlockEnd();
  std::string_view ReadLnViewAnyLength(std::string& spill);
  std::size_t Find(char c, std::size_t from, std::size_t& cache);  // next c, or end_
  std::size_t LineEnd();

  int fd_ = -1;
  std::unique_ptr<char[]> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::size_t next_lf_ = 0;
  std::size_t next_cr_ = 0;
  bool at_end_ = true;
  std::size_t own_max_line_ = 0;  // 0: none set
  std::size_t max_line_ = kDefaultMaxLine;
  int64_t long_lines_ = 0;
};

// While one lives, files opened without a cap of their own keep lines of at most bytes (at
// least 1): a loader sets its format's cap for every file its readers open.
class LineCap {
 public:
  explicit LineCap(std::size_t bytes);
  ~LineCap();
  LineCap(const LineCap&) = delete;
  LineCap& operator=(const LineCap&) = delete;

 private:
  std::size_t old_;
};

// Lines over their cap that every TextFile of the program has passed over, so that a loader can
// tell how many its readers met.
int64_t long_lines_skipped_total();

// Writes a file atomically: lines go to a temporary file in the target's folder, which replaces
// the target only on Commit, so the target is always the old file or the whole new one. Where the
// file system allows, the temporary file has no name until it is complete (a killed save leaves
// nothing); elsewhere it is named after the target, and Open removes such files that a save
// killed earlier left for the same target. A target that is a symbolic link, dangling or not,
// stands for the file it names: that file is written and the link stays.
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
  // Why the last Open or Commit failed, in words; empty after a success.
  const std::string& Error() const { return error_; }
  // The same of the last Open or Commit of any writer in the program, so that the caller of a
  // routine that writes through a writer of its own can still say why the file was not written.
  static const std::string& LastError();

 private:
  bool OpenTarget(const std::string& target);
  bool CommitFile();
  void Flush();
  void Discard();
  void Fail(int err);
  bool OpenNamed();

  int fd_ = -1;
  bool failed_ = false;
  bool unnamed_ = false;  // the temporary file has no name yet (O_TMPFILE)
  int errno_ = 0;         // the first failure's error number, 0 when none
  std::string error_;
  std::string folder_;  // the target's folder, "" for the current one
  std::string stem_;    // temporary names are stem_ + counter
  std::string target_;
  std::string temp_;
  std::string buffer_;
};

}  // namespace orvane
