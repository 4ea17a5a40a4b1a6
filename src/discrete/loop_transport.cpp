// The closed-loop transport: for trials t = 0 … 10 the first edge carries t/10 of the first
// station's amount and every later edge what the one before carried plus its station's
// amount; the first trial that leaves both directions under half the loop is kept.
#include "discrete/loop_transport.h"

#include <vector>

#include "base/convert.h"
#include "base/format.h"
#include "base/fpu.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr int kNameCol = 2;
constexpr int kAmountCol = 3;
constexpr int kFlowCol = 4;
constexpr int kLengthCol = 5;
constexpr int kWorkCol = 6;
constexpr int kTrials = 10;
constexpr int kTotalRows = 4;

struct Loop {
  int firstRow = 0;
  std::vector<Extended> amounts;
  std::vector<Extended> lengths;
  std::vector<Extended> flows;

  int Count() const { return static_cast<int>(amounts.size()); }
  int EdgeRow(int k) const { return firstRow + 2 * k + 1; }
  // The station row whose empty amount ends the block; the totals stand below it.
  int EndRow() const { return firstRow + 2 * Count(); }
};

struct Directions {
  Extended clockwise = 0;
  Extended counterClockwise = 0;
  Extended idle = 0;

  Extended Length() const { return clockwise + counterClockwise + idle; }
  bool Balanced() const { return clockwise < Length() / 2 && counterClockwise < Length() / 2; }
};

std::string Real(const std::string& format, Extended value) {
  CheckFpFaults();
  return Format(format, value);
}

int BlockStart(const Worksheet& grid, int itemRow) {
  for (int row = 2; row < grid.RowCount(); ++row)
    if (grid.Cell(kNameCol, row) == kLoopTransportName) return row + 2;
  return itemRow + 2;
}

Loop ReadLoop(const Worksheet& grid, int firstRow) {
  Loop loop;
  loop.firstRow = firstRow;
  for (int row = firstRow; row < grid.RowCount(); row += 2) {
    if (Trim(grid.Cell(kAmountCol, row)).empty()) break;
    loop.amounts.push_back(StrToFloat(grid.Cell(kAmountCol, row)));
    loop.lengths.push_back(StrToFloat(grid.Cell(kLengthCol, row + 1)));
  }
  return loop;
}

// Writes the trial's flows and sorts the edges by the sign of the flow as shown, so a flow
// that rounds to zero is an idle edge.
Directions Trial(Worksheet& grid, const std::string& format, Loop& loop, int t) {
  Directions directions;
  loop.flows.assign(loop.amounts.size(), 0);
  for (int k = 0; k < loop.Count(); ++k) {
    loop.flows[k] = k == 0 ? loop.amounts[0] * t / kTrials : loop.flows[k - 1] + loop.amounts[k];
    const std::string text = Real(format, loop.flows[k]);
    grid.SetCell(kFlowCol, loop.EdgeRow(k), text);
    const Extended shown = StrToFloat(text);
    Extended& total = shown < 0   ? directions.counterClockwise
                      : shown > 0 ? directions.clockwise
                                  : directions.idle;
    total += loop.lengths[k];
  }
  return directions;
}

void ClearResults(Worksheet& grid, const Loop& loop) {
  for (int k = 0; k < loop.Count(); ++k) grid.SetCell(kWorkCol, loop.EdgeRow(k), "");
  for (int row = loop.EndRow() + 1; row <= loop.EndRow() + kTotalRows; ++row)
    for (int col = kAmountCol; col <= kWorkCol; ++col) grid.SetCell(col, row, "");
}

// The sum of the positive values and minus the sum of the negative ones.
struct SignedSums {
  Extended positive = 0;
  Extended negative = 0;
};

SignedSums SumBySign(const std::vector<Extended>& values) {
  SignedSums sums;
  for (const Extended v : values) (v > 0 ? sums.positive : sums.negative) += v;
  sums.negative = -sums.negative;
  return sums;
}

// Rows +1 and +2 below the block.
SignedSums WriteSignedSums(Worksheet& grid, const std::string& format, const Loop& loop, int col,
                           const std::vector<Extended>& values) {
  const SignedSums sums = SumBySign(values);
  grid.SetCell(col, loop.EndRow() + 1, Real(format, sums.positive));
  grid.SetCell(col, loop.EndRow() + 2, Real(format, sums.negative));
  return sums;
}

void WriteResults(Worksheet& grid, const std::string& format, const Loop& loop,
                  const Directions& directions) {
  const int end = loop.EndRow();
  if (grid.RowCount() <= end + kTotalRows) grid.SetRowCount(end + kTotalRows + 1);
  grid.SetCell(kLengthCol, end + 1, Real(format, directions.clockwise));
  grid.SetCell(kLengthCol, end + 2, Real(format, directions.counterClockwise));
  grid.SetCell(kLengthCol, end + 3, Real(format, directions.idle));
  grid.SetCell(kLengthCol, end + 4, Real(format, directions.Length()));
  WriteSignedSums(grid, format, loop, kAmountCol, loop.amounts);
  WriteSignedSums(grid, format, loop, kFlowCol, loop.flows);
  std::vector<Extended> work;
  for (int k = 0; k < loop.Count(); ++k) {
    work.push_back(loop.flows[k] * loop.lengths[k]);
    grid.SetCell(kWorkCol, loop.EdgeRow(k), Real(format, work.back()));
  }
  const SignedSums sums = WriteSignedSums(grid, format, loop, kWorkCol, work);
  grid.SetCell(kWorkCol, end + 4, Real(format, sums.positive - sums.negative));
}

}  // namespace

void LoopTransport(Worksheet& grid, const std::string& resultFormat, int itemRow) {
  Loop loop = ReadLoop(grid, BlockStart(grid, itemRow));
  if (loop.Count() == 0) return;
  ClearResults(grid, loop);
  for (int t = 0; t <= kTrials; ++t) {
    const Directions directions = Trial(grid, resultFormat, loop, t);
    if (directions.Balanced()) {
      WriteResults(grid, resultFormat, loop, directions);
      return;
    }
  }
}

}  // namespace zarnix
