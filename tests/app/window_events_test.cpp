// The window events the desktop front end forwards: grid clicks,
// the answer pane's popup menu, page changes and resizing.
#include "app/tform1.h"

#include "form_fixture.h"

namespace zarnix {
namespace {

TEST_F(FormTest, PageChangeRecordsThePageAndResetsTheCalculationPageFilter) {
  TForm1& form = MakeForm();
  form.OpenDialogFilter = "*.txt|*.txt";
  form.PageControl1Change(Page::kImage);
  EXPECT_EQ(form.ActivePage, Page::kImage);
  form.PageControl1Change(Page::kCalc);
  EXPECT_EQ(form.ActivePage, Page::kCalc);
  EXPECT_EQ(form.OpenDialogFilter, "*.dhf;*.thf;*.dbf;*.sdf|*.dhf;*.thf;*.dbf;*.sdf");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(form.PageCaptions[static_cast<int>(Page::kUnits)], "度量衡转换");
}

TEST_F(FormTest, GridClickPutsTheWholeCellIntoTheHint) {
  TForm1& form = MakeForm();
  const std::string longText(300, 'x');
  form.StringGrid1.SetCell(2, 3, longText);
  form.StringGrid1.SetCol(2);
  form.StringGrid1.SetRow(3);
  form.StringGrid1Click();
  EXPECT_EQ(form.StringGrid1.Hint(), longText);
  form.StringGrid1.SetRow(1);
  form.StringGrid1Click();
  EXPECT_EQ(form.StringGrid1.Hint(), "");
}

TEST_F(FormTest, PopupSelectsAllCutsAndCopiesThroughTheClipboard) {
  TForm1& form = MakeForm();
  form.memo1.Add("第一行");
  form.memo1.Add("second");
  ui_.SetClipboardText("before");
  form.N3Click();  // nothing selected: the clipboard keeps its text
  EXPECT_EQ(ui_.ClipboardText(), "before");

  form.N1Click();
  form.N3Click();
  EXPECT_EQ(ui_.ClipboardText(), "第一行\r\nsecond");
  EXPECT_EQ(form.memo1.Lines().size(), 2u);

  form.memo1.SetSelection(std::string("第一行\r\n").size(), 3);
  form.N2Click();
  EXPECT_EQ(ui_.ClipboardText(), "sec");
  EXPECT_EQ(form.memo1.Text(), "第一行\r\nond");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(FormTest, ResizeLaysOutAgainAndKeepsTheWorksheetShare) {
  TForm1& form = MakeForm({1024, 768});
  const WindowLayout start = form.Layout;
  EXPECT_EQ(start.clientWidth, ComputeLayoutForClient(1024, 768 - 64, form.FontSize).clientWidth);
  form.StringGrid1.SetWidth(start.panel.width / 2);

  form.FormResize(1600, 900);
  EXPECT_EQ(form.Layout.clientWidth, 1600);
  EXPECT_EQ(form.Layout.clientHeight, 900);
  EXPECT_EQ(form.Layout.panel.width, 1600 - 8 - 25);
  EXPECT_NEAR(form.StringGrid1.Width(), form.Layout.panel.width / 2, 1);
  EXPECT_EQ(form.FontSize, 11);  // the font follows the screen, not the window

  // A tiny window is clamped to the smallest layout; a collapsed worksheet stays collapsed.
  form.Splitter1Moved(0);
  form.FormResize(10, 10);
  EXPECT_EQ(form.Layout.clientWidth, 320);
  EXPECT_EQ(form.Layout.clientHeight, 240);
  EXPECT_EQ(form.StringGrid1.Width(), 1);
}

}  // namespace
}  // namespace zarnix
