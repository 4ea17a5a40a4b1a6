// Data-set search in the data list and copying a set's row into the worksheet.
#include "app/data_list.h"

#include <algorithm>

#include "sheet/text_utils.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {
constexpr const char* kSetEnd = "***";
constexpr const char* kListEnd = "///";
}  // namespace

DataSetSearch FindDataSet(const std::vector<std::string>& list, int start,
                          const std::string& category) {
  const int end = std::min(static_cast<int>(list.size()) - 1, kDataListSearchLimit);
  for (int i = std::max(start, 0); i <= end; ++i) {
    if (list[i] == kListEnd) break;
    if (list[i] != category) continue;
    DataSetSearch found{DataSetSearch::Kind::kFound, i, i};
    for (int j = i + 1;
         j < static_cast<int>(list.size()) && list[j] != kSetEnd && j - i <= kMaxDataSetRows; ++j)
      found.lastRow = j;
    return found;
  }
  return {};
}

void FillRowFromText(Worksheet& grid, int row, const std::string& text) {
  const std::vector<std::string> parts = SplitText(text, ',');
  const int columns = std::min(static_cast<int>(parts.size()), Worksheet::kMaxCols);
  for (int c = 0; c < columns; ++c) grid.SetCell(c, row, parts[c]);
}

}  // namespace zarnix
