// The dictionary browser driven through its real controls and handlers.

#include "browser_window.h"

#include <QApplication>
#include <QTest>
#include <memory>
#include <tuple>

#include "cp1250.h"
#include "qt_app_fixture_test.h"
#include "store_fixture_test.h"

namespace {

std::string cz(const char* utf8) { return cp1250Text(utf8); }

class Browser : public WindowTest<StoreTest> {
 protected:
  // Rows: AI 1, DROM 2-4, (GAP none), KO 5, ROUNNA 6, SHEE 7, TA'QUI 8.
  void SetUp() override {
    WindowTest::SetUp();
    fill(kTarvikCzech, {entry("AI", {"ANO"}), entry("DROM", {cz("MUŽ"), cz("ČLOVĚK"), cz("MANŽEL")}), entry("GAP"),
                        entry("KO", {"", "", "VODA"}), entry("ROUNNA", {cz("ŘEKA")}), entry("SHEE", {"MOST"}),
                        entry("TA'QUI", {"TICHO"})});
    fill(kCzechTarvik, {entry("MOST", {"SHEE"}), entry("VODA", {"KO"}), entry(cz("ŘEKA"), {"ROUNNA"})});
    history.emplace(at("data"));
    window = std::make_unique<Tukaz_slovnik>(*store, *history);
  }
  void TearDown() override {
    window.reset();
    WindowTest::TearDown();
  }

  void showAndWait() {
    window->showModeless();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  // Sets the search text as a paste would: one change.
  void search(const char* utf8) { window->najit->setText(QString::fromUtf8(utf8)); }
  void clickRow(int row) {
    ModelGrid* g = window->vypis_slovicek;
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(row - 1, 0)).center());
  }
  std::string panel(int i) const { return window->StatusBar1->panelText(i); }
  int row() const { return window->vypis_slovicek->selectedRow(); }
  // A column's cells, heading first, joined by commas.
  std::string column(int col) const {
    std::string cells = window->vypis_slovicek->cell(col, 0);
    for (int r = 1; r < window->vypis_slovicek->rowTotal(); ++r) cells += "," + window->vypis_slovicek->cell(col, r);
    return cells;
  }

  std::optional<LookupHistory> history;
  std::unique_ptr<Tukaz_slovnik> window;
};

// Tab enters the direction pair at the selected button, and the arrow keys
// move the selection, and with it the Tab stop, within the pair.
// The long caption is narrowed to stand in full beside its box, and its
// pair alike (the direction pair fits as it is).
TEST_F(Browser, ListsOneRowForEachFilledMeaningWithItsPronunciationAndTabsToTheDirection) {
  EXPECT_EQ(window->najit->text(), QString::fromUtf8("Najít text"));
  EXPECT_TRUE(window->docestiny->isChecked() && window->okamzite->isChecked() &&
              window->podlevyslovnosti->isChecked());
  EXPECT_EQ(std::tuple(panel(0), panel(1), row(), panel(2)),
            std::tuple("Nenalezeno", cz("Počet slovíček : 7"), 1, "AJ"));  // entries, not the 8 rows
  // GAP has no row; KO's only meaning is its third.
  EXPECT_EQ(column(0), cz("Tarvikské slova,AI,DROM,DROM,DROM,KO,ROUNNA,SHEE,TA'QUI"));
  EXPECT_EQ(column(1), cz("Významy v češtině,ANO,MUŽ,ČLOVĚK,MANŽEL,VODA,ŘEKA,MOST,TICHO"));
  showAndWait();
  clickRow(7);  // the pronunciation of the Tarvik column, either way
  EXPECT_EQ(panel(2), cz("ŠÍ"));
  window->dotarvikstiny->click();
  clickRow(3);  // ŘEKA - ROUNNA
  EXPECT_EQ(panel(2), cz("RŮNA"));
  auto tabFrom = [](QWidget* from) {
    from->setFocus();
    QTest::keyClick(from, Qt::Key_Tab);
    return QApplication::focusWidget();
  };
  EXPECT_EQ(tabFrom(window->dotarvikstiny), window->vypis_slovicek);
  window->dotarvikstiny->setFocus();
  QTest::keyClick(window->dotarvikstiny, Qt::Key_Right);
  EXPECT_TRUE(window->docestiny->isChecked() && window->docestiny->hasFocus());
  EXPECT_EQ(tabFrom(window->zavrit), window->docestiny);
  EXPECT_LT(window->podlevyslovnosti->font().stretch(), QFont::Unstretched);
  EXPECT_EQ(window->okamzite->font().stretch(), window->podlevyslovnosti->font().stretch());
}

// The row selected and the panels after "Přeložit", with the selection
// elsewhere before. An entry without meanings has no row to select, in the
// middle or last; with none found, row 1 is selected. A read error is
// reported and the list keeps its rows.
TEST_F(Browser, PrelozitSelectsTheFirstRowOfTheEntryFoundOrReportsAReadError) {
  fill(kTarvikCzech, {entry("ZZ")});
  const std::tuple<const char*, bool, int, const char*> cases[] = {
      {"drom", true, 2, "Nalezeno"},     {"gap", true, 0, "Nalezeno"},
      {"zz", true, 0, "Nalezeno"},       {"ko", true, 5, "Nalezeno"},  // KO's first slot is empty
      {"nikde", true, 1, "Nenalezeno"},  {"", true, 1, "Nenalezeno"},  // every headword has a letter
      {"ší", true, 7, "Nalezeno"},       // SHEE's pronunciation
      {"růnna", true, 6, "Nalezeno"},    // not ROUNNA's pronunciation (RŮNA), but its spelling
      {"ší", false, 1, "Nenalezeno"},    {"růnna", false, 1, "Nenalezeno"},
      {"Roun'na", false, 6, "Nalezeno"},
  };
  for (auto [query, bySound, expectedRow, found] : cases) {
    window->podlevyslovnosti->setChecked(bySound);
    window->vypis_slovicek->setSelectedRow(3);
    search(query);
    window->prelozit->click();
    EXPECT_EQ(std::tuple(row(), panel(0), panel(2).empty()), std::tuple(expectedRow, found, expectedRow == 0))
        << query;
  }
  // Each word the user had it look up is remembered, once.
  EXPECT_EQ(history->wordsFor(kTarvikCzech).size(), 8u);
  // A file that cannot be read any more: a folder took its name.
  std::filesystem::remove(dir / "tc_slovnik.slk");
  std::filesystem::create_directory(dir / "tc_slovnik.slk");
  window->prelozit->click();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("tc_slovnik.slk"), std::string::npos);
  EXPECT_EQ(std::tuple(window->vypis_slovicek->rowTotal(), row()), std::tuple(9, 6));
  Tukaz_slovnik unlisted(*store, *history);  // made anyway
  EXPECT_EQ(errors.size(), 2u);
  EXPECT_EQ(unlisted.vypis_slovicek->cell(0, 0), cz("Tarvikské slova"));
}

// Typing selects the first entry with that beginning, without refilling.
TEST_F(Browser, TheDirectionSwitchesDictionaryAndTypingSelectsAnEntry) {
  search("xyz");
  window->docestiny->click();  // already selected: runs nothing
  EXPECT_EQ(panel(0), cz("Část nenalezena"));
  window->podlevyslovnosti->click();
  window->dotarvikstiny->click();
  EXPECT_EQ(column(1), cz("Významy v tarvikštině,SHEE,KO,ROUNNA"));
  EXPECT_EQ(panel(1), cz("Počet slovíček : 3"));
  EXPECT_FALSE(window->podlevyslovnosti->isEnabled());
  window->docestiny->click();  // back: unchecked, as it was
  EXPECT_TRUE(window->podlevyslovnosti->isEnabled());
  EXPECT_FALSE(window->podlevyslovnosti->isChecked());
  EXPECT_EQ(window->vypis_slovicek->rowTotal(), 9);
  window->podlevyslovnosti->click();
  window->dotarvikstiny->click();
  EXPECT_FALSE(window->podlevyslovnosti->isChecked());
  window->docestiny->click();
  EXPECT_TRUE(window->podlevyslovnosti->isChecked());
  store->writeEntry(kTarvikCzech, 0, entry("AA", {"JEDNA", "DVA"}));
  search("");
  typeText(window->najit, "dr");
  EXPECT_EQ(std::tuple(row(), panel(0), panel(2)), std::tuple(2, cz("Nalezena část"), "DROM"));
  typeText(window->najit, "x");  // nothing: the selection stays, and the rows listed
  EXPECT_EQ(std::tuple(row(), panel(0)), std::tuple(2, cz("Část nenalezena")));
  EXPECT_EQ(window->vypis_slovicek->cell(0, 1), "AI");
  search("růn");  // its spelling ROUN begins ROUNNA
  EXPECT_EQ(row(), 6);
  window->podlevyslovnosti->click();
  search("ta");
  search("růn");
  EXPECT_EQ(std::tuple(row(), panel(0)), std::tuple(8, cz("Část nenalezena")));
  window->okamzite->click();  // not instant: typing is ignored
  search("ko");
  EXPECT_EQ(row(), 8);
}

// The window keeps its search text and choices while hidden (the adapter's
// doing); the listing and the lookup are what each showing renews.
TEST_F(Browser, ChangesToTheDictionaryAreListedAtTheNextActivation) {
  showAndWait();
  store->writeEntry(kTarvikCzech, 0, entry("AI", {"ANO", "JO"}));
  Window other("Editace slovníku", 200, 100);
  other.showModeless();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  QApplication::setActiveWindow(window.get());
  EXPECT_EQ(column(1), cz("Významy v češtině,ANO,JO,MUŽ,ČLOVĚK,MANŽEL,VODA,ŘEKA,MOST,TICHO"));
  window->zavrit->click();
  EXPECT_FALSE(window->isVisible());
  store->insertEntry(entry("BEL", {cz("BÍLÝ")}), kTarvikCzech);
  store->sortDictionary(kTarvikCzech);
  search("bel");
  showAndWait();
  // Looked up, not only typed.
  EXPECT_EQ(std::tuple(row(), panel(0), panel(1)), std::tuple(3, "Nalezeno", cz("Počet slovíček : 8")));
}

}  // namespace
