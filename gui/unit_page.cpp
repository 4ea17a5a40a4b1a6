// The unit page's widgets, their wiring to the model's events and the drawing of its state.
#include "unit_page.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

#include "app/tform1.h"
#include "app/unit_page.h"
#include "qt_text.h"
#include "widget_helpers.h"

namespace zarnix {

namespace {

const ListBoxState& ModelList(const TForm1& form, int number) {
  const std::array<const ListBoxState*, 4> lists = {&form.ListBox1, &form.ListBox2, &form.ListBox3,
                                                    &form.ListBox4};
  return *lists[number - 1];
}

}  // namespace

UnitPage::UnitPage(TForm1& form, Dispatch dispatch, QWidget* parent)
    : QWidget(parent), form_(form), dispatch_(std::move(dispatch)) {
  Build();
  Connect();
}

void UnitPage::Build() {
  for (QLabel*& caption : captions_) caption = new QLabel(this);
  label9_ = new QLabel(this);
  label10_ = new QLabel(this);
  edit5_ = new QLineEdit(this);
  for (QListWidget*& list : lists_) list = new QListWidget(this);
  // The value lists scroll with the unit list; their own bars would only disagree.
  for (int number : {3, 4}) lists_[number - 1]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo2_ = new QPlainTextEdit(this);
  memo2_->setLineWrapMode(QPlainTextEdit::NoWrap);
  for (QPushButton*& button : buttons_) button = new QPushButton(this);
}

void UnitPage::Connect() {
  // A click runs the list's event even on the row already chosen (a unit clicked again shows
  // the display values again); the keyboard moves the current row.
  const auto choose = [this](int number, int row) {
    if (rendering_ || row < 0) return;
    dispatch_([this, number, row] {
      if (number == 1) {
        form_.ListBox1.itemIndex = row;
        form_.ListBox1Click();
      } else {
        form_.ListBox2.itemIndex = row;
        form_.ListBox2Click();
      }
    });
  };
  for (int number : {1, 2}) {
    QListWidget* list = lists_[number - 1];
    connect(list, &QListWidget::itemClicked, this,
            [list, number, choose](QListWidgetItem* item) { choose(number, list->row(item)); });
    connect(list, &QListWidget::currentRowChanged, this, [number, choose](int row) {
      if (QApplication::mouseButtons() == Qt::NoButton) choose(number, row);
    });
  }
  connect(lists_[1]->verticalScrollBar(), &QScrollBar::valueChanged, this,
          [this](int value) { SyncValueScroll(value); });
  connect(edit5_, &QLineEdit::returnPressed, this,
          [this] { dispatch_([this] { form_.Edit5KeyDown(13); }); });
  connect(memo2_, &QPlainTextEdit::textChanged, this, [this] {
    if (!rendering_) memoEdited_ = true;
  });
  const std::array<void (TForm1::*)(), 3> clicks = {&TForm1::BitBtn7Click, &TForm1::BitBtn8Click,
                                                    &TForm1::BitBtn9Click};
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    connect(buttons_[i], &QPushButton::clicked, this, [this, click = clicks[i]] {
      if (!rendering_) dispatch_([this, click] { (form_.*click)(); });
    });
  }
}

void UnitPage::SyncValueScroll(int value) {
  for (int number : {3, 4}) lists_[number - 1]->verticalScrollBar()->setValue(value);
  if (!rendering_)
    form_.ListBox2.topIndex = form_.ListBox3.topIndex = form_.ListBox4.topIndex =
        lists_[1]->indexAt(QPoint(1, 1)).row();
}

void UnitPage::PushEditsToModel() {
  form_.Edit5 = FromQt(edit5_->text());
  if (!memoEdited_) return;
  renderedMemoText_ = PaneTextFromQt(memo2_->toPlainText());
  form_.Memo2.SetText(renderedMemoText_);
  form_.Memo2Modified = true;
  memoEdited_ = false;
}

// --- rendering ---

void UnitPage::Render() {
  FlagScope quiet(rendering_);
  const int pixels = PixelsOfPoints(form_.FontSize);
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    SetPixelSize(child, pixels);
  const std::array<const std::string*, 3> captions = {&form_.ListBox1Caption,
                                                      &form_.ListBox2Caption, &form_.Edit5Caption};
  for (std::size_t i = 0; i < captions_.size(); ++i) captions_[i]->setText(ToQt(*captions[i]));
  label9_->setText(ToQt(form_.Label9));
  label10_->setText(ToQt(form_.Label10));
  if (FromQt(edit5_->text()) != form_.Edit5) edit5_->setText(ToQt(form_.Edit5));
  for (int number = 1; number <= 4; ++number) RenderList(number);
  // The full-precision values cover the display values while they are shown.
  lists_[2]->setVisible(form_.ListBox3.visible);
  lists_[3]->setVisible(!form_.ListBox3.visible);

  std::string text = form_.Memo2.Text();
  if (text != renderedMemoText_) {
    memo2_->setPlainText(PaneText(form_.Memo2));
    renderedMemoText_ = std::move(text);
  }
  const std::array<const ButtonState*, 3> buttons = {&form_.BitBtn7, &form_.BitBtn8,
                                                     &form_.BitBtn9};
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->setText(ToQt(buttons[i]->caption));
    buttons_[i]->setEnabled(buttons[i]->enabled);
  }
  RenderGeometry();
  SyncValueScroll(lists_[1]->verticalScrollBar()->value());
}

void UnitPage::RenderList(int number) {
  const ListBoxState& state = ModelList(form_, number);
  QListWidget* list = lists_[number - 1];
  bool same = list->count() == static_cast<int>(state.items.size());
  for (int i = 0; same && i < list->count(); ++i)
    same = list->item(i)->text() == ToQt(state.items[i]);
  if (!same) {
    list->clear();
    for (const std::string& item : state.items) list->addItem(ToQt(item));
  }
  if (list->currentRow() != state.itemIndex) list->setCurrentRow(state.itemIndex);
  if (!same && state.topIndex >= 0 && state.topIndex < list->count())
    list->scrollToItem(list->item(state.topIndex), QAbstractItemView::PositionAtTop);
}

void UnitPage::RenderGeometry() {
  const UnitPageLayout u = LayOutUnitPage(form_.Layout, form_.FontSize);
  const std::array<const Rect*, 3> captions = {&u.quantityCaption, &u.unitCaption, &u.valueCaption};
  for (std::size_t i = 0; i < captions_.size(); ++i)
    captions_[i]->setGeometry(ToQRect(*captions[i]));
  label9_->setGeometry(ToQRect(u.label9));
  label10_->setGeometry(ToQRect(u.label10));
  edit5_->setGeometry(ToQRect(u.edit5));
  lists_[0]->setGeometry(ToQRect(u.listBox1));
  lists_[1]->setGeometry(ToQRect(u.listBox2));
  lists_[2]->setGeometry(ToQRect(u.listBox3));
  lists_[3]->setGeometry(ToQRect(u.listBox3));
  memo2_->setGeometry(ToQRect(Memo2Bounds(u, form_.Layout, form_.Memo2Wide)));
  memo2_->raise();  // a wide pane covers the lists
  buttons_[0]->setGeometry(ToQRect(u.openButton));
  buttons_[1]->setGeometry(ToQRect(u.saveButton));
  buttons_[2]->setGeometry(ToQRect(u.textBoxButton));
}

void UnitPage::PlaceDecimals(QLabel* label, QSpinBox* spin) const {
  const UnitPageLayout u = LayOutUnitPage(form_.Layout, form_.FontSize);
  label->setGeometry(ToQRect(u.decimalsLabel));
  spin->setGeometry(ToQRect(u.decimalsSpin));
}

}  // namespace zarnix
