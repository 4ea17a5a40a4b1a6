// The main window as a toolkit-free model: its components' state under their window names
// and the event handlers as methods. The Qt window and zarnix-cli only call these methods
// and render the state.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/category_table.h"
#include "app/data_list.h"
#include "app/layout.h"
#include "base/canvas.h"
#include "base/random.h"
#include "base/ui.h"
#include "sheet/answer_pane.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"
#include "units/unit_conversion.h"

namespace zarnix {

class Clock;

enum class Page { kCalc, kUnits, kImage };

struct FormOptions {
  std::filesystem::path dataDir;  // where the shipped data files are
  std::filesystem::path outDir;   // where results and plots are written
  ScreenSize screen;              // the model screen
  int decimals = 3;               // the selector's value at creation
};

struct RadioGroupState {
  std::string caption = "请选择：";
  int columns = 7;
  std::vector<std::string> items;
  int itemIndex = -1;
};

struct SpinEditState {
  int value = 3;
  int minValue = 1;
  int maxValue = 12;
  int maxLength = 2;
  bool enabled = true;
  std::string Text() const { return std::to_string(value); }
};

struct ButtonState {
  std::string caption;
  bool enabled = true;
};

struct ListBoxState {
  std::vector<std::string> items;
  int itemIndex = -1;  // the selected row, -1 for none
  int topIndex = 0;    // the first row shown
  bool visible = true;
  void Clear() {
    items.clear();
    itemIndex = -1;
    topIndex = 0;
  }
  std::string Selected() const {
    return itemIndex >= 0 && itemIndex < static_cast<int>(items.size()) ? items[itemIndex] : "";
  }
};

// Message of a run whose category has no handler yet.
inline constexpr const char* kNotBuiltMessage = "该类别尚未实现";
// Load data in a category that has no data set in the data list.
inline constexpr const char* kNoDataSetMessage = "没有该类别的数据";
// Selecting a category whose worksheet file is not in the data folder; the path follows.
inline constexpr const char* kMissingSheetMessage = "找不到该类别的工作表文件：";
// The open dialog's filters on the calculation page, for 表格计算's tables and on the unit page.
inline constexpr const char* kCalcPageFilter = "*.dhf;*.thf;*.dbf;*.sdf|*.dhf;*.thf;*.dbf;*.sdf";
inline constexpr const char* kTableFileFilter = "*.dhf;*.dbf;*.sdf|*.dhf;*.dbf;*.sdf";
inline constexpr const char* kUnitPageFilter =
    "*.txt|*.txt|*.dhf;*.thf;*.dbf;*.sdf|*.dhf;*.thf;*.dbf;*.sdf|*.*|*.*";

class TForm1 : private WindowPort {
 public:
  using Handler = std::function<void(Workbench&)>;

  TForm1(Ui& ui, const Clock& clock, Canvas* canvas, FormOptions options);

  // --- events ---
  void FormCreate();
  void FormShow();
  // The show sequence without selecting the first category (a driver that selects itself).
  void FormShowWithoutSelection();
  void RadioGroup1Click();
  void BitBtn1Click();  // run
  void BitBtn2Click();  // load data
  void SpinEdit1Change();
  void Splitter1Moved(int left);
  void BitBtn3Click();  // answer box on/off
  void BitBtn4Click();  // save results
  void BitBtn5Click();  // expand table
  void BitBtn6Click();  // help
  // The current cell's whole text becomes the grid's hint (its tooltip).
  void StringGrid1Click();
  // Double-click on the current cell: the plots it starts (plot_commands.cpp).
  void StringGrid1DblClick();
  void BitBtn10Click();  // open picture
  void BitBtn11Click();  // save curve image
  // The answer pane's popup menu: select all, cut and copy to the clipboard.
  void N1Click();
  void N2Click();
  void N3Click();
  void PageControl1Change(Page page);
  // The unit page (unit_page.cpp).
  void ListBox1Click();  // a quantity
  void ListBox2Click();  // a unit: convert
  void Edit5KeyDown(int key);
  void BitBtn7Click();  // open a text file into Memo2
  void BitBtn8Click();  // save Memo2
  void BitBtn9Click();  // Memo2 wide or narrow
  // Loads a text file into Memo2, as opening one from the dialog does.
  void OpenTextFile(const std::filesystem::path& path);
  // The window's client area changed size: the page is laid out again and the worksheet
  // keeps its share of the panel.
  void FormResize(int clientWidth, int clientHeight);

  // Selects the radio item with this text and performs the selection; false when no item
  // has it.
  bool SelectCategory(const std::string& name);
  // Sets the selector's value (clamped to 1..12) and fires SpinEdit1Change.
  void SetDecimals(int value);
  // Loads any table file into the worksheet, as opening one from a file dialog does.
  void OpenGridFile(const std::filesystem::path& path);
  // Shows a picture file on the image page, as choosing it in the open-picture dialog does.
  void OpenPictureFile(const std::filesystem::path& path);

  // --- components ---
  Worksheet StringGrid1;
  AnswerPane memo1;
  bool Memo3Visible = false;
  AnswerPane Memo3;  // the report pane laid over the answer pane (table calculation)
  RadioGroupState RadioGroup1;
  SpinEditState SpinEdit1;
  ButtonState BitBtn1{"执行计算"};
  ButtonState BitBtn2{"装入数据"};
  ButtonState BitBtn3{"答案框开/关"};
  ButtonState BitBtn4{"保存结果"};
  ButtonState BitBtn5{"扩表"};
  ButtonState BitBtn6{"帮助"};
  ButtonState BitBtn10{"打开图象"};
  ButtonState BitBtn11{"保存曲线图象"};
  std::string Label1;
  std::string DecimalsLabel = "小数位数";
  ButtonState N1{"全选"};
  ButtonState N2{"剪切"};
  ButtonState N3{"复制"};
  std::array<std::string, 3> PageCaptions{"计算大全", "度量衡转换", "曲线图象"};  // by Page
  std::vector<std::string> ListBox0;
  Page ActivePage = Page::kCalc;
  std::string OpenDialogFilter;
  std::filesystem::path OpenDialogInitialDir;
  std::filesystem::path OpenDialogFileName;
  Page DecimalsPage = Page::kCalc;  // the page the decimal selector and its label are on

  // --- the unit page ---
  ListBoxState ListBox1;                    // quantities
  ListBoxState ListBox2;                    // units of the quantity
  ListBoxState ListBox3{{}, -1, 0, false};  // full-precision values, shown over ListBox4
  ListBoxState ListBox4;                    // values for display
  std::string ListBox1Caption = "参数名称";
  std::string ListBox2Caption = "单位名称和符号";
  std::string Edit5Caption = "输入基数，回车确认";
  std::string Label9;   // the quantity
  std::string Label10;  // the unit
  std::string Edit5 = "1";
  AnswerPane Memo2;  // constants, help or any text file
  bool Memo2Modified = false;
  bool Memo2Wide = false;  // covering the lists
  ButtonState BitBtn7{"打开文件"};
  ButtonState BitBtn8{"保存文件"};
  ButtonState BitBtn9{"文本框开/关"};

  // --- window state ---
  int CategoryIndex = -1;
  std::string ResultFormat;
  std::string DataPrefix;
  int PuzzleMode = 9;
  int DataCursor = 0;  // where the next load-data search starts, shared by all categories
  int FontSize = 10;
  WindowLayout Layout;
  bool Busy = false;
  // Every file the commands of this session wrote (results, pictures, texts), in order.
  std::vector<std::filesystem::path> WrittenFiles;

  // The image page's picture.
  Canvas& Image1();
  const Canvas& Image1() const;

  const DataPaths& Paths() const { return paths_; }
  // The category the radio group shows, "" before the first selection.
  std::string SelectedName() const;
  // Replaces a category's handler (tests, and categories that are wired up late); an empty
  // handler makes the category "not built".
  void SetHandler(int categoryIndex, Handler handler);

 private:
  void ScaleFontsToScreen();
  void BuildResultFormat();
  void SelectionSequence();
  void RunSequence();
  void LoadDataSequence();
  void CopyDataSet(const DataSetSearch& found);
  void LoadTableFileByDialog();
  void SaveResults();
  void ExpandTable();
  void AddRowsAndColumns();
  void ShowHelp();
  void EnterCalcPage();
  void EnterUnitPage();
  void FillUnitLists();
  void ConvertSelectedUnit();
  void LoadMemo2(const std::filesystem::path& path);
  void SaveMemo2();
  std::optional<std::filesystem::path> Memo2SaveTarget();
  void LoadDataList();
  int ThreeQuarterWidth() const { return Layout.pageWidth / 4 * 3; }
  void RestoreCollapsedWorksheet();
  Workbench MakeWorkbench();
  // What the table category drives besides the worksheet (table_calculation.cpp).
  AnswerPane& ShowReportPane() override;
  void ClickAnswerBox() override;
  bool CalcPageActive() const override;
  void ShowImagePage() override;
  // Runs one event; an exception ends it with a message and the window carries on.
  void Guarded(const std::function<void()>& body);
  void ShowException(std::exception_ptr error);

  Ui& ui_;
  const Clock& clock_;
  Canvas* canvas_;
  std::unique_ptr<Canvas> ownCanvas_;  // the picture when the creator gave none
  FormOptions options_;
  DataPaths paths_;
  LcgRandom random_;
  std::array<Handler, kCategoryCount> handlers_;
  std::vector<UnitEntry> units_;  // the units ListBox2 lists, with their factors
};

}  // namespace zarnix
