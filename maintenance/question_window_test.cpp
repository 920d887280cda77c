// The yes/no question, asked and answered as a user would.

#include <QPointer>
#include <QScreen>

#include "maintenance_fixture_test.h"
#include "qt_text.h"

namespace {

using Question = MaintenanceTest;

void key(TOtazka& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(window.focusWidget(), key, modifiers);
}

// A button's access key presses it visibly first and clicks it a moment later.
void accessKey(TOtazka& window, Qt::Key letter) {
  key(window, letter, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }));
}

// Each way of answering is tried after an earlier question was answered yes:
// only "&Ano" may answer yes again. Every question comes in a window of its
// own, centred, released once answered, with the question on one uncut line
// ("Opravdu smazat " with the widest 20-character headword) as plain text.
TEST_F(Question, OnlyAnoAnswersYesHoweverTheWindowIsClosed) {
  const std::vector<std::tuple<const char*, std::function<void(TOtazka&)>, bool>> ways = {
      {"click on Ano", [](TOtazka& w) { w.BitBtn1->click(); }, true},
      {"Enter", [](TOtazka& w) { key(w, Qt::Key_Return); }, true},
      {"Alt+A", [](TOtazka& w) { accessKey(w, Qt::Key_A); }, true},
      {"click on Ne", [](TOtazka& w) { w.BitBtn2->click(); }, false},
      {"Esc", [](TOtazka& w) { key(w, Qt::Key_Escape); }, false},
      {"Alt+N", [](TOtazka& w) { accessKey(w, Qt::Key_N); }, false},
      {"title bar", [](TOtazka& w) { w.close(); }, false},
  };
  const std::string wide = "Opravdu smazat WWWWWWWWWWWWWWWWWWWW?";
  const std::string markup = "Opravdu smazat <B>R&B</B>?";
  std::vector<QPointer<TOtazka>> windows;
  for (const auto& [name, answer, yes] : ways) {
    SCOPED_TRACE(name);
    whenShown<TOtazka>([&](TOtazka& window) {
      windows.emplace_back(&window);
      EXPECT_EQ(window.text_dotaz->text(), toQt(wide));
      EXPECT_GE(window.text_dotaz->width(), window.text_dotaz->sizeHint().width());
      EXPECT_LE(window.text_dotaz->geometry().right(), window.width() - 16);
      QPoint offCentre = window.frameGeometry().center() - window.screen()->geometry().center();
      EXPECT_LE(offCentre.manhattanLength(), 2);
      EXPECT_EQ(QApplication::focusWidget(), window.BitBtn1);
      window.BitBtn1->click();
    });
    ASSERT_TRUE(askQuestion(wide));
    whenShown<TOtazka>([&](TOtazka& window) {
      windows.emplace_back(&window);
      EXPECT_EQ(window.text_dotaz->text(), toQt(markup));
      EXPECT_EQ(window.text_dotaz->textFormat(), Qt::PlainText);
      answer(window);
    });
    EXPECT_EQ(askQuestion(markup), yes);
  }
  ASSERT_EQ(windows.size(), 2 * ways.size());
  for (const QPointer<TOtazka>& window : windows) EXPECT_TRUE(window.isNull());
}

}  // namespace
