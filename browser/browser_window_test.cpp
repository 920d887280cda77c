// The dictionary browser driven through its real controls and handlers.

#include "browser_window.h"

#include <QApplication>
#include <QStyle>
#include <QTest>

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
    Tslovicko ko = entry("KO");
    ko.vyznam3 = "VODA";
    fill(kTarvikCzech, {entry("AI", {"ANO"}), entry("DROM", {cz("MUŽ"), cz("ČLOVĚK"), cz("MANŽEL")}), entry("GAP"),
                        ko, entry("ROUNNA", {cz("ŘEKA")}), entry("SHEE", {"MOST"}), entry("TA'QUI", {"TICHO"})});
    fill(kCzechTarvik, {entry("MOST", {"SHEE"}), entry("VODA", {"KO"}), entry(cz("ŘEKA"), {"ROUNNA"})});
    window = new Tukaz_slovnik;
  }
  void TearDown() override {
    delete window;
    WindowTest::TearDown();
  }

  void showAndWait() {
    window->showModeless();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  // Sets the search text as a paste would: one change.
  void search(const char* utf8) { window->najit->setText(QString::fromUtf8(utf8)); }
  void lookUp(const char* utf8) {
    search(utf8);
    window->prelozit->click();
  }
  void clickRow(int row) {
    ModelGrid* grid = window->vypis_slovicek;
    QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  }
  std::string panel(int i) const { return window->StatusBar1->panelText(i); }
  int row() const { return window->vypis_slovicek->selectedRow(); }
  int rows() const { return window->vypis_slovicek->rowTotal(); }
  std::string cell(int col, int row) const { return window->vypis_slovicek->cell(col, row); }

  Tukaz_slovnik* window = nullptr;
};

// Every caption stands in full beside its box, as the style lays the box out.
TEST_F(Browser, IsCreatedHiddenListingOneRowForEachFilledMeaningWithItsPronunciation) {
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->najit->text(), QString::fromUtf8("Najít text"));
  EXPECT_TRUE(window->docestiny->isChecked() && window->okamzite->isChecked() &&
              window->podlevyslovnosti->isChecked());
  EXPECT_EQ(panel(0), "Nenalezeno");
  EXPECT_EQ(panel(1), cz("Počet slovíček : 7"));  // entries, not the 8 rows
  EXPECT_EQ(row(), 1);
  EXPECT_EQ(panel(2), "AJ");
  ASSERT_EQ(rows(), 9);
  EXPECT_EQ(cell(0, 0), cz("Tarvikské slova"));
  for (int r = 2; r <= 4; ++r) EXPECT_EQ(cell(0, r), "DROM");
  EXPECT_EQ(cell(1, 3), cz("ČLOVĚK"));
  EXPECT_EQ(cell(0, 5), "KO");  // GAP has no row; KO's only meaning is its third
  EXPECT_EQ(cell(1, 5), "VODA");
  EXPECT_EQ(cell(1, 8), "TICHO");
  EXPECT_TRUE(errors.empty());

  showAndWait();
  clickRow(7);  // the pronunciation of the Tarvik column, either way
  EXPECT_EQ(panel(2), cz("ŠÍ"));
  window->dotarvikstiny->click();
  clickRow(3);  // ŘEKA - ROUNNA
  EXPECT_EQ(panel(2), cz("RŮNA"));

  auto fits = [](QAbstractButton* choice, QStyle::PixelMetric box, QStyle::PixelMetric gap) {
    QStyle* style = choice->style();
    return QFontMetrics(choice->font()).horizontalAdvance(choice->text()) <=
           choice->width() - style->pixelMetric(box, nullptr, choice) - style->pixelMetric(gap, nullptr, choice);
  };
  for (QAbstractButton* choice : {window->dotarvikstiny, window->docestiny})
    EXPECT_TRUE(fits(choice, QStyle::PM_ExclusiveIndicatorWidth, QStyle::PM_RadioButtonLabelSpacing));
  for (QAbstractButton* choice : {window->okamzite, window->podlevyslovnosti})
    EXPECT_TRUE(fits(choice, QStyle::PM_IndicatorWidth, QStyle::PM_CheckBoxLabelSpacing));
}

// The row selected and the panels after "Přeložit", with the selection
// elsewhere before. An entry without meanings has no row to select, in the
// middle or last; with none found, row 1 is selected.
TEST_F(Browser, PrelozitSelectsTheFirstRowOfTheEntryFound) {
  fill(kTarvikCzech, {entry("ZZ")});
  struct Case {
    const char* query;
    bool bySound;
    int row;
    const char* found;
  };
  const Case cases[] = {
      {"drom", true, 2, "Nalezeno"},     {"gap", true, 0, "Nalezeno"},
      {"zz", true, 0, "Nalezeno"},       {"ko", true, 5, "Nalezeno"},  // KO's first slot is empty
      {"nikde", true, 1, "Nenalezeno"},  {"", true, 1, "Nenalezeno"},  // every headword has a letter
      {"ší", true, 7, "Nalezeno"},       // SHEE's pronunciation
      {"růnna", true, 6, "Nalezeno"},    // not ROUNNA's pronunciation (RŮNA), but its spelling
      {"ší", false, 1, "Nenalezeno"},    {"růnna", false, 1, "Nenalezeno"},
      {"Roun'na", false, 6, "Nalezeno"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    window->podlevyslovnosti->setChecked(c.bySound);
    window->vypis_slovicek->setSelectedRow(3);
    lookUp(c.query);
    EXPECT_EQ(row(), c.row);
    EXPECT_EQ(panel(0), c.found);
    EXPECT_EQ(panel(2).empty(), c.row == 0);
  }
}

TEST_F(Browser, TheDirectionSwitchesDictionaryAndRemembersThePronunciationOption) {
  search("xyz");
  window->docestiny->click();  // already selected: runs nothing
  EXPECT_EQ(panel(0), cz("Část nenalezena"));

  window->podlevyslovnosti->click();
  window->dotarvikstiny->click();
  EXPECT_EQ(window->direction(), kCzechTarvik);
  EXPECT_EQ(cell(1, 0), cz("Významy v tarvikštině"));
  EXPECT_EQ(rows(), 4);
  EXPECT_EQ(panel(1), cz("Počet slovíček : 3"));
  EXPECT_FALSE(window->podlevyslovnosti->isEnabled());
  window->docestiny->click();  // back: unchecked, as it was
  EXPECT_TRUE(window->podlevyslovnosti->isEnabled());
  EXPECT_FALSE(window->podlevyslovnosti->isChecked());
  EXPECT_EQ(rows(), 9);

  window->podlevyslovnosti->click();
  window->dotarvikstiny->click();
  EXPECT_FALSE(window->podlevyslovnosti->isChecked());
  window->docestiny->click();
  EXPECT_TRUE(window->podlevyslovnosti->isChecked());
}

TEST_F(Browser, TypingSelectsTheFirstEntryWithThatBeginningWithoutRefilling) {
  writeEntry(kTarvikCzech, 0, entry("AA", {"JEDNA", "DVA"}));
  search("");
  typeText(window->najit, "dr");
  EXPECT_EQ(row(), 2);
  EXPECT_EQ(panel(0), cz("Nalezena část"));
  EXPECT_EQ(panel(2), "DROM");
  typeText(window->najit, "x");  // nothing: the selection stays
  EXPECT_EQ(row(), 2);
  EXPECT_EQ(panel(0), cz("Část nenalezena"));
  EXPECT_EQ(cell(0, 1), "AI");  // the rows listed stay

  search("růn");  // its spelling ROUN begins ROUNNA
  EXPECT_EQ(row(), 6);
  window->podlevyslovnosti->click();
  search("ta");
  search("růn");
  EXPECT_EQ(row(), 8);
  EXPECT_EQ(panel(0), cz("Část nenalezena"));

  window->okamzite->click();  // not instant: typing is ignored
  search("ko");
  EXPECT_EQ(row(), 8);
}

// The window keeps its search text and choices while hidden (the adapter's
// doing); the listing and the lookup are what each showing renews.
TEST_F(Browser, ChangesToTheDictionaryAreListedAtTheNextActivation) {
  showAndWait();
  writeEntry(kTarvikCzech, 0, entry("AI", {"ANO", "JO"}));
  EXPECT_EQ(rows(), 9);  // the rows on show stay as listed

  Window other("Editace slovníku", 200, 100);
  other.showModeless();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  QApplication::setActiveWindow(window);
  EXPECT_EQ(rows(), 10);
  EXPECT_EQ(cell(1, 2), "JO");

  window->zavrit->click();
  EXPECT_FALSE(window->isVisible());
  insertEntry(entry("BEL", {cz("BÍLÝ")}), kTarvikCzech);
  sortDictionary(kTarvikCzech);
  search("bel");
  showAndWait();
  EXPECT_EQ(cell(0, 3), "BEL");
  EXPECT_EQ(row(), 3);
  EXPECT_EQ(panel(0), "Nalezeno");  // looked up, not only typed
  EXPECT_EQ(panel(1), cz("Počet slovíček : 8"));
}

TEST_F(Browser, ReadErrorsAreReportedAndTheListKeepsItsRows) {
  lookUp("shee");
  closeDictionaries();
  window->prelozit->click();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("tc_slovnik.slk"), std::string::npos);
  EXPECT_EQ(rows(), 9);
  EXPECT_EQ(row(), 7);

  Tukaz_slovnik unlisted;  // made anyway
  EXPECT_EQ(errors.size(), 2u);
  EXPECT_EQ(unlisted.vypis_slovicek->cell(0, 0), cz("Tarvikské slova"));
}

// The arrow keys move the selection, and with it the Tab stop, within the pair.
TEST_F(Browser, TabEntersTheDirectionPairAtTheSelectedButton) {
  showAndWait();
  auto tabFrom = [](QWidget* from) {
    from->setFocus();
    QTest::keyClick(from, Qt::Key_Tab);
    return QApplication::focusWidget();
  };
  EXPECT_EQ(tabFrom(window->zavrit), window->docestiny);
  EXPECT_EQ(tabFrom(window->docestiny), window->vypis_slovicek);
  window->docestiny->setFocus();
  QTest::keyClick(window->docestiny, Qt::Key_Left);
  EXPECT_TRUE(window->dotarvikstiny->isChecked() && window->dotarvikstiny->hasFocus());
  EXPECT_EQ(tabFrom(window->zavrit), window->dotarvikstiny);
  EXPECT_EQ(tabFrom(window->dotarvikstiny), window->vypis_slovicek);
  window->docestiny->click();
  EXPECT_EQ(tabFrom(window->zavrit), window->docestiny);
}

}  // namespace
