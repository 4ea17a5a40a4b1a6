// The image page in the real window on the offscreen platform: the start-up picture, a
// double-click plot answered in the scale dialog, saving it, and opening a picture through
// the file dialog. What the page shows is compared with the model's picture.
#include "image_page.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <memory>

#include "ask_text_dialog.h"
#include "base/gbk.h"
#include "main_window.h"
#include "modal_watcher.h"
#include "render/raster_canvas.h"
#include "worksheet_model.h"

namespace zarnix {
namespace {

class ImagePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The dialog's own widgets, which a test can fill in.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
    // One folder per test: ctest runs them side by side.
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    outDir_ = std::filesystem::temp_directory_path() / (std::string("zarnix_gui_") + test->name());
    std::filesystem::remove_all(outDir_);
    std::filesystem::create_directories(outDir_);
    FormOptions options;
    options.dataDir = ZARNIX_GUI_DATA_DIR;
    options.outDir = outDir_;
    options.screen = {1024, 768};
    window_ = std::make_unique<MainWindow>(options);
    window_->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window_->ShowDone(); }, 10000));
  }
  void TearDown() override {
    window_.reset();
    std::filesystem::remove_all(outDir_);
  }

  TForm1& Form() { return window_->Form(); }
  const RasterCanvas& Canvas() { return static_cast<const RasterCanvas&>(Form().Image1()); }
  QLabel* Picture() { return window_->Image()->Image1(); }

  // The statistics sheet, then a double-click on its plot block's marker.
  void DoubleClickThePlotBlock(ModalWatcher&) {
    for (int i = 0; i < window_->RadioItemCount(); ++i) {
      QRadioButton* item = window_->RadioItem(i);
      if (item->text() == QString::fromUtf8("数组统计"))
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(8, item->height() / 2));
    }
    ASSERT_EQ(Form().CategoryIndex, 2);
    WorksheetView* grid = window_->Grid();
    const QModelIndex marker = window_->GridModel()->IndexOfCell(0, 6);
    ASSERT_TRUE(marker.isValid());
    grid->scrollTo(marker);
    // The view takes a double-click only on the cell the press before it chose.
    const QPoint at = grid->visualRect(marker).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
  }

  std::filesystem::path outDir_;
  std::unique_ptr<MainWindow> window_;
};

// The scale dialog is confirmed with its default; file dialogs get what *pick holds then.
ModalWatcher Answering(const std::filesystem::path* pick) {
  return ModalWatcher([pick](QWidget* modal) {
    if (auto* ask = dynamic_cast<AskTextDialog*>(modal)) {
      QTimer::singleShot(0, ask, [ask] { ask->OkButton()->click(); });
    } else if (auto* files = dynamic_cast<QFileDialog*>(modal)) {
      QTimer::singleShot(0, files, [files, pick] {
        // The name typed into the dialog, then its own accept (a protected slot).
        if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
          name->setText(QString::fromStdString(pick->string()));
        QMetaObject::invokeMethod(files, "accept");
      });
    }
  });
}

TEST_F(ImagePageTest, ButtonsAndTheStartUpPicture) {
  EXPECT_EQ(window_->Pages()->tabText(2), QString::fromUtf8("曲线图象"));
  EXPECT_EQ(window_->Image()->OpenButton()->text(), QString::fromUtf8("打开图象"));
  EXPECT_EQ(window_->Image()->SaveButton()->text(), QString::fromUtf8("保存曲线图象"));
  EXPECT_EQ(Form().Image1().Picture().kind, PictureKind::kPicture);
  EXPECT_EQ(Picture()->pixmap().size(), QSize(640, 400));
  const Rect area = ImageArea(Form().Layout);
  EXPECT_EQ(window_->Image()->ImageArea()->geometry(),
            QRect(area.left, area.top, area.width, area.height));
}

TEST_F(ImagePageTest, DoubleClickPlotsSaveAndOpen) {
  std::filesystem::path pick;
  ModalWatcher watcher = Answering(&pick);
  DoubleClickThePlotBlock(watcher);
  ASSERT_TRUE(QTest::qWaitFor([this] { return Form().ActivePage == Page::kImage; }, 5000));
  EXPECT_EQ(window_->Pages()->currentIndex(), 2);
  EXPECT_EQ(Form().Image1().Picture().kind, PictureKind::kPlot);
  // The page shows the model's picture, pixel for pixel where the grid is.
  const QImage shown = Picture()->pixmap().toImage();
  ASSERT_EQ(shown.size(), QSize(Form().Image1().Width(), Form().Image1().Height()));
  RasterCanvas& canvas = const_cast<RasterCanvas&>(Canvas());
  for (const QPoint at : {QPoint(60, 25), QPoint(70, 35), QPoint(620, 425), QPoint(655, 53)})
    EXPECT_EQ(shown.pixel(at) & 0xFFFFFF, canvas.PixelAt(at.x(), at.y()))
        << at.x() << "," << at.y();
  EXPECT_EQ(canvas.PixelAt(655, 53), 0xFF0000u);  // the legend's line of curve 1

  QTest::mouseClick(window_->Image()->SaveButton(), Qt::LeftButton);
  ASSERT_EQ(Form().WrittenFiles.size(), 1u);
  const std::filesystem::path saved = Form().WrittenFiles[0];
  EXPECT_TRUE(std::filesystem::exists(saved));
  ASSERT_FALSE(watcher.Messages().empty());
  EXPECT_EQ(watcher.Messages().back(), "已保存为：" + saved.string());

  pick = saved;
  QTest::mouseClick(window_->Image()->OpenButton(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor(
      [this] { return Form().Image1().Picture().kind == PictureKind::kPicture; }, 5000));
  EXPECT_EQ(GbkToUtf8(Form().Image1().Picture().caption), saved.filename().string());
  EXPECT_EQ(Picture()->pixmap().size(), shown.size());
  QTest::mouseClick(window_->Image()->SaveButton(), Qt::LeftButton);
  EXPECT_EQ(watcher.Messages().back(), "非曲线图像不保存");
  EXPECT_EQ(Form().WrittenFiles.size(), 1u);
}

}  // namespace
}  // namespace zarnix
