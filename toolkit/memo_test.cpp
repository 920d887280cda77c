#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QSignalSpy>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "memo.h"
#include "qt_app_fixture_test.h"

namespace {

// A memo and the one after it in the Tab order, on a window.
class Memos : public QtAppTest {
 protected:
  void SetUp() override {
    next->move(0, 210);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    memo.setFocus();
  }
  QWidget window;
  Memo& memo = *new Memo(&window);
  Memo* next = new Memo(&window);
};

// Breaks are CR LF, a lone LF is one too and a lone CR is dropped; a final
// empty piece is no line. The text is Windows-1250.
TEST_F(Memos, CountLinesBetweenCrLfBreaks) {
  const struct {
    const char* text;
    const char* content;
    std::vector<std::string> lines;
  } cases[] = {
      {"", "", {}},
      {"\xC8" "a\r\n", "\xC8" "a\r\n", {"\xC8" "a"}},
      {"a\r\n\r\n", "a\r\n\r\n", {"a", ""}},
      {"\r\n\r\nb", "\r\n\r\nb", {"", "", "b"}},
      {"a\nb\n", "a\r\nb\r\n", {"a", "b"}},
      {"a\r\r\nb\r", "a\r\nb", {"a", "b"}},
  };
  for (const auto& c : cases) {
    memo.setContent(c.text);
    std::vector<std::string> lines;
    for (int i = 0; i < memo.lineCount(); ++i) lines.push_back(memo.line(i));
    EXPECT_EQ(std::tuple(memo.content(), memo.contentLength(), lines),
              std::tuple(c.content, static_cast<int>(std::strlen(c.content)), c.lines));
  }
}

// Shift+Enter and a pasted line separator make breaks like any other.
TEST_F(Memos, EditsKeepCrLfReportEachChangeOnceAndOnlyLeftClicksInsideAreClicks) {
  QSignalSpy changes(&memo, &Memo::changed), clicks(&memo, &Memo::clicked);
  memo.setContent("a\r\nb\r\n");
  memo.setLine(1, "BB");
  memo.setLine(2, "x");  // the empty piece after the last break
  memo.setLine(3, "y");  // no such piece: nothing
  memo.setLine(-1, "y");
  memo.appendLine("y");  // the text was not ended: the break goes before
  EXPECT_EQ(memo.content(), "a\r\nBB\r\nx\r\ny");
  memo.clearLines();
  memo.appendLine("x");
  memo.appendLine("");
  QTest::keyClick(&memo, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(&memo, "ab");
  EXPECT_EQ(changes.count(), 9);
  QTest::keyClick(&memo, Qt::Key_Return);
  QTest::keyClick(&memo, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(memo.content(), "x\r\n\r\nab\r\n\r\n");
  QApplication::clipboard()->setText(QString("c") + QChar::LineSeparator + "d\r\ne");
  memo.selectEverything();
  QTest::keyClick(&memo, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(memo.content(), "c\r\nd\r\ne");
  // Decomposed letters, pasted or typed, are composed in the box, so its
  // offsets stay those of its bytes.
  QApplication::clipboard()->setText(QString::fromUtf8("z\xCC\x8C\nc\xCC\x8C" "a"));  // "ž", "ča" decomposed
  QTest::keyClick(&memo, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClicks(&memo, "e");
  QKeyEvent caron(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x030C)));
  QApplication::sendEvent(&memo, &caron);
  EXPECT_EQ(memo.content(), "c\r\nd\r\ne\x9E\r\n\xE8" "a\xEC");
  EXPECT_EQ(memo.contentLength(), static_cast<int>(memo.content().size()));
  for (int undo = 0; undo < 2; ++undo) QTest::keyClick(&memo, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(memo.content().find('\xEC'), std::string::npos);  // undo goes back past the composing

  QTest::mouseClick(memo.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseClick(memo.viewport(), Qt::RightButton, {}, QPoint(10, 10));
  QTest::mousePress(memo.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(memo.viewport(), Qt::LeftButton, {}, QPoint(-20, 10));
  EXPECT_EQ(clicks.count(), 1);
  QTest::keyClick(&memo, Qt::Key_Tab);
  EXPECT_TRUE(next->hasFocus());
}

// Offsets count a break as two characters; one between CR and LF means the
// end of the line before, and a range is cut at the ends of the text.
TEST_F(Memos, SelectInCrLfOffsets) {
  memo.setContent("ab\r\ncd\r\nef");
  const QString lineBreak(QChar::ParagraphSeparator);
  const std::tuple<int, int, std::tuple<int, int, QString>> cases[] = {
      {4, 2, {4, 2, "cd"}}, {1, 4, {1, 4, "b" + lineBreak + "c"}}, {3, 0, {2, 0, ""}}, {3, 1, {2, 2, lineBreak}},
      {0, 3, {0, 2, "ab"}}, {8, 100, {8, 2, "ef"}}, {-3, 2, {0, 2, "ab"}}, {50, 3, {10, 0, ""}}, {2, -1, {2, 0, ""}},
  };
  for (const auto& [start, length, selected] : cases) {
    memo.select(start, length);
    EXPECT_EQ(std::tuple(memo.selStart(), memo.selLength(), memo.textCursor().selectedText()), selected)
        << start << "," << length;
  }
}

}  // namespace
