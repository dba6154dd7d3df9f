#include "platform/text_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
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

}  // namespace
