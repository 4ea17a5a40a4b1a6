// The main window as a toolkit-free model: its components' state under their window names
// and the event handlers as methods. The Qt window and zarnix-cli only call these methods
// and render the state.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
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

// Message of a run whose category has no handler yet.
inline constexpr const char* kNotBuiltMessage = "该类别尚未实现";
// Load data in a category that has no data set in the data list.
inline constexpr const char* kNoDataSetMessage = "没有该类别的数据";
// Selecting a category whose worksheet file is not in the data folder; the path follows.
inline constexpr const char* kMissingSheetMessage = "找不到该类别的工作表文件：";
// A command or page whose work is not built yet.
inline constexpr const char* kNotBuiltFeatureMessage = "该功能尚未实现";

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
};

}  // namespace zarnix
