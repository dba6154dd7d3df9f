// The pairs of a text DXF file: a code line, then a value line.
#pragma once

#include <string>
#include <string_view>

#include "fileio/dxf_pairs.h"
#include "platform/text_file.h"

namespace orvane {

class DxfTextPairs final : public DxfPairSource {
 public:
  // Opens name: 0 or the I/O code. The first line is read ahead, so that binary() can tell.
  int open(const std::string& name);
  // The first line is the one that starts the binary layout's sentinel.
  bool binary() const;
  bool next(DxfPair& pair) override;
  bool damaged() const override { return damaged_; }

 private:
  bool read_pair(DxfPair& pair);
  bool take_value(DxfPair& pair, int code, std::string_view value);
  bool blank_to_end();  // only blank lines are left
  bool stop(bool damaged);

  TextFile file_;
  std::string code_line_;
  std::string value_line_;
  bool line_ahead_ = false;  // code_line_ holds the first line, not yet taken
  bool after_eof_ = false;   // the last pair was 0/EOF
  bool done_ = false;
  bool damaged_ = false;
};

}  // namespace orvane
