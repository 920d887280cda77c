#pragma once

// The selected cell of StringGrid and ModelGrid, addressed (column, row) as
// the windows think of it, and when the window is told that it moved. Rows
// above firstRow() are headings, never selected. One notification follows
// each move that a person or the program makes: a mouse choice (at the
// release, once, however far the pointer was dragged), a keyboard move, or a
// move by the program to a cell not already selected. Qt's own signals come
// more often; they are filtered here, never in a window. The notification
// comes last, so that a handler which moves the selection again finds the
// grid settled and gets its own single one.

#include <QTableView>
#include <functional>
#include <utility>

class QKeyEvent;

class GridSelection {
 public:
  // firstModelRow is 1 where the headings stay outside the model; such a
  // grid may also have no cell selected, row 0. revealUnmoved: a move to the
  // cell already selected scrolls it into view as well.
  GridSelection(QTableView* view, int firstModelRow, bool revealUnmoved, std::function<void()> notify)
      : view(view), firstModelRow(firstModelRow), revealUnmoved(revealUnmoved), notify(std::move(notify)) {}

  int col() const { return selCol; }
  int row() const { return selRow; }
  int firstRow() const { return first; }
  // The caller puts the cell back with place() afterwards.
  void setFirstRow(int row) { first = row; }
  int lastRow() const;

  // Moves silently to the selectable cell nearest (col, row), of which there
  // must be one; true when it moved.
  bool place(int col, int row);
  // Keeps the cell where it can after the model changed, silently; no cell
  // selected stays none.
  void settle();
  void selectNone();
  void moveTo(int col, int row);
  // With no cell selected, the column waits for the next selected row.
  void selectCol(int col);
  void selectRow(int row) { moveTo(selCol, row); }
  // False for a key that moves nothing. The grids pass such keys to QWidget,
  // skipping QAbstractItemView: its search-as-you-type would move the
  // current cell on a letter, silently.
  bool moveByKey(const QKeyEvent& event);

  // The left button went down on a cell; the choice is told at release().
  void press(int col, int row) {
    place(col, row);
    choosing = true;
  }
  void release() {
    if (std::exchange(choosing, false)) notify();
  }
  // For a release that will never come: the grid was disabled meanwhile.
  void cancel() { choosing = false; }
  bool isChoosing() const { return choosing; }

 private:
  int lastCol() const;
  void show();

  QTableView* view;
  const int firstModelRow;
  const bool revealUnmoved;
  std::function<void()> notify;
  int first = 1;
  int selCol = 0;
  int selRow = 1;
  bool choosing = false;
};
