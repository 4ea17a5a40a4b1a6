// Item cases of the analytic-geometry categories on one worksheet: each case gets its item row
// and the rows below for its further result lines, and every result cell is compared.
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "support/item_sheet_fixture.h"

namespace zarnix {

struct AnalyticCase {
  const char* number;
  std::vector<std::string> params;
  std::vector<std::string> lines;  // the result cells from the item's row down
};

class AnalyticCasesTest : public ItemSheetFixture {
 protected:
  // All cases, rowsPerCase rows each, then the "***" row; the row of each case.
  std::vector<int> AddCases(std::span<const AnalyticCase> cases, int rowsPerCase) {
    std::vector<int> rows;
    for (const AnalyticCase& c : cases) {
      rows.push_back(AddItem(c.number, "item", c.params));
      for (int i = 1; i < rowsPerCase; ++i) AddItem("", "", {});
    }
    CloseItems();
    return rows;
  }
  // Each case's result lines, and nothing in the rest of its rows.
  void ExpectResults(std::span<const AnalyticCase> cases, const std::vector<int>& rows,
                     int rowsPerCase) {
    for (std::size_t k = 0; k < rows.size(); ++k) {
      const AnalyticCase& c = cases[k];
      for (int i = 0; i < rowsPerCase; ++i) {
        const std::string expected = i < static_cast<int>(c.lines.size()) ? c.lines[i] : "";
        EXPECT_EQ(Result(rows[k] + i), expected) << "item " << c.number << " case " << k;
      }
    }
  }
};

}  // namespace zarnix
