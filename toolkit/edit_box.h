#pragma once

// A single-line text box holding Windows-1250 text. Text the program puts in
// shows from its first character, as a loaded word should, where Qt would
// scroll to its end. changed() follows every change of the text, also one
// the program makes.

#include <QLineEdit>
#include <string>
#include <string_view>

class EditBox;

// A box at its place in its window. It shows no caption of its own, so a
// screen reader calls it by `spokenNameUtf8`.
EditBox* editBox(QWidget* window, const QRect& place, const char* spokenNameUtf8);

class EditBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit EditBox(QWidget* parent = nullptr);

  std::string content() const;
  void setContent(std::string_view text);

 signals:
  void changed();
};
