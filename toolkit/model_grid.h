#pragma once

// A string grid for long lists, addressed (column, row) as StringGrid is.
// Its cells come from a table model, which the grid asks only for the rows
// on show, so a list of a million rows costs no more than one of ten.
//
// Row 0 is the heading row: the model's horizontal header texts. It stays at
// the top while the rows below it scroll, and it is never selectable. Row r
// below it is the model's row r - 1.
//
// The selected cell is one below the headings, or none at all: a list
// without rows has none, and the program may choose none. clicked() follows
// each move of the selected cell as GridSelection tells it; a drag marks a
// range and leaves the pressed cell selected. A change of the model keeps
// the selected cell where it can and never notifies. Enter on the selected
// row, or a double click on a row, chooses it: chosen() follows, after the
// click's clicked().

#include <QTableView>
#include <string>
#include <vector>

#include "grid_selection.h"

class ModelGrid : public QTableView {
  Q_OBJECT

 public:
  explicit ModelGrid(QWidget* parent = nullptr);

  void setModel(QAbstractItemModel* model) override;

  // The heading row included.
  int rowTotal() const;
  // Windows-1250 text of cell (col, row); empty outside the grid.
  std::string cell(int col, int row) const;
  void setRowHeights(int pixels);
  int colWidth(int col) const;
  void setColWidth(int col, int pixels);

  int selectedCol() const { return selection.col(); }
  // 0 when no cell is selected.
  int selectedRow() const { return selection.row(); }
  void setSelectedCol(int col) { selection.selectCol(col); }
  // Brings the row into view as well, moved or not. A value outside the rows
  // is taken to the nearest; in a list without rows nothing happens.
  void setSelectedRow(int row) { selection.selectRow(row); }
  void selectNoRow() { selection.selectNone(); }

 signals:
  void clicked();
  void chosen();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  std::vector<QMetaObject::Connection> modelChanges;
  GridSelection selection;
  bool doubleClicked = false;
};
