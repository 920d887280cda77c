#pragma once

// The small controls of the windows, shaped as the windows expect them.

#include <QAbstractButton>
#include <QAction>
#include <QFont>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "error_report.h"

// "MS Sans Serif" at `pixels` where it is installed, else the nearest sans-serif.
QFont programFont(int pixels = 11);

// Narrows the font of these check boxes or radio buttons, all alike and no
// more than needed, until each caption shows in full in the width its window
// gives it. The windows keep the sizes made for the narrow desktop font of
// our users' old system; the fonts we can count on here are wider.
void fitCaptions(std::initializer_list<QAbstractButton*> buttons);
// Narrows the label's font, down to three quarters of its width, until the
// text fits the label on one line: our fonts are wider than the ones the
// windows were laid out for, and a cut-off caption cannot be read.
void condenseToFit(QLabel* label);

// Gives a top-level window a client area of exactly this size that the user
// cannot resize, and no maximise button.
void fixClientSize(QWidget* window, int width, int height);

// A menu item's tick belongs to its handler: a click leaves the tick as it
// was and runs the handler, which ticks or unticks. Items of an exclusive
// group are ticked by the click as radio items are.
template <typename Receiver>
void onMenuItem(QAction* item, Receiver* receiver, void (Receiver::*handler)()) {
  QObject::connect(item, &QAction::triggered, receiver, [item, receiver, handler](bool checked) {
    if (item->isCheckable() && item->actionGroup() == nullptr) item->setChecked(!checked);
    runGuarded([&] { (receiver->*handler)(); });
  });
}

// A radio button's handler runs whenever the button becomes selected, by a
// click or by the program; a click on the selected button runs nothing.
template <typename Receiver>
void onSelected(QRadioButton* button, Receiver* receiver, void (Receiver::*handler)()) {
  QObject::connect(button, &QRadioButton::toggled, receiver, [receiver, handler](bool selected) {
    if (selected) runGuarded([&] { (receiver->*handler)(); });
  });
}

// A check box or radio button at its place in its window. Screen readers
// name it by its caption, which Qt reads without a mnemonic's "&".
template <typename Button>
Button* choice(QWidget* parent, const char* captionUtf8, const QRect& place, bool checked) {
  auto* button = new Button(QString::fromUtf8(captionUtf8), parent);
  button->setGeometry(place);
  button->setChecked(checked);
  return button;
}

// What a screen reader calls a control that shows no caption of its own: a
// text box, a list, a scroll bar, a status bar.
void nameForScreenReader(QWidget* control, const char* nameUtf8);

// Makes the two buttons a pair of their own, apart from other radio buttons
// of their window: selecting one unselects the other only. Tab stops at the
// selected one, and the arrow keys move the selection within the pair. Left
// to itself, Qt keeps the stop on whichever button last had the focus, so
// before the pair was first focused, Tab entered it at the first button in
// the chain, selected or not, and went on past the other.
void makeRadioPair(QRadioButton* first, QRadioButton* second);

// A gauge showing 0 to 100 as a bar with the value as a percentage.
class Gauge : public QProgressBar {
 public:
  explicit Gauge(QWidget* parent = nullptr);
};

// A status bar of panels of fixed widths, each holding one text, edge to
// edge from the bar's left end: panel i starts at the sum of the widths
// before it. A text wider than its panel is drawn narrower (condenseToFit)
// rather than cut off.
class StatusPanels : public QStatusBar {
 public:
  StatusPanels(const std::vector<int>& widths, QWidget* parent = nullptr);
  std::string panelText(int panel) const;
  void setPanelText(int panel, std::string_view text);

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placePanels();

  std::vector<QLabel*> panels;
};
