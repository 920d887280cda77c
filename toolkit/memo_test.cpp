#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "memo.h"
#include "qt_app_fixture_test.h"

namespace {

class MemoTest : public QtAppTest {
 protected:
  void SetUp() override {
    memo.resize(300, 200);
    memo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&memo));
  }

  std::vector<std::string> lines() const {
    std::vector<std::string> result;
    for (int i = 0; i < memo.lineCount(); ++i) result.push_back(memo.line(i));
    return result;
  }

  Memo memo;
};

using Lines = std::vector<std::string>;

TEST_F(MemoTest, CountsThePiecesBetweenBreaksButNotAFinalEmptyOne) {
  struct Case {
    const char* text;
    Lines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\r\n\r\n", {"a", ""}},
      {"\r\n", {""}},
      {"\r\n\r\nb", {"", "", "b"}},
  };
  for (const Case& c : cases) {
    memo.setContent(c.text);
    EXPECT_EQ(lines(), c.lines) << c.text;
    EXPECT_EQ(memo.line(-1), "") << c.text;
    EXPECT_EQ(memo.line(memo.lineCount() + 1), "") << c.text;
  }
}

TEST_F(MemoTest, TakesCrLfAndLoneLfAsBreaksAndDropsALoneCr) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"a\r\nb", "a\r\nb"},
      {"a\nb\n", "a\r\nb\r\n"},
      {"a\rb", "ab"},
      {"a\r\r\nb\r", "a\r\nb"},
      {"\n\r\n", "\r\n\r\n"},
  };
  for (const Case& c : cases) {
    memo.setContent(c.in);
    EXPECT_EQ(memo.content(), c.out) << c.in;
    EXPECT_EQ(memo.contentLength(), static_cast<int>(std::string(c.out).size())) << c.in;
  }
}

TEST_F(MemoTest, SetLineReplacesOnlyAnExistingPiece) {
  memo.setContent("a\r\nb\r\n");
  memo.setLine(1, "BB");
  EXPECT_EQ(memo.content(), "a\r\nBB\r\n");
  memo.setLine(2, "x");
  EXPECT_EQ(memo.content(), "a\r\nBB\r\nx");
  memo.setLine(0, "");
  EXPECT_EQ(memo.content(), "\r\nBB\r\nx");

  QSignalSpy changes(&memo, &Memo::changed);
  memo.setLine(3, "y");
  memo.setLine(-1, "y");
  EXPECT_EQ(memo.content(), "\r\nBB\r\nx");
  EXPECT_EQ(changes.count(), 0);
}

TEST_F(MemoTest, AppendLineEndsTheLineOnlyWhenTheTextWasEnded) {
  memo.appendLine("x");
  EXPECT_EQ(memo.content(), "x\r\n");
  memo.appendLine("y");
  EXPECT_EQ(memo.content(), "x\r\ny\r\n");
  memo.appendLine("");
  EXPECT_EQ(memo.content(), "x\r\ny\r\n\r\n");
  EXPECT_EQ(lines(), (Lines{"x", "y", ""}));

  memo.setContent("Vystup");
  memo.appendLine("y");
  memo.appendLine("z");
  EXPECT_EQ(memo.content(), "Vystup\r\ny\r\nz");

  memo.clearLines();
  EXPECT_EQ(memo.content(), "");
  EXPECT_EQ(memo.lineCount(), 0);
}

TEST_F(MemoTest, ReportsEachChangeOnce) {
  QSignalSpy changes(&memo, &Memo::changed);
  memo.setContent("a\r\nb\r\nc");
  EXPECT_EQ(changes.count(), 1);
  memo.setContent("a\r\nb\r\nc");
  EXPECT_EQ(changes.count(), 2);
  memo.appendLine("d");
  EXPECT_EQ(changes.count(), 3);
  memo.setLine(1, "B");
  EXPECT_EQ(changes.count(), 4);
  memo.clearLines();
  EXPECT_EQ(changes.count(), 5);
  memo.clearLines();
  EXPECT_EQ(changes.count(), 6);

  memo.select(0, 0);
  QTest::keyClicks(&memo, "ab");
  EXPECT_EQ(changes.count(), 8);
  QTest::keyClick(&memo, Qt::Key_Backspace);
  EXPECT_EQ(changes.count(), 9);
  memo.selectEverything();
  EXPECT_EQ(changes.count(), 9);
}

TEST_F(MemoTest, SelectCountsBreaksAsTwoCharacters) {
  memo.setContent("ab\r\ncd\r\nef");
  ASSERT_EQ(memo.contentLength(), 10);
  memo.select(4, 2);
  EXPECT_EQ(memo.textCursor().selectedText(), "cd");
  memo.select(1, 4);
  EXPECT_EQ(memo.textCursor().selectedText(), QString("b") + QChar::ParagraphSeparator + "c");
  EXPECT_EQ(memo.selStart(), 1);
  EXPECT_EQ(memo.selLength(), 4);
  EXPECT_EQ(memo.textCursor().position(), memo.textCursor().selectionEnd());
}

TEST_F(MemoTest, SelectCutsARangeAtTheEnds) {
  memo.setContent("ab\r\ncd");
  memo.select(4, 100);
  EXPECT_EQ(memo.selStart(), 4);
  EXPECT_EQ(memo.selLength(), 2);
  memo.select(-3, 2);
  EXPECT_EQ(memo.selStart(), 0);
  EXPECT_EQ(memo.selLength(), 2);
  memo.select(50, 3);
  EXPECT_EQ(memo.selStart(), 6);
  EXPECT_EQ(memo.selLength(), 0);
  memo.select(2, -1);
  EXPECT_EQ(memo.selStart(), 2);
  EXPECT_EQ(memo.selLength(), 0);
  memo.selectEverything();
  EXPECT_EQ(memo.selStart(), 0);
  EXPECT_EQ(memo.selLength(), 6);
}

// Offset 3 lies between the CR and the LF of "ab\r\ncd".
TEST_F(MemoTest, AnOffsetInsideABreakMeansTheEndOfTheLineBefore) {
  memo.setContent("ab\r\ncd");
  memo.select(3, 0);
  EXPECT_EQ(memo.selStart(), 2);
  EXPECT_EQ(memo.selLength(), 0);
  memo.select(3, 1);
  EXPECT_EQ(memo.selStart(), 2);
  EXPECT_EQ(memo.selLength(), 2);
  memo.select(0, 3);
  EXPECT_EQ(memo.textCursor().selectedText(), "ab");
  EXPECT_EQ(memo.selLength(), 2);
}

TEST_F(MemoTest, ReportsWhatTheUserSelectsInCrLfOffsets) {
  memo.setContent("ab\r\ncd\r\nef");
  QTest::keyClick(&memo, Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClick(&memo, Qt::Key_Down);
  EXPECT_EQ(memo.selStart(), 4);
  EXPECT_EQ(memo.selLength(), 0);
  QTest::keyClick(&memo, Qt::Key_Right);
  for (int i = 0; i < 3; ++i) QTest::keyClick(&memo, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(memo.selStart(), 5);
  EXPECT_EQ(memo.selLength(), 4);
  for (int i = 0; i < 6; ++i) QTest::keyClick(&memo, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(memo.selStart(), 1);
  EXPECT_EQ(memo.selLength(), 4);
}

TEST_F(MemoTest, TypedLineBreaksAreCrLf) {
  QTest::keyClicks(&memo, "ab");
  QTest::keyClick(&memo, Qt::Key_Return);
  QTest::keyClicks(&memo, "cd");
  QTest::keyClick(&memo, Qt::Key_Return, Qt::ShiftModifier);
  QTest::keyClicks(&memo, "ef");
  EXPECT_EQ(memo.content(), "ab\r\ncd\r\nef");
  EXPECT_EQ(lines(), (Lines{"ab", "cd", "ef"}));
  EXPECT_EQ(memo.selStart(), 10);
}

TEST_F(MemoTest, PastedLineSeparatorsBecomeBreaks) {
  QApplication::clipboard()->setText(QString("ab") + QChar::LineSeparator + "cd\r\nef");
  QTest::keyClick(&memo, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(memo.content(), "ab\r\ncd\r\nef");
}

TEST_F(MemoTest, ShowsWhatItSelects) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "line " + std::to_string(i) + "\r\n";
  memo.setContent(text);
  ASSERT_EQ(memo.verticalScrollBar()->value(), 0);
  int at = static_cast<int>(text.find("line 150"));
  memo.select(at, 8);
  EXPECT_EQ(memo.textCursor().selectedText(), "line 150");
  EXPECT_GT(memo.verticalScrollBar()->value(), 0);
  EXPECT_TRUE(memo.viewport()->rect().contains(memo.cursorRect()));
}

TEST_F(MemoTest, CzechBytesShowAsCzechAndComeBackTheSame) {
  const std::string bytes = "P\xF8\xED" "li\x9A \x9Elu\x9Dou\xE8k\xFD\r\nk\xF9\xF2\xA0\xC8\xD8";
  memo.setContent(bytes);
  EXPECT_EQ(memo.toPlainText(), QString::fromUtf8("Příliš žluťoučký\nkůň ČŘ"));
  EXPECT_EQ(memo.line(1), "k\xF9\xF2\xA0\xC8\xD8");
  EXPECT_EQ(memo.content(), bytes);

  memo.clearLines();
  typeText(&memo, QString::fromUtf8("Čaj"));
  EXPECT_EQ(memo.content(), "\xC8" "aj");
}

TEST_F(MemoTest, TypedCharacterTheCodePageLacksComesOutAsQuestionMark) {
  typeText(&memo, QString::fromUtf8("a中b😀c"));
  EXPECT_EQ(memo.content(), "a?b?c");
  EXPECT_EQ(memo.line(0), "a?b?c");
}

TEST_F(MemoTest, LeftClickInsideIsAClick) {
  QSignalSpy clicks(&memo, &Memo::clicked);
  QTest::mouseClick(memo.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicks.count(), 1);
  QTest::mouseClick(memo.viewport(), Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicks.count(), 1);
  QTest::mousePress(memo.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(memo.viewport(), Qt::LeftButton, {}, QPoint(-20, 10));
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(MemoTest, TabMovesOnInsteadOfTyping) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* box = new Memo;
  auto* next = new Memo;
  layout->addWidget(box);
  layout->addWidget(next);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Tab);
  EXPECT_TRUE(next->hasFocus());
  EXPECT_EQ(box->content(), "");
}

}  // namespace
