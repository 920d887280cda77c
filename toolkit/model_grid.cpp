#include "model_grid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

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

ModelGrid::ModelGrid(QWidget* parent) : QTableView(parent), selection(this, 1, true, [this] { emit clicked(); }) {
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
    const auto settle = [this] { selection.settle(); };
    modelChanges = {connect(model, &QAbstractItemModel::modelReset, this, settle),
                    connect(model, &QAbstractItemModel::layoutChanged, this, settle),
                    connect(model, &QAbstractItemModel::rowsRemoved, this, settle),
                    connect(model, &QAbstractItemModel::rowsInserted, this, settle),
                    connect(model, &QAbstractItemModel::columnsRemoved, this, settle)};
  }
  selection.settle();
}

int ModelGrid::rowTotal() const { return selection.lastRow() + 1; }

std::string ModelGrid::cell(int col, int row) const {
  if (model() == nullptr || col < 0 || col >= model()->columnCount() || row < 0 || row >= rowTotal()) return {};
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

// Qt's own handlers are not called: they would select on press and start a
// drag. A drag here marks a range from the pressed cell, which stays the
// selected one, as the grids of our users' old desktop did.
void ModelGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QModelIndex pressed = indexAt(event->position().toPoint());
  if (!pressed.isValid()) return;
  setFocus(Qt::MouseFocusReason);
  selection.press(pressed.column(), pressed.row() + 1);
}

// The second press of a double click is a click of its own, and the
// release that ends it chooses the row.
void ModelGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
  doubleClicked = selection.isChoosing();
}

void ModelGrid::mouseMoveEvent(QMouseEvent* event) {
  if (!selection.isChoosing()) return;
  if (!(event->buttons() & Qt::LeftButton)) {
    // A release we never saw (the grid was disabled meanwhile) ends the drag.
    selection.cancel();
    return;
  }
  const QModelIndex over = indexAt(event->position().toPoint());
  if (!over.isValid()) return;
  const QModelIndex anchor = currentIndex();
  selectionModel()->select(QItemSelection(anchor, over), QItemSelectionModel::ClearAndSelect);
}

void ModelGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool choosing = selection.isChoosing();
  selection.release();
  if (std::exchange(doubleClicked, false) && choosing) emit chosen();
}

void ModelGrid::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && selectedRow() != 0) {
    emit chosen();
    return;
  }
  if (!selection.moveByKey(*event)) QWidget::keyPressEvent(event);
}

void ModelGrid::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) selection.cancel();
  QTableView::changeEvent(event);
}
