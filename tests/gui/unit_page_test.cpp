// The unit page of the real window on the offscreen platform: entering it, the quantity and
// unit lists, Enter in the base value, the decimal selector moving between the pages, the
// text pane's buttons with the save question and file dialog, and the calculation page's
// command buttons (expand, answer box, save results, help).
#include "unit_page.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "ask_text_dialog.h"
#include "base/gbk.h"
#include "base/textfile.h"
#include "main_window.h"
#include "modal_watcher.h"
#include "sheet/workbench.h"

namespace zarnix {
namespace {

QString Qt8(const char* utf8) {
  return QString::fromUtf8(utf8);
}

std::vector<std::string> Items(const QListWidget* list) {
  std::vector<std::string> items;
  for (int i = 0; i < list->count(); ++i)
    items.push_back(Utf8ToGbk(list->item(i)->text().toStdString()));
  return items;
}

class UnitPageWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // One folder per test and process: ctest runs the tests side by side.
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    outDir_ = std::filesystem::temp_directory_path() /
              ("zarnix_gui_" + std::string(info->name()) + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(outDir_);
    std::filesystem::create_directories(outDir_);
    FormOptions options;
    options.dataDir = ZARNIX_GUI_DATA_DIR;
    options.outDir = outDir_;
    options.screen = {1280, 800};
    window_ = std::make_unique<MainWindow>(options);
    for (int i = 0; i < kCategoryCount; ++i)
      window_->Form().SetHandler(i, [](Workbench& bench) { bench.answer.Add("ok"); });
    window_->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window_->ShowDone(); }, 10000));
  }
  void TearDown() override {
    window_.reset();
    std::filesystem::remove_all(outDir_);
  }

  TForm1& Form() { return window_->Form(); }
  UnitPage* Page() { return window_->Units(); }

  void EnterUnitPage() {
    window_->Pages()->setCurrentIndex(1);
    ASSERT_EQ(Form().ActivePage, zarnix::Page::kUnits);
  }

  static void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }

  std::filesystem::path outDir_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(UnitPageWindowTest, EnteringShowsTheListsAndTheConstants) {
  ModalWatcher watcher;
  EnterUnitPage();
  EXPECT_TRUE(watcher.Messages().empty());
  EXPECT_EQ(Items(Page()->ListBox(1)), Form().ListBox1.items);
  EXPECT_EQ(Items(Page()->ListBox(2)), Form().ListBox2.items);
  EXPECT_EQ(Items(Page()->ListBox(4)), Form().ListBox4.items);
  EXPECT_EQ(Page()->ListBox(1)->currentRow(), 0);
  EXPECT_TRUE(Page()->ListBox(4)->isVisibleTo(Page()));
  EXPECT_FALSE(Page()->ListBox(3)->isVisibleTo(Page()));
  EXPECT_EQ(Page()->Edit5()->text(), QStringLiteral("1"));
  EXPECT_EQ(Page()->Label10()->text(), Qt8("米 (m)"));
  EXPECT_TRUE(Page()->Memo2()->toPlainText().startsWith(Qt8("物理常数表")));
  EXPECT_EQ(Page()->Button(7)->text(), Qt8("打开文件"));
  EXPECT_EQ(Page()->Button(8)->text(), Qt8("保存文件"));
  EXPECT_EQ(Page()->Button(9)->text(), Qt8("文本框开/关"));
  // The decimal selector came along, and goes back with the calculation page.
  EXPECT_EQ(window_->Decimals()->parentWidget(), Page());
  EXPECT_EQ(window_->DecimalsLabel()->parentWidget(), Page());
  window_->Pages()->setCurrentIndex(0);
  EXPECT_NE(window_->Decimals()->parentWidget(), Page());
  EXPECT_FALSE(Form().ListBox0.front().starts_with("C"));
}

TEST_F(UnitPageWindowTest, ClicksAndEnterConvert) {
  EnterUnitPage();
  ClickRow(Page()->ListBox(2), 4);  // 厘米
  EXPECT_EQ(Form().ListBox2.itemIndex, 4);
  EXPECT_EQ(Page()->Label10()->text(), Qt8("厘米 (cm)"));
  EXPECT_EQ(Page()->ListBox(4)->item(0)->text(), QStringLiteral("0.010"));

  Page()->Edit5()->setText(QStringLiteral("2.5"));
  QTest::keyClick(Page()->Edit5(), Qt::Key_Return);
  EXPECT_EQ(Form().Edit5, "2.5");
  EXPECT_EQ(Form().ListBox2.itemIndex, 0);
  EXPECT_TRUE(Page()->ListBox(3)->isVisibleTo(Page()));
  EXPECT_EQ(Page()->ListBox(3)->item(4)->text(), QStringLiteral("250"));
  // Clicking the unit already chosen shows the display values again.
  ClickRow(Page()->ListBox(2), 0);
  EXPECT_FALSE(Page()->ListBox(3)->isVisibleTo(Page()));
  EXPECT_EQ(Page()->ListBox(4)->item(4)->text(), QStringLiteral("250.000"));

  window_->Decimals()->setValue(5);
  EXPECT_EQ(Page()->ListBox(4)->item(0)->text(), QStringLiteral("2.50000"));

  ClickRow(Page()->ListBox(1), 3);  // 质量
  EXPECT_EQ(Page()->Label9()->text(), Qt8("质量"));
  EXPECT_EQ(Items(Page()->ListBox(2)), Form().ListBox2.items);
  EXPECT_EQ(Page()->ListBox(2)->item(0)->text(), Qt8("千克 (kg)"));
}

TEST_F(UnitPageWindowTest, TextPaneButtonsAskBeforeSavingAndNeverOverwriteTheConstants) {
  EnterUnitPage();
  const std::filesystem::path constants =
      std::filesystem::path(ZARNIX_GUI_DATA_DIR) / "zarnix常数.txt";
  const std::string before = ReadTextFile(constants);
  QPlainTextEdit* memo = Page()->Memo2();
  const int narrowLeft = memo->geometry().left();
  QTest::mouseClick(Page()->Button(9), Qt::LeftButton);
  EXPECT_TRUE(Form().Memo2Wide);
  EXPECT_EQ(memo->geometry().left(), Page()->ListBox(1)->geometry().left());
  QTest::mouseClick(Page()->Button(9), Qt::LeftButton);
  EXPECT_EQ(memo->geometry().left(), narrowLeft);

  memo->setPlainText(Qt8("我的笔记"));
  const std::filesystem::path target = outDir_ / "notes.txt";
  ModalWatcher watcher([&](QWidget* modal) {
    if (auto* dialog = dynamic_cast<QFileDialog*>(modal)) {
      QTimer::singleShot(0, dialog, [dialog, target] {
        // Typed as a user types it; accept() would wait for the folder listing first.
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(QString::fromStdString(target.string()));
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
      });
    }
  });
  QTest::mouseClick(Page()->Button(8), Qt::LeftButton);
  EXPECT_EQ(watcher.Messages(), std::vector<std::string>{"文件已修改，保存吗？"});
  EXPECT_EQ(ReadTextLines(target), std::vector<std::string>{Utf8ToGbk("我的笔记")});
  EXPECT_EQ(ReadTextFile(constants), before);
  EXPECT_FALSE(Form().Memo2Modified);
  EXPECT_EQ(memo->geometry().left(), narrowLeft);
}

TEST_F(UnitPageWindowTest, CommandButtonsOfTheCalculationPage) {
  // Answer box: the worksheet takes the page, then three quarters again.
  const int open = Form().StringGrid1.Width();
  QTest::mouseClick(window_->Button(3), Qt::LeftButton);
  EXPECT_EQ(Form().StringGrid1.Width(), Form().Layout.pageWidth - 15);
  QTest::mouseClick(window_->Button(3), Qt::LeftButton);
  EXPECT_EQ(Form().StringGrid1.Width(), open);

  // Expand: the prompt's default inserts a row at the current one.
  const int rows = Form().StringGrid1.RowCount();
  ModalWatcher watcher([](QWidget* modal) {
    if (auto* dialog = dynamic_cast<AskTextDialog*>(modal))
      QTimer::singleShot(0, dialog, [dialog] { dialog->OkButton()->click(); });
  });
  QTest::mouseClick(window_->Button(5), Qt::LeftButton);
  EXPECT_EQ(Form().StringGrid1.RowCount(), rows + 1);

  // Save results writes two files into the output folder and says nothing.
  QTest::mouseClick(window_->Button(4), Qt::LeftButton);
  EXPECT_EQ(Form().WrittenFiles.size(), 2u);
  for (const auto& file : Form().WrittenFiles) EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_TRUE(watcher.Messages().empty());

  // Help: the unit page with the help text over the lists.
  QTest::mouseClick(window_->Button(6), Qt::LeftButton);
  EXPECT_EQ(window_->Pages()->currentIndex(), 1);
  EXPECT_TRUE(Page()->Memo2()->toPlainText().startsWith(Qt8("Zarnix 计算大全 使用帮助")));
  EXPECT_EQ(Page()->Memo2()->geometry().left(), Page()->ListBox(1)->geometry().left());
}

}  // namespace
}  // namespace zarnix
