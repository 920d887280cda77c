// The yes/no question, asked and answered as a user would.

#include <QPointer>
#include <QScreen>

#include "cp1250.h"
#include "maintenance_fixture_test.h"
#include "qt_text.h"

namespace {

using Question = MaintenanceTest;

// "Opravdu smazat " with the longest headword a field holds.
const std::string kLongest = "Opravdu smazat " + cp1250Text("ŽLUŤOUČKÝKŮŇÚPĚLĎÁBELSKÉ").substr(0, 20) + "?";

TEST_F(Question, IsAskedInANewWindowOnOneBoldLineWithYesFocused) {
  static_assert(sizeof("Opravdu smazat ") - 1 + 20 + 1 == 36);
  ASSERT_EQ(kLongest.size(), 36u);
  QPointer<TOtazka> startUpWindow = Otazka;
  nastav_dotaz(kLongest);
  whenShown<TOtazka>([&](TOtazka& window) {
    EXPECT_NE(&window, startUpWindow.data());
    EXPECT_EQ(window.windowTitle(), "Opravdu");
    EXPECT_EQ(fromQt(window.text_dotaz->text()), kLongest);
    EXPECT_TRUE(window.text_dotaz->font().bold());
    EXPECT_EQ(window.text_dotaz->font().pixelSize(), 13);
    EXPECT_EQ(window.BitBtn1->font().pixelSize(), 11);
    // One line, not cut: the label is as wide as its text and lies inside.
    EXPECT_FALSE(window.text_dotaz->wordWrap());
    EXPECT_GE(window.text_dotaz->width(), window.text_dotaz->sizeHint().width());
    EXPECT_LE(window.text_dotaz->geometry().right(), window.width() - 16);
    EXPECT_GE(window.width(), 251);
    EXPECT_EQ(window.height(), 137);
    QPoint offCentre = window.frameGeometry().center() - window.screen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
    EXPECT_EQ(QApplication::focusWidget(), window.BitBtn1);
    EXPECT_FALSE(window.BitBtn1->icon().isNull());
    EXPECT_FALSE(window.BitBtn2->icon().isNull());
    window.BitBtn1->click();
  });
  askQuestion();
  EXPECT_TRUE(odpoved);
  EXPECT_TRUE(startUpWindow.isNull());  // released once a newer one asks
}

TEST_F(Question, TwoQuestionsGetTwoWindowsEachWithItsOwnQuestion) {
  std::vector<QString> asked;
  std::vector<TOtazka*> windows;
  auto answerNo = [&](TOtazka& window) {
    asked.push_back(window.text_dotaz->text());
    windows.push_back(&window);
    window.BitBtn2->click();
  };
  nastav_dotaz("Opravdu smazat KO?");
  whenShown<TOtazka>(answerNo);
  askQuestion();
  nastav_dotaz(cp1250Text("Opravdu smazat ŘEKA?"));
  whenShown<TOtazka>(answerNo);
  askQuestion();
  EXPECT_EQ(asked, (std::vector<QString>{"Opravdu smazat KO?", QString::fromUtf8("Opravdu smazat ŘEKA?")}));
  ASSERT_EQ(windows.size(), 2u);
  EXPECT_NE(windows[0], windows[1]);
  EXPECT_EQ(Otazka, windows[1]);
}

TEST_F(Question, TheQuestionIsShownAsItsCharactersNotAsMarkup) {
  nastav_dotaz("Opravdu smazat <B>R&B</B>?");
  whenShown<TOtazka>([](TOtazka& window) {
    EXPECT_EQ(window.text_dotaz->textFormat(), Qt::PlainText);
    window.BitBtn2->click();
  });
  askQuestion();
}

struct Way {
  const char* name;
  std::function<void(TOtazka&)> answer;
  bool yes;
};

void key(TOtazka& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* focused = window.focusWidget() != nullptr ? window.focusWidget() : &window;
  QTest::keyClick(focused, key, modifiers);
}

// A button's access key presses it visibly first and clicks it a moment later.
void accessKey(TOtazka& window, Qt::Key letter) {
  key(window, letter, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }));
}

// Each way of answering is tried after an earlier question was answered yes:
// only "&Ano" may answer yes again.
TEST_F(Question, OnlyAnoAnswersYesHoweverTheWindowIsClosed) {
  const std::vector<Way> ways = {
      {"click on Ano", [](TOtazka& w) { w.BitBtn1->click(); }, true},
      {"Enter", [](TOtazka& w) { key(w, Qt::Key_Return); }, true},
      {"Alt+A", [](TOtazka& w) { accessKey(w, Qt::Key_A); }, true},
      {"click on Ne", [](TOtazka& w) { w.BitBtn2->click(); }, false},
      {"Esc", [](TOtazka& w) { key(w, Qt::Key_Escape); }, false},
      {"Alt+N", [](TOtazka& w) { accessKey(w, Qt::Key_N); }, false},
      {"Tab, then Enter", [](TOtazka& w) { key(w, Qt::Key_Tab); key(w, Qt::Key_Return); }, false},
      {"title bar", [](TOtazka& w) { w.close(); }, false},
      {"close event", [](TOtazka& w) {
         QCloseEvent event;
         QApplication::sendEvent(&w, &event);
       }, false},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    nastav_dotaz("Opravdu smazat KO?");
    whenShown<TOtazka>([](TOtazka& w) { w.BitBtn1->click(); });
    askQuestion();
    ASSERT_TRUE(odpoved);
    nastav_dotaz("Opravdu smazat RA?");
    whenShown<TOtazka>(way.answer);
    askQuestion();
    EXPECT_EQ(odpoved, way.yes);
  }
}

}  // namespace
