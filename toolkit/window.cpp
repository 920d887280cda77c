#include "window.h"

#include <QCursor>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <algorithm>

#include "controls.h"

namespace {

// Qt activates a window again when the user comes back to the program from
// another one, and when a message box or file dialog closes over it. Our
// windows count neither: only being shown, or the user coming from another
// window of the program. So the program's last active window is followed
// across all of them, message boxes and file dialogs left out: they stand for
// the system's own dialogs, which were never windows of the program.
class ActivationFollower : public QObject {
 public:
  using QObject::QObject;
  // Set for each activation: the window was already the last active one.
  bool returning = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if ((type != QEvent::WindowActivate && type != QEvent::Hide) || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isWindow() || qobject_cast<QMessageBox*>(widget) || qobject_cast<QFileDialog*>(widget)) return false;
    if (type == QEvent::WindowActivate) {
      returning = widget == last;
      last = widget;
    } else if (widget == last) {
      last = nullptr;  // shown again later, it is a new showing
    }
    return false;
  }

 private:
  QPointer<QWidget> last;
};

// One for the application, which owns it.
ActivationFollower& activationFollower() {
  constexpr const char* kName = "activationFollower";
  if (auto* follower = qApp->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly))
    return *static_cast<ActivationFollower*>(follower);
  auto* follower = new ActivationFollower(qApp);
  follower->setObjectName(kName);
  qApp->installEventFilter(follower);
  return *follower;
}

}  // namespace

Window::Window(const char* captionUtf8, int clientWidth, int clientHeight, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(captionUtf8));
  setFont(programFont());
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  fixClientSize(this, clientWidth, clientHeight);
  activationFollower();
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

void Window::placeNearPointer() {
  if (QGuiApplication::platformName() == "wayland") {
    placeAtScreenCentre();
    return;
  }
  const QPoint pointer = QCursor::pos();
  QScreen* at = QGuiApplication::screenAt(pointer);
  if (at == nullptr) at = QGuiApplication::primaryScreen();
  winId();
  const QRect room = at->availableGeometry();
  const QSize size = frameGeometry().size();
  constexpr int kBesidePointer = 16;
  const int x = std::clamp(pointer.x() + kBesidePointer, room.left(), std::max(room.left(), room.right() + 1 - size.width()));
  const int y = std::clamp(pointer.y() + kBesidePointer, room.top(), std::max(room.top(), room.bottom() + 1 - size.height()));
  move(x, y);
}

void Window::showModeless() {
  show();
  raise();
  activateWindow();
}

void Window::showModal() { exec(); }

QPushButton* Window::addButton(const char* captionUtf8, const QRect& geometry) {
  // Named by Qt from its caption, without the mnemonic's "&" that a screen
  // reader would read out ("&Ano").
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
  // The application's filter has seen this activation already.
  if (event->type() == QEvent::WindowActivate && !activationFollower().returning) emit activated();
  if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide) emit left();
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
