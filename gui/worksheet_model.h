// The worksheet as a Qt table. The fixed rows and columns become the view's headers, so they
// stay in place while the cells scroll; edits go straight into the worksheet.
#pragma once

#include <QAbstractTableModel>
#include <QTableView>

namespace zarnix {

class Worksheet;

class WorksheetModel : public QAbstractTableModel {
 public:
  explicit WorksheetModel(Worksheet& sheet, QObject* parent = nullptr);

  // Takes over the worksheet's counts and repaints its contents.
  void Refresh();

  int FixedRows() const { return fixedRows_; }
  int FixedCols() const { return fixedCols_; }
  // The worksheet column and row of a view column and row, and back.
  int SheetCol(int column) const { return fixedCols_ + column; }
  int SheetRow(int row) const { return fixedRows_ + row; }
  QModelIndex IndexOfCell(int sheetCol, int sheetRow) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  Worksheet& sheet_;
  // The counts the view was last told; cells are read live within them.
  int rows_ = 0;
  int cols_ = 0;
  int fixedRows_ = 0;
  int fixedCols_ = 0;
};

class WorksheetView : public QTableView {
 public:
  using QTableView::QTableView;
  // Writes a cell still being edited into the model and closes its editor.
  void CommitPendingEdit();
};

}  // namespace zarnix
