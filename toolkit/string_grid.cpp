#include "string_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "grid_look.h"
#include "qt_text.h"

namespace {

constexpr int kDefaultCols = 5;
constexpr int kDefaultRows = 5;
constexpr int kDefaultColWidth = 64;
// How far the pointer may be from a column border and still grab it.
constexpr int kGrip = 3;

// Qt's accessible table reads a cell by this role before its text.
class Cell : public QTableWidgetItem {
 public:
  QVariant data(int role) const override {
    const auto* grid = static_cast<const StringGrid*>(tableWidget());
    if (role == Qt::AccessibleTextRole && grid != nullptr) return toQt(grid->spokenCell(column(), row()));
    return QTableWidgetItem::data(role);
  }
};

}  // namespace

StringGrid::StringGrid(QWidget* parent) : QTableWidget(parent), selection(this, 0, false, [this] { emit clicked(); }) {
  // The headers stay hidden, but they still hold the sizes: no minimum, so
  // that a dragged border and setRowHeights(14) are taken as they are.
  horizontalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(0);
  horizontalHeader()->setDefaultSectionSize(kDefaultColWidth);
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

  setEditTriggers(NoEditTriggers);
  setSelectionMode(SingleSelection);
  setSelectionBehavior(SelectItems);
  // Tab leaves the grid for the next control instead of walking the cells.
  setTabKeyNavigation(false);
  setWordWrap(false);
  setShowGrid(false);
  setItemDelegate(new CellPainter(this));
  setHorizontalScrollMode(ScrollPerPixel);
  viewport()->setMouseTracking(true);
  viewport()->setCursor(Qt::PointingHandCursor);

  setRowCount(kDefaultRows);
  setColumnCount(kDefaultCols);
  showAllCells();
}

void StringGrid::setColCount(int count) {
  count = std::max(count, 1);
  if (count == columnCount()) return;
  setColumnCount(count);
  showAllCells();
}

void StringGrid::setRowTotal(int count) {
  count = std::max(count, 1);
  if (count == rowCount()) return;
  selection.setFirstRow(std::min(fixedRows(), count - 1));
  setRowCount(count);
  showAllCells();
}

void StringGrid::setFixedRows(int count) {
  selection.setFirstRow(std::clamp(count, 0, rowCount() - 1));
  showAllCells();
}

void StringGrid::setRowHeights(int pixels) {
  pixels = std::max(pixels, 1);
  verticalHeader()->setDefaultSectionSize(pixels);
  for (int row = 0; row < rowCount(); ++row) setRowHeight(row, pixels);
}

std::string StringGrid::cell(int col, int row) const {
  auto found = texts.find({col, row});
  return found == texts.end() ? std::string() : found->second;
}

void StringGrid::setCell(int col, int row, std::string_view text) {
  if (col < 0 || row < 0) return;
  if (text.empty())
    texts.erase({col, row});
  else
    texts[{col, row}] = std::string(text);
  if (col < columnCount() && row < rowCount()) showCell(col, row);
}

void StringGrid::setCellMarked(int col, int row, bool marked) {
  if (marked == cellMarked(col, row)) return;
  if (marked)
    marks.insert({col, row});
  else
    marks.erase({col, row});
  if (col >= 0 && row >= 0 && col < columnCount() && row < rowCount()) showCell(col, row);
}

void StringGrid::clearMarks() {
  std::set<std::pair<int, int>> were;
  were.swap(marks);
  for (auto [col, row] : were)
    if (col < columnCount() && row < rowCount()) showCell(col, row);
}

int StringGrid::colWidth(int col) const { return columnWidth(col); }

void StringGrid::setColWidth(int col, int pixels) { setColumnWidth(col, std::max(pixels, 0)); }

// Every visible cell has an item: an empty heading cell without one would
// lose the heading background and take Qt's default flags (editable,
// selectable).
void StringGrid::showCell(int col, int row) {
  QTableWidgetItem* shown = item(row, col);
  if (!shown) {
    shown = new Cell;
    setItem(row, col, shown);
  }
  shown->setText(toQt(cell(col, row)));
  const bool heading = row < fixedRows();
  shown->setFlags(heading ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  const bool marked = cellMarked(col, row);
  shown->setBackground(marked ? QBrush(QColor(kMarkedRgb)) : heading ? QBrush(QColor(kHeadingRgb)) : QBrush());
  shown->setToolTip(marked ? markTooltip : QString());
}

void StringGrid::showAllCells() {
  for (int col = 0; col < columnCount(); ++col)
    for (int row = 0; row < rowCount(); ++row) showCell(col, row);
  // Qt moves its current cell on its own when columns or rows go; ours
  // stays the one truth and is put back.
  selection.place(selectedCol(), selectedRow());
}

// Qt's own handlers are not called: they select on press, move the current
// cell into heading rows during a drag and start editing on a double click.
void StringGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint pos = event->position().toPoint();
  if (int col = borderAt(pos); col >= 0) {
    resizedCol = col;
    resizeFromX = pos.x();
    resizeFromWidth = columnWidth(col);
    return;
  }
  const int col = columnAt(pos.x());
  const int row = rowAt(pos.y());
  if (col < 0 || row < 0 || row < fixedRows()) return;
  selection.press(col, row);
  scrollTo(currentIndex());
}

// The second press of a double click is a click of its own.
void StringGrid::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void StringGrid::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  // A release we never saw (the grid was disabled meanwhile) ends the drag.
  if (!(event->buttons() & Qt::LeftButton)) {
    selection.cancel();
    resizedCol = -1;
    viewport()->setCursor(borderAt(pos) >= 0 ? Qt::SplitHCursor : Qt::PointingHandCursor);
    return;
  }
  if (resizedCol >= 0) {
    setColumnWidth(resizedCol, std::max(0, resizeFromWidth + pos.x() - resizeFromX));
  } else if (selection.isChoosing()) {
    // Outside the cells the selection keeps that coordinate; over a
    // heading it stays in the first selectable row.
    const int col = columnAt(pos.x());
    const int row = rowAt(pos.y());
    selection.place(col < 0 ? selectedCol() : col, row < 0 ? selectedRow() : row);
    scrollTo(currentIndex());
  }
}

void StringGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  resizedCol = -1;
  selection.release();
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
  if (!selection.moveByKey(*event)) QWidget::keyPressEvent(event);
}

int StringGrid::borderAt(QPoint pos) const {
  // Borders are grabbed in the headings, where a click has no other use;
  // in the other rows a click always chooses a cell.
  const int row = rowAt(pos.y());
  if (fixedRows() > 0 && (row < 0 || row >= fixedRows())) return -1;
  // From the right, so that a column dragged down to nothing can be
  // pulled open again.
  for (int col = columnCount() - 1; col >= 0; --col) {
    const int edge = columnViewportPosition(col) + columnWidth(col);
    if (std::abs(pos.x() - edge) <= kGrip) return col;
  }
  return -1;
}

// Lines between columns only: the rows of choices read as lists, one under
// another, without rules between them.
void StringGrid::paintEvent(QPaintEvent* event) {
  QTableWidget::paintEvent(event);
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  const auto lineRgb = static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this));
  QPainter painter(viewport());
  painter.setPen(QColor::fromRgba(lineRgb));
  const int lastRow = rowCount() - 1;
  const int top = rowViewportPosition(0);
  const int bottom = rowViewportPosition(lastRow) + rowHeight(lastRow) - 1;
  for (int col = 0; col < columnCount(); ++col) {
    const int x = columnViewportPosition(col) + columnWidth(col) - 1;
    if (x >= 0 && x < viewport()->width()) painter.drawLine(x, top, x, bottom);
  }
}

void StringGrid::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) {
    selection.cancel();
    resizedCol = -1;
  }
  QTableWidget::changeEvent(event);
}
