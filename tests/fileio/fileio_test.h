// Every file test case starts from the start-up state and works in a temporary folder of its
// own, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/core.h"

class FileioTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A path in the case's folder.
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  // Writes bytes exactly as given (no line-end translation) and returns the path.
  std::string write_file(const std::string& name, const std::string& bytes) const;
  static std::string read_file(const std::string& file);
  // The lines of a file split at CR LF (the writers' line end).
  static std::vector<std::string> crlf_lines(const std::string& file);
  // The element of number n, which the test expects to exist.
  static const orvane::TElement& element(int n);
  // Elements that are stored and not deleted.
  static int live_elements();
  // Loads a file through make_cad as format cad_type.
  static int load(const std::string& file, int cad_type, bool merge = false);

 private:
  std::filesystem::path dir_;
};
