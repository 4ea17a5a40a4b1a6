// Worksheet cells, fixed area and hint as table data, headers and tooltips.
#include "worksheet_model.h"

#include <QStringList>

#include "qt_text.h"
#include "sheet/worksheet.h"

namespace zarnix {

WorksheetModel::WorksheetModel(Worksheet& sheet, QObject* parent)
    : QAbstractTableModel(parent), sheet_(sheet) {
  Refresh();
}

void WorksheetModel::Refresh() {
  const int rows = sheet_.RowCount() - sheet_.FixedRows();
  const int cols = sheet_.ColCount() - sheet_.FixedCols();
  if (rows != rows_ || cols != cols_ || sheet_.FixedRows() != fixedRows_ ||
      sheet_.FixedCols() != fixedCols_) {
    beginResetModel();
    rows_ = rows;
    cols_ = cols;
    fixedRows_ = sheet_.FixedRows();
    fixedCols_ = sheet_.FixedCols();
    endResetModel();
    return;
  }
  if (rows_ > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
  if (cols_ > 0) emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
  if (rows_ > 0) emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
}

QModelIndex WorksheetModel::IndexOfCell(int sheetCol, int sheetRow) const {
  return index(sheetRow - fixedRows_, sheetCol - fixedCols_);
}

int WorksheetModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int WorksheetModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : cols_;
}

QVariant WorksheetModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return ToQt(sheet_.Cell(SheetCol(index.column()), SheetRow(index.row())));
    case Qt::ToolTipRole:
      // The grid's hint, as the last click set it, shows over every cell.
      if (!sheet_.Hint().empty()) return ToQt(sheet_.Hint());
      return {};
    default:
      return {};
  }
}

bool WorksheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  sheet_.SetCell(SheetCol(index.column()), SheetRow(index.row()), FromQt(value.toString()));
  emit dataChanged(index, index);
  return true;
}

Qt::ItemFlags WorksheetModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QVariant WorksheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  QStringList parts;
  if (orientation == Qt::Horizontal) {
    // The fixed rows above this column, one line each.
    for (int r = 0; r < fixedRows_; ++r) parts.append(ToQt(sheet_.Cell(SheetCol(section), r)));
    return parts.join(QLatin1Char('\n'));
  }
  // The fixed columns left of this row.
  for (int c = 0; c < fixedCols_; ++c) parts.append(ToQt(sheet_.Cell(c, SheetRow(section))));
  return parts.join(QLatin1Char(' '));
}

void WorksheetView::CommitPendingEdit() {
  if (state() != QAbstractItemView::EditingState) return;
  if (QWidget* editor = indexWidget(currentIndex())) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

}  // namespace zarnix
