#include "edit_box.h"

#include "qt_text.h"

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, &EditBox::changed);
}

std::string EditBox::content() const { return fromQt(text()); }

void EditBox::setContent(std::string_view text) {
  setText(toQt(text));
  setCursorPosition(0);
}
