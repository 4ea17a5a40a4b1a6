// The main window's widgets, their wiring to the model's events, and the rendering of the
// model's state. Positions come from the model's layout rules.
#include "main_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTextCursor>
#include <algorithm>
#include <cstdlib>
#include <exception>

#include "base/errors.h"
#include "base/gbk.h"
#include "image_page.h"
#include "qt_text.h"
#include "unit_page.h"
#include "widget_helpers.h"
#include "worksheet_model.h"

namespace zarnix {

MainWindow::MainWindow(FormOptions options, QWidget* parent)
    : QMainWindow(parent), ui_(this), form_(ui_, clock_, &canvas_, std::move(options)) {
  setWindowTitle(QStringLiteral("Zarnix"));
  ui_.SetBeforeModal([this] { Render(); });
  form_.FormCreate();
  BuildPages();
  BuildAnswerPopup();
  Connect();
  // Below this the seven columns of category names no longer fit.
  const QSize available = screen() ? screen()->availableGeometry().size() : QSize(1024, 768);
  setMinimumSize(std::min(960, available.width()), std::min(560, available.height()));
  resize(form_.Layout.clientWidth, form_.Layout.clientHeight);
  Render();
}

MainWindow::~MainWindow() {
  // The widgets go first, while the model they report to still exists; their last signals
  // are not user actions.
  rendering_ = true;
  delete takeCentralWidget();
  pages_ = nullptr;
}

// --- building ---

void MainWindow::BuildPages() {
  pages_ = new QTabWidget(this);
  setCentralWidget(pages_);
  calcPage_ = new QWidget;
  pages_->addTab(calcPage_, QString());
  unitPage_ =
      new UnitPage(form_, [this](const std::function<void()>& action) { Dispatch(action); });
  pages_->addTab(unitPage_, QString());
  imagePage_ = new ImagePage(canvas_);
  pages_->addTab(imagePage_, QString());
  BuildCalcPage(calcPage_);
}

void MainWindow::BuildCalcPage(QWidget* page) {
  radioGroup_ = new QGroupBox(page);
  radioButtons_ = new QButtonGroup(radioGroup_);
  for (int i = 0; i < static_cast<int>(form_.RadioGroup1.items.size()); ++i) {
    auto* item = new QRadioButton(radioGroup_);
    radioButtons_->addButton(item, i);
    radioItems_.push_back(item);
  }

  splitter_ = new QSplitter(Qt::Horizontal, page);
  splitter_->setChildrenCollapsible(true);
  grid_ = new WorksheetView(splitter_);
  gridModel_ = new WorksheetModel(form_.StringGrid1, grid_);
  grid_->setModel(gridModel_);
  grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed);
  grid_->setWordWrap(false);
  grid_->setTextElideMode(Qt::ElideNone);  // a long cell is cut at its edge; the hint shows it all
  QHeaderView* columns = grid_->horizontalHeader();
  columns->setMinimumSectionSize(1);
  columns->setSectionsClickable(false);
  columns->setHighlightSections(false);
  columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QHeaderView* rows = grid_->verticalHeader();
  rows->setMinimumSectionSize(1);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setSectionsClickable(false);
  rows->setHighlightSections(false);
  rows->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  memo_ = new QPlainTextEdit(splitter_);
  memo_->setContextMenuPolicy(Qt::CustomContextMenu);
  splitter_->addWidget(grid_);
  splitter_->addWidget(memo_);
  // Over the splitter, not in it: it takes the answer pane's place and size when shown.
  memo3_ = new QPlainTextEdit(page);
  memo3_->setReadOnly(true);
  memo3_->hide();

  for (QPushButton*& button : buttons_) button = new QPushButton(page);
  decimalsLabel_ = new QLabel(page);
  spin_ = new QSpinBox(page);
  timingLabel_ = new QLabel(page);
}

void MainWindow::BuildAnswerPopup() {
  popup_ = new QMenu(memo_);
  QAction* selectAll = popup_->addAction(ToQt(form_.N1.caption));
  QAction* cut = popup_->addAction(ToQt(form_.N2.caption));
  QAction* copy = popup_->addAction(ToQt(form_.N3.caption));
  connect(selectAll, &QAction::triggered, this, [this] {
    Dispatch([this] { form_.N1Click(); });
    ShowPaneSelection();
  });
  connect(cut, &QAction::triggered, this, [this] {
    Dispatch([this] {
      PushPaneSelectionToModel();
      form_.N2Click();
    });
    ShowPaneSelection();
  });
  connect(copy, &QAction::triggered, this, [this] {
    Dispatch([this] {
      PushPaneSelectionToModel();
      form_.N3Click();
    });
  });
  connect(memo_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { popup_->exec(memo_->viewport()->mapToGlobal(at)); });
}

void MainWindow::Connect() {
  connect(radioButtons_, &QButtonGroup::idClicked, this, [this](int id) {
    // Clicking the item already chosen is no new selection.
    if (rendering_ || id == form_.RadioGroup1.itemIndex) return;
    Dispatch([this, id] {
      form_.RadioGroup1.itemIndex = id;
      form_.RadioGroup1Click();
    });
  });

  const std::array<void (TForm1::*)(), 6> clicks = {&TForm1::BitBtn1Click, &TForm1::BitBtn2Click,
                                                    &TForm1::BitBtn3Click, &TForm1::BitBtn4Click,
                                                    &TForm1::BitBtn5Click, &TForm1::BitBtn6Click};
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    connect(buttons_[i], &QPushButton::clicked, this, [this, click = clicks[i]] {
      if (!rendering_) Dispatch([this, click] { (form_.*click)(); });
    });
  }

  connect(imagePage_->OpenButton(), &QPushButton::clicked, this, [this] {
    if (!rendering_) Dispatch([this] { form_.BitBtn10Click(); });
  });
  connect(imagePage_->SaveButton(), &QPushButton::clicked, this, [this] {
    if (!rendering_) Dispatch([this] { form_.BitBtn11Click(); });
  });

  connect(spin_, &QSpinBox::valueChanged, this, [this](int value) {
    if (!rendering_) Dispatch([this, value] { form_.SetDecimals(value); });
  });

  connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (rendering_ || !current.isValid()) return;
            Dispatch([this, current] {
              form_.StringGrid1.SetCol(gridModel_->SheetCol(current.column()));
              form_.StringGrid1.SetRow(gridModel_->SheetRow(current.row()));
              form_.StringGrid1Click();
            });
          });
  connect(grid_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
    if (rendering_ || !index.isValid()) return;
    Dispatch([this] { form_.StringGrid1DblClick(); });
  });
  connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int column, int, int size) {
            if (!rendering_) form_.StringGrid1.SetColWidth(gridModel_->SheetCol(column), size);
          });

  connect(splitter_, &QSplitter::splitterMoved, this, [this](int left, int) {
    if (!rendering_) Dispatch([this, left] { form_.Splitter1Moved(left); });
  });
  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
    if (!rendering_)
      Dispatch([this, index] { form_.PageControl1Change(static_cast<Page>(index)); });
  });
  connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
    if (!rendering_) paneEdited_ = true;
  });
}

// --- events ---

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (showStarted_) return;
  showStarted_ = true;
  // After the window is on the screen, so the first run's messages appear over it.
  QMetaObject::invokeMethod(
      this,
      [this] {
        Dispatch([this] { form_.FormShow(); });
        showDone_ = true;
      },
      Qt::QueuedConnection);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  form_.FormResize(event->size().width(), event->size().height());
  Render();
}

void MainWindow::Dispatch(const std::function<void()>& action) {
  // Modal dialogs keep the user out while a command runs; nothing else may start one.
  if (inAction_) return;
  {
    FlagScope busy(inAction_);
    try {
      PushEditsToModel();
      action();
    } catch (const Exception& e) {
      ui_.ShowMessage(e.Message());
    } catch (const std::exception& e) {
      ui_.ShowMessage(Utf8ToGbk(e.what()));
    }
  }
  Render();
}

void MainWindow::PushEditsToModel() {
  grid_->CommitPendingEdit();
  unitPage_->PushEditsToModel();
  if (paneEdited_) {
    // What the widget shows now; the pane may keep less (its character limit), and the
    // next render then shows what it kept.
    renderedPaneText_ = PaneTextFromQt(memo_->toPlainText());
    form_.memo1.SetText(renderedPaneText_);
    paneEdited_ = false;
  }
}

void MainWindow::PushPaneSelectionToModel() {
  const QTextCursor cursor = memo_->textCursor();
  const QString text = memo_->toPlainText();
  const std::size_t start = PaneOffsetFromQt(text, cursor.selectionStart());
  const std::size_t end = PaneOffsetFromQt(text, cursor.selectionEnd());
  form_.memo1.SetSelection(start, end - start);
}

void MainWindow::ShowPaneSelection() {
  const std::string text = form_.memo1.Text();
  QTextCursor cursor = memo_->textCursor();
  cursor.setPosition(QtPositionFromPane(text, form_.memo1.SelStart()));
  cursor.setPosition(QtPositionFromPane(text, form_.memo1.SelStart() + form_.memo1.SelLength()),
                     QTextCursor::KeepAnchor);
  memo_->setTextCursor(cursor);
}

// --- rendering ---

void MainWindow::Render() {
  if (!pages_) return;  // the model spoke before the widgets were built
  FlagScope quiet(rendering_);
  RenderFonts();
  RenderLayout();
  RenderRadioGroup();
  RenderGrid();
  RenderPane();
  RenderReportPane();
  RenderCommandLine();
  unitPage_->Render();
  RenderDecimalsPlace();
  RenderPages();
  imagePage_->Render(form_);
}

// The decimal selector and its label stand on whichever of the first two pages has them.
void MainWindow::RenderDecimalsPlace() {
  QWidget* home = form_.DecimalsPage == Page::kUnits ? static_cast<QWidget*>(unitPage_) : calcPage_;
  for (QWidget* part : {static_cast<QWidget*>(decimalsLabel_), static_cast<QWidget*>(spin_)}) {
    if (part->parentWidget() == home) continue;
    part->setParent(home);
    part->show();
  }
  if (home == unitPage_) unitPage_->PlaceDecimals(decimalsLabel_, spin_);
}

void MainWindow::RenderFonts() {
  if (form_.FontSize == renderedFontSize_) return;
  renderedFontSize_ = form_.FontSize;
  SetPixelSize(pages_, PixelsOfPoints(form_.FontSize));
}

void MainWindow::RenderLayout() {
  const WindowLayout& l = form_.Layout;
  radioGroup_->setGeometry(ToQRect(l.radioGroup));
  // Items run down each column, then on to the next column.
  const int count = RadioItemCount();
  const int columns = std::max(form_.RadioGroup1.columns, 1);
  const int perColumn = std::max((count + columns - 1) / columns, 1);
  const int captionHeight = form_.FontSize * 2;
  const int itemHeight = (l.radioGroup.height - captionHeight - 6) / perColumn;
  const int columnWidth = (l.radioGroup.width - 16) / columns;
  for (int i = 0; i < count; ++i) {
    radioItems_[i]->setGeometry(8 + i / perColumn * columnWidth,
                                captionHeight + i % perColumn * itemHeight, columnWidth,
                                itemHeight);
  }

  // The worksheet takes its width of the panel; the answer pane has the rest, less the
  // splitter's handle.
  splitter_->setGeometry(ToQRect(l.panel));
  const int room = std::max(l.panel.width - splitter_->handleWidth(), 0);
  const int gridWidth = std::clamp(form_.StringGrid1.Width(), 0, room);
  const QList<int> sizes = splitter_->sizes();
  if (sizes.size() != 2 || std::abs(sizes[0] - gridWidth) > 1 || sizes[0] + sizes[1] != room) {
    splitter_->setSizes({gridWidth, room - gridWidth});
  }

  Button(2)->setGeometry(ToQRect(l.loadDataButton));
  Button(3)->setGeometry(ToQRect(l.answerBoxButton));
  Button(4)->setGeometry(ToQRect(l.saveButton));
  Button(5)->setGeometry(ToQRect(l.expandButton));
  Button(6)->setGeometry(ToQRect(l.helpButton));
  const RunLine line = LayOutRunLine(l, form_.StringGrid1.Width(), form_.FontSize);
  RunButton()->setGeometry(ToQRect(line.runButton));
  decimalsLabel_->setGeometry(ToQRect(line.decimalsLabel));
  spin_->setGeometry(ToQRect(line.decimalsSpin));
  timingLabel_->setGeometry(ToQRect(line.timingLabel));
}

void MainWindow::RenderRadioGroup() {
  const RadioGroupState& group = form_.RadioGroup1;
  radioGroup_->setTitle(ToQt(group.caption));
  for (int i = 0; i < RadioItemCount(); ++i) {
    const bool known = i < static_cast<int>(group.items.size());
    radioItems_[i]->setText(known ? ToQt(group.items[i]) : QString());
  }
  if (group.itemIndex >= 0 && group.itemIndex < RadioItemCount()) {
    radioItems_[group.itemIndex]->setChecked(true);
  } else if (QAbstractButton* checked = radioButtons_->checkedButton()) {
    radioButtons_->setExclusive(false);
    checked->setChecked(false);
    radioButtons_->setExclusive(true);
  }
}

void MainWindow::RenderGrid() {
  const Worksheet& sheet = form_.StringGrid1;
  gridModel_->Refresh();
  QHeaderView* columns = grid_->horizontalHeader();
  QHeaderView* rows = grid_->verticalHeader();
  // The headers are the fixed cells: the same font as the others.
  for (QWidget* part :
       {static_cast<QWidget*>(grid_), static_cast<QWidget*>(columns), static_cast<QWidget*>(rows)})
    SetPixelSize(part, PixelsOfPoints(sheet.FontSize()));

  columns->setDefaultSectionSize(sheet.DefaultColWidth());
  for (int j = 0; j < gridModel_->columnCount(); ++j) {
    const int width = sheet.ColWidth(gridModel_->SheetCol(j));
    if (columns->sectionSize(j) != width) columns->resizeSection(j, width);
  }
  if (rows->defaultSectionSize() != sheet.DefaultRowHeight())
    rows->setDefaultSectionSize(sheet.DefaultRowHeight());

  // The fixed columns are the row header, as wide as they are together; the fixed rows are
  // the column header, one line each.
  int fixedWidth = 0;
  for (int c = 0; c < sheet.FixedCols(); ++c) fixedWidth += sheet.ColWidth(c);
  rows->setVisible(sheet.FixedCols() > 0);
  rows->setFixedWidth(std::max(fixedWidth, 1));
  const int lineHeight = QFontMetrics(columns->font()).lineSpacing();
  columns->setVisible(sheet.FixedRows() > 0);
  columns->setFixedHeight(
      std::max(sheet.FixedRows() * sheet.DefaultRowHeight(), sheet.FixedRows() * lineHeight + 6));

  const QModelIndex current = gridModel_->IndexOfCell(sheet.Col(), sheet.Row());
  if (current.isValid() && current != grid_->currentIndex()) grid_->setCurrentIndex(current);
  grid_->setToolTip(ToQt(sheet.Hint()));
}

void MainWindow::RenderPane() {
  SetPixelSize(memo_, PixelsOfPoints(form_.FontSize));
  std::string text = form_.memo1.Text();
  if (text == renderedPaneText_) return;
  memo_->setPlainText(PaneText(form_.memo1));
  renderedPaneText_ = std::move(text);
}

void MainWindow::RenderReportPane() {
  memo3_->setVisible(form_.Memo3Visible);
  if (!form_.Memo3Visible) return;
  const QList<int> sizes = splitter_->sizes();
  const QRect panel = splitter_->geometry();
  const int left = sizes.size() == 2 ? sizes[0] + splitter_->handleWidth() : 0;
  const int width = sizes.size() == 2 ? sizes[1] : panel.width();
  memo3_->setGeometry(panel.x() + left, panel.y(), width, panel.height());
  memo3_->raise();
  SetPixelSize(memo3_, PixelsOfPoints(form_.FontSize));
  std::string text = form_.Memo3.Text();
  if (text == renderedReportText_) return;
  memo3_->setPlainText(PaneText(form_.Memo3));
  renderedReportText_ = std::move(text);
}

void MainWindow::RenderCommandLine() {
  const std::array<const ButtonState*, 6> states = {&form_.BitBtn1, &form_.BitBtn2, &form_.BitBtn3,
                                                    &form_.BitBtn4, &form_.BitBtn5, &form_.BitBtn6};
  for (std::size_t i = 0; i < states.size(); ++i) {
    buttons_[i]->setText(ToQt(states[i]->caption));
    buttons_[i]->setEnabled(states[i]->enabled);
  }
  const SpinEditState& spin = form_.SpinEdit1;
  spin_->setRange(spin.minValue, spin.maxValue);
  spin_->setValue(spin.value);
  spin_->setEnabled(spin.enabled);
  decimalsLabel_->setText(ToQt(form_.DecimalsLabel));
  timingLabel_->setText(ToQt(form_.Label1));
}

void MainWindow::RenderPages() {
  for (int i = 0; i < pages_->count() && i < static_cast<int>(form_.PageCaptions.size()); ++i)
    pages_->setTabText(i, ToQt(form_.PageCaptions[i]));
  pages_->setCurrentIndex(static_cast<int>(form_.ActivePage));
}

}  // namespace zarnix
