// Start-up in its order, the splash, how the main window reaches the other
// windows, and the demonstration played tick by tick through them all.

#include <QApplication>
#include <QTimer>
#include <memory>

#include "cp1250.h"
#include "program_windows.h"
#include "qt_app_fixture_test.h"
#include "lookup_history.h"
#include "meaning_choices.h"
#include "start_up.h"
#include "store_fixture_test.h"
#include "word_forms_loading.h"

namespace {

class StartUp : public WindowTest<InTempDir> {
 protected:
  void TearDown() override {
    windows.reset();
    loader.reset();
    store.reset();
    WindowTest::TearDown();
  }
  void start() {
    store = openProgramStore(dir.string());
    makeWindows();
  }
  void makeWindows() {
    loader.emplace(store->wordForms());
    history.emplace(at("data"));
    windows = std::make_unique<Windows>(*store, *loader, *history);
  }

  std::unique_ptr<DictionaryStore> store;
  std::optional<LookupHistory> history;
  std::optional<WordFormsLoader> loader;
  std::unique_ptr<Windows> windows;
};

// The splash closes on a click or when its time has run out. Its timer runs
// from its creation: one whose time ran out while the later windows were
// built closes as soon as it is shown.
TEST_F(StartUp, ReadsTheHelpShowsTheSplashAndTheMainWindowShowsTheOthers) {
  putFileBytes("napoveda.txt", "Jak p\xF8" "ekl\xE1" "dat\r\n\r\nposledn\xED \xF8\xE1" "dek");
  start();
  const Windows& w = *windows;
  EXPECT_EQ(w.napoveda->Memo1->content(), "Jak p\xF8" "ekl\xE1" "dat\r\n\r\nposledn\xED \xF8\xE1" "dek\r\n");
  w.okno->Slovnk2->trigger();
  EXPECT_TRUE(w.ukaz_slovnik->isVisible());
  w.ukaz_slovnik->close();
  w.okno->ToolButton8->click();
  EXPECT_TRUE(w.ukaz_slovnik->isVisible());
  w.okno->Dotarviktiny1->trigger();
  w.okno->searchItem->trigger();
  EXPECT_TRUE(w.hledat->isVisible() && w.hledat->czechTarvik->isChecked());
  w.okno->Npovda1->trigger();
  EXPECT_TRUE(w.napoveda->isVisible());
  w.napoveda->zavrit->click();
  EXPECT_FALSE(w.napoveda->isVisible());
  bool aboutShown = false;
  QTimer::singleShot(0, [&] { aboutShown = w.about->isVisible(), w.about->Button1->click(); });
  w.okno->About1->trigger();
  EXPECT_TRUE(aboutShown && !w.about->isVisible());
  QWidget* shown = nullptr;
  QTimer::singleShot(0, [&] { (shown = QApplication::activeModalWidget()) ? shown->close() : false; });
  w.okno->Editaceslovnku1->trigger();
  EXPECT_EQ(shown, w.okno_editace.get());
  EXPECT_EQ(w.pri_otevreni->Timer1->interval(), 1500);
  QTimer::singleShot(10, [&w] { QTest::mouseClick(w.pri_otevreni->Image1, Qt::LeftButton); });
  w.pri_otevreni->showModal();
  EXPECT_FALSE(w.pri_otevreni->isVisible());
  EXPECT_FALSE(w.pri_otevreni->Timer1->isActive());
  Tpri_otevreni late;
  QTest::qSleep(1600);
  late.showModal();
  EXPECT_FALSE(late.isVisible());
}

TEST_F(StartUp, AnErrorInACreationHandlerIsReportedAndTheWindowsStillCome) {
  store = std::make_unique<DictionaryStore>(dir.string());  // the help file never opened
  makeWindows();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("napoveda.txt"), std::string::npos);
  EXPECT_EQ(windows->napoveda->Memo1->content(), "");
}

class Demonstration : public StartUp {
 protected:
  // The demonstration's words, as the sample dictionary has them.
  void SetUp() override {
    StartUp::SetUp();
    start();
    for (const Tslovicko& e : {entry("DAN", {"DEN"}), entry("DROM", {"MU\x8E", "\xC8LOV\xCCK", "MAN\x8E" "EL"}),
                               entry("PA", {"J\xCDT"}), entry("PA LU", {"JDE DOM\xD9", "VRAC\xCD SE"}),
                               entry("TESA", {"KDO"}), entry("VOR", {"DOBR\xDD"}), entry("VOR DAN", {"DOBR\xDD DEN"})})
      store->writeEntry(kTarvikCzech, store->entryCount(kTarvikCzech), e);
    okno = windows->okno.get();
  }
  // Plays ticks until the script has reached `step`.
  void playTo(std::uint32_t step) {
    while (okno->demoStep <= step) okno->Timer1Timer();
  }
  std::string status() const { return okno->StatusBar1->panelText(0); }

  Tokno* okno = nullptr;
};

// Moving through the grid as a user would, and ending with the windows as new.
// A start after the end ticks again; a start while one runs begins at the
// first step. Neither moves the walk back from where the user left it. The
// meanings the user chose neither change the script nor are changed by it.
TEST_F(Demonstration, PlaysThroughTheWindowsAndEveryStartFromItsFirstStep) {
  okno->rememberMeaningsItem->trigger();
  ASSERT_TRUE(store->meaningChoices().add(kTarvikCzech, "", "DROM", "\xC8LOV\xCCK"));
  const std::string chosen = fileBytes("volby.txt");
  windows->napoveda->showModeless();
  windows->napoveda->demo->click();
  EXPECT_FALSE(windows->napoveda->isVisible());
  EXPECT_EQ(okno->Vstup->content() + status(), "dDemo");
  playTo(17);
  EXPECT_EQ(okno->Vstup->content(), "drom pa lu\r\ntesa ?");
  playTo(21);  // row 3 of the first column: MANŽEL in, MUŽ out
  EXPECT_EQ(okno->Vystup->line(0), "MAN\x8E" "EL JDE DOM\xD9 ");
  playTo(23);  // row 2, then the empty row 4: rebuilt, nothing swapped
  EXPECT_EQ(okno->Vystup->line(0), "\xC8LOV\xCCK JDE DOM\xD9 ");
  playTo(24);  // the phrase's column, row 2
  EXPECT_EQ(okno->Vystup->line(0), "\xC8LOV\xCCK VRAC\xCD SE ");
  playTo(27);
  EXPECT_EQ(okno->Vystup->line(1), "KDO ? ");
  playTo(39);
  EXPECT_TRUE(windows->ukaz_slovnik->isVisible());
  EXPECT_EQ(windows->ukaz_slovnik->najit->text(), "vor dan");
  EXPECT_EQ(windows->ukaz_slovnik->StatusBar1->panelText(0), "Nalezeno");
  playTo(42);
  EXPECT_EQ(okno->Vstup->content() + okno->Vystup->content(), "Vstup" + cp1250Text("Výstup"));
  EXPECT_FALSE(okno->vyberslov->isEnabled());
  EXPECT_EQ(okno->vyberslov->cell(0, 0) + std::to_string(okno->Gauge1->value()), "0");
  EXPECT_FALSE(okno->ToolButton6->isDown() || okno->ToolButton8->isDown());
  EXPECT_FALSE(windows->ukaz_slovnik->isVisible());
  EXPECT_FALSE(okno->Timer1->isActive());
  EXPECT_EQ(fileBytes("volby.txt"), chosen);
  okno->Timer1Timer();  // idle ticks change nothing but the counter
  EXPECT_EQ(status(), "Konec dema");
  okno->Vstup->setContent("tesa");
  okno->prelozitClick();  // the walk stands at line 0
  okno->startDemo();
  EXPECT_TRUE(okno->Timer1->isActive());
  playTo(20);
  EXPECT_EQ(okno->walk.currentLine, 1);
  EXPECT_EQ(okno->Vystup->line(1), "KDO ? ");
  okno->startDemo();
  EXPECT_EQ(okno->Vstup->content(), "d");
}

}  // namespace
