// The unit page on the window model: entering it, quantity and unit clicks, Enter in the base
// value, the decimal places, and the text pane's open, save and wide/narrow buttons.
#include "app/unit_page.h"

#include "form_fixture.h"

namespace zarnix {
namespace {

class UnitPageTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    WriteTextLines(
        dataDir_ / PathFromGbk("zarnix度量衡.thf"),
        {"C20`C12`C30", "名称`符号`系数", "[长度]``", "米`m`1", "千米`km`0.001", "市尺``3",
         "纳米`nm`1000000000", "[温度]``", "开尔文`K`1", "摄氏度`℃`1", "华氏度`℉`1.8"});
    WriteTextLines(dataDir_ / PathFromGbk("zarnix常数.txt"), {"光速 c = 299792458 m/s"});
    WriteTextLines(dataDir_ / PathFromGbk("zarnix帮助.txt"), {"帮助"});
  }

  TForm1& Entered() {
    TForm1& form = MakeForm();
    form.FormShowWithoutSelection();
    form.PageControl1Change(Page::kUnits);
    return form;
  }

  void ClickQuantity(TForm1& form, int row) {
    form.ListBox1.itemIndex = row;
    form.ListBox1Click();
  }
  void ClickUnit(TForm1& form, int row) {
    form.ListBox2.itemIndex = row;
    form.ListBox2Click();
  }
};

TEST_F(UnitPageTest, EnteringListsTheFirstQuantityConverted) {
  TForm1& form = Entered();
  EXPECT_EQ(form.OpenDialogFilter,
            "*.txt|*.txt|*.dhf;*.thf;*.dbf;*.sdf|*.dhf;*.thf;*.dbf;*.sdf|*.*|*.*");
  EXPECT_EQ(form.ListBox1.items, (std::vector<std::string>{"长度", "温度"}));
  EXPECT_EQ(form.ListBox1.itemIndex, 0);
  EXPECT_EQ(form.ListBox2.items,
            (std::vector<std::string>{"米 (m)", "千米 (km)", "市尺", "纳米 (nm)"}));
  EXPECT_EQ(form.ListBox2.itemIndex, 0);
  EXPECT_EQ(form.ListBox4.items,
            (std::vector<std::string>{"1.000", "0.001", "3.000", "1.0000E+009"}));
  EXPECT_FALSE(form.ListBox3.visible);
  EXPECT_EQ(form.Label10, "米 (m)");
  EXPECT_EQ(form.Memo2.Lines(), std::vector<std::string>{"光速 c = 299792458 m/s"});
  EXPECT_FALSE(form.Memo2Modified);
  EXPECT_EQ(form.OpenDialogFileName, dataDir_ / PathFromGbk("zarnix常数.txt"));
  EXPECT_EQ(form.DecimalsPage, Page::kUnits);
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(UnitPageTest, UnitClickConvertsFromTheChosenUnit) {
  TForm1& form = Entered();
  ClickUnit(form, 1);  // 1 km
  EXPECT_EQ(form.ListBox4.items,
            (std::vector<std::string>{"1000.000", "1.000", "3.0000E+003", "1.0000E+012"}));
  EXPECT_EQ(form.ListBox3.items, (std::vector<std::string>{"1000", "1", "3000", "1000000000000"}));
  EXPECT_FALSE(form.ListBox3.visible);
  EXPECT_EQ(form.Label10, "千米 (km)");
  // The format is the page's own: the calculation page keeps its fixed one.
  EXPECT_EQ(form.ResultFormat, "%.3f");
  // A base value of 0 is 0 everywhere, and the ratios survive it.
  form.Edit5 = "0";
  ClickUnit(form, 1);
  EXPECT_EQ(form.ListBox4.items, std::vector<std::string>(4, "0.000"));
  form.Edit5 = "2";
  ClickUnit(form, 0);
  EXPECT_EQ(form.ListBox4.items[1], "0.002");
}

TEST_F(UnitPageTest, QuantityClickShowsTheFullValues) {
  TForm1& form = Entered();
  ClickQuantity(form, 1);
  EXPECT_EQ(form.ListBox2.items,
            (std::vector<std::string>{"开尔文 (K)", "摄氏度 (℃)", "华氏度 (℉)"}));
  EXPECT_TRUE(form.ListBox3.visible);
  EXPECT_EQ(form.ListBox4.items, (std::vector<std::string>{"1", "-272.15", "-457.87"}));
  EXPECT_EQ(form.Label9, "温度");
  EXPECT_EQ(form.Label10, "开尔文 (K)");
  form.Edit5 = "0";
  ClickUnit(form, 0);
  EXPECT_EQ(form.ListBox4.items, (std::vector<std::string>{"0", "-273.15", "-459.67"}));
  EXPECT_FALSE(form.ListBox3.visible);
}

TEST_F(UnitPageTest, EnterTakesTheValueInTheFirstUnit) {
  TForm1& form = Entered();
  ClickUnit(form, 2);
  form.Edit5 = "6";
  form.Edit5KeyDown(65);  // not Enter: nothing happens
  EXPECT_EQ(form.ListBox2.itemIndex, 2);
  form.Edit5KeyDown(13);
  EXPECT_EQ(form.ListBox2.itemIndex, 0);
  EXPECT_TRUE(form.ListBox3.visible);
  EXPECT_EQ(form.ListBox3.items[2], "18");
  EXPECT_EQ(form.ListBox4.items[1], "0.006");
}

TEST_F(UnitPageTest, DecimalPlacesReformatAtOnce) {
  TForm1& form = Entered();
  int runs = 0;
  form.SetHandler(18, [&](Workbench&) { ++runs; });
  form.SetDecimals(5);
  EXPECT_EQ(form.ListBox4.items[0], "1.00000");
  EXPECT_EQ(form.ListBox4.items[3], "1.000000E+009");
  EXPECT_EQ(form.ResultFormat, "%.5f");
  EXPECT_EQ(runs, 0);  // the calculation page does not run
}

TEST_F(UnitPageTest, BadValuesEndTheConversionAndKeepTheLists) {
  TForm1& form = Entered();
  const std::vector<std::string> before = form.ListBox4.items;
  form.Edit5 = "1,5";
  ClickUnit(form, 1);
  EXPECT_EQ(ui_.Messages(), std::vector<std::string>{"'1,5' is not a valid floating point value"});
  EXPECT_EQ(form.ListBox4.items, before);

  std::filesystem::remove(dataDir_ / PathFromGbk("zarnix度量衡.thf"));
  ui_.ClearLog();
  form.PageControl1Change(Page::kUnits);
  EXPECT_EQ(ui_.Messages().size(), 1u);
  EXPECT_TRUE(form.ListBox1.items.empty());
}

TEST_F(UnitPageTest, TextBoxTogglesBetweenNarrowAndWide) {
  TForm1& form = Entered();
  const UnitPageLayout page = LayOutUnitPage(form.Layout, form.FontSize);
  const Rect narrow = Memo2Bounds(page, form.Layout, false);
  EXPECT_EQ(narrow.left, page.listBox3.left + page.listBox3.width + 10);
  EXPECT_EQ(narrow.width, form.Layout.pageWidth - narrow.left - 10);
  const Rect wide = Memo2Bounds(page, form.Layout, true);
  EXPECT_EQ(wide.left, page.listBox1.left);
  EXPECT_EQ(wide.width + 10, page.panel.width);
  // The three lists share the room left of the narrow pane.
  EXPECT_EQ(page.listBox1.width, page.listBox2.width);
  EXPECT_LT(page.listBox1.left + page.listBox1.width, page.listBox2.left);
  EXPECT_FALSE(form.Memo2Wide);
  form.BitBtn9Click();
  EXPECT_TRUE(form.Memo2Wide);
  form.BitBtn9Click();
  EXPECT_FALSE(form.Memo2Wide);
}

TEST_F(UnitPageTest, OpenedFileIsSavedBackAfterTheQuestion) {
  outDir_ = dataDir_ / "out";
  std::filesystem::create_directories(outDir_);
  const std::filesystem::path mine = outDir_ / "notes.txt";
  WriteTextLines(mine, {"旧的"});
  TForm1& form = Entered();
  ui_.QueueAnswer(GbkFromPath(mine));
  form.BitBtn7Click();
  EXPECT_EQ(form.Memo2.Lines(), std::vector<std::string>{"旧的"});
  EXPECT_TRUE(form.Memo2Wide);
  EXPECT_EQ(form.OpenDialogFileName, mine);

  form.BitBtn8Click();  // unmodified: no question, the pane narrows
  EXPECT_FALSE(form.Memo2Wide);
  EXPECT_EQ(ui_.Log().size(), 1u);

  form.Memo2.SetText("新的");
  form.Memo2Modified = true;
  ui_.QueueAnswer("no");
  form.BitBtn8Click();
  EXPECT_EQ(ReadTextLines(mine), std::vector<std::string>{"旧的"});
  ui_.QueueAnswer("yes");
  form.BitBtn8Click();
  EXPECT_EQ(ui_.Log().back().text, "文件已修改，保存吗？");
  EXPECT_EQ(ReadTextLines(mine), std::vector<std::string>{"新的"});
  EXPECT_FALSE(form.Memo2Modified);
  EXPECT_EQ(form.WrittenFiles, std::vector<std::filesystem::path>{mine});
}

TEST_F(UnitPageTest, ProgramFilesAreNeverSavedOver) {
  outDir_ = dataDir_ / "out";
  std::filesystem::create_directories(outDir_);
  TForm1& form = Entered();
  const std::filesystem::path constants = dataDir_ / PathFromGbk("zarnix常数.txt");
  form.Memo2.SetText("改过的常数");
  form.Memo2Modified = true;
  // Yes, then a file name: relative names are under the output folder.
  ui_.QueueAnswer("yes");
  ui_.QueueAnswer("我的常数.txt");
  form.BitBtn8Click();
  EXPECT_EQ(ReadTextLines(constants), std::vector<std::string>{"光速 c = 299792458 m/s"});
  const std::filesystem::path saved = outDir_ / PathFromGbk("我的常数.txt");
  EXPECT_EQ(ReadTextLines(saved), std::vector<std::string>{"改过的常数"});
  EXPECT_EQ(form.OpenDialogFileName, saved);

  // After help, saving asks for a name again; an existing file is replaced only on Yes,
  // and the data folder is refused.
  form.BitBtn6Click();
  form.Memo2.SetText("帮助改过");
  form.Memo2Modified = true;
  ui_.QueueAnswer("yes");
  ui_.QueueAnswer(GbkFromPath(saved));
  ui_.QueueAnswer("no");
  form.BitBtn8Click();
  EXPECT_EQ(ReadTextLines(saved), std::vector<std::string>{"改过的常数"});
  EXPECT_EQ(ui_.Log().back().text, "文件已存在，替换它吗？");
  ui_.QueueAnswer("yes");
  ui_.QueueAnswer(GbkFromPath(dataDir_ / "other.txt"));
  form.BitBtn8Click();
  EXPECT_FALSE(FileExists(dataDir_ / "other.txt"));
  EXPECT_EQ(ui_.Messages().size(), 1u);
  ui_.QueueAnswer("yes");
  ui_.QueueAnswer("cancel");
  form.BitBtn8Click();
  EXPECT_TRUE(form.Memo2Modified);
  EXPECT_EQ(ReadTextLines(dataDir_ / PathFromGbk("zarnix帮助.txt")),
            std::vector<std::string>{"帮助"});
}

}  // namespace
}  // namespace zarnix
