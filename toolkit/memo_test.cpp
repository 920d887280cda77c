#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>
#include <string>
#include <vector>

#include "memo.h"
#include "qt_app_fixture_test.h"

namespace {

using Lines = std::vector<std::string>;

// A memo and the one after it in the Tab order, on a window.
class Memos : public QtAppTest {
 protected:
  void SetUp() override {
    next->move(0, 210);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    memo.setFocus();
  }
  Lines lines() const {
    Lines result;
    for (int i = 0; i < memo.lineCount(); ++i) result.push_back(memo.line(i));
    return result;
  }

  QWidget window;
  Memo& memo = *new Memo(&window);
  Memo* next = new Memo(&window);
};

// Breaks are CR LF, a lone LF is one too and a lone CR is dropped; a final
// empty piece is no line.
TEST_F(Memos, CountLinesBetweenCrLfBreaks) {
  const struct {
    const char* text;
    const char* content;
    Lines lines;
  } cases[] = {
      {"", "", {}},
      {"a\r\n", "a\r\n", {"a"}},
      {"a\r\n\r\n", "a\r\n\r\n", {"a", ""}},
      {"\r\n\r\nb", "\r\n\r\nb", {"", "", "b"}},
      {"a\nb\n", "a\r\nb\r\n", {"a", "b"}},
      {"a\r\r\nb\r", "a\r\nb", {"a", "b"}},
  };
  for (const auto& c : cases) {
    memo.setContent(c.text);
    EXPECT_EQ(memo.content(), c.content) << c.text;
    EXPECT_EQ(memo.contentLength(), static_cast<int>(std::string(c.content).size())) << c.text;
    EXPECT_EQ(lines(), c.lines) << c.text;
    EXPECT_EQ(memo.line(memo.lineCount()), "") << c.text;
  }
}

TEST_F(Memos, EditsKeepCrLfAndWindows1250AndReportEachChangeOnce) {
  QSignalSpy changes(&memo, &Memo::changed);
  memo.setContent("a\r\nb\r\n");
  memo.setLine(1, "BB");
  memo.setLine(2, "x");  // the empty piece after the last break
  memo.setLine(3, "y");  // no such piece: nothing
  memo.setLine(-1, "y");
  EXPECT_EQ(memo.content(), "a\r\nBB\r\nx");
  EXPECT_EQ(changes.count(), 3);
  memo.appendLine("y");  // the text was not ended: the break goes before
  EXPECT_EQ(memo.content(), "a\r\nBB\r\nx\r\ny");
  memo.clearLines();
  memo.appendLine("x");
  memo.appendLine("");
  EXPECT_EQ(memo.content(), "x\r\n\r\n");
  EXPECT_EQ(changes.count(), 7);

  QTest::keyClick(&memo, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(&memo, "abc");
  QTest::keyClick(&memo, Qt::Key_Backspace);
  memo.selectEverything();
  EXPECT_EQ(changes.count(), 11);
  QTest::keyClick(&memo, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClick(&memo, Qt::Key_Return);
  QTest::keyClick(&memo, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(memo.content(), "x\r\n\r\nab\r\n\r\n");
  QApplication::clipboard()->setText(QString("c") + QChar::LineSeparator + "d\r\ne");
  memo.selectEverything();
  QTest::keyClick(&memo, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(memo.content(), "c\r\nd\r\ne");

  const std::string bytes = "P\xF8\xED" "li\x9A \x9Elu\x9Dou\xE8k\xFD\r\nk\xF9\xF2\xA0\xC8\xD8";
  memo.setContent(bytes);
  EXPECT_EQ(memo.toPlainText(), QString::fromUtf8("Příliš žluťoučký\nkůň ČŘ"));
  EXPECT_EQ(memo.content(), bytes);
  memo.clearLines();
  typeText(&memo, QString::fromUtf8("Čaj中b😀c"));  // what the code page lacks is a question mark
  EXPECT_EQ(memo.content(), "\xC8" "aj?b?c");
}

// Offsets count a break as two characters; one between CR and LF means the
// end of the line before, and a range is cut at the ends of the text.
TEST_F(Memos, SelectInCrLfOffsetsAndShowTheSelection) {
  memo.setContent("ab\r\ncd\r\nef");
  const struct {
    int start, length, selStart, selLength;
    QString text;
  } cases[] = {
      {4, 2, 4, 2, "cd"},
      {1, 4, 1, 4, QString("b") + QChar::ParagraphSeparator + "c"},
      {3, 0, 2, 0, ""},
      {3, 1, 2, 2, QString(QChar::ParagraphSeparator)},
      {0, 3, 0, 2, "ab"},
      {8, 100, 8, 2, "ef"},
      {-3, 2, 0, 2, "ab"},
      {50, 3, 10, 0, ""},
      {2, -1, 2, 0, ""},
  };
  for (const auto& c : cases) {
    memo.select(c.start, c.length);
    EXPECT_EQ(std::pair(memo.selStart(), memo.selLength()), std::pair(c.selStart, c.selLength)) << c.start;
    EXPECT_EQ(memo.textCursor().selectedText(), c.text) << c.start << "," << c.length;
  }
  // What the user selects, likewise.
  QTest::keyClick(&memo, Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClick(&memo, Qt::Key_Down);
  QTest::keyClick(&memo, Qt::Key_Right);
  for (int i = 0; i < 3; ++i) QTest::keyClick(&memo, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(std::pair(memo.selStart(), memo.selLength()), std::pair(5, 4));
  for (int i = 0; i < 6; ++i) QTest::keyClick(&memo, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(std::pair(memo.selStart(), memo.selLength()), std::pair(1, 4));

  std::string text;
  for (int i = 0; i < 200; ++i) text += "line " + std::to_string(i) + "\r\n";
  memo.setContent(text);
  memo.select(static_cast<int>(text.find("line 150")), 8);
  EXPECT_GT(memo.verticalScrollBar()->value(), 0);
  EXPECT_TRUE(memo.viewport()->rect().contains(memo.cursorRect()));
}

TEST_F(Memos, AreClickedOnlyByALeftClickInsideAndLeftByTab) {
  QSignalSpy clicks(&memo, &Memo::clicked);
  QTest::mouseClick(memo.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseClick(memo.viewport(), Qt::RightButton, {}, QPoint(10, 10));
  QTest::mousePress(memo.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(memo.viewport(), Qt::LeftButton, {}, QPoint(-20, 10));
  EXPECT_EQ(clicks.count(), 1);
  QTest::keyClick(&memo, Qt::Key_Tab);
  EXPECT_TRUE(next->hasFocus());
  EXPECT_EQ(memo.content(), "");
}

}  // namespace
