// Worksheet cells beyond the counts, fixed-area rules, widths and the current cell.
#include "sheet/worksheet.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace zarnix {
namespace {

TEST(Worksheet, CellsBeyondTheCountsKeepTheirText) {
  Worksheet grid;
  grid.SetColCount(3);
  grid.SetRowCount(3);
  grid.SetCell(7, 9, "hidden");
  EXPECT_EQ(grid.Cell(7, 9), "hidden");
  EXPECT_EQ(grid.ColCount(), 3);
  grid.SetColCount(8);
  grid.SetRowCount(10);
  EXPECT_EQ(grid.Cell(7, 9), "hidden");
  EXPECT_EQ(grid.Cell(100, 100), "");
}

TEST(Worksheet, ShrinkingDropsTheCellsOutsideTheNewCounts) {
  Worksheet grid;
  grid.SetColCount(6);
  grid.SetRowCount(6);
  grid.SetCell(5, 1, "right");
  grid.SetCell(1, 5, "below");
  grid.SetCell(1, 1, "kept");
  grid.SetColCount(3);
  grid.SetRowCount(3);
  grid.SetColCount(6);
  grid.SetRowCount(6);
  EXPECT_EQ(grid.Cell(5, 1), "");
  EXPECT_EQ(grid.Cell(1, 5), "");
  EXPECT_EQ(grid.Cell(1, 1), "kept");
  // Growing never drops what was written beyond the counts.
  grid.SetCell(9, 9, "later");
  grid.SetRowCount(8);
  grid.SetRowCount(10);
  grid.SetColCount(10);
  EXPECT_EQ(grid.Cell(9, 9), "later");
}

TEST(Worksheet, InsertRowMovesTheRowsBelowDown) {
  Worksheet grid;
  grid.SetColCount(3);
  grid.SetRowCount(4);
  for (int r = 0; r < 4; ++r) grid.SetCell(2, r, "r" + std::to_string(r));
  grid.InsertRow(1);
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(grid.Cell(2, 0), "r0");
  EXPECT_EQ(grid.Cell(2, 1), "");
  EXPECT_EQ(grid.Cell(2, 2), "r1");
  EXPECT_EQ(grid.Cell(2, 4), "r3");
  grid.InsertRow(4);  // the last row moves to the new one
  EXPECT_EQ(grid.Cell(2, 5), "r3");
  EXPECT_EQ(grid.Cell(2, 4), "");
  Worksheet empty;
  empty.InsertRow(0);
  EXPECT_EQ(empty.RowCount(), 6);
}

TEST(Worksheet, ClearBlockEmptiesOnlyItsCells) {
  Worksheet grid;
  grid.SetColCount(4);
  grid.SetRowCount(4);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) grid.SetCell(c, r, "x");
  grid.ClearBlock(1, 1, 2, 99);
  EXPECT_EQ(grid.Cell(0, 1), "x");
  EXPECT_EQ(grid.Cell(1, 1), "");
  EXPECT_EQ(grid.Cell(2, 3), "");
  EXPECT_EQ(grid.Cell(3, 3), "x");
  EXPECT_EQ(grid.Cell(1, 0), "x");
}

TEST(Worksheet, ClearCellsEmptiesOnlyTheVisibleArea) {
  Worksheet grid;
  grid.SetColCount(2);
  grid.SetRowCount(2);
  grid.SetCell(1, 1, "in");
  grid.SetCell(5, 5, "out");
  grid.ClearCells();
  EXPECT_EQ(grid.Cell(1, 1), "");
  EXPECT_EQ(grid.Cell(5, 5), "out");
}

TEST(Worksheet, ClearRowEmptiesOneRowOfTheVisibleArea) {
  Worksheet grid;
  grid.SetColCount(3);
  grid.SetRowCount(4);
  grid.SetCell(0, 2, "a");
  grid.SetCell(2, 2, "b");
  grid.SetCell(1, 3, "next row");
  grid.ClearRow(2);
  grid.ClearRow(3000);  // a row never written holds nothing to clear
  EXPECT_EQ(grid.Cell(0, 2), "");
  EXPECT_EQ(grid.Cell(2, 2), "");
  EXPECT_EQ(grid.Cell(1, 3), "next row");
  EXPECT_THROW(grid.ClearRow(-1), EListError);
}

TEST(Worksheet, IndicesOutsideTheLimitsAreErrors) {
  Worksheet grid;
  EXPECT_THROW(grid.Cell(-1, 0), EListError);
  EXPECT_THROW(grid.SetCell(0, -1, "x"), EListError);
  EXPECT_THROW(grid.SetCell(Worksheet::kMaxCols, 0, "x"), EListError);
}

TEST(Worksheet, FixedCountsAndCountsStayConsistent) {
  Worksheet grid;
  grid.SetRowCount(5);
  grid.SetFixedRows(2);
  grid.SetRowCount(2);
  EXPECT_EQ(grid.FixedRows(), 1);  // one free row remains
  grid.SetFixedRows(4);
  EXPECT_EQ(grid.RowCount(), 5);
  grid.SetColCount(0);
  EXPECT_EQ(grid.ColCount(), 1);
  EXPECT_EQ(grid.FixedCols(), 0);
}

TEST(Worksheet, CurrentCellStaysInsideTheGrid) {
  Worksheet grid;
  grid.SetColCount(4);
  grid.SetRowCount(6);
  grid.SetFixedRows(2);
  grid.SetFixedCols(1);
  grid.SetRow(3);
  grid.SetCol(2);
  EXPECT_EQ(grid.Row(), 3);
  grid.SetRow(0);
  EXPECT_EQ(grid.Row(), 2);
  grid.SetRow(99);
  EXPECT_EQ(grid.Row(), 5);
  grid.SetRowCount(4);
  EXPECT_EQ(grid.Row(), 3);
}

TEST(Worksheet, DefaultWidthResetsColumnWidths) {
  Worksheet grid;
  grid.SetColWidth(0, 1);
  grid.SetColWidth(2, 200);
  EXPECT_EQ(grid.ColWidth(0), 1);
  EXPECT_EQ(grid.ColWidth(1), 64);
  grid.SetDefaultColWidth(118);
  EXPECT_EQ(grid.ColWidth(0), 118);
  EXPECT_EQ(grid.ColWidth(2), 118);
}

}  // namespace
}  // namespace zarnix
