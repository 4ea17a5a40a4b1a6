// The main window model: creation, show, category selection, the run command with its
// timing label, and the decimal-places selector.
#include "app/tform1.h"

#include <new>

#include "base/canvas.h"
#include "base/clock.h"
#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/fpu.h"
#include "base/gbk.h"
#include "base/recording_canvas.h"
#include "base/textfile.h"
#include "sheet/text_utils.h"
#include "tablefile/dbf.h"
#include "tablefile/table_text.h"

namespace zarnix {

namespace {

constexpr const char* kDataListFile = "zarnix数据.txt";
constexpr const char* kStartPicture = "zarnix.jpg";

// Sets the busy cursor for a scope; restored on every path out of it.
class BusyScope {
 public:
  BusyScope(Ui& ui, bool& flag) : ui_(ui), flag_(flag) {
    flag_ = true;
    ui_.SetBusy(true);
  }
  ~BusyScope() {
    flag_ = false;
    ui_.SetBusy(false);
  }

 private:
  Ui& ui_;
  bool& flag_;
};

void NotBuilt(Workbench&) {
  throw Exception(kNotBuiltMessage);
}

}  // namespace

TForm1::TForm1(Ui& ui, const Clock& clock, Canvas* canvas, FormOptions options)
    : ui_(ui), clock_(clock), canvas_(canvas), options_(std::move(options)) {
  if (!canvas_) {
    ownCanvas_ = std::make_unique<RecordingCanvas>();
    canvas_ = ownCanvas_.get();
  }
  RadioGroup1.items.assign(kRadioItems.begin(), kRadioItems.end());
  SpinEdit1.value = std::clamp(options_.decimals, SpinEdit1.minValue, SpinEdit1.maxValue);
  for (int i = 0; i < kCategoryCount; ++i) {
    const CategoryHandler handler = kCategoryTable[i].handler;
    handlers_[i] = handler ? Handler(handler) : Handler(NotBuilt);
  }
  random_.Randomize(clock_);
}

void TForm1::SetHandler(int categoryIndex, Handler handler) {
  if (categoryIndex >= 0 && categoryIndex < kCategoryCount)
    handlers_[categoryIndex] = std::move(handler);
}

std::string TForm1::SelectedName() const {
  const int i = RadioGroup1.itemIndex;
  return i >= 0 && i < static_cast<int>(RadioGroup1.items.size()) ? RadioGroup1.items[i] : "";
}

// --- creation and show ---

void TForm1::FormCreate() {
  Guarded([&] {
    ScaleFontsToScreen();
    const Rect image = ImageArea(Layout);
    canvas_->SetSize(image.width, image.height);
    BuildResultFormat();
    paths_.dataDir = options_.dataDir;
    paths_.outDir = options_.outDir;
    // The file name stem every per-category file hangs off.
    DataPrefix = GbkFromPath(options_.dataDir / "zarnix");
    paths_.dataPrefix = DataPrefix;
    OpenDialogInitialDir = options_.dataDir;
    OpenDialogFilter = kCalcPageFilter;
  });
}

void TForm1::ScaleFontsToScreen() {
  FontSize = FontSizeForScreenWidth(options_.screen.width);
  Layout = ComputeLayout(options_.screen, FontSize);
  StringGrid1.SetFontSize(FontSize);
  const GridFontMetrics metrics = ScaleGridToFont(FontSize, StringGrid1.DefaultColWidth());
  StringGrid1.SetDefaultColWidth(metrics.defaultColWidth);
  StringGrid1.SetDefaultRowHeight(metrics.defaultRowHeight);
  StringGrid1.SetColWidth(0, metrics.col0Width);
  StringGrid1.SetWidth(Layout.panel.width);
}

void TForm1::BuildResultFormat() {
  ResultFormat = "%." + SpinEdit1.Text() + "f";
}

void TForm1::FormShow() {
  Guarded([&] {
    PuzzleMode = 9;
    memo1.SetMaxChars(AnswerPane::kDefaultMaxChars);
    ActivePage = Page::kImage;
    ActivePage = Page::kCalc;
    SelectCategory(kGeneralCategory);
    LoadDataList();
    if (FileExists(paths_.DataFile(kStartPicture)))
      canvas_->LoadPicture(paths_.DataFile(kStartPicture));
  });
}

void TForm1::FormShowWithoutSelection() {
  Guarded([&] {
    PuzzleMode = 9;
    memo1.SetMaxChars(AnswerPane::kDefaultMaxChars);
    ActivePage = Page::kCalc;
    LoadDataList();
  });
}

void TForm1::LoadDataList() {
  // A missing data list leaves the list empty: categories still open and compute, only
  // load data has nothing to offer.
  try {
    ListBox0 = ReadTextLines(paths_.DataFile(kDataListFile));
  } catch (const EInOutError& error) {
    ListBox0.clear();
    ui_.ShowMessage(error.Message());
  }
}

// --- selection ---

bool TForm1::SelectCategory(const std::string& name) {
  for (int i = 0; i < static_cast<int>(RadioGroup1.items.size()); ++i) {
    if (RadioGroup1.items[i] == name) {
      RadioGroup1.itemIndex = i;
      RadioGroup1Click();
      return true;
    }
  }
  return false;
}

void TForm1::RadioGroup1Click() {
  Guarded([&] { SelectionSequence(); });
}

void TForm1::SelectionSequence() {
  const std::string name = SelectedName();
  SpinEdit1.enabled = name != kIntegerCategory;
  memo1.Clear();
  Memo3Visible = false;
  BuildResultFormat();
  if (const int index = FindCategory(name); index >= 0) CategoryIndex = index;
  BitBtn1.caption = name;
  // A missing category file does not stop the selection: the worksheet keeps its contents and
  // the category runs on them, but the user is told which file is missing.
  const std::filesystem::path file = paths_.PrefixedFile(name + ".thf");
  if (FileExists(file)) {
    LoadGridFile(file, StringGrid1);
  } else {
    ui_.ShowMessage(kMissingSheetMessage + GbkFromPath(file));
  }
  StringGrid1.SetWidth(Layout.radioGroup.width);

  const GridSettings& settings = GridSettingsOf(CategoryIndex);
  if (settings.threeQuarterWidth) StringGrid1.SetWidth(ThreeQuarterWidth());
  if (settings.fixedCols >= 0) StringGrid1.SetFixedCols(settings.fixedCols);
  if (settings.fixedRows >= 0) StringGrid1.SetFixedRows(settings.fixedRows);
  if (settings.then == GridSettings::Then::kLoadData) BitBtn2Click();
  if (settings.then == GridSettings::Then::kCurrentRow3) StringGrid1.SetRow(3);
  BitBtn1Click();
}

// --- run ---

void TForm1::BitBtn1Click() {
  Guarded([&] { RunSequence(); });
}

void TForm1::RunSequence() {
  const std::uint64_t start = clock_.TickCount();
  BitBtn2.enabled = true;
  if (BitBtn1.caption != kPuzzleCategory) PuzzleMode = 9;
  {
    BusyScope busy(ui_, Busy);
    memo1.Clear();
    RestoreCollapsedWorksheet();
    if (CategoryIndex < 0 || CategoryIndex >= kCategoryCount) return;
    Workbench bench = MakeWorkbench();
    ClearFpFaults();
    const Handler& handler = handlers_[CategoryIndex];
    try {
      if (!handler) NotBuilt(bench);
      handler(bench);
    } catch (...) {
      if (CategoryIndex == kPuzzleCategoryIndex) BitBtn2.enabled = false;
      throw;
    }
    if (CategoryIndex == kPuzzleCategoryIndex) BitBtn2.enabled = false;
  }
  if (CategoryIndex != kPuzzleCategoryIndex) {
    const double seconds = static_cast<double>(clock_.TickCount() - start) / 1000.0;
    Label1 = "计算时间:" + Format("%.3f", seconds) + "秒";
  }
}

Workbench TForm1::MakeWorkbench() {
  Workbench bench{StringGrid1,     memo1,  ResultFormat, SpinEdit1.value, ListBox0,   ui_,
                  canvas_,         paths_, clock_,       random_,         PuzzleMode, Label1,
                  options_.screen, this};
  bench.clickLoadData = [this] { BitBtn2Click(); };
  return bench;
}

// --- the window as the table category sees it ---

AnswerPane& TForm1::ShowReportPane() {
  Memo3Visible = true;
  return Memo3;
}

void TForm1::ClickAnswerBox() {
  BitBtn3Click();
}

bool TForm1::CalcPageActive() const {
  return ActivePage == Page::kCalc;
}

void TForm1::ShowImagePage() {
  ActivePage = Page::kImage;
}

void TForm1::RestoreCollapsedWorksheet() {
  if (StringGrid1.Width() == 1) StringGrid1.SetWidth(ThreeQuarterWidth());
}

void TForm1::OpenGridFile(const std::filesystem::path& path) {
  Guarded([&] { LoadGridFile(path, StringGrid1); });
}

// --- decimal places and splitter ---

void TForm1::SpinEdit1Change() {
  Guarded([&] {
    BuildResultFormat();
    if (ActivePage == Page::kCalc) BitBtn1Click();
    if (ActivePage == Page::kUnits) ListBox2Click();
  });
}

void TForm1::SetDecimals(int value) {
  SpinEdit1.value = std::clamp(value, SpinEdit1.minValue, SpinEdit1.maxValue);
  SpinEdit1Change();
}

void TForm1::Splitter1Moved(int left) {
  StringGrid1.SetWidth(std::max(left, 1));
}

// --- grid clicks and the answer pane's popup ---

void TForm1::StringGrid1Click() {
  Guarded([&] { StringGrid1.SetHint(StringGrid1.Cell(StringGrid1.Col(), StringGrid1.Row())); });
}

void TForm1::N1Click() {
  memo1.SelectAll();
}

void TForm1::N2Click() {
  Guarded([&] {
    if (memo1.SelLength() > 0) ui_.SetClipboardText(memo1.CutSelection());
  });
}

void TForm1::N3Click() {
  Guarded([&] {
    if (memo1.SelLength() > 0) ui_.SetClipboardText(memo1.SelectedText());
  });
}

void TForm1::FormResize(int clientWidth, int clientHeight) {
  const int oldPanelWidth = Layout.panel.width;
  Layout = ComputeLayoutForClient(clientWidth, clientHeight, FontSize);
  // A collapsed worksheet stays collapsed; otherwise it keeps its share of the panel.
  const int width = StringGrid1.Width();
  if (width <= 1 || oldPanelWidth <= 0) return;
  const long long scaled = static_cast<long long>(width) * Layout.panel.width / oldPanelWidth;
  StringGrid1.SetWidth(static_cast<int>(std::max(scaled, 1LL)));
}

// --- failures ---

void TForm1::Guarded(const std::function<void()>& body) {
  try {
    body();
  } catch (...) {
    ShowException(std::current_exception());
  }
}

void TForm1::ShowException(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const Exception& e) {
    ui_.ShowMessage(e.Message());
  } catch (const std::bad_alloc&) {
    ui_.ShowMessage("Out of memory");
  } catch (const std::exception& e) {
    ui_.ShowMessage(Utf8ToGbk(e.what()));
  } catch (...) {
    ui_.ShowMessage("Unknown error");
  }
}

}  // namespace zarnix
