// The dictionary browser driven through its real controls and handlers.

#include "display_slovnik.h"

#include <QApplication>
#include <QHeaderView>
#include <QStyle>
#include <QTest>
#include <fstream>

#include "cp1250.h"
#include "qt_app_fixture_test.h"
#include "store_fixture_test.h"
#include "vzhled.h"

namespace {

std::string cz(const char* utf8) { return cp1250Text(utf8); }

class Browser : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    qtApp();
    setErrorReporter([this](const std::string& message) { errors.push_back(message); });
  }
  void TearDown() override {
    setErrorReporter(nullptr);
    delete window;
    ukaz_slovnik = nullptr;
    StoreTest::TearDown();
  }

  // Rows: AI 1, DROM 2-4, (GAP none), KO 5, ROUNNA 6, SHEE 7, TA'QUI 8.
  void fillSample() {
    Tslovicko ko = entry("KO");
    ko.vyznam3 = "VODA";
    fill(kTarvikCzech, {entry("AI", {"ANO"}), entry("DROM", {cz("MUŽ"), cz("ČLOVĚK"), cz("MANŽEL")}), entry("GAP"),
                        ko, entry("ROUNNA", {cz("ŘEKA")}), entry("SHEE", {"MOST"}), entry("TA'QUI", {"TICHO"})});
    fill(kCzechTarvik, {entry("MOST", {"SHEE"}), entry("VODA", {"KO"}), entry(cz("ŘEKA"), {"ROUNNA"})});
  }
  void create() {
    initBrowserModule();
    ukaz_slovnik = window = new Tukaz_slovnik;
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
  std::vector<std::string> errors;
};

TEST_F(Browser, IsCreatedHiddenListingTheTarvikDictionaryForItsPlaceholder) {
  fillSample();
  create();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Slovník"));
  EXPECT_EQ(window->najit->text(), QString::fromUtf8("Najít text"));
  EXPECT_TRUE(window->docestiny->isChecked());
  EXPECT_TRUE(window->okamzite->isChecked());
  EXPECT_TRUE(window->podlevyslovnosti->isChecked());
  EXPECT_EQ(cell(0, 0), cz("Tarvikské slova"));
  EXPECT_EQ(cell(1, 0), cz("Významy v češtině"));
  EXPECT_EQ(panel(0), "Nenalezeno");
  EXPECT_EQ(panel(1), cz("Počet slovíček : 7"));  // entries, not the 8 rows
  EXPECT_EQ(row(), 1);
  EXPECT_EQ(panel(2), "AJ");
  EXPECT_TRUE(errors.empty());
}

TEST_F(Browser, ListsOneRowForEachFilledMeaningInRecordOrder) {
  fillSample();
  create();
  ASSERT_EQ(rows(), 9);
  EXPECT_EQ(cell(0, 1), "AI");
  for (int r = 2; r <= 4; ++r) EXPECT_EQ(cell(0, r), "DROM");
  EXPECT_EQ(cell(1, 3), cz("ČLOVĚK"));
  EXPECT_EQ(cell(0, 5), "KO");  // GAP has no row; KO's only meaning is its third
  EXPECT_EQ(cell(1, 5), "VODA");
  EXPECT_EQ(cell(0, 8), "TA'QUI");  // the last meaning in row N
  EXPECT_EQ(cell(1, 8), "TICHO");
  EXPECT_EQ(cell(0, 9), "");
}

TEST_F(Browser, SelectsTheFirstRowOfTheEntryFoundOrRowOneWhenNone) {
  fillSample();
  create();
  lookUp("drom");
  EXPECT_EQ(row(), 2);
  EXPECT_EQ(panel(0), "Nalezeno");
  lookUp("ko");  // after a record without rows and an empty first slot
  EXPECT_EQ(row(), 5);
  EXPECT_EQ(panel(2), "KO");

  clickRow(7);
  lookUp("nikde");
  EXPECT_EQ(row(), 1);
  EXPECT_EQ(panel(0), "Nenalezeno");
  clickRow(7);
  lookUp("");  // every headword has a letter: nothing, the spelling attempt included
  EXPECT_EQ(row(), 1);
  EXPECT_EQ(panel(0), "Nenalezeno");
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
  lookUp("ší");
  EXPECT_EQ(panel(0), "Nenalezeno");
  lookUp("růnna");
  EXPECT_EQ(panel(0), "Nenalezeno");
  lookUp("Roun'na");
  EXPECT_EQ(row(), 6);
}

TEST_F(Browser, TheDirectionSwitchesDictionaryHeadingsAndRemembersThePronunciationOption) {
  fillSample();
  create();
  window->podlevyslovnosti->click();
  ASSERT_FALSE(window->podlevyslovnosti->isChecked());
  window->dotarvikstiny->click();
  EXPECT_EQ(window->direction(), kCzechTarvik);
  EXPECT_EQ(cell(0, 0), cz("České slova"));
  EXPECT_EQ(cell(1, 0), cz("Významy v tarvikštině"));
  EXPECT_EQ(rows(), 4);
  EXPECT_EQ(panel(1), cz("Počet slovíček : 3"));
  EXPECT_FALSE(window->podlevyslovnosti->isEnabled());
  EXPECT_FALSE(window->podlevyslovnosti->isChecked());

  window->docestiny->click();  // back: unchecked, as it was
  EXPECT_TRUE(window->podlevyslovnosti->isEnabled());
  EXPECT_FALSE(window->podlevyslovnosti->isChecked());
  EXPECT_EQ(rows(), 9);

  window->podlevyslovnosti->click();
  window->dotarvikstiny->click();
  EXPECT_FALSE(window->podlevyslovnosti->isChecked());
  window->docestiny->click();
  EXPECT_TRUE(window->podlevyslovnosti->isChecked());
  EXPECT_TRUE(ulozenavyslovnost);
}

TEST_F(Browser, AClickOnTheSelectedDirectionRunsNothing) {
  fillSample();
  create();
  search("xyz");
  ASSERT_EQ(panel(0), cz("Část nenalezena"));
  window->docestiny->click();
  EXPECT_EQ(panel(0), cz("Část nenalezena"));
  EXPECT_TRUE(window->docestiny->isChecked());
}

TEST_F(Browser, TypingSelectsTheFirstEntryWithThatBeginning) {
  fillSample();
  create();
  search("");
  typeText(window->najit, "dr");
  EXPECT_EQ(row(), 2);
  EXPECT_EQ(panel(0), cz("Nalezena část"));
  EXPECT_EQ(panel(2), "DROM");
  typeText(window->najit, "x");  // nothing: the selection stays
  EXPECT_EQ(row(), 2);
  EXPECT_EQ(panel(0), cz("Část nenalezena"));

  search("růn");  // its spelling ROUN begins ROUNNA
  EXPECT_EQ(row(), 6);
  EXPECT_EQ(panel(0), cz("Nalezena část"));
  window->podlevyslovnosti->click();
  search("ta");
  search("růn");
  EXPECT_EQ(row(), 8);
  EXPECT_EQ(panel(0), cz("Část nenalezena"));

  search("");  // a prefix of every headword
  EXPECT_EQ(row(), 1);
  EXPECT_EQ(panel(0), cz("Nalezena část"));
}

TEST_F(Browser, TypingNeverRefillsTheListAndIsIgnoredWhenNotInstant) {
  fillSample();
  create();
  writeEntry(kTarvikCzech, 0, entry("AA", {"JEDNA", "DVA"}));
  search("sh");
  EXPECT_EQ(row(), 7);  // SHEE, in the rows of the listing
  EXPECT_EQ(rows(), 9);
  EXPECT_EQ(cell(0, 1), "AI");

  window->okamzite->click();
  clickRow(3);
  search("ko");
  EXPECT_EQ(row(), 3);
  EXPECT_EQ(panel(0), cz("Nalezena část"));
}

TEST_F(Browser, ThePronunciationShownIsOfTheTarvikColumn) {
  fillSample();
  create();
  clickRow(7);
  EXPECT_EQ(panel(2), cz("ŠÍ"));
  QTest::keyClick(window->vypis_slovicek, Qt::Key_Down);
  EXPECT_EQ(panel(2), "TAKVUI");

  window->dotarvikstiny->click();
  clickRow(1);  // MOST - SHEE
  EXPECT_EQ(panel(2), cz("ŠÍ"));
  clickRow(3);  // ŘEKA - ROUNNA
  EXPECT_EQ(panel(2), cz("RŮNA"));
}

TEST_F(Browser, AnEntryWithoutRowsOrAnEmptyListSelectsNothing) {
  fill(kTarvikCzech, {entry("GAP")});
  create();
  EXPECT_EQ(rows(), 1);
  EXPECT_EQ(row(), 0);
  EXPECT_EQ(panel(2), "");
  lookUp("gap");
  EXPECT_EQ(panel(0), "Nalezeno");
  EXPECT_EQ(row(), 0);
  search("g");
  EXPECT_EQ(row(), 0);
  EXPECT_TRUE(errors.empty());
}

TEST_F(Browser, AFoundEntryWithoutMeaningsSelectsNoRowWhereverItStands) {
  fillSample();
  fill(kTarvikCzech, {entry("ZZ")});
  create();
  lookUp("gap");  // in the middle: the row below is KO's, not GAP's
  EXPECT_EQ(row(), 0);
  EXPECT_EQ(panel(2), "");
  lookUp("ko");
  EXPECT_EQ(row(), 5);
  lookUp("zz");  // the last record: its row would lie past the end
  EXPECT_EQ(row(), 0);
  EXPECT_EQ(panel(0), "Nalezeno");
  EXPECT_TRUE(errors.empty());
}

TEST_F(Browser, ChangesToTheDictionaryAreListedAtTheNextActivation) {
  fillSample();
  create();
  showAndWait();
  writeEntry(kTarvikCzech, 0, entry("AI", {"ANO", "JO"}));
  EXPECT_EQ(rows(), 9);  // the rows on show stay as listed
  EXPECT_EQ(cell(1, 2), cz("MUŽ"));

  Window other("Editace slovníku", 200, 100);
  other.showModeless();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  QApplication::setActiveWindow(window);
  EXPECT_EQ(rows(), 10);
  EXPECT_EQ(cell(1, 2), "JO");

  window->zavrit->click();
  insertEntry(entry("BEL", {cz("BÍLÝ")}), kTarvikCzech);
  sortDictionary(kTarvikCzech);
  showAndWait();
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

TEST_F(Browser, AReadErrorIsReportedAndTheListKeepsItsRows) {
  fillSample();
  create();
  lookUp("shee");
  closeDictionaries();
  window->prelozit->click();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("tc_slovnik.slk"), std::string::npos);
  EXPECT_EQ(rows(), 9);
  EXPECT_EQ(row(), 7);
  EXPECT_EQ(panel(0), "Nalezeno");
}

TEST_F(Browser, ErrorsOfTheFirstListingAreReportedAndTheWindowIsMadeAnyway) {
  closeDictionaries();
  create();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(rows(), 1);
  EXPECT_EQ(cell(0, 0), cz("Tarvikské slova"));
}

TEST_F(Browser, TheMainWindowsSlovnikCommandShowsIt) {
  fillSample();
  create();
  Tokno main;
  okno = &main;
  main.show();
  main.Slovnk2->trigger();
  EXPECT_TRUE(window->isVisible());
  window->zavrit->click();
  main.ToolButton8->click();
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(QTest::qWaitForWindowActive(window));
  okno = nullptr;
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

// The sample dictionaries, as the users first see them. With
// TARVIK_SCREENSHOTS naming a folder, the window is saved there as pictures.
TEST_F(Browser, ListsTheSampleDictionaryWithEveryCaptionInFull) {
  int lines = importSample("tc_slovnik.txt", kTarvikCzech);
  importSample("ct_slovnik.txt", kCzechTarvik);
  create();
  showAndWait();
  EXPECT_EQ(rows(), lines + 1);

  // Each caption in full beside its box, as the style lays the box out.
  auto room = [](QAbstractButton* choice, QStyle::PixelMetric box, QStyle::PixelMetric gap) {
    return choice->width() - choice->style()->pixelMetric(box, nullptr, choice) -
           choice->style()->pixelMetric(gap, nullptr, choice);
  };
  auto textWidth = [](QAbstractButton* choice) {
    return QFontMetrics(choice->font()).horizontalAdvance(choice->text());
  };
  for (QAbstractButton* choice : {window->dotarvikstiny, window->docestiny})
    EXPECT_LE(textWidth(choice), room(choice, QStyle::PM_ExclusiveIndicatorWidth, QStyle::PM_RadioButtonLabelSpacing));
  for (QAbstractButton* choice : {window->okamzite, window->podlevyslovnosti})
    EXPECT_LE(textWidth(choice), room(choice, QStyle::PM_IndicatorWidth, QStyle::PM_CheckBoxLabelSpacing));
  for (QAbstractButton* button : {window->prelozit, window->zavrit}) EXPECT_LT(textWidth(button), button->width() - 8);
  QFontMetrics metrics(window->vypis_slovicek->font());
  EXPECT_LE(metrics.horizontalAdvance(QString::fromUtf8("Významy v tarvikštině")) + 3, 185);
  EXPECT_LE(QFontMetrics(window->StatusBar1->font()).horizontalAdvance(QString::fromUtf8("Počet slovíček : 1000000")), 146);

  if (QByteArray folder = qgetenv("TARVIK_SCREENSHOTS"); !folder.isEmpty()) {
    lookUp("drom");
    window->grab().save(QString::fromLocal8Bit(folder) + "/browser.png");
    window->dotarvikstiny->click();
    window->grab().save(QString::fromLocal8Bit(folder) + "/browser-to-tarvik.png");
  }
}

}  // namespace
