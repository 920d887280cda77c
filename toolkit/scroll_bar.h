#pragma once

// A vertical scroll bar over the positions 0 to max(), moved one position by
// every step: an arrow, a page click or key, a wheel notch. changed() follows
// every change of position, whoever makes it: the user, setPosition(), or
// setMax() below the position, which moves the position down to the new
// maximum. It is raised at once, inside the call that moved the position, so
// a handler that lowers the maximum sees the handler of the new position run
// to its end before it goes on. Setting the position it already has raises
// nothing.

#include <QScrollBar>

class ScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  explicit ScrollBar(QWidget* parent = nullptr);

  int position() const { return value(); }
  void setPosition(int position);
  int max() const { return maximum(); }
  // A maximum below 0 is taken as 0.
  void setMax(int max);

 signals:
  void changed();
};
