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

class Editor : public MaintenanceTest {
 protected:
  void SetUp() override {
    MaintenanceTest::SetUp();
    insertion = std::make_unique<Tokno_vlozeni>();
  }
  void TearDown() override {
    delete editor;
    insertion.reset();
    MaintenanceTest::TearDown();
  }

  // Start-up's creation, over whatever the dictionaries hold by then.
  Tokno_editace& create() {
    editor = new Tokno_editace;
    editor->insertion = insertion.get();
    return *editor;
  }
  // Ten entries A0 .. A9 with one meaning each, in tc_slovnik.
  void fillTen() {
    for (int i = 0; i < 10; ++i) fill(kTarvikCzech, {entry("A" + std::to_string(i), {"M" + std::to_string(i)})});
  }
  Tslovicko shown() const {
    Tslovicko e;
    e.slovo = editor->edit_slovo->content();
    EditBox* boxes[] = {editor->edit_vyznam1, editor->edit_vyznam2, editor->edit_vyznam3, editor->edit_vyznam4,
                          editor->edit_vyznam5};
    for (int slot = 1; slot <= 5; ++slot) e.vyznam(slot) = boxes[slot - 1]->content();
    return e;
  }
  std::string count() const { return editor->StatusBar1->panelText(0); }
  std::string status() const { return editor->StatusBar1->panelText(1); }
  int position() const { return editor->ScrollBar1->position(); }
  static void typeOver(QLineEdit* box, const char* utf8) {
    box->selectAll();
    typeText(box, QString::fromUtf8(utf8));
  }
  // Clicks "Vymazat" and answers the question with `answer`; returns the question.
  QString deleteAnswering(std::function<void(TOtazka&)> answer) {
    QString asked;
    whenShown<TOtazka>([&](TOtazka& question) {
      asked = question.text_dotaz->text();
      answer(question);
    });
    editor->vymazat->click();
    return asked;
  }
  void expectNothingToEdit() const {
    EXPECT_EQ(shown(), Tslovicko{});
    EXPECT_FALSE(editor->vymazat->isEnabled() || editor->upravit->isEnabled() || editor->ScrollBar1->isEnabled());
    EXPECT_TRUE(editor->nove->isEnabled() && editor->zavrit->isEnabled() && editor->ct_slovnik->isEnabled());
  }

  std::unique_ptr<Tokno_vlozeni> insertion;
  Tokno_editace* editor = nullptr;
};

const std::string kTc = "tc_slovnik.slk";

TEST_F(Editor, IsCreatedOnTheFirstTarvikEntryAndPagesEntryByEntryOrDictionary) {
  fillTen();
  create();
  EXPECT_EQ(shown(), entry("A0", {"M0"}));
  EXPECT_EQ(count(), cp1250Text("Počet slovíček : 10"));
  EXPECT_EQ(editor->ScrollBar1->max(), 9);
  EXPECT_TRUE(editor->ScrollBar1->isEnabled() && editor->vymazat->isEnabled() && editor->upravit->isEnabled());
  typeOver(editor->edit_vyznam1, "nic");  // not written: lost at the next load
  QTest::keyClick(editor->ScrollBar1, Qt::Key_Down);
  EXPECT_EQ(shown(), entry("A1", {"M1"}));
  QTest::keyClick(editor->ScrollBar1, Qt::Key_PageDown);
  EXPECT_EQ(shown(), entry("A2", {"M2"}));
  QTest::keyClick(editor->ScrollBar1, Qt::Key_Home);
  EXPECT_EQ(shown(), entry("A0", {"M0"}));
  EXPECT_EQ(readEntry(kTarvikCzech, 0), entry("A0", {"M0"}));

  fill(kCzechTarvik, {entry("VODA", {"KO"}), entry("ZED", {"TA"})});
  editor->ScrollBar1->setPosition(7);
  editor->ct_slovnik->click();  // the first entry of the other dictionary
  EXPECT_EQ(position(), 0);
  EXPECT_EQ(shown(), entry("VODA", {"KO"}));
  EXPECT_EQ(count(), cp1250Text("Počet slovíček : 2"));
  EXPECT_EQ(editor->ScrollBar1->max(), 1);
}

TEST_F(Editor, UpravitStoresCapitalsCutToTwentyWhileTheBoxesKeepWhatWasTyped) {
  fillTen();
  create();
  editor->ScrollBar1->setPosition(2);
  typeOver(editor->edit_slovo, "žluťoučký kůň úpěl ďábelské ódy");
  typeOver(editor->edit_vyznam2, "řeka");
  editor->edit_vyznam1->clear();
  editor->upravit->click();
  EXPECT_EQ(status(), "Upraveno");
  std::string cut = cp1250Text("ŽLUŤOUČKÝ KŮŇ ÚPĚL Ď");
  EXPECT_EQ(fileBytes(kTc).substr(2 * kRecordSize, kRecordSize), rawRecord({cut, "", "\xD8" "EKA"}));
  EXPECT_EQ(editor->edit_slovo->text(), QString::fromUtf8("žluťoučký kůň úpěl ďábelské ódy"));
  // Not sorted again: Ž belongs after A9, but stays where it was.
  EXPECT_EQ(readEntry(kTarvikCzech, 3), entry("A3", {"M3"}));
  QTest::keyClick(editor->ScrollBar1, Qt::Key_Down);
  QTest::keyClick(editor->ScrollBar1, Qt::Key_Up);
  EXPECT_EQ(shown(), entry(cut, {"", "\xD8" "EKA"}));
}

TEST_F(Editor, OnAnEmptyDictionaryOrAfterTheLastDeletionOffersOnlyNewWordsAndClosing) {
  create();
  expectNothingToEdit();
  EXPECT_EQ(count(), cp1250Text("Počet slovíček : 0"));
  EXPECT_EQ(status(), cp1250Text("Ve slovníku není žádné slovíčko!"));
  fill(kCzechTarvik, {entry("VODA", {"KO"})});
  editor->ct_slovnik->click();
  EXPECT_EQ(deleteAnswering([](TOtazka& question) { question.BitBtn1->click(); }), "Opravdu smazat VODA?");
  EXPECT_EQ(fileBytes("ct_slovnik.slk"), "");
  EXPECT_EQ(count(), cp1250Text("Počet slovíček : 0"));
  EXPECT_EQ(status(), cp1250Text("Smazáno"));
  expectNothingToEdit();
  EXPECT_TRUE(errors.empty());
}

// After one confirmed deletion, none of these may delete: the yes given to
// the earlier question must not carry over. The question names the entry as
// it was loaded, not as written over since.
TEST_F(Editor, OnlyAnoDeletesKeepingTheOthersInOrder) {
  fillTen();
  std::string ten = fileBytes(kTc);
  create();
  editor->ScrollBar1->setPosition(5);
  deleteAnswering([](TOtazka& question) { question.BitBtn1->click(); });
  EXPECT_EQ(fileBytes(kTc), ten.substr(0, 5 * kRecordSize) + ten.substr(6 * kRecordSize));
  EXPECT_EQ(count(), cp1250Text("Počet slovíček : 9"));
  EXPECT_EQ(editor->ScrollBar1->max(), 8);
  EXPECT_EQ(shown(), entry("A0", {"M0"}));
  EXPECT_EQ(status(), cp1250Text("Smazáno"));

  editor->ScrollBar1->setPosition(3);
  typeOver(editor->edit_slovo, "ko");
  editor->upravit->click();
  std::string before = fileBytes(kTc);
  typeOver(editor->edit_vyznam1, "neuloženo");
  const std::vector<std::pair<const char*, std::function<void(TOtazka&)>>> ways = {
      {"Ne", [](TOtazka& question) { question.BitBtn2->click(); }},
      {"Esc", [](TOtazka& question) { QTest::keyClick(question.focusWidget(), Qt::Key_Escape); }},
      {"title bar", [](TOtazka& question) { question.close(); }},
  };
  for (const auto& [name, answer] : ways) {
    SCOPED_TRACE(name);
    EXPECT_EQ(deleteAnswering(answer), "Opravdu smazat A3?");
    EXPECT_EQ(fileBytes(kTc), before);
    EXPECT_EQ(position(), 3);
    EXPECT_EQ(editor->edit_vyznam1->text(), QString::fromUtf8("neuloženo"));
    EXPECT_EQ(status(), "Upraveno");
  }
}

TEST_F(Editor, NewWordsGoIntoTheEditorsDictionaryAndShowWhenTheInsertionWindowCloses) {
  fill(kTarvikCzech, {entry("KO", {"VODA"})});
  create();
  editor->ct_slovnik->click();
  expectNothingToEdit();
  whenShown<Tokno_vlozeni>([](Tokno_vlozeni& insertion) {
    EXPECT_TRUE(insertion.DoCSlovniku->isChecked());
    EXPECT_EQ(insertion.VSlovo->text(), QString::fromUtf8("České slovo"));
    typeOver(insertion.VSlovo, "řeka");
    typeOver(insertion.VVyznam1, "ra");
    insertion.ulozit->click();
    insertion.zavrit_vkladani->click();
  });
  editor->nove->click();
  EXPECT_EQ(shown(), entry("\xD8" "EKA", {"RA"}));
  EXPECT_EQ(count(), cp1250Text("Počet slovíček : 1"));
  EXPECT_TRUE(editor->vymazat->isEnabled() && editor->upravit->isEnabled() && editor->ScrollBar1->isEnabled());
  EXPECT_EQ(readEntry(kTarvikCzech, 1), entry("RA", {"\xD8" "EKA"}));

  editor->tc_slovnik->click();
  editor->ScrollBar1->setPosition(1);
  whenShown<Tokno_vlozeni>([](Tokno_vlozeni& insertion) {
    EXPECT_TRUE(insertion.DoTSlovniku->isChecked());
    EXPECT_EQ(insertion.VSlovo->text(), QString::fromUtf8("Tarvikské slovo"));
    insertion.close();
  });
  editor->nove->click();
  EXPECT_EQ(position(), 0);
  EXPECT_EQ(shown(), entry("KO", {"VODA"}));
}

TEST_F(Editor, ADictionaryShrunkBehindItsBackShowsItsLastEntry) {
  fillTen();
  create();
  editor->ScrollBar1->setPosition(8);
  std::string five = fileBytes(kTc).substr(0, 5 * kRecordSize);
  putFileBytes(kTc, five);  // as the command line might, while the editor is open
  QTest::keyClick(editor->ScrollBar1, Qt::Key_Down);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(position(), 4);
  EXPECT_EQ(shown(), entry("A4", {"M4"}));
  EXPECT_EQ(count(), cp1250Text("Počet slovíček : 5"));
  EXPECT_TRUE(editor->upravit->isEnabled());
}

TEST_F(Editor, ALoadThatFailsLeavesNothingToWriteOverOrDelete) {
  fillTen();
  create();
  std::filesystem::remove(kTc);
  std::filesystem::create_directory(kTc);
  QTest::keyClick(editor->ScrollBar1, Qt::Key_Down);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find(kTc), std::string::npos);
  EXPECT_EQ(shown(), Tslovicko{});
  EXPECT_FALSE(editor->upravit->isEnabled());
  EXPECT_FALSE(editor->vymazat->isEnabled());
}

}  // namespace
