// Command-line driver of the window model: options, the action list, text and JSON output.
#include "cli_driver.h"

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

#include "app/data_location.h"
#include "app/output_files.h"
#include "app/tform1.h"
#include "base/clock.h"
#include "base/convert.h"
#include "base/errors.h"
#include "base/gbk.h"
#include "base/scripted_ui.h"
#include "base/textfile.h"
#include "render/raster_canvas.h"

namespace zarnix {

namespace {

constexpr int kUsageError = 2;

// Every action, for --help.
constexpr const char* kActionsHelp = R"(Actions (each one argument; with none, show runs):
  show                     start as the window does: select the first category and run it
  select:NAME              choose a category by its name
  open:FILE                load a table file into the worksheet
  cell:C,R=TEXT            write a cell (an empty TEXT empties it)
  goto:C,R                 make a cell the current cell
  decimals:N               set the decimal places (1..12)
  run                      run the current category
  loaddata                 load the next data set, or reload the worksheet file
  save                     save the answer pane and the worksheet under a fresh number
  expand                   insert a row, or add rows and columns (answers from --answer)
  boxtoggle                open or close the answer pane beside the worksheet
  help                     show the help text on the unit page
  dblclick                 double-click the current cell (plots)
  plot:FILE                write the image page's picture (.png, .bmp or .svg)
  openpicture:FILE         load a picture into the image page
  savepicture              save the image page's picture under a fresh number
  page:calc|units|image    change the page
  unit:QUANTITY[,UNIT,VALUE]
                           convert VALUE given in UNIT into every unit of QUANTITY;
                           an empty UNIT takes VALUE in the first unit (Enter)
  openfile:FILE            load a text file into the unit page's text pane
  savefile                 save the text pane (questions and file names from --answer)
  textbox                  widen or narrow the unit page's text pane
Prompts, questions ("yes", "no", "cancel") and file dialogs take the --answer values in order.)";

// An action the driver cannot carry out; ends the run with exit status 2.
struct ActionError {
  std::string text;  // UTF-8
};

struct Options {
  std::optional<std::string> dataDir;
  std::optional<std::string> outDir;
  std::optional<std::string> screen;
  std::optional<int> decimals;
  std::vector<std::string> answers;
  bool json = false;
  std::vector<std::string> actions;
};

ScreenSize ParseScreen(const std::string& text) {
  const std::size_t x = text.find_first_of("xX");
  const auto width = x == std::string::npos ? std::nullopt : TryStrToInt(text.substr(0, x));
  const auto height = x == std::string::npos ? std::nullopt : TryStrToInt(text.substr(x + 1));
  if (!width || !height || *width < 1 || *height < 1 || *width > 100000 || *height > 100000)
    throw ActionError{"--screen expects WIDTHxHEIGHT, e.g. 1024x768: " + text};
  return {*width, *height};
}

// "C,R" as two non-negative integers.
std::pair<int, int> ParseCellAddress(const std::string& text, const std::string& action) {
  const std::size_t comma = text.find(',');
  const auto col = comma == std::string::npos ? std::nullopt : TryStrToInt(text.substr(0, comma));
  const auto row = comma == std::string::npos ? std::nullopt : TryStrToInt(text.substr(comma + 1));
  if (!col || !row || *col < 0 || *row < 0 || *col >= Worksheet::kMaxCols ||
      *row >= Worksheet::kMaxRows)
    throw ActionError{"bad cell address in '" + action + "' (expected COLUMN,ROW)"};
  return {*col, *row};
}

std::string Utf8(const std::string& gbk) {
  return GbkToUtf8(gbk);
}

class Driver {
 public:
  Driver(TForm1& form) : form_(form) {}

  void Run(const std::string& action) {
    const std::size_t colon = action.find(':');
    const std::string verb = action.substr(0, colon);
    const std::string arg = colon == std::string::npos ? "" : action.substr(colon + 1);
    const bool hasArg = colon != std::string::npos;
    if (verb == "show" && !hasArg) return form_.FormShow();
    if (verb == "run" && !hasArg) return form_.BitBtn1Click();
    if (verb == "select" && hasArg) return Select(arg);
    if (verb == "cell" && hasArg) return SetCell(arg, action);
    if (verb == "goto" && hasArg) return Goto(arg, action);
    if (verb == "decimals" && hasArg) return Decimals(arg, action);
    if (verb == "open" && hasArg && !arg.empty()) return form_.OpenGridFile(arg);
    if (verb == "open")
      throw ActionError{"'" + action + "' needs a file name, e.g. open:table.thf"};
    if (verb == "loaddata" && !hasArg) return form_.BitBtn2Click();
    if (verb == "save" && !hasArg) return form_.BitBtn4Click();
    if (verb == "expand" && !hasArg) return form_.BitBtn5Click();
    if (verb == "boxtoggle" && !hasArg) return form_.BitBtn3Click();
    if (verb == "help" && !hasArg) return form_.BitBtn6Click();
    if (verb == "dblclick" && !hasArg) return form_.StringGrid1DblClick();
    if (verb == "plot" && hasArg) return Plot(arg, action);
    if (verb == "openpicture" && hasArg && !arg.empty())
      return form_.OpenPictureFile(PathFromUtf8(arg));
    if (verb == "savepicture" && !hasArg) return form_.BitBtn11Click();
    if (verb == "page" && hasArg) return ChangePage(arg, action);
    if (verb == "unit" && hasArg) return Unit(arg, action);
    if (verb == "openfile" && hasArg && !arg.empty()) {
      OnUnitPage();
      return form_.OpenTextFile(PathFromUtf8(arg));
    }
    if (verb == "savefile" && !hasArg) {
      OnUnitPage();
      return form_.BitBtn8Click();
    }
    if (verb == "textbox" && !hasArg) {
      OnUnitPage();
      return form_.BitBtn9Click();
    }
    throw ActionError{"unknown action '" + action + "'"};
  }

 private:
  void Select(const std::string& name) {
    if (!form_.SelectCategory(Utf8ToGbk(name)))
      throw ActionError{"no category named '" + name + "'"};
  }

  void SetCell(const std::string& arg, const std::string& action) {
    const std::size_t equals = arg.find('=');
    if (equals == std::string::npos) throw ActionError{"'" + action + "' needs =TEXT"};
    const auto [col, row] = ParseCellAddress(arg.substr(0, equals), action);
    form_.StringGrid1.SetCell(col, row, Utf8ToGbk(arg.substr(equals + 1)));
  }

  void Goto(const std::string& arg, const std::string& action) {
    const auto [col, row] = ParseCellAddress(arg, action);
    form_.StringGrid1.SetCol(col);
    form_.StringGrid1.SetRow(row);
  }

  // Writes the image page's picture; a relative name is under the output folder.
  void Plot(const std::string& arg, const std::string& action) {
    const std::filesystem::path name = PathFromUtf8(arg);
    const std::string extension = LowerCase(name.extension().string());
    if (arg.empty() || (extension != ".png" && extension != ".bmp" && extension != ".svg"))
      throw ActionError{"'" + action + "' needs a file name ending in .png, .bmp or .svg"};
    const std::filesystem::path file = name.is_absolute() ? name : form_.Paths().outDir / name;
    try {
      form_.Image1().SaveImage(file);
    } catch (const Exception& e) {
      throw ActionError{Utf8(e.Message())};
    }
    form_.WrittenFiles.push_back(file);
  }

  static std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
  }

  static std::string Utf8(const std::string& gbk) { return GbkToUtf8(gbk); }

  void Decimals(const std::string& arg, const std::string& action) {
    const auto value = TryStrToInt(arg);
    if (!value) throw ActionError{"'" + action + "' needs a whole number of decimal places"};
    form_.SetDecimals(*value);
  }

  void ChangePage(const std::string& arg, const std::string& action) {
    if (arg == "calc") return form_.PageControl1Change(Page::kCalc);
    if (arg == "units") return form_.PageControl1Change(Page::kUnits);
    if (arg == "image") return form_.PageControl1Change(Page::kImage);
    throw ActionError{"'" + action + "' expects page:calc, page:units or page:image"};
  }

  // The unit page's buttons are pressed on the unit page.
  void OnUnitPage() {
    if (form_.ActivePage != Page::kUnits) form_.PageControl1Change(Page::kUnits);
  }

  // QUANTITY[,UNIT,VALUE]: click the quantity, type the value, click the unit (by name or
  // as listed); without a unit the value is entered with Enter.
  void Unit(const std::string& arg, const std::string& action) {
    const std::string text = Utf8ToGbk(arg);
    const std::size_t first = text.find(',');
    const std::size_t last = text.rfind(',');
    if (first != std::string::npos && first == last)
      throw ActionError{"'" + action + "' expects unit:QUANTITY,UNIT,VALUE"};
    OnUnitPage();
    const int quantity = IndexOf(form_.ListBox1.items, text.substr(0, first));
    if (quantity < 0) throw ActionError{"no quantity named '" + Utf8(text.substr(0, first)) + "'"};
    form_.ListBox1.itemIndex = quantity;
    form_.ListBox1Click();
    if (first == std::string::npos) return;
    form_.Edit5 = text.substr(last + 1);
    const std::string unit = text.substr(first + 1, last - first - 1);
    if (unit.empty()) return form_.Edit5KeyDown(13);
    const int row = UnitRow(unit);
    if (row < 0) throw ActionError{"no unit named '" + Utf8(unit) + "' in this quantity"};
    form_.ListBox2.itemIndex = row;
    form_.ListBox2Click();
  }

  static int IndexOf(const std::vector<std::string>& items, const std::string& wanted) {
    for (int i = 0; i < static_cast<int>(items.size()); ++i)
      if (items[i] == wanted) return i;
    return -1;
  }

  // A unit by its display text or by its name before the symbol.
  int UnitRow(const std::string& unit) const {
    const std::vector<std::string>& items = form_.ListBox2.items;
    for (int i = 0; i < static_cast<int>(items.size()); ++i)
      if (items[i] == unit || items[i].starts_with(unit + " (")) return i;
    return -1;
  }

  TForm1& form_;
};

nlohmann::json GridJson(const Worksheet& grid) {
  nlohmann::json cells = nlohmann::json::array();
  for (int r = 0; r < grid.RowCount(); ++r) {
    nlohmann::json row = nlohmann::json::array();
    for (int c = 0; c < grid.ColCount(); ++c) row.push_back(Utf8(grid.Cell(c, r)));
    cells.push_back(std::move(row));
  }
  nlohmann::json widths = nlohmann::json::array();
  for (int c = 0; c < grid.ColCount(); ++c) widths.push_back(grid.ColWidth(c));
  return {{"colCount", grid.ColCount()},
          {"rowCount", grid.RowCount()},
          {"fixedCols", grid.FixedCols()},
          {"fixedRows", grid.FixedRows()},
          {"col", grid.Col()},
          {"row", grid.Row()},
          {"width", grid.Width()},
          {"colWidths", std::move(widths)},
          {"cells", std::move(cells)}};
}

nlohmann::json MessagesJson(const ScriptedUi& ui) {
  nlohmann::json messages = nlohmann::json::array();
  for (const UiLogEntry& entry : ui.Log()) {
    nlohmann::json item = {{"kind", UiLogKindName(entry.kind)},
                           {"text", Utf8(entry.text)},
                           {"answer", Utf8(entry.answer)}};
    if (entry.kind == UiLogEntry::Kind::kPrompt) item["prompt"] = Utf8(entry.prompt);
    messages.push_back(std::move(item));
  }
  return messages;
}

const char* PageName(Page page) {
  switch (page) {
    case Page::kCalc:
      return "calc";
    case Page::kUnits:
      return "units";
    case Page::kImage:
      return "image";
  }
  return "calc";
}

// The report pane's lines while it is shown.
nlohmann::json Utf8List(const std::vector<std::string>& lines) {
  nlohmann::json list = nlohmann::json::array();
  for (const std::string& line : lines) list.push_back(Utf8(line));
  return list;
}

nlohmann::json Memo3Json(const TForm1& form) {
  return form.Memo3Visible ? Utf8List(form.Memo3.Lines()) : nlohmann::json::array();
}

// The unit page's lists and panes (empty before the page was entered).
nlohmann::json UnitsJson(const TForm1& form) {
  return {{"quantities", Utf8List(form.ListBox1.items)},
          {"quantity", Utf8(form.ListBox1.Selected())},
          {"units", Utf8List(form.ListBox2.items)},
          {"values", Utf8List(form.ListBox4.items)},
          {"fullValues", Utf8List(form.ListBox3.items)},
          {"fullShown", form.ListBox3.visible},
          {"label9", Utf8(form.Label9)},
          {"label10", Utf8(form.Label10)},
          {"edit5", Utf8(form.Edit5)},
          {"memo2", Utf8List(form.Memo2.Lines())},
          {"memo2Wide", form.Memo2Wide}};
}

const char* PictureKindName(PictureKind kind) {
  switch (kind) {
    case PictureKind::kEmpty:
      return "empty";
    case PictureKind::kPlot:
      return "plot";
    case PictureKind::kPicture:
      return "picture";
  }
  return "empty";
}

nlohmann::json ImageJson(const TForm1& form) {
  const PictureInfo picture = form.Image1().Picture();
  return {{"kind", PictureKindName(picture.kind)},
          {"width", picture.width},
          {"height", picture.height},
          {"caption", Utf8(picture.caption)}};
}

nlohmann::json FilesJson(const TForm1& form) {
  nlohmann::json files = nlohmann::json::array();
  for (const std::filesystem::path& file : form.WrittenFiles)
    files.push_back(WrittenFileName(form.Paths().outDir, file));
  return files;
}

void WriteJson(const TForm1& form, const ScriptedUi& ui, std::ostream& out) {
  nlohmann::json answer = nlohmann::json::array();
  for (const std::string& line : form.memo1.Lines()) answer.push_back(Utf8(line));
  const std::string category =
      form.CategoryIndex >= 0 ? kCategoryTable[form.CategoryIndex].name : "";
  const nlohmann::json state = {
      {"category", Utf8(category)},        {"categoryIndex", form.CategoryIndex},
      {"resultFormat", form.ResultFormat}, {"decimalsEnabled", form.SpinEdit1.enabled},
      {"label1", Utf8(form.Label1)},       {"answer", std::move(answer)},
      {"messages", MessagesJson(ui)},      {"grid", GridJson(form.StringGrid1)},
      {"page", PageName(form.ActivePage)}, {"puzzleMode", form.PuzzleMode},
      {"memo3", Memo3Json(form)},          {"files", FilesJson(form)},
      {"image", ImageJson(form)},
      {"units", UnitsJson(form)},
  };
  out << state.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

void WriteText(const TForm1& form, const ScriptedUi& ui, std::ostream& out, std::ostream& err) {
  for (const std::string& line : form.memo1.Lines()) out << Utf8(line) << '\n';
  for (const std::string& message : ui.Messages()) err << Utf8("[消息] " + message) << '\n';
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{"zarnix-cli: runs Zarnix window actions and prints the results", "zarnix-cli"};
  Options o;
  app.add_option("--data-dir", o.dataDir, "folder of the data files");
  app.add_option("--out-dir", o.outDir, "folder for saved results and plots");
  app.add_option("--decimals", o.decimals, "decimal places at start (1..12)");
  app.add_option("--screen", o.screen, "model screen size, WIDTHxHEIGHT (default 1024x768)");
  // One value per --answer, so the actions after it stay actions.
  app.add_option("--answer", o.answers,
                 "answer to the next prompt, question or file dialog (repeatable)")
      ->allow_extra_args(false)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  app.add_flag("--json", o.json, "print one JSON object instead of text");
  app.set_version_flag("--version", "zarnix-cli " ZARNIX_VERSION);
  app.add_option("actions", o.actions, "window actions, run in order (see below)");
  app.footer(kActionsHelp);
  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return 0;
  } catch (const CLI::CallForVersion& e) {
    out << e.what() << '\n';
    return 0;
  } catch (const CLI::ParseError& e) {
    err << "zarnix-cli: " << e.what() << '\n';
    return kUsageError;
  }

  try {
    FormOptions options;
    options.dataDir = ResolveDataDir(o.dataDir, std::getenv("ZARNIX_DATA"), ExecutableDir());
    options.outDir = o.outDir ? std::filesystem::path(*o.outDir) : std::filesystem::current_path();
    if (o.screen) options.screen = ParseScreen(*o.screen);
    if (o.decimals) options.decimals = *o.decimals;

    std::vector<std::string> answers;
    for (const std::string& a : o.answers) answers.push_back(Utf8ToGbk(a));
    ScriptedUi ui(std::move(answers));
    SystemClock clock;
    RasterCanvas canvas;
    TForm1 form(ui, clock, &canvas, options);
    form.FormCreate();
    if (o.actions.empty()) o.actions.push_back("show");
    if (o.actions.front() != "show") form.FormShowWithoutSelection();
    Driver driver(form);
    for (const std::string& action : o.actions) driver.Run(action);

    if (o.json) {
      WriteJson(form, ui, out);
    } else {
      WriteText(form, ui, out, err);
    }
    return 0;
  } catch (const ActionError& e) {
    err << "zarnix-cli: " << e.text << '\n';
    return kUsageError;
  }
}

}  // namespace zarnix
