// A workbench for benchmarks: the shipped data files, a scripted Ui and the system clock, and
// one run of a category handler on a shipped worksheet per benchmark iteration.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/random.h"
#include "base/scripted_ui.h"
#include "sheet/answer_pane.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"
#include "tablefile/table_text.h"

namespace zarnix {

// The shipped data: $ZARNIX_DATA, else beside this program (the build copies it to bin/).
inline std::filesystem::path DataDir() {
  if (const char* env = std::getenv("ZARNIX_DATA")) return env;
  return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

class Bench {
 public:
  Bench() {
    paths_.dataDir = DataDir();
    paths_.outDir = paths_.dataDir;
    paths_.dataPrefix = paths_.dataDir.string() + "/zarnix";
  }
  Workbench Make(Worksheet& grid) {
    return Workbench{grid,    answer_, format_, 3,       dataList_,   ui_,
                     nullptr, paths_,  clock_,  random_, puzzleMode_, timing_};
  }
  AnswerPane& Answer() { return answer_; }
  const DataPaths& Paths() const { return paths_; }

 private:
  AnswerPane answer_;
  std::string format_ = "%.3f";
  std::vector<std::string> dataList_;
  ScriptedUi ui_;
  DataPaths paths_;
  SystemClock clock_;
  LcgRandom random_;
  int puzzleMode_ = 9;
  std::string timing_;
};

// Runs the handler on a fresh copy of the worksheet loaded from DataPrefix + stem.
inline void RunShippedSheet(benchmark::State& state, const char* stem,
                            void (*handler)(Workbench&)) {
  Bench bench;
  Worksheet shipped;
  LoadGridFile(bench.Paths().PrefixedFile(stem), shipped);
  for (auto _ : state) {
    Worksheet grid = shipped;
    bench.Answer().Clear();
    Workbench workbench = bench.Make(grid);
    handler(workbench);
    benchmark::DoNotOptimize(bench.Answer().CharCount());
  }
}

}  // namespace zarnix
