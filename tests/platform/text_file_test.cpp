#include "platform/text_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using orvane::AtomicTextWriter;
using orvane::TextFile;

namespace {

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "orvane-text-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  std::string write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
    return path(name);
  }
  static std::string contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // Every line of a file as TextFile reads it.
  static std::vector<std::string> lines_of(const std::string& file) {
    TextFile f;
    EXPECT_EQ(f.Reset(file), 0);
    std::vector<std::string> lines;
    while (!f.Eof())
      lines.push_back(f.ReadLn());
    f.Close();
    return lines;
  }
  std::size_t files_in_dir() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }

  fs::path dir_;
};

using Lines = std::vector<std::string>;

TEST_F(TextFileTest, LinesEndAtCrLfLfOrCr) {
  EXPECT_EQ(lines_of(write("a", "one\r\ntwo\nthree\rfour")),
            (Lines{"one", "two", "three", "four"}));
  EXPECT_EQ(lines_of(write("b", "a\r\n\r\nb\n\nc\r\rd\n\r")),
            (Lines{"a", "", "b", "", "c", "", "d", ""}));
  EXPECT_EQ(lines_of(write("c", "\r\n")), (Lines{""}));
  EXPECT_EQ(lines_of(write("d", "last\r\n")), (Lines{"last"}));
}

TEST_F(TextFileTest, EmptyFileIsAtItsEndAndReadsEmptyLines) {
  TextFile f;
  ASSERT_EQ(f.Reset(write("empty", "")), 0);
  EXPECT_TRUE(f.IsOpen());
  EXPECT_TRUE(f.Eof());
  EXPECT_EQ(f.ReadLn(), "");
  EXPECT_TRUE(f.Eof());
}

TEST_F(TextFileTest, LinesLongerThanTheBufferAndEndsAcrossItsEdgeStayWhole) {
  const std::string long_line(3'000'000, 'x');
  // The CR of the second line is the last byte of the first buffer block (256 KiB), its LF
  // the first of the next.
  const std::string edge(262'143 - 2, 'y');
  EXPECT_EQ(lines_of(write("long", long_line + "\n" + "z")), (Lines{long_line, "z"}));
  EXPECT_EQ(lines_of(write("edge", "a\n" + edge + "\r\nb")), (Lines{"a", edge, "b"}));
}

TEST_F(TextFileTest, ManyLongLinesSplitTheSameWithEveryLineEnd) {
  Lines expected;
  for (int i = 0; i < 20000; ++i)
    expected.push_back(std::string(40 + i % 70, 'a' + i % 26));
  for (const std::string end : {"\r\n", "\n", "\r"}) {
    std::string bytes;
    for (const std::string& l : expected)
      bytes += l + end;
    EXPECT_EQ(lines_of(write("many", bytes)), expected) << end.size();
  }
}

TEST_F(TextFileTest, LineViewsSplitLikeLinesAcrossBlockEdgesAndCaps) {
  // Lines of every length around the 256 KiB block edge, with each line end, a CR as the last
  // byte of a block and a line longer than a block.
  Lines expected;
  std::string bytes;
  const char* ends[] = {"\r\n", "\n", "\r"};
  for (int i = 0; bytes.size() < 700'000; ++i) {
    expected.push_back(std::string(1 + (i * 7919) % 301, 'a' + i % 26));
    bytes += expected.back() + ends[i % 3];
  }
  expected.push_back(std::string(300'000, 'L'));
  bytes += expected.back() + "\r\nend";
  expected.push_back("end");
  const std::string edge = std::string(262'143, 'e') + "\r\nnext";  // CR ends a block
  for (const std::string& text : {bytes, edge}) {
    const std::string file = write("views", text);
    TextFile f;
    ASSERT_EQ(f.Reset(file), 0);
    Lines got;
    std::string spill;
    while (!f.Eof())
      got.emplace_back(f.ReadLnView(spill));
    EXPECT_EQ(got, lines_of(file));
  }
  EXPECT_EQ(lines_of(write("views", bytes)), expected);
}

TEST_F(TextFileTest, LinesPeekedTwoAtATimeSplitLikeLinesReadOneByOne) {
  // Short lines of every length up to 20 with every line end, a LF CR pair among them, across
  // the block edges; read by pairs where the pair peek gives them, else line by line. With a
  // cap of 5 bytes, longer lines are left to the line reader, which passes over them.
  std::string bytes;
  const char* ends[] = {"\r\n", "\n", "\r", "\n\r"};
  for (int i = 0; bytes.size() < 600'000; ++i)
    bytes += std::string((i * 37) % 21, 'a' + i % 26) + ends[(i / 3) % 4];
  const std::string file = write("pairs", bytes);
  for (const std::size_t cap : {std::size_t{1} << 20, std::size_t{5}}) {
    Lines by_pairs, by_lines;
    int64_t skipped_by_lines = 0;
    std::string spill;
    for (const bool pairs : {false, true}) {
      TextFile f;
      f.SetMaxLineLength(cap);
      ASSERT_EQ(f.Reset(file), 0);
      Lines& got = pairs ? by_pairs : by_lines;
      int peeked = 0;
      while (!f.Eof()) {
        std::string_view first, second;
        const std::size_t n = pairs ? f.PeekTwoLines(first, second) : 0;
        if (n > 0) {
          EXPECT_LE(first.size(), cap);
          EXPECT_LE(second.size(), cap);
          got.emplace_back(first);
          got.emplace_back(second);
          f.Advance(n);
          ++peeked;
        } else {
          got.emplace_back(f.ReadLnView(spill));
        }
      }
      if (pairs) {
        EXPECT_GT(peeked, 1000);
        if (cap == 5) {
          EXPECT_EQ(f.LongLinesSkipped(), skipped_by_lines);
        }
      } else {
        skipped_by_lines = f.LongLinesSkipped();
      }
    }
    EXPECT_EQ(by_pairs, by_lines);
    if (cap > 5) {
      EXPECT_EQ(by_pairs, lines_of(file));
    }
  }
}

TEST_F(TextFileTest, NulBytesAreKeptInTheLine) {
  const std::string bytes("a\0b\nc", 5);
  EXPECT_EQ(lines_of(write("nul", bytes)), (Lines{std::string("a\0b", 3), "c"}));
}

TEST_F(TextFileTest, OpenFailuresGiveTheClassicCodes) {
  TextFile f;
  EXPECT_EQ(f.Reset(path("missing.cdl")), 2);
  EXPECT_EQ(f.Reset(path("no-folder/missing.cdl")), 3);
  EXPECT_EQ(f.Reset(write("plain", "x") + "/below"), 3);
  EXPECT_EQ(f.Reset(dir_.string()), 5);
  EXPECT_EQ(f.Reset(""), 2);
  EXPECT_FALSE(f.IsOpen());
  EXPECT_TRUE(f.Eof());
}

TEST_F(TextFileTest, PipesAreRefusedInsteadOfWaitingForAWriter) {
  ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
  TextFile f;
  EXPECT_EQ(f.Reset(path("pipe")), 5);
}

TEST_F(TextFileTest, ReadingAClosedFileRaisesNotOpen) {
  TextFile f;
  try {
    f.ReadLn();
    FAIL() << "no exception";
  } catch (const orvane::TextFileError& e) {
    EXPECT_EQ(e.code, 103);
  }
}

TEST_F(TextFileTest, ResetReopensFromTheStart) {
  TextFile f;
  const std::string file = write("twice", "1\n2\n");
  ASSERT_EQ(f.Reset(file), 0);
  EXPECT_EQ(f.ReadLn(), "1");
  ASSERT_EQ(f.Reset(file), 0);
  EXPECT_EQ(f.ReadLn(), "1");
  EXPECT_EQ(f.ReadLn(), "2");
  EXPECT_TRUE(f.Eof());
}

TEST_F(TextFileTest, CommitWritesLinesWithCrLfAndLeavesNoTemporaryFile) {
  AtomicTextWriter w;
  ASSERT_TRUE(w.Open(path("out.txt")));
  w.WriteLn("first");
  w.Write("raw");
  w.WriteLn("");
  EXPECT_TRUE(w.Commit());
  EXPECT_EQ(contents(path("out.txt")), "first\r\nraw\r\n");
  EXPECT_EQ(files_in_dir(), 1u);
}

TEST_F(TextFileTest, AnUncommittedWriterLeavesTheOldFileAndRemovesItsTemporary) {
  const std::string target = write("keep.txt", "old");
  {
    AtomicTextWriter w;
    ASSERT_TRUE(w.Open(target));
    w.WriteLn("new");
  }
  EXPECT_EQ(contents(target), "old");
  EXPECT_EQ(files_in_dir(), 1u);
}

TEST_F(TextFileTest, ReplacingKeepsTheTargetsPermissions) {
  const std::string target = write("mode.txt", "old");
  ASSERT_EQ(chmod(target.c_str(), 0640), 0);
  AtomicTextWriter w;
  ASSERT_TRUE(w.Open(target));
  w.WriteLn("new");
  ASSERT_TRUE(w.Commit());
  struct stat st;
  ASSERT_EQ(stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(contents(target), "new\r\n");
}

TEST_F(TextFileTest, OpenFailsWithoutAFolderAndCommitFailsOverAFolder) {
  AtomicTextWriter w;
  EXPECT_FALSE(w.Open(path("no-folder/x.txt")));
  EXPECT_FALSE(w.Open(dir_.string() + "/"));
  EXPECT_FALSE(w.Commit());
  fs::create_directory(path("sub"));
  ASSERT_TRUE(w.Open(path("sub")));
  w.WriteLn("x");
  EXPECT_FALSE(w.Commit());
  EXPECT_TRUE(fs::is_directory(path("sub")));
  EXPECT_EQ(files_in_dir(), 1u);
}

TEST_F(TextFileTest, AFailedWriteKeepsTheOldFile) {
  const std::string target = write("full.txt", "old");
  // A file size limit makes the writes fail the way a full disk does.
  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  AtomicTextWriter w;
  const bool opened = w.Open(target);
  for (int i = 0; i < 200'000; ++i)
    w.WriteLn("0123456789");
  const bool committed = w.Commit();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_TRUE(opened);
  EXPECT_FALSE(committed);
  EXPECT_EQ(contents(target), "old");
  EXPECT_EQ(files_in_dir(), 1u);
}

TEST_F(TextFileTest, WritingThroughALinkReplacesTheFileItNames) {
  const std::string real = write("real.txt", "old");
  ASSERT_EQ(symlink(real.c_str(), path("link.txt").c_str()), 0);
  AtomicTextWriter w;
  ASSERT_TRUE(w.Open(path("link.txt")));
  w.WriteLn("new");
  ASSERT_TRUE(w.Commit());
  EXPECT_TRUE(fs::is_symlink(path("link.txt")));
  EXPECT_EQ(contents(real), "new\r\n");
  EXPECT_EQ(files_in_dir(), 2u);
}

TEST_F(TextFileTest, AFileThatMayNotBeWrittenIsRefusedAndKept) {
  const std::string target = write("ro.txt", "old");
  ASSERT_EQ(chmod(target.c_str(), 0444), 0);
  // The folder stays writable, so only the file's own mode can refuse; a superuser runs the
  // attempt as an ordinary user.
  ASSERT_EQ(chmod(dir_.c_str(), 0777), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (geteuid() == 0 && seteuid(65534) != 0) _exit(2);
    AtomicTextWriter w;
    if (!w.Open(target)) _exit(0);
    w.WriteLn("new");
    _exit(w.Commit() ? 1 : 3);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(contents(target), "old");
  EXPECT_EQ(files_in_dir(), 1u);
}

TEST_F(TextFileTest, LinesOverTheCapAreCountedAndReadAsEmptyInTheirPlace) {
  const std::string hundred(100, 'h');
  const std::string file = write("long.txt", "a\n" + std::string(5000, 'x') + "\r\n" + hundred +
                                                 "\rb\n" + std::string(101, 'y') + "\nend");
  TextFile f;
  f.SetMaxLineLength(100);
  ASSERT_EQ(f.Reset(file), 0);
  Lines lines;
  while (!f.Eof())
    lines.push_back(f.ReadLn());
  EXPECT_EQ(lines, (Lines{"a", "", hundred, "b", "", "end"}));
  EXPECT_EQ(f.LongLinesSkipped(), 2);
  EXPECT_EQ(f.MaxLineLength(), 100u);
  // The count starts again with the next file; the cap stays.
  ASSERT_EQ(f.Reset(write("short.txt", "x\n")), 0);
  EXPECT_EQ(f.LongLinesSkipped(), 0);
  EXPECT_EQ(f.MaxLineLength(), 100u);
}

TEST_F(TextFileTest, ALineWithoutEndIsPassedOverWithoutBeingHeld) {
  // 8 MB without a line end, across many read blocks, then a short line.
  const std::string file = write("flat.txt", std::string(8 << 20, '\0') + "\r\nnext");
  TextFile f;
  f.SetMaxLineLength(4096);
  ASSERT_EQ(f.Reset(file), 0);
  std::string line;
  f.ReadLn(line);
  EXPECT_EQ(line, "");
  EXPECT_LE(line.capacity(), 2 * 4096u);
  f.ReadLn(line);
  EXPECT_EQ(line, "next");
  EXPECT_TRUE(f.Eof());
  EXPECT_EQ(f.LongLinesSkipped(), 1);
  // Without a cap of its own a reader keeps lines up to the default.
  TextFile g;
  ASSERT_EQ(g.Reset(write("wide.txt", std::string(300'000, 'w') + "\n")), 0);
  EXPECT_EQ(g.ReadLn().size(), 300'000u);
  EXPECT_EQ(g.LongLinesSkipped(), 0);
}

TEST_F(TextFileTest, WritingThroughADanglingLinkMakesTheFileItNamesAndKeepsTheLink) {
  fs::create_directory(path("sub"));
  // A relative link to a link to a file that does not exist yet.
  ASSERT_EQ(symlink("sub/real.txt", path("inner").c_str()), 0);
  ASSERT_EQ(symlink("inner", path("outer").c_str()), 0);
  AtomicTextWriter w;
  ASSERT_TRUE(w.Open(path("outer")));
  w.WriteLn("new");
  ASSERT_TRUE(w.Commit());
  EXPECT_TRUE(fs::is_symlink(path("outer")));
  EXPECT_TRUE(fs::is_symlink(path("inner")));
  EXPECT_EQ(contents(path("sub/real.txt")), "new\r\n");
  EXPECT_EQ(files_in_dir(), 3u);
  // A loop of links is refused with its reason.
  ASSERT_EQ(symlink("loop-b", path("loop-a").c_str()), 0);
  ASSERT_EQ(symlink("loop-a", path("loop-b").c_str()), 0);
  EXPECT_FALSE(w.Open(path("loop-a")));
  EXPECT_FALSE(w.Error().empty());
}

TEST_F(TextFileTest, AFailedCommitSaysWhy) {
  const std::string target = write("why.txt", "old");
  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 10;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  AtomicTextWriter w;
  const bool opened = w.Open(target);
  w.WriteLn("more than ten bytes");
  const bool committed = w.Commit();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_TRUE(opened);
  EXPECT_FALSE(committed);
  EXPECT_EQ(w.Error(), std::strerror(EFBIG));
  EXPECT_EQ(contents(target), "old");
}

// A child process saves a large file to target and is killed in the middle of it.
void kill_a_save(const std::string& target) {
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    AtomicTextWriter w;
    if (!w.Open(target)) _exit(2);
    for (int i = 0; i < 200'000; ++i)
      w.WriteLn("0123456789012345678901234567890123456789");
    if (write(ready[1], "r", 1) != 1) _exit(3);
    for (;;)
      w.WriteLn("0123456789");  // still saving when the kill comes
  }
  close(ready[1]);
  char c = 0;
  ASSERT_EQ(read(ready[0], &c, 1), 1);
  close(ready[0]);
  kill(child, SIGKILL);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
}

TEST_F(TextFileTest, AKilledSaveLeavesNothingOnceTheNextSaveIsDone) {
  const std::string target = write("drawing.cdl", "old");
  for (int i = 0; i < 3; ++i)
    kill_a_save(target);
  EXPECT_EQ(contents(target), "old");
  AtomicTextWriter w;
  ASSERT_TRUE(w.Open(target));
  w.WriteLn("new");
  ASSERT_TRUE(w.Commit());
  EXPECT_EQ(contents(target), "new\r\n");
  EXPECT_EQ(files_in_dir(), 1u);
}

TEST_F(TextFileTest, TheNextSaveRemovesOnlyTheStaleTemporariesOfItsOwnTarget) {
  // The id of a process that has ended.
  const pid_t gone = fork();
  ASSERT_GE(gone, 0);
  if (gone == 0) _exit(0);
  ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
  const std::string dead = std::to_string(gone);
  const std::string live = std::to_string(getppid());
  const std::string target = write("a.cdl", "old");
  const Lines removed = {".a.cdl.tmp" + dead + "-1", ".a.cdl.tmp" + dead + "-27"};
  const Lines kept = {".a.cdl.tmp" + live + "-1",  // a save of a running process
                      ".b.cdl.tmp" + dead + "-1",  // another target's
                      ".a.cdl.tmp" + dead,         // not this writer's names
                      ".a.cdl.tmp" + dead + "-1x", ".a.cdl.tmpx-1",
                      "a.cdl.tmp" + dead + "-1",   ".a.cdl.tmp" + dead + "-"};
  for (const std::string& name : removed)
    write(name, "stale");
  for (const std::string& name : kept)
    write(name, "other");
  fs::create_directory(path(".a.cdl.tmp" + dead + "-2"));  // a folder is not a file to remove
  AtomicTextWriter w;
  ASSERT_TRUE(w.Open(target));
  w.WriteLn("new");
  ASSERT_TRUE(w.Commit());
  for (const std::string& name : removed)
    EXPECT_FALSE(fs::exists(path(name))) << name;
  for (const std::string& name : kept)
    EXPECT_EQ(contents(path(name)), "other") << name;
  EXPECT_TRUE(fs::is_directory(path(".a.cdl.tmp" + dead + "-2")));
  EXPECT_EQ(files_in_dir(), 1 + kept.size() + 1);
}

TEST_F(TextFileTest, TemporaryNamesOfLongTargetsStillTellTheTargetsApart) {
  const std::string common(200, 'n');
  const pid_t gone = fork();
  ASSERT_GE(gone, 0);
  if (gone == 0) _exit(0);
  ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
  // Killed saves of two long names that share their first 200 characters.
  kill_a_save(path(common + "-one"));
  kill_a_save(path(common + "-two"));
  AtomicTextWriter w;
  ASSERT_TRUE(w.Open(path(common + "-one")));
  w.WriteLn("x");
  ASSERT_TRUE(w.Commit());
  EXPECT_EQ(contents(path(common + "-one")), "x\r\n");
  ASSERT_TRUE(w.Open(path(common + "-two")));
  ASSERT_TRUE(w.Commit());
  EXPECT_EQ(files_in_dir(), 2u);
}

}  // namespace
