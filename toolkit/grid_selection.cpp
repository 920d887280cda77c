#include "grid_selection.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

int GridSelection::lastRow() const { return firstModelRow - 1 + (view->model() ? view->model()->rowCount() : 0); }

int GridSelection::lastCol() const { return std::max(0, view->horizontalHeader()->count() - 1); }

bool GridSelection::place(int col, int row) {
  col = std::clamp(col, 0, lastCol());
  row = std::clamp(row, first, lastRow());
  const bool moved = col != selCol || row != selRow;
  selCol = col;
  selRow = row;
  show();
  return moved;
}

// Qt forgets its current cell and selection on every reset of the model;
// ours is put back.
void GridSelection::settle() {
  if (selRow >= first && lastRow() >= first) {
    place(selCol, selRow);
    return;
  }
  selCol = std::clamp(selCol, 0, lastCol());
  selRow = 0;
  show();
}

void GridSelection::selectNone() {
  if (selRow == 0) return;
  selRow = 0;
  show();
  notify();
}

void GridSelection::show() {
  QItemSelectionModel* selection = view->selectionModel();
  if (selection == nullptr) return;
  if (selRow < first)
    selection->clear();
  else
    selection->setCurrentIndex(view->model()->index(selRow - firstModelRow, selCol),
                               QItemSelectionModel::ClearAndSelect);
}

void GridSelection::moveTo(int col, int row) {
  if (lastRow() < first) return;
  const bool moved = place(col, row);
  if (moved || revealUnmoved) view->scrollTo(view->currentIndex());
  if (moved) notify();
}

void GridSelection::selectCol(int col) {
  if (selRow >= first)
    moveTo(col, selRow);
  else
    selCol = std::clamp(col, 0, lastCol());
}

bool GridSelection::moveByKey(const QKeyEvent& event) {
  const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  const int page = std::max(1, view->viewport()->height() / std::max(1, view->verticalHeader()->defaultSectionSize()));
  int col = selCol;
  int row = selRow;
  switch (event.key()) {
    case Qt::Key_Left: --col; break;
    case Qt::Key_Right: ++col; break;
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_PageUp: row -= page; break;
    case Qt::Key_PageDown: row += page; break;
    case Qt::Key_Home: col = 0; row = ctrl ? first : row; break;
    case Qt::Key_End: col = lastCol(); row = ctrl ? lastRow() : row; break;
    default: return false;
  }
  // From no selected cell, every move key goes to the first row.
  moveTo(col, selRow < first ? first : row);
  return true;
}
