// An IGES file as records: the Global section's delimiters and ids, the directory entries and
// the parameter data of each entry, joined across its records and split into fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::iges {

// One directory entry (two directory records). Pointers are directory sequence numbers.
struct Entry {
  int type = 0;
  int parameter = 0;  // first parameter record (1-based)
  int font = 0;       // line font pattern
  int level = 0;
  int matrix = 0;           // a 124 transformation matrix, 0 for none
  int blank = 0;            // status digits 1-2: 01 blanked
  int subordinate = 0;      // status digits 3-4
  int use = 0;              // status digits 5-6: 05 two-dimensional parametric
  int color = 0;            // colour number, or minus the pointer of a 314 colour definition
  int parameter_count = 0;  // parameter records
  int form = 0;
  int subscript = 0;  // entity subscript number
};

struct IgesFile {
  char parameter_delimiter = ',';
  char record_delimiter = ';';
  bool has_global = false;
  std::string system_id;  // the sending system, field 5 of the Global section
  int units_flag = 0;
  std::string units_name;
  std::vector<Entry> entries;  // entry i has directory sequence number 2i + 1
  // Columns 1-64 of each parameter record, in order: record i is parameter_text from
  // parameter_start[i] to parameter_start[i + 1] (one text, so that a large file is not a
  // million small allocations).
  std::string parameter_text;
  std::vector<std::size_t> parameter_start{0};

  std::size_t parameter_count() const { return parameter_start.size() - 1; }
  std::string_view parameter(std::size_t i) const {
    return std::string_view(parameter_text)
        .substr(parameter_start[i], parameter_start[i + 1] - parameter_start[i]);
  }

  // The entry of a directory pointer, or null for a pointer to no entry.
  const Entry* entry(int pointer) const {
    if (pointer < 1 || pointer % 2 == 0) return nullptr;
    const std::size_t i = static_cast<std::size_t>(pointer - 1) / 2;
    return i < entries.size() ? &entries[i] : nullptr;
  }
};

// Adds one record of the file (a line of 73 or more columns) to the section it names.
// The directory's first record waits for its second.
class FileBuilder {
 public:
  explicit FileBuilder(IgesFile& file) : file_(file) {}
  // Room for the parameter data of a file of this many bytes, so that it is not copied as it
  // grows.
  void reserve(std::uintmax_t file_bytes);
  void add(std::string_view line);
  // Parses the Global section once every record is in.
  void finish();

 private:
  IgesFile& file_;
  std::string global_;
  std::string first_;  // the first record of a directory entry
  bool has_first_ = false;
};

// The fields of a piece of parameter or Global data up to the record delimiter, Hollerith
// strings (nH...) taken whole so that they may hold delimiters. Spaces around fields are
// dropped. At most max_fields are returned.
std::vector<std::string_view> split_fields(std::string_view data, char delimiter, char end,
                                           std::size_t max_fields);

// The parameter data of an entry: its records joined; empty when the pointer or count lead
// outside the parameter section.
std::string joined_parameters(const IgesFile& file, const Entry& entry);

// A field as a number ('D' exponents taken). An empty field gives fallback. False for text that
// is not a finite number.
bool field_real(std::string_view field, double fallback, double& out);
bool field_int(std::string_view field, int fallback, int& out);

}  // namespace orvane::iges
