#pragma once

// A grid of string cells, addressed (column, row) as the windows think of it.
// The first fixedRows() rows are headings: shown on a sky-blue background,
// never selectable. clicked() follows each move of the selected cell as
// GridSelection tells it; a drag moves the cell along with the pointer.

#include <QTableWidget>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "grid_selection.h"

class StringGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit StringGrid(QWidget* parent = nullptr);

  int colCount() const { return columnCount(); }
  // A count below 1 is taken as 1. Cells of columns that are dropped keep
  // their text and show it again when the count grows.
  void setColCount(int count);
  int rowTotal() const { return rowCount(); }
  void setRowTotal(int count);
  // At least one row stays selectable: the count is cut to rowTotal() - 1,
  // and a smaller row total lowers it.
  int fixedRows() const { return selection.firstRow(); }
  void setFixedRows(int count);
  void setRowHeights(int pixels);

  // Windows-1250 text of cell (col, row); empty for a cell never set.
  std::string cell(int col, int row) const;
  void setCell(int col, int row, std::string_view text);

  // What a screen reader says of cell (col, row), in Windows-1250; unset,
  // the cell's text. It is asked each time, so it follows the grid's changes.
  using CellDescription = std::function<std::string(int col, int row)>;
  void setCellDescription(CellDescription describe) { description = std::move(describe); }
  std::string spokenCell(int col, int row) const { return description ? description(col, row) : cell(col, row); }

  // A marked cell stands out on a background of its own, a heading too,
  // and its tooltip says why (setMarkTooltip); a screen reader hears it
  // through the cell description. A mark stays at its place, whatever
  // text the cell takes, until it is taken off.
  void setCellMarked(int col, int row, bool marked);
  bool cellMarked(int col, int row) const { return marks.contains({col, row}); }
  void clearMarks();
  void setMarkTooltip(const QString& why) { markTooltip = why; }

  int colWidth(int col) const;
  void setColWidth(int col, int pixels);

  // The selected cell is always a selectable one; a value outside them is
  // brought to the nearest. Changes of the counts move it there silently.
  int selectedCol() const { return selection.col(); }
  int selectedRow() const { return selection.row(); }
  void setSelectedCol(int col) { selection.selectCol(col); }
  void setSelectedRow(int row) { selection.selectRow(row); }

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void showCell(int col, int row);
  void showAllCells();
  // The column whose right border is under pos, where borders can be grabbed.
  int borderAt(QPoint pos) const;

  // Keyed (col, row); holds the cells of dropped columns and rows too.
  std::map<std::pair<int, int>, std::string> texts;
  std::set<std::pair<int, int>> marks;
  QString markTooltip;
  GridSelection selection;
  CellDescription description;
  int resizedCol = -1;
  int resizeFromX = 0;
  int resizeFromWidth = 0;
};
