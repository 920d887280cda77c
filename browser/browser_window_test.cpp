// The dictionary browser driven through its real controls and handlers.

#include "browser_window.h"

#include <QApplication>
#include <QStyle>
#include <QTest>
#include <fstream>

#include "cp1250.h"
#include "qt_app_fixture_test.h"
#include "store_fixture_test.h"
#include "main_window.h"

namespace {

std::string cz(const char* utf8) { return cp1250Text(utf8); }

// The main window's way to the browser, as the shell gives it.
struct BrowserOnly : OtherWindows {
  explicit BrowserOnly(Tukaz_slovnik* browser) : browser(browser) {}
  void showBrowser() override { browser->showModeless(); }
  void showHelp() override {}
  void showEditor() override {}
  void showAbout() override {}
  Tukaz_slovnik* browser;
};

class Browser : public WindowTest<StoreTest> {
 protected:
  void TearDown() override {
    delete window;
    WindowTest::TearDown();
  }

  // Rows: AI 1, DROM 2-4, (GAP none), KO 5, ROUNNA 6, SHEE 7, TA'QUI 8.
  void fillSample() {
    Tslovicko ko = entry("KO");
    ko.vyznam3 = "VODA";
    fill(kTarvikCzech, {entry("AI", {"ANO"}), entry("DROM", {cz("MUŽ"), cz("ČLOVĚK"), cz("MANŽEL")}), entry("GAP"),
                        ko, entry("ROUNNA", {cz("ŘEKA")}), entry("SHEE", {"MOST"}), entry("TA'QUI", {"TICHO"})});
    fill(kCzechTarvik, {entry("MOST", {"SHEE"}), entry("VODA", {"KO"}), entry(cz("ŘEKA"), {"ROUNNA"})});
  }
  void create() { window = new Tukaz_slovnik; }
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

TEST_F(Browser, IsCreatedHiddenListingOneRowForEachFilledMeaningWithItsPronunciation) {
  fillSample();
  create();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->najit->text(), QString::fromUtf8("Najít text"));
  EXPECT_TRUE(window->docestiny->isChecked() && window->okamzite->isChecked() &&
              window->podlevyslovnosti->isChecked());
  EXPECT_EQ(panel(0), "Nenalezeno");
  EXPECT_EQ(panel(1), cz("Počet slovíček : 7"));  // entries, not the 8 rows
  EXPECT_EQ(row(), 1);
  EXPECT_EQ(panel(2), "AJ");
  ASSERT_EQ(rows(), 9);
  for (int r = 2; r <= 4; ++r) EXPECT_EQ(cell(0, r), "DROM");
  EXPECT_EQ(cell(1, 3), cz("ČLOVĚK"));
  EXPECT_EQ(cell(0, 5), "KO");  // GAP has no row; KO's only meaning is its third
  EXPECT_EQ(cell(1, 5), "VODA");
  EXPECT_EQ(cell(1, 8), "TICHO");
  EXPECT_TRUE(errors.empty());

  clickRow(7);  // the pronunciation of the Tarvik column, either way
  EXPECT_EQ(panel(2), cz("ŠÍ"));
  QTest::keyClick(window->vypis_slovicek, Qt::Key_Down);
  EXPECT_EQ(panel(2), "TAKVUI");
  window->dotarvikstiny->click();
  clickRow(3);  // ŘEKA - ROUNNA
  EXPECT_EQ(panel(2), cz("RŮNA"));
}

// An entry without meanings has no row to select, in the middle or last.
TEST_F(Browser, SelectsTheFirstRowOfTheEntryFoundOrRowOneWhenNone) {
  fillSample();
  fill(kTarvikCzech, {entry("ZZ")});
  create();
  lookUp("drom");
  EXPECT_EQ(row(), 2);
  EXPECT_EQ(panel(0), "Nalezeno");
  for (const char* empty : {"gap", "zz"}) {
    lookUp(empty);
    EXPECT_EQ(row(), 0) << empty;
    EXPECT_EQ(panel(2), "") << empty;
    EXPECT_EQ(panel(0), "Nalezeno") << empty;
  }
  lookUp("ko");  // after a record without rows and an empty first slot
  EXPECT_EQ(row(), 5);
  EXPECT_EQ(panel(2), "KO");
  for (const char* missing : {"nikde", ""}) {  // every headword has a letter
    clickRow(7);
    lookUp(missing);
    EXPECT_EQ(row(), 1);
    EXPECT_EQ(panel(0), "Nenalezeno");
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(Browser, LooksUpByPronunciationThenBySpellingOnlyWhenAsked) {
  fillSample();
  create();
  window->okamzite->setChecked(false);
  lookUp("ší");  // SHEE's pronunciation
  EXPECT_EQ(row(), 7);
  lookUp("růnna");  // not ROUNNA's pronunciation (RŮNA), but its spelling
  EXPECT_EQ(row(), 6);
  EXPECT_EQ(panel(0), "Nalezeno");

  window->podlevyslovnosti->click();
  for (const char* sound : {"ší", "růnna"}) {
    lookUp(sound);
    EXPECT_EQ(panel(0), "Nenalezeno") << sound;
  }
  lookUp("Roun'na");
  EXPECT_EQ(row(), 6);
}

TEST_F(Browser, TheDirectionSwitchesDictionaryAndRemembersThePronunciationOption) {
  fillSample();
  create();
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
  EXPECT_TRUE(window->ulozenavyslovnost);
}

TEST_F(Browser, TypingSelectsTheFirstEntryWithThatBeginningWithoutRefilling) {
  fillSample();
  create();
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
  search("");  // a prefix of every headword
  EXPECT_EQ(row(), 1);
  EXPECT_EQ(panel(0), cz("Nalezena část"));

  window->okamzite->click();  // not instant: typing is ignored
  clickRow(3);
  search("ko");
  EXPECT_EQ(row(), 3);
}

TEST_F(Browser, ChangesToTheDictionaryAreListedAtTheNextActivation) {
  fillSample();
  create();
  Tokno main;  // shown by the main window's Slovník command
  BrowserOnly others(window);
  main.others = &others;
  main.show();
  main.Slovnk2->trigger();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  writeEntry(kTarvikCzech, 0, entry("AI", {"ANO", "JO"}));
  EXPECT_EQ(rows(), 9);  // the rows on show stay as listed

  Window other("Editace slovníku", 200, 100);
  other.showModeless();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  QApplication::setActiveWindow(window);
  EXPECT_EQ(rows(), 10);
  EXPECT_EQ(cell(1, 2), "JO");

  window->zavrit->click();
  insertEntry(entry("BEL", {cz("BÍLÝ")}), kTarvikCzech);
  sortDictionary(kTarvikCzech);
  main.ToolButton8->click();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  EXPECT_EQ(cell(0, 3), "BEL");
  EXPECT_EQ(panel(1), cz("Počet slovíček : 8"));
}

TEST_F(Browser, ZavritHidesAndAShowingFindsEverythingAsItWas) {
  fillSample();
  create();
  showAndWait();
  window->dotarvikstiny->click();
  window->okamzite->click();
  search("voda");
  window->vypis_slovicek->setSelectedCol(1);
  window->zavrit->click();
  EXPECT_FALSE(window->isVisible());

  showAndWait();
  EXPECT_EQ(window->najit->text(), "voda");
  EXPECT_TRUE(window->dotarvikstiny->isChecked());
  EXPECT_FALSE(window->okamzite->isChecked());
  EXPECT_EQ(window->vypis_slovicek->selectedCol(), 1);
  EXPECT_EQ(row(), 2);  // looked up again at the showing
  EXPECT_EQ(panel(2), "KO");
}

TEST_F(Browser, ReadErrorsAreReportedAndTheListKeepsItsRows) {
  closeDictionaries();
  create();  // the window is made anyway
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(cell(0, 0), cz("Tarvikské slova"));
  delete window;
  window = nullptr;

  openDictionaries();
  fillSample();
  create();
  lookUp("shee");
  closeDictionaries();
  window->prelozit->click();
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_NE(errors[1].find("tc_slovnik.slk"), std::string::npos);
  EXPECT_EQ(rows(), 9);
  EXPECT_EQ(row(), 7);
}

// The arrow keys move the selection, and with it the Tab stop, within the pair.
TEST_F(Browser, TabEntersTheDirectionPairAtTheSelectedButton) {
  fillSample();
  create();
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

// Each line of a sample file of data/ ("HEADWORD - MEANING") inserted as the
// insertion window would; returns the number of lines.
int importSample(const std::string& name, Dict dict) {
  std::ifstream sample(TARVIK_SAMPLE_DIR "/" + name, std::ios::binary);
  int lines = 0;
  for (std::string line; std::getline(sample, line); ++lines) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::size_t dash = line.find(" - ");
    if (dash == std::string::npos) ADD_FAILURE() << line;
    insertEntry(entry(line.substr(0, dash), {line.substr(dash + 3)}), dict);
  }
  sortDictionary(dict);
  return lines;
}

// The sample dictionaries, as the users first see them, every caption in
// full beside its box, as the style lays the box out.
TEST_F(Browser, ListsTheSampleDictionaryWithEveryCaptionInFull) {
  int lines = importSample("tc_slovnik.txt", kTarvikCzech);
  importSample("ct_slovnik.txt", kCzechTarvik);
  create();
  showAndWait();
  EXPECT_EQ(rows(), lines + 1);
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

}  // namespace
