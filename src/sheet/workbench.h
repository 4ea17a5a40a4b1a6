// What the window hands a category handler for one run: the worksheet, the answer pane, the
// number format, the data list, the ports and the data paths. Handlers keep nothing between
// runs.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/ui.h"

namespace zarnix {

class AnswerPane;
class Canvas;
class Clock;
class LcgRandom;
class Worksheet;

// The window beyond the worksheet and the answer pane, for the table category: the report
// pane laid over the answer pane, the answer box button and the pages.
class WindowPort {
 public:
  virtual ~WindowPort() = default;
  // Memo3, shown at the answer pane's place and size and brought to the front.
  virtual AnswerPane& ShowReportPane() = 0;
  // The answer box on/off button.
  virtual void ClickAnswerBox() = 0;
  virtual bool CalcPageActive() const = 0;
  virtual void ShowImagePage() = 0;
};

// Where the program's data files are read and its result files written.
struct DataPaths {
  std::filesystem::path dataDir;  // the shipped data files
  std::filesystem::path outDir;   // saved results and plots
  std::string dataPrefix;         // GBK: data directory + "/zarnix"

  // A file beside the program, by its GBK name ("zarnix数据.txt", "ZARNIX利率.thf").
  std::filesystem::path DataFile(const std::string& gbkName) const;
  // DataPrefix + stem, e.g. PrefixedFile("数组统计.thf").
  std::filesystem::path PrefixedFile(const std::string& gbkStem) const;
  std::filesystem::path OutFile(const std::string& gbkName) const;
};

struct Workbench {
  Worksheet& grid;                           // StringGrid1
  AnswerPane& answer;                        // memo1
  std::string& resultFormat;                 // "%.3f"; a few categories rebuild it
  int decimals;                              // the decimal-places selector, 1..12
  const std::vector<std::string>& dataList;  // ListBox0
  Ui& ui;
  Canvas* canvas;  // the image page; null where there is none
  const DataPaths& paths;
  const Clock& clock;
  LcgRandom& random;
  int& puzzleMode;               // sudoku / magic square / queens choice, 9 = not chosen
  std::string& timingLabel;      // Label1, for the categories that time themselves
  ScreenSize screen{};           // the primary display, which sizes the plot grid
  WindowPort* window = nullptr;  // null where there is no window
  // The load-data command, for the category that loads its next data set itself (sudoku);
  // empty where there is no window.
  std::function<void()> clickLoadData = {};
};

}  // namespace zarnix
