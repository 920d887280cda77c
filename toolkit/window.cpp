#include "window.h"

#include <QKeyEvent>

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
  QDialog::keyPressEvent(event);
}
