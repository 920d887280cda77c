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
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

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
  int fixedRows() const;
  void setFixedRows(int count);
  void setRowHeights(int pixels);

  // Windows-1250 text of cell (col, row); empty for a cell never set.
  std::string cell(int col, int row) const;
  void setCell(int col, int row, std::string_view text);

  int colWidth(int col) const;
  void setColWidth(int col, int pixels);

  // The selected cell is always a selectable one; a value outside them is
  // brought to the nearest. Changes of the counts move it there silently.
  int selectedCol() const;
  int selectedRow() const;
  void setSelectedCol(int col);
  void setSelectedRow(int row);

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
  // Moves the selection without a notification; true when it moved.
  bool place(int col, int row);
  void moveTo(int col, int row);
  std::optional<std::pair<int, int>> keyTarget(const QKeyEvent& event) const;
  // The column whose right border is under pos, where borders can be grabbed.
  int borderAt(QPoint pos) const;

  // Keyed (col, row); holds the cells of dropped columns and rows too.
  std::map<std::pair<int, int>, std::string> texts;
  int headingRows = 1;
  int selCol = 0;
  int selRow = 1;
  // The left button went down on a selectable cell and has not come up yet.
  bool choosing = false;
  int resizedCol = -1;
  int resizeFromX = 0;
  int resizeFromWidth = 0;
};
