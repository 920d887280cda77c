#pragma once

// The look the program's grids share: headings on sky blue, and cells drawn
// with a narrow margin and clipped at their border.

#include <QColor>
#include <QStyledItemDelegate>

inline constexpr QRgb kHeadingRgb = qRgb(166, 202, 240);
// A pale green, told apart from the headings' blue by its lightness too.
inline constexpr QRgb kMarkedRgb = qRgb(204, 240, 196);

// Columns are sized for their texts at 8.5 pixels a character, which leaves
// no room for the style's wide margins or an ellipsis: the text is drawn
// with a narrow margin and simply clipped at the border.
class CellPainter : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// Where a cell's or heading's text goes inside its rectangle.
QRect textArea(const QRect& cell);
