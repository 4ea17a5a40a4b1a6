// The real window on the offscreen platform: start-up, choosing a category with the radio
// group, editing a cell, running, the decimals selector, messages, the grid's hint, the
// answer pane's popup, the report pane over it, the splitter, pages and resizing. Every check
// compares what the widgets show with the window model's state.
#include "main_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTextCursor>
#include <filesystem>
#include <memory>

#include "base/errors.h"
#include "base/gbk.h"
#include "modal_watcher.h"
#include "sheet/workbench.h"
#include "worksheet_model.h"

namespace zarnix {
namespace {

std::string Utf8(const QString& text) {
  return text.toStdString();
}
QString Qt8(const char* utf8) {
  return QString::fromUtf8(utf8);
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FormOptions options;
    options.dataDir = ZARNIX_GUI_DATA_DIR;
    options.outDir = std::filesystem::temp_directory_path();
    options.screen = {1280, 800};
    window_ = std::make_unique<MainWindow>(options);
    // Every category computes the same small thing, built or not: these tests are about the
    // window, not the categories. The handler echoes cell (3, 2) into the answer pane and
    // into the item's result cell, and shows the number format it was given.
    for (int i = 0; i < kCategoryCount; ++i) {
      Form().SetHandler(i, [this, i](Workbench& bench) {
        ++runs_[i];
        const std::string input = bench.grid.Cell(3, 2);
        bench.answer.Add(Utf8ToGbk("输入：") + input);
        bench.answer.Add(Utf8ToGbk("格式：") + bench.resultFormat);
        bench.grid.SetCell(bench.grid.ColCount() - 1, 2, Utf8ToGbk("结果=") + input);
        if (failWith_[i]) throw Exception(Utf8ToGbk(failWith_[i]));
      });
    }
    window_->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window_->ShowDone(); }, 10000));
  }

  TForm1& Form() { return window_->Form(); }

  // What the test handler echoes: cell (3, 2) of whatever worksheet the category loaded.
  std::string Input() { return GbkToUtf8(Form().StringGrid1.Cell(3, 2)); }

  // A radio button takes clicks on its circle and its text, not on the rest of its column.
  static void ClickRadio(QRadioButton* item) {
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(8, item->height() / 2));
  }

  QRadioButton* RadioItemNamed(const char* utf8) {
    for (int i = 0; i < window_->RadioItemCount(); ++i)
      if (window_->RadioItem(i)->text() == Qt8(utf8)) return window_->RadioItem(i);
    return nullptr;
  }

  // The grid widget shows exactly the model's worksheet: cells, the fixed area as headers,
  // column widths and the current cell.
  void ExpectGridShowsModel() {
    const Worksheet& sheet = Form().StringGrid1;
    const QAbstractItemModel* shown = window_->Grid()->model();
    const int fixedRows = sheet.FixedRows();
    const int fixedCols = sheet.FixedCols();
    ASSERT_EQ(shown->rowCount(), sheet.RowCount() - fixedRows);
    ASSERT_EQ(shown->columnCount(), sheet.ColCount() - fixedCols);
    for (int r = 0; r < shown->rowCount(); ++r) {
      for (int c = 0; c < shown->columnCount(); ++c) {
        EXPECT_EQ(Utf8(shown->data(shown->index(r, c)).toString()),
                  GbkToUtf8(sheet.Cell(c + fixedCols, r + fixedRows)))
            << "cell " << c + fixedCols << "," << r + fixedRows;
      }
    }
    for (int c = 0; c < shown->columnCount(); ++c) {
      std::string heading;
      for (int r = 0; r < fixedRows; ++r)
        heading += (r ? "\n" : "") + GbkToUtf8(sheet.Cell(c + fixedCols, r));
      EXPECT_EQ(Utf8(shown->headerData(c, Qt::Horizontal).toString()), heading);
      EXPECT_EQ(window_->Grid()->columnWidth(c), sheet.ColWidth(c + fixedCols));
    }
    if (fixedCols > 0) {
      EXPECT_EQ(Utf8(shown->headerData(0, Qt::Vertical).toString()),
                GbkToUtf8(sheet.Cell(0, fixedRows)));
    }
    EXPECT_EQ(window_->Grid()->verticalHeader()->isVisibleTo(window_.get()), fixedCols > 0);
    EXPECT_EQ(window_->Grid()->horizontalHeader()->isVisibleTo(window_.get()), fixedRows > 0);
    EXPECT_EQ(window_->Grid()->currentIndex().row(), sheet.Row() - fixedRows);
    EXPECT_EQ(window_->Grid()->currentIndex().column(), sheet.Col() - fixedCols);
  }

  void ExpectPaneShowsModel() {
    std::string expected;
    for (std::size_t i = 0; i < Form().memo1.Lines().size(); ++i)
      expected += (i ? "\n" : "") + GbkToUtf8(Form().memo1.Lines()[i]);
    EXPECT_EQ(Utf8(window_->AnswerPane()->toPlainText()), expected);
  }

  void EditCell(int col, int row, const QString& text) {
    WorksheetView* grid = window_->Grid();
    const QModelIndex index = window_->GridModel()->IndexOfCell(col, row);
    grid->setCurrentIndex(index);
    grid->edit(index);
    auto* editor = dynamic_cast<QLineEdit*>(grid->indexWidget(index));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits a confirmed edit from its event queue.
    QCoreApplication::processEvents();
  }

  std::unique_ptr<MainWindow> window_;
  std::array<int, kCategoryCount> runs_{};
  std::array<const char*, kCategoryCount> failWith_{};
};

TEST_F(WindowTest, StartUpShowsTheGeneralCalculationComputed) {
  EXPECT_EQ(runs_[18], 1);
  EXPECT_EQ(Form().CategoryIndex, 18);

  QTabWidget* pages = window_->Pages();
  ASSERT_EQ(pages->count(), 3);
  EXPECT_EQ(pages->tabText(0), Qt8("计算大全"));
  EXPECT_EQ(pages->tabText(1), Qt8("度量衡转换"));
  EXPECT_EQ(pages->tabText(2), Qt8("曲线图象"));
  EXPECT_EQ(pages->currentIndex(), 0);

  EXPECT_EQ(window_->RadioGroup()->title(), Qt8("请选择："));
  ASSERT_EQ(window_->RadioItemCount(), kCategoryCount);
  for (int i = 0; i < kCategoryCount; ++i)
    EXPECT_EQ(Utf8(window_->RadioItem(i)->text()), GbkToUtf8(kRadioItems[i]));
  EXPECT_TRUE(window_->RadioItem(0)->isChecked());
  // Seven columns of three, filled down each column first.
  const QRect first = window_->RadioItem(0)->geometry();
  EXPECT_EQ(window_->RadioItem(1)->geometry().left(), first.left());
  EXPECT_GT(window_->RadioItem(1)->geometry().top(), first.top());
  EXPECT_EQ(window_->RadioItem(3)->geometry().top(), first.top());
  EXPECT_GT(window_->RadioItem(3)->geometry().left(), first.left());
  EXPECT_EQ(window_->RadioItem(18)->geometry().top(), first.top());

  EXPECT_EQ(window_->RunButton()->text(), Qt8("通用计算"));
  EXPECT_EQ(window_->DecimalsLabel()->text(), Qt8("小数位数"));
  EXPECT_EQ(window_->Decimals()->value(), 3);
  EXPECT_TRUE(window_->Decimals()->isEnabled());
  EXPECT_TRUE(window_->TimingLabel()->text().startsWith(Qt8("计算时间:")));
  EXPECT_EQ(Utf8(window_->TimingLabel()->text()), GbkToUtf8(Form().Label1));
  const std::vector<std::pair<int, const char*>> captions = {
      {2, "装入数据"}, {3, "答案框开/关"}, {4, "保存结果"}, {5, "扩表"}, {6, "帮助"}};
  for (const auto& [number, caption] : captions)
    EXPECT_EQ(window_->Button(number)->text(), Qt8(caption));

  ExpectGridShowsModel();
  ExpectPaneShowsModel();
  EXPECT_EQ(Utf8(window_->AnswerPane()->toPlainText()), "输入：" + Input() + "\n格式：%.3f");
}

TEST_F(WindowTest, PlacesItsControlsByTheModelsLayout) {
  const WindowLayout& layout = Form().Layout;
  EXPECT_EQ(layout.clientWidth, window_->width());
  EXPECT_EQ(layout.clientHeight, window_->height());
  const Rect& panel = layout.panel;
  EXPECT_EQ(window_->Panel()->geometry(), QRect(panel.left, panel.top, panel.width, panel.height));
  // 通用计算 narrows the worksheet to three quarters of the page; the pane has the rest.
  EXPECT_EQ(Form().StringGrid1.Width(), layout.pageWidth / 4 * 3);
  EXPECT_NEAR(window_->Panel()->sizes()[0], Form().StringGrid1.Width(), 1);
  EXPECT_GT(window_->AnswerPane()->width(), 0);
  const RunLine line = LayOutRunLine(layout, Form().StringGrid1.Width(), Form().FontSize);
  EXPECT_EQ(window_->RunButton()->geometry().left(), line.runButton.left);
  EXPECT_EQ(window_->Decimals()->geometry().left(), line.decimalsSpin.left);
  EXPECT_EQ(window_->Button(6)->geometry().right() + 1,
            layout.helpButton.left + layout.helpButton.width);
  // Nothing on the command line reaches past the page.
  for (int number = 1; number <= 6; ++number)
    EXPECT_LE(window_->Button(number)->geometry().bottom(),
              window_->Pages()->currentWidget()->height());
}

TEST_F(WindowTest, SelectEditAndRunThroughTheWidgets) {
  QRadioButton* integer = RadioItemNamed("整数运算");
  ASSERT_NE(integer, nullptr);
  ClickRadio(integer);
  EXPECT_EQ(Form().CategoryIndex, 6);
  EXPECT_EQ(runs_[6], 1);
  EXPECT_TRUE(integer->isChecked());
  EXPECT_EQ(window_->RunButton()->text(), Qt8("整数运算"));
  EXPECT_FALSE(window_->Decimals()->isEnabled());
  ExpectGridShowsModel();

  // Clicking the chosen item again is no new selection.
  ClickRadio(integer);
  EXPECT_EQ(runs_[6], 1);

  EditCell(3, 2, QStringLiteral("2^100+x"));
  EXPECT_EQ(GbkToUtf8(Form().StringGrid1.Cell(3, 2)), "2^100+x");

  QTest::mouseClick(window_->RunButton(), Qt::LeftButton);
  EXPECT_EQ(runs_[6], 2);
  EXPECT_EQ(GbkToUtf8(Form().memo1.Lines()[0]), "输入：2^100+x");
  EXPECT_EQ(GbkToUtf8(Form().StringGrid1.Cell(Form().StringGrid1.ColCount() - 1, 2)),
            "结果=2^100+x");
  ExpectGridShowsModel();
  ExpectPaneShowsModel();
  EXPECT_EQ(Utf8(window_->TimingLabel()->text()), GbkToUtf8(Form().Label1));
}

TEST_F(WindowTest, AnEditStillOpenIsTakenByTheRun) {
  WorksheetView* grid = window_->Grid();
  const QModelIndex index = window_->GridModel()->IndexOfCell(3, 2);
  grid->setCurrentIndex(index);
  grid->edit(index);
  auto* editor = dynamic_cast<QLineEdit*>(grid->indexWidget(index));
  ASSERT_NE(editor, nullptr);
  editor->setText(Qt8("未确认"));
  window_->RunButton()->click();
  EXPECT_EQ(GbkToUtf8(Form().memo1.Lines()[0]), "输入：未确认");
}

TEST_F(WindowTest, DecimalsSelectorRecomputesWithTheNewFormat) {
  window_->Decimals()->setValue(5);
  EXPECT_EQ(Form().ResultFormat, "%.5f");
  EXPECT_EQ(runs_[18], 2);
  QTest::keyClick(window_->Decimals(), Qt::Key_Up);
  EXPECT_EQ(Form().SpinEdit1.value, 6);
  EXPECT_EQ(runs_[18], 3);
  EXPECT_EQ(Utf8(window_->AnswerPane()->toPlainText()), "输入：" + Input() + "\n格式：%.6f");
  // The selector cannot leave 1..12.
  window_->Decimals()->setValue(40);
  EXPECT_EQ(Form().SpinEdit1.value, 12);
  EXPECT_EQ(window_->Decimals()->value(), 12);
}

TEST_F(WindowTest, AFailedRunShowsItsMessageAndKeepsWhatItWrote) {
  const std::string timing = Form().Label1;
  failWith_[18] = "数据错误";
  ModalWatcher watcher;
  QTest::mouseClick(window_->RunButton(), Qt::LeftButton);
  EXPECT_EQ(watcher.Messages(), std::vector<std::string>{"数据错误"});
  EXPECT_EQ(Form().memo1.Lines().size(), 2u);
  ExpectPaneShowsModel();
  ExpectGridShowsModel();
  EXPECT_EQ(Form().Label1, timing);
  EXPECT_FALSE(Form().Busy);
  EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(WindowTest, ClickingACellShowsItsWholeTextAsTooltip) {
  const std::string longText = Utf8ToGbk(std::string(40, 'x') + "很长的一格");
  Form().StringGrid1.SetCell(2, 2, longText);
  window_->Render();
  WorksheetView* grid = window_->Grid();
  const QModelIndex index = window_->GridModel()->IndexOfCell(2, 2);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
  EXPECT_EQ(Form().StringGrid1.Col(), 2);
  EXPECT_EQ(Form().StringGrid1.Hint(), longText);
  EXPECT_EQ(Utf8(grid->toolTip()), GbkToUtf8(longText));
  EXPECT_EQ(Utf8(grid->model()->data(index, Qt::ToolTipRole).toString()), GbkToUtf8(longText));
}

TEST_F(WindowTest, PopupSelectsAllCopiesAndCuts) {
  const QList<QAction*> actions = window_->AnswerPopup()->actions();
  ASSERT_EQ(actions.size(), 3);
  EXPECT_EQ(actions[0]->text(), Qt8("全选"));
  EXPECT_EQ(actions[1]->text(), Qt8("剪切"));
  EXPECT_EQ(actions[2]->text(), Qt8("复制"));

  actions[0]->trigger();
  EXPECT_EQ(window_->AnswerPane()->textCursor().selectedText().size(),
            window_->AnswerPane()->toPlainText().size());
  actions[2]->trigger();
  EXPECT_EQ(Utf8(QApplication::clipboard()->text()), "输入：" + Input() + "\r\n格式：%.3f");

  // Cut what the user selected in the pane: the first line's label.
  QTextCursor cursor = window_->AnswerPane()->textCursor();
  cursor.setPosition(0);
  cursor.setPosition(3, QTextCursor::KeepAnchor);
  window_->AnswerPane()->setTextCursor(cursor);
  actions[1]->trigger();
  EXPECT_EQ(Utf8(QApplication::clipboard()->text()), "输入：");
  EXPECT_EQ(GbkToUtf8(Form().memo1.Text()), Input() + "\r\n格式：%.3f");
  ExpectPaneShowsModel();
}

TEST_F(WindowTest, TypingInThePaneReachesTheModelBeforeTheNextCommand) {
  window_->AnswerPane()->setPlainText(Qt8("手写的\n两行"));
  window_->AnswerPopup()->actions()[0]->trigger();
  EXPECT_EQ(GbkToUtf8(Form().memo1.Text()), "手写的\r\n两行");

  // The pane keeps no more than its limit, and the widget then shows what it kept.
  Form().memo1.SetMaxChars(5);
  window_->AnswerPane()->setPlainText(QStringLiteral("abcdefgh"));
  window_->AnswerPopup()->actions()[0]->trigger();
  EXPECT_EQ(Form().memo1.Text(), "abcde");
  EXPECT_EQ(window_->AnswerPane()->toPlainText(), QStringLiteral("abcde"));
}

TEST_F(WindowTest, SplitterSetsTheWorksheetWidth) {
  QSplitter* panel = window_->Panel();
  QSplitterHandle* handle = panel->handle(1);
  auto drag = [&](int left) {
    const QPoint start = handle->rect().center();
    const QPoint startGlobal = handle->mapToGlobal(start);
    QMouseEvent press(QEvent::MouseButtonPress, start, startGlobal, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    const QPoint to = handle->mapFromGlobal(panel->mapToGlobal(QPoint(left, start.y())));
    QMouseEvent move(QEvent::MouseMove, to, handle->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, handle->mapToGlobal(to), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &release);
  };
  drag(400);
  EXPECT_NEAR(Form().StringGrid1.Width(), 400, 3);
  EXPECT_EQ(panel->sizes()[0], Form().StringGrid1.Width());
  const RunLine line = LayOutRunLine(Form().Layout, Form().StringGrid1.Width(), Form().FontSize);
  EXPECT_EQ(window_->RunButton()->geometry().left(), line.runButton.left);

  // Dragged fully left the worksheet collapses; the next run opens it at three quarters.
  drag(0);
  EXPECT_EQ(Form().StringGrid1.Width(), 1);
  window_->RunButton()->click();
  EXPECT_EQ(Form().StringGrid1.Width(), Form().Layout.pageWidth / 4 * 3);
  EXPECT_NEAR(panel->sizes()[0], Form().StringGrid1.Width(), 1);
}

TEST_F(WindowTest, TheReportPaneLiesOverTheAnswerPaneWhileTheModelShowsIt) {
  EXPECT_FALSE(window_->ReportPane()->isVisible());
  // A handler that reports as the table category does.
  Form().SetHandler(Form().CategoryIndex, [](Workbench& bench) {
    AnswerPane& memo3 = bench.window->ShowReportPane();
    memo3.Clear();
    memo3.Add(Utf8ToGbk("回归公式1:"));
    memo3.Add("Yi=a+b*x");
  });
  window_->RunButton()->click();
  QPlainTextEdit* report = window_->ReportPane();
  ASSERT_TRUE(report->isVisible());
  EXPECT_EQ(Utf8(report->toPlainText()), "回归公式1:\nYi=a+b*x");
  const QPoint paneAt = window_->AnswerPane()->mapTo(report->parentWidget(), QPoint(0, 0));
  EXPECT_EQ(report->geometry(), QRect(paneAt, window_->AnswerPane()->size()));

  // Another category hides it.
  QRadioButton* integer = RadioItemNamed("整数运算");
  ASSERT_NE(integer, nullptr);
  ClickRadio(integer);
  EXPECT_FALSE(report->isVisible());
}

TEST_F(WindowTest, TabsChangeTheModelsPageQuietly) {
  ModalWatcher watcher;
  for (const Page page : {Page::kUnits, Page::kImage, Page::kCalc}) {
    window_->Pages()->setCurrentIndex(static_cast<int>(page));
    EXPECT_EQ(Form().ActivePage, page);
  }
  EXPECT_TRUE(watcher.Messages().empty());
}

TEST_F(WindowTest, DataSetWorksheetHasNoRowHeader) {
  QRadioButton* stats = RadioItemNamed("数组统计");
  ASSERT_NE(stats, nullptr);
  ModalWatcher watcher;  // a category without data sets says so
  ClickRadio(stats);
  EXPECT_EQ(Form().CategoryIndex, 2);
  EXPECT_EQ(Form().StringGrid1.FixedCols(), 0);
  EXPECT_EQ(Form().StringGrid1.FixedRows(), 1);
  ExpectGridShowsModel();
}

TEST_F(WindowTest, ResizingLaysThePageOutAgain) {
  window_->resize(1500, 950);
  EXPECT_EQ(Form().Layout.clientWidth, 1500);
  EXPECT_EQ(Form().Layout.clientHeight, 950);
  const Rect& panel = Form().Layout.panel;
  EXPECT_EQ(window_->Panel()->geometry(), QRect(panel.left, panel.top, panel.width, panel.height));
  EXPECT_NEAR(window_->Panel()->sizes()[0], Form().StringGrid1.Width(), 1);
  EXPECT_EQ(window_->RadioGroup()->width(), Form().Layout.radioGroup.width);
}

}  // namespace
}  // namespace zarnix
