#include "window.h"

#include <QKeyEvent>
#include <QScreen>

#include "controls.h"

Window::Window(const char* captionUtf8, int clientWidth, int clientHeight, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(captionUtf8));
  setFont(programFont());
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  fixClientSize(this, clientWidth, clientHeight);
}

void Window::placeAt(int x, int y) { move(x, y); }

void Window::placeAtScreenCentre() {
  QScreen* shownOn = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  // The frame is known once the window exists on the screen's side; where
  // the window manager adds it only at the first showing, the window is off
  // by half its border.
  winId();
  QSize size = frameGeometry().size();
  move(shownOn->geometry().center() - QPoint(size.width() / 2, size.height() / 2));
}

void Window::showModeless() {
  show();
  raise();
  activateWindow();
}

void Window::showModal() { exec(); }

QPushButton* Window::addButton(const char* captionUtf8, const QRect& geometry) {
  auto* button = new QPushButton(QString::fromUtf8(captionUtf8), this);
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  return button;
}

void Window::setDefaultButton(QPushButton* button) {
  defaultButton = button;
  button->setAutoDefault(true);
  button->setDefault(true);
}

void Window::setCancelButton(QPushButton* button) { cancelButton = button; }

bool Window::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) emit activated();
  return QDialog::event(event);
}

void Window::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    // QDialog would close the window on Esc; ours answers only through a cancel button.
    if (cancelButton != nullptr && cancelButton->isEnabled()) cancelButton->click();
    return;
  }
  bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    // QDialog would click the default button even when another button has
    // the focus, so that Enter on "No" would answer yes.
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    QPushButton* target = focused != nullptr && focused->window() == this ? focused : defaultButton;
    if (target != nullptr && target->isEnabled() && target->isVisible()) target->click();
    return;
  }
  QDialog::keyPressEvent(event);
}
