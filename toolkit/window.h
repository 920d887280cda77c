#pragma once

// A window other than the main one. Each is created hidden at start-up and
// lives to the end of the program: closing it only hides it, its controls
// keep their contents, and it never keeps the program running once the main
// window is closed. Esc clicks its cancel button and does nothing when it
// has none. Enter clicks the push button that has the focus, else the
// default button, else nothing, as on the desktops our users came from.

#include <QDialog>
#include <QPushButton>
#include <QRect>

class Window : public QDialog {
  Q_OBJECT

 public:
  // A fixed frame around a client area of exactly this size.
  Window(const char* captionUtf8, int clientWidth, int clientHeight, QWidget* parent = nullptr);

  // Places the window's frame at (x, y) on the screen.
  void placeAt(int x, int y);
  // Centres the window on the screen it belongs to.
  void placeAtScreenCentre();
  // Puts the window just below and right of the mouse pointer, whole on its
  // screen; centred where the platform keeps the pointer from programs
  // (Wayland, whose compositor places windows itself).
  void placeNearPointer();
  // Shows the window beside the others.
  void showModeless();
  // Shows the window and returns when it is closed.
  void showModal();

  // A push button that Enter does not click unless it is made the default.
  QPushButton* addButton(const char* captionUtf8, const QRect& geometry);
  void setDefaultButton(QPushButton* button);
  void setCancelButton(QPushButton* button);

 signals:
  // The window became the active one: shown, or chosen by the user coming
  // from another window of the program. Coming back from another program, or
  // from a message box or file dialog, does not count.
  void activated();
  // The window stopped being the active one, or was hidden; this may come
  // twice for one leaving.
  void left();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPushButton* defaultButton = nullptr;
  QPushButton* cancelButton = nullptr;
};
