#include "edit_box.h"

#include "qt_text.h"

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, &EditBox::changed);
}

EditBox* editBox(QWidget* window, const QRect& place, const char* spokenNameUtf8) {
  auto* box = new EditBox(window);
  box->setGeometry(place);
  box->setAccessibleName(QString::fromUtf8(spokenNameUtf8));
  return box;
}

std::string EditBox::content() const { return fromQt(text()); }

void EditBox::setContent(std::string_view text) {
  setText(toQt(text));
  setCursorPosition(0);
}
