#include "controls.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>

#include "qt_text.h"

QFont programFont(int pixels) {
  QFont font(QFontDatabase::hasFamily("MS Sans Serif") ? "MS Sans Serif" : "Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  return font;
}

namespace {

// Stretches tried, widest first; below the last, letters run together.
constexpr int kStretches[] = {100, 95, 90, 85, 80, 75, 70};

bool captionFits(const QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
  const QRect text = button->style()->subElementRect(
      radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
  return QFontMetrics(button->font()).horizontalAdvance(button->text()) <= text.width();
}

}  // namespace

void fitCaptions(std::initializer_list<QAbstractButton*> buttons) {
  for (int stretch : kStretches) {
    for (QAbstractButton* button : buttons) {
      QFont font = button->font();
      font.setStretch(stretch);
      button->setFont(font);
    }
    if (std::all_of(buttons.begin(), buttons.end(), captionFits)) return;
  }
}

void condenseToFit(QLabel* label) {
  QFont font = label->font();
  for (int stretch = QFont::Unstretched; stretch >= QFont::Condensed; stretch -= 5) {
    font.setStretch(stretch);
    QFontMetrics metrics(font);
    // A framed label indents its text by half an x unless told otherwise.
    int indent = label->indent();
    if (indent < 0) indent = label->frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    int room = label->contentsRect().width() - 2 * label->margin() - indent;
    if (metrics.horizontalAdvance(label->text()) <= room) break;
  }
  label->setFont(font);
}

void nameForScreenReader(QWidget* control, const char* nameUtf8) {
  control->setAccessibleName(QString::fromUtf8(nameUtf8));
}

void makeRadioPair(QRadioButton* first, QRadioButton* second) {
  auto* pair = new QButtonGroup(first->parent());
  pair->addButton(first);
  pair->addButton(second);
  auto follow = [first, second] {
    for (QRadioButton* button : {first, second}) {
      Qt::FocusPolicy policy = button->focusPolicy();
      button->setFocusPolicy(button->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                 : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
  };
  QObject::connect(first, &QRadioButton::toggled, first, follow);
  follow();
}

void fixClientSize(QWidget* window, int width, int height) {
  window->setFixedSize(width, height);
  window->setWindowFlags((window->windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) &
                         ~Qt::WindowMaximizeButtonHint);
}

Gauge::Gauge(QWidget* parent) : QProgressBar(parent) {
  setRange(0, 100);
  setValue(0);
  setTextVisible(true);
  setFormat("%p%");
  setAlignment(Qt::AlignCenter);
}

StatusPanels::StatusPanels(const std::vector<int>& widths, QWidget* parent) : QStatusBar(parent) {
  setSizeGripEnabled(false);
  for (std::size_t i = 0; i < widths.size(); ++i) {
    auto* panel = new QLabel(this);
    panel->setTextFormat(Qt::PlainText);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The last panel takes the rest of the bar, so that a text longer than
    // its width ("Do tarvikštiny" in a wide font) is not cut off.
    bool last = i + 1 == widths.size();
    if (last)
      panel->setMinimumWidth(widths[i]);
    else
      panel->setFixedWidth(widths[i]);
    addWidget(panel, last ? 1 : 0);
    panels.push_back(panel);
  }
}

std::string StatusPanels::panelText(int panel) const { return fromQt(panels.at(panel)->text()); }

void StatusPanels::setPanelText(int panel, std::string_view text) {
  panels.at(panel)->setText(toQt(text));
  condenseToFit(panels.at(panel));
}

// Qt's status bar puts 2 px before its first widget and 6 px between
// widgets, which the windows' layouts leave no room for. Its layout runs on
// every resize and layout request, before these handlers see the event, so
// the panels are moved back after each pass; heights stay the layout's.
void StatusPanels::placePanels() {
  int x = 0;
  for (QLabel* panel : panels) {
    // The last panel still reaches the bar's right end.
    const int width = panel == panels.back() ? std::max(panel->minimumWidth(), this->width() - x) : panel->width();
    panel->setGeometry(x, panel->y(), width, panel->height());
    x += width;
  }
}

bool StatusPanels::event(QEvent* event) {
  const bool handled = QStatusBar::event(event);
  if (event->type() == QEvent::LayoutRequest) placePanels();
  return handled;
}

void StatusPanels::resizeEvent(QResizeEvent* event) {
  QStatusBar::resizeEvent(event);
  placePanels();
  // The last panel's width is known only once the bar is laid out.
  for (QLabel* panel : panels) condenseToFit(panel);
}
