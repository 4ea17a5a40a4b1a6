// The unit-conversion page of the window: entering it, choosing a quantity and a unit, the
// base value, and the text pane Memo2 with its open, save and wide/narrow buttons.
#include <system_error>

#include "app/tform1.h"
#include "base/errors.h"
#include "base/textfile.h"

namespace zarnix {

namespace {

constexpr int kEnterKey = 13;
constexpr const char* kUnitTableStem = "度量衡.thf";
constexpr const char* kConstantsStem = "常数.txt";
constexpr const char* kSaveQuestion = "文件已修改，保存吗？";
constexpr const char* kReplaceQuestion = "文件已存在，替换它吗？";
constexpr const char* kDataFolderMessage = "程序的数据文件夹中的文件不能改写，请另选文件夹";

bool InFolder(const std::filesystem::path& file, const std::filesystem::path& folder) {
  std::error_code error;
  const auto parent = std::filesystem::weakly_canonical(file, error).parent_path();
  const auto dir = std::filesystem::weakly_canonical(folder, error);
  return !error && parent == dir;
}

}  // namespace

// --- entering the page ---

void TForm1::EnterUnitPage() {
  OpenDialogFilter = kUnitPageFilter;
  DecimalsPage = Page::kUnits;
  ListBox1.Clear();
  ListBox0 = ReadTextLines(paths_.PrefixedFile(kUnitTableStem));
  ListBox1.items = QuantityNames(ListBox0);
  ListBox1.itemIndex = ListBox1.items.empty() ? -1 : 0;
  Label9 = ListBox1.Selected();
  FillUnitLists();
  ConvertSelectedUnit();
  OpenDialogFileName = paths_.PrefixedFile(kConstantsStem);
  LoadMemo2(OpenDialogFileName);
}

void TForm1::LoadMemo2(const std::filesystem::path& path) {
  // Line by line, so that saving writes the file back as it was (no line break added).
  std::vector<std::string> lines = ReadTextLines(path);
  Memo2.Clear();
  Memo2.SetMaxChars(kMaxTextFileBytes);
  for (const std::string& line : lines) Memo2.Add(line);
  Memo2Modified = false;
}

void TForm1::FillUnitLists() {
  ListBox2.Clear();
  ListBox3.Clear();
  ListBox4.Clear();
  units_ = UnitsOf(ListBox0, ListBox1.Selected());
  for (const UnitEntry& unit : units_) {
    ListBox2.items.push_back(unit.Display());
    ListBox3.items.push_back(unit.factor);
  }
  const int first = units_.empty() ? -1 : 0;
  ListBox2.itemIndex = first;
  ListBox3.itemIndex = first;
}

// --- quantity, unit and base value ---

void TForm1::ListBox1Click() {
  Guarded([&] {
    FillUnitLists();
    ConvertSelectedUnit();
    ListBox2.itemIndex = ListBox3.itemIndex = units_.empty() ? -1 : 0;
    ListBox3.visible = true;
    Label9 = ListBox1.Selected();
    Label10 = ListBox2.Selected();
  });
}

void TForm1::ListBox2Click() {
  Guarded([&] { ConvertSelectedUnit(); });
}

void TForm1::ConvertSelectedUnit() {
  ListBox3.visible = false;
  // The factors stay as read, so a base value of 0 loses no ratio for the next conversion.
  ConvertedUnits rows =
      ConvertUnits(ListBox1.Selected(), units_, ListBox2.itemIndex, Edit5, SpinEdit1.value);
  ListBox3.items = std::move(rows.full);
  ListBox4.items = std::move(rows.shown);
  ListBox3.itemIndex = ListBox4.itemIndex = -1;
  ListBox3.topIndex = ListBox4.topIndex = ListBox2.topIndex;
  Label10 = ListBox2.Selected();
}

void TForm1::Edit5KeyDown(int key) {
  if (key != kEnterKey) return;
  Guarded([&] {
    // The value is taken to be in the first unit.
    ListBox2.itemIndex = units_.empty() ? -1 : 0;
    ConvertSelectedUnit();
    ListBox3.visible = true;
  });
}

// --- the text pane ---

void TForm1::BitBtn7Click() {
  Guarded([&] {
    const auto chosen = ui_.PickOpenFile(OpenDialogFilter, OpenDialogInitialDir);
    if (chosen) OpenTextFile(*chosen);
  });
}

void TForm1::OpenTextFile(const std::filesystem::path& path) {
  Guarded([&] {
    LoadMemo2(path);
    OpenDialogFileName = path;
    Memo2Wide = true;
  });
}

void TForm1::BitBtn8Click() {
  Guarded([&] {
    struct Narrow {
      bool& wide;
      ~Narrow() { wide = false; }
    } narrow{Memo2Wide};
    if (Memo2Modified && ui_.AskYesNoCancel(kSaveQuestion) == DialogResult::kYes) SaveMemo2();
  });
}

void TForm1::SaveMemo2() {
  const auto target = Memo2SaveTarget();
  if (!target) return;
  WriteTextLines(*target, Memo2.Lines());
  WrittenFiles.push_back(*target);
  OpenDialogFileName = *target;
  Memo2Modified = false;
}

// The file Memo2 is saved to: the file it was opened from, unless that is one of the
// program's own files (the constants, the help text), which are never replaced; then the
// user names a file, and replacing an existing one is asked first.
std::optional<std::filesystem::path> TForm1::Memo2SaveTarget() {
  if (!OpenDialogFileName.empty() && !InFolder(OpenDialogFileName, paths_.dataDir))
    return OpenDialogFileName;
  auto chosen = ui_.PickSaveFile(OpenDialogFilter, paths_.outDir);
  if (!chosen) return std::nullopt;
  if (chosen->is_relative()) chosen = paths_.outDir / *chosen;
  if (InFolder(*chosen, paths_.dataDir)) {
    ui_.ShowMessage(kDataFolderMessage);
    return std::nullopt;
  }
  if (FileExists(*chosen) && ui_.AskYesNoCancel(kReplaceQuestion) != DialogResult::kYes)
    return std::nullopt;
  return chosen;
}

void TForm1::BitBtn9Click() {
  Memo2Wide = !Memo2Wide;
}

}  // namespace zarnix
