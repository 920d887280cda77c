// The yes/no question, asked and answered as a user would.

#include <QPointer>
#include <QScreen>

#include "maintenance_fixture_test.h"
#include "qt_text.h"

namespace {

using Question = MaintenanceTest;

TEST_F(Question, EachIsAskedInANewWindowOnOneUncutLine) {
  // "Opravdu smazat " with the widest 20-character headword, and markup.
  const std::string questions[] = {"Opravdu smazat WWWWWWWWWWWWWWWWWWWW?", "Opravdu smazat <B>R&B</B>?"};
  std::vector<QPointer<TOtazka>> windows;
  for (const std::string& question : questions) {
    whenShown<TOtazka>([&](TOtazka& window) {
      windows.emplace_back(&window);
      EXPECT_EQ(window.text_dotaz->text(), toQt(question));
      EXPECT_EQ(window.text_dotaz->textFormat(), Qt::PlainText);
      EXPECT_GE(window.text_dotaz->width(), window.text_dotaz->sizeHint().width());
      EXPECT_LE(window.text_dotaz->geometry().right(), window.width() - 16);
      QPoint offCentre = window.frameGeometry().center() - window.screen()->geometry().center();
      EXPECT_LE(offCentre.manhattanLength(), 2);
      EXPECT_EQ(QApplication::focusWidget(), window.BitBtn1);
      window.BitBtn2->click();
    });
    EXPECT_FALSE(askQuestion(question));
  }
  ASSERT_EQ(windows.size(), 2u);
  EXPECT_TRUE(windows[0].isNull() && windows[1].isNull());  // released once answered
}

void key(TOtazka& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(window.focusWidget(), key, modifiers);
}

// A button's access key presses it visibly first and clicks it a moment later.
void accessKey(TOtazka& window, Qt::Key letter) {
  key(window, letter, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }));
}

// Each way of answering is tried after an earlier question was answered yes:
// only "&Ano" may answer yes again.
TEST_F(Question, OnlyAnoAnswersYesHoweverTheWindowIsClosed) {
  const std::vector<std::tuple<const char*, std::function<void(TOtazka&)>, bool>> ways = {
      {"click on Ano", [](TOtazka& w) { w.BitBtn1->click(); }, true},
      {"Enter", [](TOtazka& w) { key(w, Qt::Key_Return); }, true},
      {"Alt+A", [](TOtazka& w) { accessKey(w, Qt::Key_A); }, true},
      {"click on Ne", [](TOtazka& w) { w.BitBtn2->click(); }, false},
      {"Esc", [](TOtazka& w) { key(w, Qt::Key_Escape); }, false},
      {"Alt+N", [](TOtazka& w) { accessKey(w, Qt::Key_N); }, false},
      {"Tab, then Enter", [](TOtazka& w) { key(w, Qt::Key_Tab); key(w, Qt::Key_Return); }, false},
      {"title bar", [](TOtazka& w) { w.close(); }, false},
  };
  for (const auto& [name, answer, yes] : ways) {
    SCOPED_TRACE(name);
    whenShown<TOtazka>([](TOtazka& w) { w.BitBtn1->click(); });
    ASSERT_TRUE(askQuestion("Opravdu smazat KO?"));
    whenShown<TOtazka>(answer);
    EXPECT_EQ(askQuestion("Opravdu smazat RA?"), yes);
  }
}

}  // namespace
