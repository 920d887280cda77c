// The dictionary editor driven through its boxes, buttons, scroll bar and
// radio buttons, with the question and the insertion window answered as a
// user would answer them.

#include <memory>

#include "cp1250.h"
#include "editor_window.h"
#include "maintenance_fixture_test.h"
#include "qt_text.h"
#include "insertion_window.h"

namespace {

const std::string kTc = "tc_slovnik.slk";

// Over ten entries A0 .. A9 with one meaning each in tc_slovnik, and an
// empty ct_slovnik.
class Editor : public MaintenanceTest {
 protected:
  void SetUp() override {
    MaintenanceTest::SetUp();
    for (int i = 0; i < 10; ++i) fill(kTarvikCzech, {entry("A" + std::to_string(i), {"M" + std::to_string(i)})});
    insertion = std::make_unique<Tokno_vlozeni>(*store);
    editor = std::make_unique<Tokno_editace>(*store);
    editor->insertion = insertion.get();
  }

  Tslovicko shown() const {
    return shownIn({editor->edit_slovo, editor->edit_vyznam1, editor->edit_vyznam2, editor->edit_vyznam3,
                    editor->edit_vyznam4, editor->edit_vyznam5});
  }
  // The count panel, then the scroll bar's position and end.
  std::string counts() const {
    return editor->StatusBar1->panelText(0) + " " + std::to_string(position()) + "/" +
           std::to_string(editor->ScrollBar1->max());
  }
  std::string status() const { return editor->StatusBar1->panelText(1); }
  int position() const { return editor->ScrollBar1->position(); }
  // Clicks "Vymazat" and answers the question yes or by the title bar;
  // returns the question.
  QString deleteAnswering(bool yes) {
    QString asked;
    whenShown<TOtazka>([&](TOtazka& question) {
      asked = question.text_dotaz->text();
      yes ? question.BitBtn1->click() : (void)question.close();
    });
    editor->vymazat->click();
    return asked;
  }

  std::unique_ptr<Tokno_vlozeni> insertion;
  std::unique_ptr<Tokno_editace> editor;
};

TEST_F(Editor, LoadsTheEntryAtTheScrollBarAndEachDictionaryFromItsFirst) {
  EXPECT_EQ(shown(), entry("A0", {"M0"}));
  EXPECT_EQ(counts(), cp1250Text("Počet slovíček : 10 0/9"));
  EXPECT_TRUE(editor->ScrollBar1->isEnabled() && editor->vymazat->isEnabled() && editor->upravit->isEnabled());
  QTest::keyClick(editor->ScrollBar1, Qt::Key_Down);
  EXPECT_EQ(shown(), entry("A1", {"M1"}));
  editor->ct_slovnik->click();
  EXPECT_EQ(shown(), Tslovicko{});
  EXPECT_FALSE(editor->vymazat->isEnabled() || editor->upravit->isEnabled() || editor->ScrollBar1->isEnabled());
  EXPECT_EQ(counts().substr(0, 19), cp1250Text("Počet slovíček : 0 "));
  EXPECT_EQ(status(), cp1250Text("Ve slovníku není žádné slovíčko!"));
  editor->tc_slovnik->click();
  EXPECT_EQ(status(), "Status");
  fill(kCzechTarvik, {entry("VODA", {"KO"}), entry("ZED", {"TA"})});
  editor->ScrollBar1->setPosition(7);
  editor->ct_slovnik->click();
  EXPECT_EQ(shown(), entry("VODA", {"KO"}));
  EXPECT_EQ(counts(), cp1250Text("Počet slovíček : 2 0/1"));
}

// "Upravit" writes capitals, cut to twenty characters, over the entry on
// show. The question names the entry as it was loaded, not as written over
// since, and "Vymazat" deletes only after "&Ano" (every other way of closing
// the question is tried with the question itself).
TEST_F(Editor, UpravitWritesOverTheEntryAndVymazatDeletesItAfterAno) {
  editor->ScrollBar1->setPosition(2);
  typeOver(editor->edit_slovo, "žluťoučký kůň úpěl ďábelské ódy");
  typeOver(editor->edit_vyznam2, "řeka");
  typeOver(editor->edit_vyznam1, "");
  editor->upravit->click();
  EXPECT_EQ(status(), "Upraveno");
  EXPECT_EQ(fileBytes(kTc).substr(2 * kRecordSize, kRecordSize),
            rawRecord({cp1250Text("ŽLUŤOUČKÝ KŮŇ ÚPĚL Ď"), "", "\xD8" "EKA"}));
  std::string ten = fileBytes(kTc);
  editor->ScrollBar1->setPosition(5);
  typeOver(editor->edit_slovo, "ko");
  EXPECT_EQ(deleteAnswering(false), "Opravdu smazat A5?");
  EXPECT_EQ(fileBytes(kTc), ten);
  EXPECT_EQ(std::pair(position(), editor->edit_slovo->text()), std::pair(5, QString("ko")));
  EXPECT_EQ(deleteAnswering(true), "Opravdu smazat A5?");
  EXPECT_EQ(fileBytes(kTc), ten.substr(0, 5 * kRecordSize) + ten.substr(6 * kRecordSize));
  EXPECT_EQ(counts(), cp1250Text("Počet slovíček : 9 0/8"));
  EXPECT_EQ(shown(), entry("A0", {"M0"}));
  EXPECT_EQ(status(), cp1250Text("Smazáno"));
}

TEST_F(Editor, NewWordsGoIntoTheEditorsDictionaryAndShowWhenTheInsertionWindowCloses) {
  editor->ct_slovnik->click();
  whenShown<Tokno_vlozeni>([](Tokno_vlozeni& insertion) {
    EXPECT_TRUE(insertion.DoCSlovniku->isChecked());
    typeOver(insertion.VSlovo, "řeka");
    typeOver(insertion.VVyznam1, "ra");
    insertion.ulozit->click();
    insertion.zavrit_vkladani->click();
  });
  editor->nove->click();
  EXPECT_EQ(shown(), entry("\xD8" "EKA", {"RA"}));
  editor->tc_slovnik->click();
  whenShown<Tokno_vlozeni>([](Tokno_vlozeni& insertion) {
    EXPECT_TRUE(insertion.DoTSlovniku->isChecked());
    insertion.close();
  });
  editor->nove->click();
}

// Each direction pair is one Tab stop, at its selected button, in the editor
// and in the insertion window alike.
TEST_F(Editor, TabEntersEachDirectionPairAtItsSelectedButton) {
  auto tabFrom = [](Window& window, QWidget* from) {
    window.showModeless();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    from->setFocus();
    QTest::keyClick(from, Qt::Key_Tab);
    return QApplication::focusWidget();
  };
  EXPECT_EQ(tabFrom(*editor, editor->zavrit), editor->tc_slovnik);  // the second of the pair
  editor->ct_slovnik->click();
  EXPECT_EQ(tabFrom(*editor, editor->ct_slovnik), editor->edit_slovo);  // past the other
  insertion->DoCSlovniku->setChecked(true);
  EXPECT_EQ(tabFrom(*insertion, insertion->zavrit_vkladani), insertion->DoCSlovniku);
}

// As the command line might change it while the editor is open.
TEST_F(Editor, ADictionaryChangedBehindItsBackShowsItsLastEntryOrNothing) {
  editor->ScrollBar1->setPosition(8);
  putFileBytes(kTc, fileBytes(kTc).substr(0, 5 * kRecordSize));
  QTest::keyClick(editor->ScrollBar1, Qt::Key_Down);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(shown(), entry("A4", {"M4"}));
  EXPECT_EQ(counts(), cp1250Text("Počet slovíček : 5 4/4"));
  EXPECT_TRUE(editor->upravit->isEnabled());
  std::filesystem::remove(dir / kTc);
  std::filesystem::create_directory(dir / kTc);
  QTest::keyClick(editor->ScrollBar1, Qt::Key_Up);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find(kTc), std::string::npos);
  EXPECT_EQ(shown(), Tslovicko{});
  EXPECT_FALSE(editor->upravit->isEnabled() || editor->vymazat->isEnabled());
}

}  // namespace
