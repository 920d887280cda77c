// The single-line text box: Windows-1250 in and out, shown from the start.

#include <QSignalSpy>

#include "edit_box.h"
#include "qt_app_fixture_test.h"

namespace {

TEST(EditBox, HoldsWindows1250ReportsEveryChangeAndShowsTheStartOfALongText) {
  qtApp();
  EditBox box;
  box.resize(60, 21);
  box.show();
  QSignalSpy changes(&box, &EditBox::changed);
  box.setContent("\xD8" "EKA");  // ŘEKA
  EXPECT_EQ(box.text(), QString::fromUtf8("ŘEKA"));
  box.setContent("\xD8" "EKA");  // the same text: no change
  QTest::keyClick(&box, Qt::Key_End);
  typeText(&box, QString::fromUtf8("ů"));
  EXPECT_EQ(box.content(), "\xD8" "EKA\xF9");
  box.setContent("ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(changes.count(), 3);
  // The caret, before the first character, stands at the left edge: the
  // text has not been scrolled to its end.
  EXPECT_EQ(box.cursorPosition(), 0);
  EXPECT_LT(box.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(), box.width() / 4);
}

}  // namespace
