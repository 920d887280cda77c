// The yes/no question, asked and answered as a user would.

#include <QPointer>
#include <QScreen>

#include "maintenance_fixture_test.h"
#include "qt_text.h"

namespace {

using Question = MaintenanceTest;

// Each way of answering but "&Ano" follows a question answered yes: only
// "&Ano" may answer yes again. Every question comes in a window of its own,
// centred, released once answered, with the question on one uncut line
// ("Opravdu smazat " with a headword of 20 wide characters) as plain text.
TEST_F(Question, OnlyAnoAnswersYesHoweverTheWindowIsClosed) {
  auto key = [](Qt::Key key) { return [key](TOtazka& w) { QTest::keyClick(w.focusWidget(), key); }; };
  auto ano = [](TOtazka& w) { w.BitBtn1->click(); };
  const std::pair<std::function<void(TOtazka&)>, bool> ways[] = {
      {ano, true},  {[](TOtazka& w) { w.BitBtn2->click(); }, false}, {key(Qt::Key_Return), true},
      {key(Qt::Key_Escape), false}, {ano, true}, {[](TOtazka& w) { w.close(); }, false}};
  const std::string wide = "Opravdu smazat <WWWWWWWWWWWWWWWWWW>?";
  std::vector<QPointer<TOtazka>> windows;
  for (const auto& [answer, yes] : ways) {
    whenShown<TOtazka>([&](TOtazka& window) {
      windows.emplace_back(&window);
      EXPECT_EQ(window.text_dotaz->text(), toQt(wide));
      EXPECT_EQ(window.text_dotaz->textFormat(), Qt::PlainText);
      EXPECT_GE(window.text_dotaz->width(), window.text_dotaz->sizeHint().width());
      EXPECT_LE(window.text_dotaz->geometry().right(), window.width() - 16);
      EXPECT_LE((window.frameGeometry().center() - window.screen()->geometry().center()).manhattanLength(), 2);
      EXPECT_EQ(QApplication::focusWidget(), window.BitBtn1);
      answer(window);
    });
    EXPECT_EQ(askQuestion(wide), yes);
  }
  for (const QPointer<TOtazka>& window : windows) EXPECT_TRUE(window.isNull());
}

}  // namespace
