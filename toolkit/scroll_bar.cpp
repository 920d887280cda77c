#include "scroll_bar.h"

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
  setRange(0, 0);
  setSingleStep(1);
  // Qt scrolls by pageStep on a page click and bounds a wheel notch by it; one
  // entry is the step our windows page by.
  setPageStep(1);
  setTracking(true);
  // Qt's scroll bars take no focus; ours can be reached by Tab and paged
  // with the arrow keys, as keyboard users expect of a window's scroll bar.
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QScrollBar::valueChanged, this, &ScrollBar::changed);
}

void ScrollBar::setPosition(int position) { setValue(position); }

void ScrollBar::setMax(int max) { setMaximum(max < 0 ? 0 : max); }
