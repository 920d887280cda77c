#pragma once

// A grid of string cells, addressed (column, row) as the windows think of it.
// The first fixedRows() rows are headings: shown on a sky-blue background,
// never selectable. One notification, clicked(), follows each move of the
// selected cell that a person or the program makes: a mouse click on a
// selectable cell (at the end of a drag, once), a keyboard move (arrows,
// page keys, home/end), or setting the selected column or row to a value it
// does not already have. Setting the value it has raises nothing. Qt's own
// signals come more often than that; they are filtered here, never in a window.

#include <QTableWidget>
#include <string>
#include <string_view>

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
  int fixedRows() const;
  void setFixedRows(int count);
  void setRowHeights(int pixels);

  // Windows-1250 text of cell (col, row); empty for a cell never set.
  std::string cell(int col, int row) const;
  void setCell(int col, int row, std::string_view text);

  int colWidth(int col) const;
  void setColWidth(int col, int pixels);

  int selectedCol() const;
  int selectedRow() const;
  void setSelectedCol(int col);
  void setSelectedRow(int row);

 signals:
  void clicked();
};
