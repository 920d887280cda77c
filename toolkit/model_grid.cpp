#include "model_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "grid_look.h"
#include "qt_text.h"

namespace {

// The heading row, drawn as the cells are but on the headings' sky blue. Its
// sections are not buttons: they neither sort nor light up under the pointer.
class HeadingRow : public QHeaderView {
 public:
  explicit HeadingRow(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setMinimumSectionSize(0);
    setSectionResizeMode(Fixed);
  }

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int section) const override {
    painter->save();
    painter->fillRect(rect, QColor(kHeadingRgb));
    painter->setPen(palette().color(QPalette::Mid));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->setPen(palette().color(QPalette::Text));
    painter->setClipRect(rect);
    const QString text = model()->headerData(section, orientation(), Qt::DisplayRole).toString();
    painter->drawText(textArea(rect), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter->restore();
  }
};

}  // namespace

ModelGrid::ModelGrid(QWidget* parent) : QTableView(parent) {
  setHorizontalHeader(new HeadingRow(this));
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setEditTriggers(NoEditTriggers);
  setSelectionMode(ContiguousSelection);
  setSelectionBehavior(SelectItems);
  // Tab leaves the grid for the next control instead of walking the cells.
  setTabKeyNavigation(false);
  setWordWrap(false);
  setItemDelegate(new CellPainter(this));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ModelGrid::setModel(QAbstractItemModel* model) {
  for (const QMetaObject::Connection& connection : modelChanges) disconnect(connection);
  modelChanges.clear();
  QTableView::setModel(model);
  if (model != nullptr) {
    modelChanges = {connect(model, &QAbstractItemModel::modelReset, this, &ModelGrid::settle),
                    connect(model, &QAbstractItemModel::layoutChanged, this, &ModelGrid::settle),
                    connect(model, &QAbstractItemModel::rowsRemoved, this, &ModelGrid::settle),
                    connect(model, &QAbstractItemModel::rowsInserted, this, &ModelGrid::settle),
                    connect(model, &QAbstractItemModel::columnsRemoved, this, &ModelGrid::settle)};
  }
  settle();
}

int ModelGrid::listRows() const { return model() != nullptr ? model()->rowCount() : 0; }

int ModelGrid::rowTotal() const { return listRows() + 1; }

std::string ModelGrid::cell(int col, int row) const {
  if (model() == nullptr || col < 0 || col >= model()->columnCount() || row < 0 || row > listRows()) return {};
  QVariant text = row == 0 ? model()->headerData(col, Qt::Horizontal, Qt::DisplayRole)
                           : model()->data(model()->index(row - 1, col), Qt::DisplayRole);
  return fromQt(text.toString());
}

void ModelGrid::setRowHeights(int pixels) {
  pixels = std::max(pixels, 1);
  verticalHeader()->setDefaultSectionSize(pixels);
  horizontalHeader()->setFixedHeight(pixels);
}

int ModelGrid::colWidth(int col) const { return columnWidth(col); }

void ModelGrid::setColWidth(int col, int pixels) { setColumnWidth(col, std::max(pixels, 0)); }

void ModelGrid::setSelectedCol(int col) {
  if (selRow == 0) {
    // No cell to move: the column waits for the next selected row.
    selCol = std::clamp(col, 0, std::max(0, horizontalHeader()->count() - 1));
    return;
  }
  moveTo(col, selRow);
}

void ModelGrid::setSelectedRow(int row) {
  if (listRows() == 0) return;
  moveTo(selCol, row);
}

void ModelGrid::selectNoRow() {
  if (selRow == 0) return;
  selRow = 0;
  showSelection();
  emit clicked();
}

// Qt forgets its current cell and selection on every reset of the model;
// ours is put back.
void ModelGrid::settle() {
  selCol = std::clamp(selCol, 0, std::max(0, horizontalHeader()->count() - 1));
  selRow = std::min(selRow, listRows());
  showSelection();
}

void ModelGrid::showSelection() {
  if (selectionModel() == nullptr) return;
  if (selRow == 0) {
    selectionModel()->clear();
    return;
  }
  selectionModel()->setCurrentIndex(model()->index(selRow - 1, selCol), QItemSelectionModel::ClearAndSelect);
}

// The notification comes last, so that a handler which moves the selection
// again finds the grid settled and gets its own single notification.
void ModelGrid::moveTo(int col, int row) {
  if (listRows() == 0) return;
  col = std::clamp(col, 0, std::max(0, horizontalHeader()->count() - 1));
  row = std::clamp(row, 1, listRows());
  const bool moved = col != selCol || row != selRow;
  selCol = col;
  selRow = row;
  showSelection();
  scrollTo(currentIndex());
  if (moved) emit clicked();
}

// Qt's own handlers are not called: they would select on press and start a
// drag. A drag here marks a range from the pressed cell, which stays the
// selected one, as the grids of our users' old desktop did.
void ModelGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QModelIndex pressed = indexAt(event->position().toPoint());
  if (!pressed.isValid()) return;
  setFocus(Qt::MouseFocusReason);
  selCol = pressed.column();
  selRow = pressed.row() + 1;
  showSelection();
  choosing = true;
}

// The second press of a double click is a click of its own.
void ModelGrid::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void ModelGrid::mouseMoveEvent(QMouseEvent* event) {
  if (!choosing) return;
  if (!(event->buttons() & Qt::LeftButton)) {
    // A release we never saw (the grid was disabled meanwhile) ends the drag.
    choosing = false;
    return;
  }
  const QModelIndex over = indexAt(event->position().toPoint());
  if (!over.isValid()) return;
  const QModelIndex anchor = currentIndex();
  selectionModel()->select(QItemSelection(anchor, over), QItemSelectionModel::ClearAndSelect);
}

void ModelGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !choosing) return;
  choosing = false;
  emit clicked();
}

void ModelGrid::keyPressEvent(QKeyEvent* event) {
  int col = 0;
  int row = 0;
  if (keyTarget(*event, &col, &row)) {
    moveTo(col, row);
    return;
  }
  // Skips QAbstractItemView: its search-as-you-type would move the current
  // cell on a letter, silently.
  QWidget::keyPressEvent(event);
}

bool ModelGrid::keyTarget(const QKeyEvent& event, int* col, int* row) const {
  const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  const int page = std::max(1, viewport()->height() / std::max(1, verticalHeader()->defaultSectionSize()));
  const int lastCol = horizontalHeader()->count() - 1;
  const int from = selRow;
  *col = selCol;
  switch (event.key()) {
    case Qt::Key_Left: *col = selCol - 1; *row = from; break;
    case Qt::Key_Right: *col = selCol + 1; *row = from; break;
    case Qt::Key_Up: *row = from - 1; break;
    case Qt::Key_Down: *row = from + 1; break;
    case Qt::Key_PageUp: *row = from - page; break;
    case Qt::Key_PageDown: *row = from + page; break;
    case Qt::Key_Home: *col = 0; *row = ctrl ? 1 : from; break;
    case Qt::Key_End: *col = lastCol; *row = ctrl ? listRows() : from; break;
    default: return false;
  }
  // From no selected cell, every move key goes to the first row.
  if (from == 0) *row = 1;
  return true;
}

void ModelGrid::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) choosing = false;
  QTableView::changeEvent(event);
}
