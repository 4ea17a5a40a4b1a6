// The main window: three pages, the calculation page's radio group, worksheet, answer pane
// and command line. It forwards every user action to the window model and then renders the
// model's state; it holds no calculation state of its own.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "app/tform1.h"
#include "base/clock.h"
#include "qt_ui.h"
#include "render/raster_canvas.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QSplitter;
class QTabWidget;

namespace zarnix {

class ImagePage;
class UnitPage;
class WorksheetModel;
class WorksheetView;

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(FormOptions options, QWidget* parent = nullptr);
  ~MainWindow() override;

  TForm1& Form() { return form_; }
  QtUi& Port() { return ui_; }
  // True once the first show's sequence (select 通用计算 and run it) has finished.
  bool ShowDone() const { return showDone_; }

  // Draws the model's current state into the widgets.
  void Render();

  // The widgets, for tests and the screenshot.
  QTabWidget* Pages() const { return pages_; }
  QGroupBox* RadioGroup() const { return radioGroup_; }
  QRadioButton* RadioItem(int i) const { return radioItems_[i]; }
  int RadioItemCount() const { return static_cast<int>(radioItems_.size()); }
  WorksheetView* Grid() const { return grid_; }
  WorksheetModel* GridModel() const { return gridModel_; }
  QPlainTextEdit* AnswerPane() const { return memo_; }
  QMenu* AnswerPopup() const { return popup_; }
  // Memo3: the table category's report, laid over the answer pane while the model shows it.
  QPlainTextEdit* ReportPane() const { return memo3_; }
  QSplitter* Panel() const { return splitter_; }
  QPushButton* RunButton() const { return buttons_[0]; }
  // BitBtn1 .. BitBtn6 by number.
  QPushButton* Button(int number) const { return buttons_[number - 1]; }
  QSpinBox* Decimals() const { return spin_; }
  QLabel* DecimalsLabel() const { return decimalsLabel_; }
  QLabel* TimingLabel() const { return timingLabel_; }
  ImagePage* Image() const { return imagePage_; }
  UnitPage* Units() const { return unitPage_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildPages();
  void BuildCalcPage(QWidget* page);
  void BuildAnswerPopup();
  void Connect();

  // Runs one user action on the model: pending edits go in first, the state is drawn after.
  void Dispatch(const std::function<void()>& action);
  void PushEditsToModel();
  void PushPaneSelectionToModel();
  void ShowPaneSelection();

  void RenderFonts();
  void RenderLayout();
  void RenderRadioGroup();
  void RenderGrid();
  void RenderPane();
  void RenderReportPane();
  void RenderCommandLine();
  void RenderPages();
  void RenderDecimalsPlace();

  QtUi ui_;
  SystemClock clock_;
  RasterCanvas canvas_;  // the image page's picture, before the model that draws on it
  TForm1 form_;

  QTabWidget* pages_ = nullptr;
  QWidget* calcPage_ = nullptr;
  QGroupBox* radioGroup_ = nullptr;
  QButtonGroup* radioButtons_ = nullptr;
  std::vector<QRadioButton*> radioItems_;
  QSplitter* splitter_ = nullptr;
  WorksheetView* grid_ = nullptr;
  WorksheetModel* gridModel_ = nullptr;  // owned by the view
  QPlainTextEdit* memo_ = nullptr;
  QMenu* popup_ = nullptr;
  QPlainTextEdit* memo3_ = nullptr;
  std::array<QPushButton*, 6> buttons_{};
  QSpinBox* spin_ = nullptr;
  QLabel* decimalsLabel_ = nullptr;
  QLabel* timingLabel_ = nullptr;
  ImagePage* imagePage_ = nullptr;
  UnitPage* unitPage_ = nullptr;

  bool rendering_ = false;  // widget signals caused by Render are not user actions
  bool inAction_ = false;
  bool paneEdited_ = false;
  bool showStarted_ = false;
  bool showDone_ = false;
  std::string renderedPaneText_;  // GBK, what the pane widget shows
  std::string renderedReportText_;  // GBK, what Memo3's widget shows
  int renderedFontSize_ = 0;
};

}  // namespace zarnix
