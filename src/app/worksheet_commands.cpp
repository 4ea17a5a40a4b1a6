// The calculation page's commands on the worksheet and the answer pane: load data, save
// results, expand table, answer box on/off, help, and the page change.
#include <algorithm>

#include "app/output_files.h"
#include "app/tform1.h"
#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/textfile.h"
#include "sheet/text_utils.h"
#include "tablefile/dbf.h"
#include "tablefile/table_text.h"

namespace zarnix {

namespace {

constexpr const char* kHelpFile = "zarnix帮助.txt";
constexpr const char* kInsertRowAnswer = "1";
constexpr const char* kGrowTooFarMessage =
    "增加的行数和列数应为不小于0的整数，且表格最多%d列、%d行";

}  // namespace

// --- load data ---

void TForm1::BitBtn2Click() {
  Guarded([&] { LoadDataSequence(); });
}

void TForm1::LoadDataSequence() {
  memo1.Clear();
  RestoreCollapsedWorksheet();
  const std::string name = SelectedName();
  if (name == kTableCategory) return LoadTableFileByDialog();
  if (StringGrid1.FixedRows() == 2) {
    // An item-row worksheet: show the category file again, dropping the user's edits.
    LoadGridFile(paths_.PrefixedFile(name + ".thf"), StringGrid1);
    return;
  }
  if (name == kPuzzleCategory) {
    StringGrid1.SetColCount(9);
    StringGrid1.SetRowCount(9);
    StringGrid1.SetDefaultColWidth(24);
    StringGrid1.SetFixedCols(0);
    StringGrid1.SetFixedRows(0);
  }
  StringGrid1.ClearCells();
  // Each press loads the category's next set; after its last set the search starts again
  // from the top. A category without any set is reported after one pass instead of being
  // searched for ever.
  DataSetSearch found = FindDataSet(ListBox0, DataCursor, name);
  if (found.kind == DataSetSearch::Kind::kNotFound) found = FindDataSet(ListBox0, 0, name);
  if (found.kind == DataSetSearch::Kind::kFound) return CopyDataSet(found);
  DataCursor = 0;
  ui_.ShowMessage(kNoDataSetMessage);
}

void TForm1::CopyDataSet(const DataSetSearch& found) {
  const int rows = std::max(found.lastRow - found.nameLine, 0);
  for (int r = 0; r < rows; ++r) FillRowFromText(StringGrid1, r, ListBox0[found.nameLine + 1 + r]);
  StringGrid1.SetRowCount(rows);
  StringGrid1.SetColCount(rows > 0 ? CountOccurrences(ListBox0[found.lastRow], ",") + 1 : 1);
  // The cursor then points at the set's closing line, where the next search begins.
  DataCursor = found.lastRow + 1;
}

void TForm1::LoadTableFileByDialog() {
  struct FilterRestore {
    std::string& filter;
    ~FilterRestore() { filter = kCalcPageFilter; }
  } restore{OpenDialogFilter};
  OpenDialogFilter = kTableFileFilter;
  const auto chosen = ui_.PickOpenFile(OpenDialogFilter, OpenDialogInitialDir);
  if (!chosen) return;
  if (LowerCase(chosen->extension().string()) == ".dbf") {
    LoadDbfGrid(*chosen, StringGrid1);
  } else {
    LoadGridFile(*chosen, StringGrid1);
  }
  StringGrid1.SetDefaultColWidth(58);
  StringGrid1.SetCell(0, 0, "");
  StringGrid1.SetCell(0, 1, "");
  StringGrid1.SetColWidth(0, 24);
}

// --- save results ---

void TForm1::BitBtn4Click() {
  Guarded([&] { SaveResults(); });
}

void TForm1::SaveResults() {
  // A fresh number for both files, so an earlier result is never replaced.
  const std::string category = BitBtn1.caption;
  const std::filesystem::path text =
      FreshNumberedFile(paths_.outDir, random_, category + ".txt", {category + ".thf"});
  const std::filesystem::path table = std::filesystem::path(text).replace_extension(".thf");
  if (!memo1.Empty()) {
    WriteTextLines(text, memo1.Lines());
    WrittenFiles.push_back(text);
  }
  RestoreCollapsedWorksheet();
  if (StringGrid1.FixedCols() > 0) {
    SaveGridFile(table, StringGrid1);
  } else {
    SaveDataSetFile(table, StringGrid1);
  }
  WrittenFiles.push_back(table);
}

// --- expand table ---

void TForm1::BitBtn5Click() {
  Guarded([&] { ExpandTable(); });
}

void TForm1::ExpandTable() {
  RestoreCollapsedWorksheet();
  const std::string choice = ui_.AskText("请选择", "1-插入一行  2-添加行、列", "1");
  if (choice != kInsertRowAnswer) return AddRowsAndColumns();
  if (StringGrid1.RowCount() >= Worksheet::kMaxRows)
    throw Exception(Format(kGrowTooFarMessage, Worksheet::kMaxCols, Worksheet::kMaxRows));
  StringGrid1.InsertRow(StringGrid1.Row());
}

void TForm1::AddRowsAndColumns() {
  const std::string answer = ui_.AskText("请输入要增加的行数和列数", "", "0,1");
  const std::size_t comma = answer.find(',');
  const int rows = StrToInt(answer.substr(0, comma));
  const int cols = StrToInt(comma == std::string::npos ? "" : answer.substr(comma + 1));
  // Negative counts would shrink the grid and lose cells.
  Worksheet& g = StringGrid1;
  if (rows < 0 || cols < 0 || cols > Worksheet::kMaxCols - g.ColCount() ||
      rows > Worksheet::kMaxRows - g.RowCount())
    throw Exception(Format(kGrowTooFarMessage, Worksheet::kMaxCols, Worksheet::kMaxRows));

  const int oldCols = g.ColCount();
  g.SetColCount(oldCols + cols);
  g.ClearBlock(oldCols, 0, g.ColCount() - 1, g.RowCount() - 1);
  if (g.FixedRows() == 2) {
    for (int k = oldCols; k < g.ColCount(); ++k) {
      g.SetCell(k, 0, "C10");
      g.SetCell(k, 1, "列" + IntToStr(k));
    }
  }
  const int oldRows = g.RowCount();
  g.SetRowCount(oldRows + rows);
  g.ClearBlock(0, oldRows, g.ColCount() - 1, g.RowCount() - 1);
}

// --- answer box, help ---

void TForm1::BitBtn3Click() {
  const int w = Layout.pageWidth;
  StringGrid1.SetWidth(w / 5 * 4 < StringGrid1.Width() ? w / 4 * 3 : w - 15);
}

void TForm1::BitBtn6Click() {
  Guarded([&] { ShowHelp(); });
}

void TForm1::ShowHelp() {
  ActivePage = Page::kUnits;
  EnterUnitPage();
  LoadMemo2(paths_.DataFile(kHelpFile));
  Memo2Wide = true;
}

// --- page change ---

void TForm1::PageControl1Change(Page page) {
  Guarded([&] {
    ActivePage = page;
    switch (page) {
      case Page::kCalc:
        return EnterCalcPage();
      case Page::kUnits:
        return EnterUnitPage();
      case Page::kImage:
        return;
    }
  });
}

void TForm1::EnterCalcPage() {
  OpenDialogFilter = kCalcPageFilter;
  OpenDialogFileName.clear();
  DecimalsPage = Page::kCalc;
  // The unit page left its table in the data list: the data sets come back.
  if (!ListBox0.empty() && ListBox0.front().starts_with("C")) LoadDataList();
}

}  // namespace zarnix
