// Hand-made IGES files of another program for the reader's tests: entities given by their
// parameter data and directory fields, laid out in 80-column records.
#pragma once

#include <string>
#include <vector>

struct TestEntity {
  int type = 0;
  std::string params;  // the parameter data, from the entity type to the record delimiter
  int form = 0;
  int color = 0;
  int matrix = 0;
  std::string status = "00000000";
  int level = 0;
};

// A whole file, the Global section naming a system other than this one (or global as given,
// without its record letters). Entity i has directory pointer 2i + 1.
std::string foreign_iges(const std::vector<TestEntity>& entities,
                         const std::string& global =
                             "1H,,1H;,,,7HTESTCAD,,32,38,6,308,15,,1.,1,"
                             "2HIN,1,0.01,,,,;",
                         char delimiter = ',');
