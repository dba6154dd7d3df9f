#include "tests/fileio/fileio_test.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>

#include "fileio/make_cad.h"

void FileioTest::SetUp() {
  orvane::element_memory::set_block_limit(0);
  orvane::startup();
  std::string pattern = (std::filesystem::temp_directory_path() / "orvane-fileio-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  dir_ = pattern;
}

void FileioTest::TearDown() {
  orvane::element_memory::set_block_limit(0);
  orvane::startup();
  std::error_code ignored;
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(dir_, ignored);
}

std::string FileioTest::write_file(const std::string& name, const std::string& bytes) const {
  const std::string file = path(name);
  std::ofstream out(file, std::ios::binary);
  out << bytes;
  return file;
}

std::string FileioTest::read_file(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> FileioTest::crlf_lines(const std::string& file) {
  const std::string text = read_file(file);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start) + "<no CR LF>");
  return lines;
}

const orvane::TElement& FileioTest::element(int n) {
  static const orvane::TElement none{};
  const orvane::TElement* e = orvane::lock_element(n);
  EXPECT_NE(e, nullptr) << "no element " << n;
  return e ? *e : none;
}

int FileioTest::live_elements() {
  int count = 0;
  for (int n = 1; n <= orvane::last_element_number; ++n) {
    const orvane::TElement* e = orvane::lock_element(n);
    if (e && !e->deleted && e->element_type != orvane::kNoElement) ++count;
  }
  return count;
}

int FileioTest::load(const std::string& file, int cad_type, bool merge) {
  orvane::cad_type = cad_type;
  orvane::merge_cad = merge;
  const int result = orvane::make_cad(file);
  orvane::merge_cad = false;
  return result;
}
