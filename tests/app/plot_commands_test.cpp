// The image page's commands on the window model: which double-clicks plot and by which path,
// the page they show, the run they repeat, opening pictures and saving a drawn plot under a
// fresh name.
#include <filesystem>

#include "app/tform1.h"
#include "base/gbk.h"
#include "form_fixture.h"
#include "render/raster_canvas.h"

namespace zarnix {
namespace {

class PlotCommandsTest : public FormTest {
 protected:
  TForm1& Form() {
    FormOptions options;
    options.dataDir = dataDir_;
    options.outDir = dataDir_;
    form_ = std::make_unique<TForm1>(ui_, clock_, &canvas_, options);
    form_->FormCreate();
    return *form_;
  }

  // A block at row 3 of a data-set sheet: x = 0 ... 4 and y = x^2.
  void Block(TForm1& form) {
    Worksheet& grid = form.StringGrid1;
    grid.SetFixedCols(0);
    grid.SetColCount(4);
    grid.SetRowCount(9);
    grid.SetCell(0, 3, "双击此格看图像");
    grid.SetCell(1, 3, "T");
    grid.SetCell(2, 3, "数组");
    for (int k = 0; k <= 4; ++k) {
      grid.SetCell(1, 4 + k, std::to_string(k));
      grid.SetCell(2, 4 + k, std::to_string(k * k));
    }
  }

  void DoubleClick(TForm1& form, int col, int row) {
    form.StringGrid1.SetCol(col);
    form.StringGrid1.SetRow(row);
    form.StringGrid1DblClick();
  }

  // The start-up picture in the repository's data folder.
  static std::filesystem::path ShippedPicture() {
    return std::filesystem::path(ZARNIX_TEST_DATA_DIR).parent_path().parent_path().parent_path() /
           "data" / "zarnix.jpg";
  }

  RasterCanvas canvas_;
};

TEST_F(PlotCommandsTest, CreationSizesThePictureToTheImageArea) {
  TForm1& form = Form();
  const Rect area = ImageArea(form.Layout);
  EXPECT_EQ(canvas_.Width(), area.width);
  EXPECT_EQ(canvas_.Height(), area.height);
  EXPECT_EQ(form.BitBtn10.caption, "打开图象");
  EXPECT_EQ(form.BitBtn11.caption, "保存曲线图象");
  EXPECT_EQ(&form.Image1(), &canvas_);
}

TEST_F(PlotCommandsTest, TheMarkerCellPlotsItsBlockAndShowsTheImagePage) {
  TForm1& form = Form();
  form.CategoryIndex = 2;
  Block(form);
  DoubleClick(form, 1, 3);  // not the marker
  EXPECT_EQ(form.ActivePage, Page::kCalc);
  EXPECT_TRUE(ui_.Log().empty());
  DoubleClick(form, 0, 3);
  EXPECT_EQ(form.ActivePage, Page::kImage);
  EXPECT_EQ(canvas_.Picture().kind, PictureKind::kPlot);
  EXPECT_EQ(canvas_.Picture().caption, "曲线1: 数组");
  ASSERT_EQ(ui_.Log().size(), 1u);
  EXPECT_EQ(ui_.Log()[0].kind, UiLogEntry::Kind::kPrompt);

  // A refused scale neither draws nor leaves the page.
  form.ActivePage = Page::kCalc;
  ui_.QueueAnswer("0,0,0,0");
  DoubleClick(form, 0, 3);
  EXPECT_EQ(form.ActivePage, Page::kCalc);
}

TEST_F(PlotCommandsTest, EveryCategoryPlotsItsMarkerCells) {
  TForm1& form = Form();
  Block(form);
  form.StringGrid1.SetCell(1, 3, "T1(双击此格看图像)");
  for (int category : {0, 11, 16, 18}) {
    form.CategoryIndex = category;
    canvas_.Clear();
    DoubleClick(form, 1, 3);
    EXPECT_EQ(canvas_.Picture().kind, PictureKind::kPlot) << category;
  }
}

TEST_F(PlotCommandsTest, CurveCategoriesComputeAgainAfterAFunctionOrPointPlot) {
  TForm1& form = Form();
  int runs = 0;
  for (int category : {10, 17}) form.SetHandler(category, [&](Workbench&) { ++runs; });
  Worksheet& grid = form.StringGrid1;
  grid.SetColCount(7);
  grid.SetRowCount(8);
  grid.SetCell(1, 2, "f");
  grid.SetCell(2, 2, "y=x^2");
  grid.SetCell(5, 2, "-1;1");
  grid.SetCell(2, 3, "x:1;2;3");
  grid.SetCell(2, 4, "y1:1;4;9");
  grid.SetCell(1, 5, "***");

  form.CategoryIndex = 17;
  DoubleClick(form, 2, 2);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(form.ActivePage, Page::kImage);
  EXPECT_EQ(grid.Cell(2, 6), "f");
  EXPECT_EQ(ui_.ClipboardText().substr(0, 8), "X,-1.000");

  form.CategoryIndex = 10;
  form.ActivePage = Page::kCalc;
  DoubleClick(form, 2, 3);
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(form.ActivePage, Page::kImage);
  EXPECT_EQ(ui_.ClipboardText(), "x,1,2,3\r\ny1,1,4,9");

  // Other categories know neither path; a curve category without a curve runs nothing.
  form.CategoryIndex = 18;
  DoubleClick(form, 2, 2);
  DoubleClick(form, 2, 3);
  form.CategoryIndex = 17;
  DoubleClick(form, 1, 2);
  EXPECT_EQ(runs, 2);
}

TEST_F(PlotCommandsTest, RegressionFormulaRowsPlotOnlyInTheRegressionCategory) {
  TForm1& form = Form();
  Worksheet& grid = form.StringGrid1;
  grid.SetFixedCols(0);
  grid.SetColCount(10);
  grid.SetRowCount(12 + 502);
  grid.SetCell(0, 5, "双击以下回归公式看图象");
  grid.SetCell(0, 6, "a+b*x");
  grid.SetCell(1, 6, "1");
  grid.SetCell(2, 6, "1");
  grid.SetCell(0, 12, "双击此格看图像");
  grid.SetCell(2, 12, "三次样条插值");
  for (int j = 0; j <= 500; ++j) {
    grid.SetCell(1, 13 + j, std::to_string(j));
    grid.SetCell(2, 13 + j, std::to_string(j));
  }
  form.CategoryIndex = 2;
  DoubleClick(form, 0, 6);
  EXPECT_TRUE(ui_.Log().empty());
  form.CategoryIndex = 3;
  DoubleClick(form, 0, 6);
  EXPECT_EQ(form.ActivePage, Page::kImage);
  EXPECT_EQ(grid.Cell(3, 12), "a+b*x");
  EXPECT_EQ(grid.Cell(3, 13 + 500), "501.000");
}

TEST_F(PlotCommandsTest, SavingWritesAFreshNumberedBitmapOfPlotsOnly) {
  TForm1& form = Form();
  form.BitBtn11Click();
  EXPECT_EQ(Messages(), std::vector<std::string>{"非曲线图像不保存"});
  EXPECT_TRUE(form.WrittenFiles.empty());

  form.CategoryIndex = 2;
  Block(form);
  DoubleClick(form, 0, 3);
  ui_.ClearLog();
  form.BitBtn11Click();
  ASSERT_EQ(form.WrittenFiles.size(), 1u);
  const std::filesystem::path first = form.WrittenFiles[0];
  EXPECT_EQ(first.parent_path(), dataDir_);
  const std::string name = GbkFromPath(first.filename());
  EXPECT_EQ(name.substr(3), "图象.bmp");
  EXPECT_GE(std::stoi(name.substr(0, 3)), 100);
  EXPECT_LE(std::stoi(name.substr(0, 3)), 998);
  EXPECT_EQ(Messages(), std::vector<std::string>{"已保存为：" + GbkFromPath(first)});
  EXPECT_EQ(Read(first).substr(0, 2), "BM");

  // An earlier file is never replaced.
  const std::string earlier = Read(first);
  form.BitBtn11Click();
  ASSERT_EQ(form.WrittenFiles.size(), 2u);
  EXPECT_NE(form.WrittenFiles[1], first);
  EXPECT_EQ(Read(first), earlier);
}

TEST_F(PlotCommandsTest, OpeningPicturesKeepsTheOldOneWhenAFileCannotBeRead) {
  TForm1& form = Form();
  form.CategoryIndex = 2;
  Block(form);
  DoubleClick(form, 0, 3);
  canvas_.SaveImage(dir_ / "plot.png");
  ui_.ClearLog();

  ui_.QueueAnswer(GbkFromPath(Write("broken.jpg", "\xFF\xD8 not really")));
  form.BitBtn10Click();
  EXPECT_EQ(canvas_.Picture().kind, PictureKind::kPlot);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("broken.jpg"), std::string::npos);
  EXPECT_EQ(ui_.Log()[0].kind, UiLogEntry::Kind::kFile);

  form.BitBtn10Click();  // cancelled
  EXPECT_EQ(canvas_.Picture().kind, PictureKind::kPlot);

  ui_.QueueAnswer(GbkFromPath(dir_ / "plot.png"));
  form.BitBtn10Click();
  EXPECT_EQ(canvas_.Picture().kind, PictureKind::kPicture);
  EXPECT_EQ(canvas_.Picture().caption, "plot.png");

  form.OpenPictureFile(ShippedPicture());
  EXPECT_EQ(canvas_.Picture().width, 640);
  EXPECT_EQ(canvas_.Picture().height, 400);
  ui_.ClearLog();
  form.BitBtn11Click();
  EXPECT_EQ(Messages(), std::vector<std::string>{"非曲线图像不保存"});
}

TEST_F(PlotCommandsTest, ShowLoadsTheStartUpPicture) {
  std::filesystem::copy_file(ShippedPicture(), dataDir_ / "zarnix.jpg");
  TForm1& form = Form();
  form.SetHandler(18, [](Workbench&) {});
  form.FormShow();
  EXPECT_EQ(canvas_.Picture().kind, PictureKind::kPicture);
  EXPECT_EQ(canvas_.Picture().caption, "zarnix.jpg");
  EXPECT_EQ(form.ActivePage, Page::kCalc);
}

}  // namespace
}  // namespace zarnix
