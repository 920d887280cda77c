#include <QSignalSpy>

#include "edit_box.h"
#include "qt_app_fixture_test.h"

namespace {

// A new text puts the caret before its first character, so that a long one
// is shown from its start, not scrolled to its end.
TEST(EditBox, HoldsWindows1250ReportsEveryChangeAndPutsTheCaretAtTheStart) {
  qtApp();
  EditBox box;
  QSignalSpy changes(&box, &EditBox::changed);
  box.setContent("\xD8" "EKA");
  box.setContent("\xD8" "EKA");  // the same text: no change
  typeText(&box, QString::fromUtf8("ů"));
  EXPECT_EQ(box.content(), "\xF9\xD8" "EKA");
  EXPECT_EQ(changes.count(), 2);
}

}  // namespace
