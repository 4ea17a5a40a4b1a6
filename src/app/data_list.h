// The data list of sample data sets: a category name line, the set's rows (cells separated
// by ","), "***" after each set and "///" after the whole list.
#pragma once

#include <string>
#include <vector>

namespace zarnix {

class Worksheet;

// The search never looks beyond this line of the list.
inline constexpr int kDataListSearchLimit = 10000;
// Rows of one data set at most.
inline constexpr int kMaxDataSetRows = 32767;

struct DataSetSearch {
  enum class Kind { kFound, kNotFound };
  Kind kind = Kind::kNotFound;
  int nameLine = -1;  // the line holding the category name
  int lastRow = -1;   // the set's last row line (nameLine when the set is empty)
};

// Searches from line `start` for the next set of `category`. The search ends, not found, at
// "///", at the end of the list or at the search limit. A set's rows run to its "***" (or to
// the end of the list).
DataSetSearch FindDataSet(const std::vector<std::string>& list, int start,
                          const std::string& category);

// Writes the comma-separated parts of `text` into row `row` from column 0.
void FillRowFromText(Worksheet& grid, int row, const std::string& text);

}  // namespace zarnix
