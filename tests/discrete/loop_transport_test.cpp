// The closed-loop transport on small worksheets: the accepted trial's flows, the totals and
// tonne-kilometres below the block, a loop no trial balances, and where the block starts.
#include "discrete/loop_transport.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/errors.h"
#include "sheet/worksheet.h"

namespace zarnix {
namespace {

// Stations (amount, length of the edge after it) from row `first`; the title two rows above.
Worksheet LoopSheet(const std::vector<std::pair<const char*, const char*>>& stations,
                    int first = 4) {
  Worksheet grid;
  grid.SetColCount(8);
  grid.SetRowCount(first + 2 * static_cast<int>(stations.size()) + 1);
  grid.SetCell(1, first - 2, "4");
  grid.SetCell(2, first - 2, kLoopTransportName);
  int row = first;
  for (const auto& [amount, length] : stations) {
    grid.SetCell(3, row, amount);
    grid.SetCell(5, row + 1, length);
    row += 2;
  }
  return grid;
}

std::vector<std::string> Column(const Worksheet& grid, int col, int from, int to) {
  std::vector<std::string> cells;
  for (int row = from; row <= to; ++row) cells.push_back(grid.Cell(col, row));
  return cells;
}

TEST(LoopTransport, FirstBalancedTrialWithItsTotals) {
  Worksheet grid = LoopSheet(
      {{"30", "12"}, {"-20", "8"}, {"15", "15"}, {"-35", "10"}, {"25", "9"}, {"-15", "14"}});
  LoopTransport(grid, "%.3f", 2);
  // Trial 5: the first edge carries half of station A's 30.
  EXPECT_EQ(Column(grid, 4, 5, 15),
            (std::vector<std::string>{"15.000", "", "-5.000", "", "10.000", "", "-25.000", "",
                                      "0.000", "", "-15.000"}));
  EXPECT_EQ(grid.Cell(6, 5), "180.000");
  EXPECT_EQ(grid.Cell(6, 11), "-250.000");
  // Below the empty station row 16: clockwise, counter-clockwise, idle and loop length.
  ASSERT_GE(grid.RowCount(), 21);
  EXPECT_EQ(Column(grid, 5, 17, 20),
            (std::vector<std::string>{"27.000", "32.000", "9.000", "68.000"}));
  EXPECT_EQ(Column(grid, 3, 17, 18), (std::vector<std::string>{"70.000", "70.000"}));
  EXPECT_EQ(Column(grid, 4, 17, 18), (std::vector<std::string>{"25.000", "45.000"}));
  EXPECT_EQ(Column(grid, 6, 17, 20),
            (std::vector<std::string>{"330.000", "500.000", "", "-170.000"}));
  EXPECT_EQ(grid.Cell(3, 16), "");  // a second run finds the same block
  LoopTransport(grid, "%.1f", 2);
  EXPECT_EQ(grid.Cell(5, 20), "68.0");
}

TEST(LoopTransport, NoBalancedTrialWritesNoTotalsAndClearsOldOnes) {
  // The long middle edge carries goods clockwise in every trial.
  Worksheet grid = LoopSheet({{"10", "1"}, {"10", "100"}, {"-20", "1"}});
  grid.SetCell(5, 11, "old total");
  grid.SetCell(6, 5, "old work");
  LoopTransport(grid, "%.3f", 2);
  EXPECT_EQ(grid.Cell(4, 5), "10.000");  // the last trial's flows stay
  EXPECT_EQ(grid.Cell(5, 11), "");
  EXPECT_EQ(grid.Cell(6, 5), "");
}

TEST(LoopTransport, BlockFollowsTheTitleRowOrTheItemRow) {
  // Balanced only in the last trial, when the whole amount goes over the short edge.
  Worksheet titled = LoopSheet({{"5", "1"}, {"-5", "3"}}, 7);
  LoopTransport(titled, "%.3f", 2);
  EXPECT_EQ(titled.Cell(4, 8), "5.000");
  EXPECT_EQ(titled.Cell(5, 12), "1.000");
  Worksheet untitled = LoopSheet({{"5", "1"}, {"-5", "3"}}, 7);
  untitled.SetCell(2, 5, "");
  LoopTransport(untitled, "%.3f", 5);
  EXPECT_EQ(untitled.Cell(4, 8), "5.000");
  Worksheet empty = LoopSheet({}, 4);
  LoopTransport(empty, "%.3f", 2);
  EXPECT_EQ(empty.RowCount(), 5);
}

TEST(LoopTransport, BadNumbersEndWithTheConversionError) {
  Worksheet amount = LoopSheet({{"5", "1"}, {"x", "1"}});
  EXPECT_THROW(LoopTransport(amount, "%.3f", 2), EConvertError);
  Worksheet length = LoopSheet({{"5", ""}, {"-5", "1"}});
  try {
    LoopTransport(length, "%.3f", 2);
    FAIL();
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "'' is not a valid floating point value");
  }
}

}  // namespace
}  // namespace zarnix
