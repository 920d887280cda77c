#include "grid_look.h"

#include <QApplication>
#include <QPainter>

QRect textArea(const QRect& cell) { return cell.adjusted(2, 0, -1, 0); }

void CellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem cell(option);
  initStyleOption(&cell, index);
  QString text = cell.text;
  cell.text.clear();
  const QWidget* widget = cell.widget;
  QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
  QPalette::ColorGroup group = cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
  QPalette::ColorRole role = cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
  painter->save();
  painter->setClipRect(cell.rect);
  painter->setPen(cell.palette.color(group, role));
  painter->setFont(cell.font);
  painter->drawText(textArea(cell.rect), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
  painter->restore();
}
