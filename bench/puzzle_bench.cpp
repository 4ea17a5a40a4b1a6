// Speed of the puzzle category: proving the hardest 17-given sudokus unique, the whole magic
// square run of order 1000 (a million worksheet cells), and the first queens placement for
// every board from 4 to 33.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/tform1.h"
#include "base/clock.h"
#include "base/scripted_ui.h"
#include "discrete/n_queens.h"
#include "discrete/sudoku.h"
#include "sheet/worksheet.h"

namespace zarnix {
namespace {

// 17-given puzzles (the fewest a unique sudoku can have) and a few that defeat simple
// row-by-row searches.
const char* const kHardSudokus[] = {
    "..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9",
    "000000010400000000020000000000050407008000300001090000300400200050100000000806000",
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......",
    "52...6.........7.13...........4..8..6......5...........418.........3..2...87.....",
    "6.....8.3.4.7.................5.4.7.3..2.....1.6.......2.....5.....8.6......1....",
    "48.3............71.2.......7.5....6....2..8.............1.76...3.....4......5....",
    "....14....3....2...7..........9...3.6.1.............8.2.....1.4....5.6.....7.8...",
    "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..",
    "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........",
};

SudokuDigits Digits(const char* text) {
  SudokuDigits digits{};
  for (int i = 0; i < 81; ++i) digits[i] = text[i] >= '1' && text[i] <= '9' ? text[i] - '0' : 0;
  return digits;
}

void BM_SudokuUniqueness(benchmark::State& state) {
  const char* puzzle = kHardSudokus[state.range(0)];
  const SudokuDigits givens = Digits(puzzle);
  for (auto _ : state) {
    const SudokuResult result = SolveSudoku(givens);
    if (result.status != SudokuStatus::kUnique) state.SkipWithError("not unique");
    benchmark::DoNotOptimize(result.solution);
  }
  state.SetLabel(std::string(puzzle, 18) + "...");
}
BENCHMARK(BM_SudokuUniqueness)
    ->DenseRange(0, std::size(kHardSudokus) - 1)
    ->Unit(benchmark::kMicrosecond);

// The whole run as the run button makes it, the order prompt answered with 1000.
// range(0): 1 = into an empty worksheet, 0 = over the previous square.
void BM_MagicSquareRun(benchmark::State& state) {
  const bool fresh = state.range(0) == 1;
  ScriptedUi ui({"1", "3"});
  SystemClock clock;
  FormOptions options;
  options.dataDir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  options.outDir = std::filesystem::temp_directory_path();
  TForm1 form(ui, clock, nullptr, options);
  form.FormCreate();
  form.FormShowWithoutSelection();
  form.SelectCategory("数独幻方八皇后");  // chooses the magic square, order 3
  for (auto _ : state) {
    if (fresh) {
      state.PauseTiming();
      form.StringGrid1 = Worksheet();
      state.ResumeTiming();
    }
    ui.QueueAnswer("1000");
    form.BitBtn1Click();
    benchmark::DoNotOptimize(form.StringGrid1.Cell(999, 1000));
  }
  if (form.StringGrid1.ColCount() != 1000) state.SkipWithError("no square of order 1000");
}
BENCHMARK(BM_MagicSquareRun)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_QueensFirstSolution(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const std::vector<int> columns = FirstQueensSolution(n);
    if (static_cast<int>(columns.size()) != n) state.SkipWithError("no solution");
    benchmark::DoNotOptimize(columns.data());
  }
}
BENCHMARK(BM_QueensFirstSolution)
    ->DenseRange(kMinQueens, kMaxQueens)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarnix
