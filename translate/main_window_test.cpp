// The main window driven through its real controls and handlers.

#include <QAccessible>
#include <QApplication>
#include <QFileDialog>
#include <QTest>
#include <QTimer>
#include <memory>
#include <tuple>

#include "cp1250.h"
#include "qt_app_fixture_test.h"
#include "qt_text.h"
#include "store_fixture_test.h"
#include "lookup_history.h"
#include "word_forms_loading.h"
#include "main_window.h"
#include "word_forms.h"

namespace {

const std::string kWhole = cp1250Text("Text byl přeložen celý");
const std::string kNotWhole = cp1250Text("Text nebyl přeložen celý nebo vůbec");

class MainWindow : public WindowTest<StoreTest> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    fill(kTarvikCzech, {entry("KO", {"VODA", "TEKUTINA", "PIT\xCD"}), entry("RA", {"SLUNCE"}),
                        entry("KO RA", {"\xD8" "EKA"}), entry("SHEE", {"MOST"})});
    fill(kCzechTarvik, {entry("VODA", {"KO"})});
    loader.emplace(store->wordForms());
    history.emplace(at("data"));
    window = std::make_unique<Tokno>(*store, *loader, *history);
  }
  void TearDown() override {
    window.reset();
    loader.reset();
    WindowTest::TearDown();
  }

  void type(const std::string& utf8) {
    window->Vstup->setContent("");
    window->Vstup->setContent(cp1250Text(utf8));
  }
  std::string status() const { return window->StatusBar1->panelText(0); }
  std::string output() const { return window->Vystup->content(); }
  // The highlighted stretch of the input, the walk's line and the gauge.
  std::tuple<int, int, int, int> walked() const {
    return {window->Vstup->selStart(), window->Vstup->selLength(), window->walk.currentLine, window->Gauge1->value()};
  }

  // What a screen reader is told of the grid's cell (col, row).
  std::string spokenCell(int col, int row) const {
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(window->vyberslov)->tableInterface();
    return fromQt(table->cellAt(row, col)->text(QAccessible::Name));
  }
  std::tuple<QString, bool> spokenDirection() const {
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(window->ToolButton9);
    return {button->text(QAccessible::Name), button->state().checked};
  }

  std::optional<LookupHistory> history;
  std::optional<WordFormsLoader> loader;
  std::unique_ptr<Tokno> window;
};

// A step before it leaves the grid enabled, which all at once must undo.
TEST_F(MainWindow, TranslatesEverythingAtOnce) {
  type("ko ra.ta ko\r\n\r\nshee");
  window->ToolButton6->click();
  window->ToolButton4->click();
  EXPECT_EQ(output(), "\xD8" "EKA.ta VODA \r\n\r\nMOST \r\n");
  EXPECT_EQ(status(), kNotWhole);
  EXPECT_EQ(walked(), std::tuple(0, 19, 0, 100));
  EXPECT_FALSE(window->vyberslov->isEnabled());
  type("ko ra");
  window->rychleprelozit();
  EXPECT_EQ(output() + status(), "\xD8" "EKA \r\n" + kWhole);
}

// In the grid a click on a meaning, or an arrow onto it, swaps it with the
// one in use. A screen reader hears each cell with the word it belongs to.
TEST_F(MainWindow, StepsLineByLineAndTheGridPutsTheMeaningChosenIn) {
  EXPECT_EQ(spokenCell(4, 1), cp1250Text("Slovo 5, zvolený význam: prázdné"));  // a column without a word
  type("ko\r\nrax");
  window->prelozitClick();
  EXPECT_EQ(walked(), std::tuple(0, 4, 0, 57));
  EXPECT_EQ(output() + status(), "VODA " + kWhole);  // the placeholder line is replaced
  window->prelozitClick();
  EXPECT_EQ(walked(), std::tuple(4, 3, 1, 100));  // cut at the end
  EXPECT_EQ(output() + status(), "VODA \r\nrax " + kNotWhole);
  window->prelozitClick();  // after the last line, the first again
  EXPECT_EQ(walked(), std::tuple(0, 4, 0, 100));
  window->prelozitClick();
  type("ra");  // the line the walk stands on is gone: the first again
  window->prelozitClick();
  EXPECT_EQ(window->walk.currentLine, 0);
  EXPECT_EQ(output().substr(0, 8), "SLUNCE \r");
  window->Gauge1->setValue(33);  // an empty text leaves the gauge alone
  type("");
  window->prelozitClick();
  EXPECT_EQ(window->Gauge1->value(), 33);
  type("ko ra shee ko");
  window->prelozitClick();
  StringGrid* grid = window->vyberslov;
  EXPECT_EQ(grid->cell(2, 3), "PIT\xCD");
  EXPECT_EQ(grid->colWidth(2), 68);  // as wide as its widest meaning, TEKUTINA
  EXPECT_EQ(window->Vystup->line(0), "\xD8" "EKA MOST VODA ");
  EXPECT_EQ(spokenCell(2, 0) + "|" + spokenCell(2, 1) + "|" + spokenCell(2, 3) + "|" + spokenCell(2, 5),
            cp1250Text("Slovo 3: KO|KO, zvolený význam: VODA|KO, význam 3: PITÍ|KO, význam 5: prázdné"));
  window->show();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(3, 2)).center());
  EXPECT_EQ(grid->cell(2, 1) + grid->cell(2, 3), "PIT\xCDVODA");
  EXPECT_EQ(spokenCell(2, 1), cp1250Text("KO, zvolený význam: PITÍ"));
  EXPECT_EQ(window->Vystup->line(0), "\xD8" "EKA MOST PIT\xCD ");
  QTest::keyClick(grid, Qt::Key_Up);  // to row 2, as a click there
  EXPECT_EQ(window->Vystup->line(0), "\xD8" "EKA MOST TEKUTINA ");
  // A word found inside its punctuation keeps it around the meaning chosen.
  type("(ko) ra!");
  window->prelozitClick();
  EXPECT_EQ(grid->cell(0, 0) + grid->cell(0, 1), "(KO)VODA");
  EXPECT_EQ(window->Vystup->line(0), "(VODA) SLUNCE! ");
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(3, 0)).center());
  EXPECT_EQ(window->Vystup->line(0), "(PIT\xCD) SLUNCE! ");
}

// The output placeholder has no accent at the start, and one after "Nový".
// Switching the direction starts the walk again; a screen reader hears the
// direction on the tool button, by its name and its down state.
TEST_F(MainWindow, PlaceholdersGoOnAClickAndComeBackAsNewAndTheDirectionSwitches) {
  EXPECT_EQ(output(), "Vystup");
  window->show();
  QTest::mouseClick(window->Vstup->viewport(), Qt::LeftButton);
  EXPECT_EQ(window->Vstup->content(), "");
  EXPECT_FALSE(window->ToolButton6->isEnabled() || window->ToolButton4->isEnabled());
  window->Peloitrychle1->trigger();  // F5 still works
  EXPECT_EQ(output(), "");
  type("Vstupenka");
  EXPECT_TRUE(window->ToolButton6->isEnabled() && window->ToolButton4->isEnabled());
  QTest::mouseClick(window->Vstup->viewport(), Qt::LeftButton);
  EXPECT_EQ(window->Vstup->content(), "Vstupenka");
  window->prelozitClick();
  window->nove->click();
  EXPECT_EQ(window->Vstup->content() + output(), "Vstup" + cp1250Text("Výstup"));
  type("voda");
  window->prelozitClick();
  EXPECT_EQ(spokenDirection(), std::tuple(QString::fromUtf8("Směr překladu: do češtiny"), false));
  window->Dotarviktiny1->trigger();
  EXPECT_EQ(spokenDirection(), std::tuple(QString::fromUtf8("Směr překladu: do tarvikštiny"), true));
  EXPECT_EQ(window->StatusBar1->panelText(1), cp1250Text("Do tarvikštiny"));
  EXPECT_EQ(std::tuple(window->walk.currentLine, window->Gauge1->value()), std::tuple(-1, 0));
  window->prelozitClick();
  EXPECT_EQ(output(), "KO ");
  window->ToolButton9->click();  // up again: back to Czech
  EXPECT_EQ(window->direction(), kTarvikCzech);
  EXPECT_EQ(window->StatusBar1->panelText(1), cp1250Text("Do češtiny"));
  EXPECT_EQ(spokenDirection(), std::tuple(QString::fromUtf8("Směr překladu: do češtiny"), false));
  window->Podlev1->trigger();
  EXPECT_FALSE(window->byPronunciation());
}

// "Hledat i bez diakritiky" and "Hledat i tvary slov" reach the translation
// and are kept for the next start. Word forms without their data are
// told about once, and so is a line of tvary.txt they cannot use.
TEST_F(MainWindow, LookupOptionsReachTheTranslationAndLastToTheNextStart) {
  fill(kCzechTarvik, {entry("\x8E" "ENA", {"DELLA"})});
  store->wordForms().useHunspellData((dir / "missing").string());
  putFileBytes(kIrregularFormsFileName, "broken\r\n");
  qtApp().reportWarningsOf(&*store);
  window->Dotarviktiny1->trigger();
  type("zena voda");
  window->rychleprelozit();
  EXPECT_EQ(output(), "zena KO \r\n");
  window->withoutDiacriticsItem->trigger();
  window->wordFormsItem->trigger();
  window->rychleprelozit();
  EXPECT_EQ(output(), "DELLA KO \r\n");
  ASSERT_TRUE(QTest::qWaitFor([this] { return errors.size() == 2; }));
  EXPECT_NE(errors[0].find("sudo apt install hunspell-cs"), std::string::npos);
  EXPECT_NE(errors[1].find("tvary.txt, line 1 \"broken\""), std::string::npos);
  window->wordFormsItem->trigger();
  window->wordFormsItem->trigger();
  window = std::make_unique<Tokno>(*store, *loader, *history);
  window->show();
  EXPECT_TRUE(window->lookupOptions().forms && window->lookupOptions().ignoreDiacritics);
  EXPECT_EQ(errors.size(), 2u);
}

// Looked-up words are remembered from the first start until the option is
// turned off, which the next start keeps; the history is cleared from the menu.
TEST_F(MainWindow, RemembersLookedUpWordsUntilToldNotTo) {
  EXPECT_TRUE(window->rememberWordsItem->isChecked());
  history->remember(kTarvikCzech, "KO");
  window->rememberWordsItem->trigger();
  window = std::make_unique<Tokno>(*store, *loader, *history);
  EXPECT_FALSE(window->rememberWordsItem->isChecked());
  history->remember(kTarvikCzech, "RA");
  EXPECT_EQ(history->wordsFor(kTarvikCzech), std::vector<std::string>{"KO"});
  window->clearHistoryItem->trigger();
  EXPECT_TRUE(history->entries().empty());
}

// Only what forgetting the chosen meanings asks of the other windows.
class Answering final : public OtherWindows {
 public:
  void showBrowser() override {}
  void showHelp() override {}
  void showSearch(Dict, const LookupOptions&) override {}
  void showEditor() override {}
  void showAbout() override {}
  bool ask(std::string_view question) override {
    asked = question;
    return yes;
  }
  bool yes = false;
  std::string asked;
};

// Off at the first start, and then the grid's clicks are neither kept nor
// used. On (kept for the next start), a click is remembered for the word
// after the word before and alone; a step and all at once use it, the grid
// marks it, the first meaning forgets it, and the menu forgets them all.
TEST_F(MainWindow, RemembersTheMeaningsChosenInTheGridWhenAsked) {
  StringGrid* grid = window->vyberslov;
  auto click = [&](int col, int row) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, col)).center());
  };
  window->show();
  EXPECT_FALSE(window->rememberMeaningsItem->isChecked());
  type("shee ko");
  window->prelozitClick();
  click(1, 3);
  EXPECT_EQ(window->Vystup->line(0), "MOST PIT\xCD ");
  EXPECT_FALSE(std::filesystem::exists(dir / "volby.txt"));
  window->rychleprelozit();
  EXPECT_EQ(output(), "MOST VODA \r\n");

  window->rememberMeaningsItem->trigger();
  window = std::make_unique<Tokno>(*store, *loader, *history);
  window->show();
  grid = window->vyberslov;
  ASSERT_TRUE(window->rememberMeaningsItem->isChecked());
  type("shee ko");
  window->prelozitClick();
  click(1, 3);
  EXPECT_EQ(fileBytes("volby.txt"), "tc\tKO\tPIT\xCD\r\ntc\tSHEE\tKO\tPIT\xCD\r\n");
  EXPECT_EQ(spokenCell(1, 1), cp1250Text("KO, zvolený význam (zapamatovaný): PITÍ"));
  EXPECT_TRUE(grid->cellMarked(1, 1) && !grid->cellMarked(1, 3));
  type("ra ko");
  window->prelozitClick();
  EXPECT_EQ(window->Vystup->line(0), "SLUNCE PIT\xCD ");
  EXPECT_TRUE(grid->cellMarked(1, 1) && !grid->cellMarked(0, 1));
  click(1, 2);  // TEKUTINA, after RA and alone: after SHEE it stays PITÍ
  type("ko\r\nshee ko\r\nra ko");
  window->rychleprelozit();
  EXPECT_EQ(output(), "TEKUTINA \r\nMOST PIT\xCD \r\nSLUNCE TEKUTINA \r\n");
  window->prelozitClick();
  EXPECT_EQ(grid->cell(1, 1) + "|" + grid->cell(1, 3), "PIT\xCD|VODA");
  click(1, 3);  // the first meaning again
  EXPECT_FALSE(grid->cellMarked(1, 1));
  EXPECT_EQ(fileBytes("volby.txt"), "tc\tRA\tKO\tTEKUTINA\r\n");
  std::filesystem::create_directory(dir / "volby.txt.novy");  // a choice that cannot be kept
  click(1, 2);
  EXPECT_EQ(window->Vystup->line(1) + std::to_string(errors.size()), "MOST TEKUTINA 1");
  EXPECT_FALSE(grid->cellMarked(1, 1));
  std::filesystem::remove(dir / "volby.txt.novy");

  Answering others;
  window->others = &others;
  window->forgetMeaningsItem->trigger();
  EXPECT_EQ(others.asked, cp1250Text("Opravdu zapomenout všechny zvolené významy?"));
  EXPECT_TRUE(std::filesystem::exists(dir / "volby.txt"));
  others.yes = true;
  window->prelozitClick();
  EXPECT_TRUE(grid->cellMarked(1, 1));
  window->forgetMeaningsItem->trigger();
  EXPECT_FALSE(std::filesystem::exists(dir / "volby.txt") || grid->cellMarked(1, 1));
  EXPECT_EQ(status(), cp1250Text("Zvolené významy byly zapomenuty"));
}

// Answers the next file dialog with `path` as soon as it is shown.
void answerFileDialog(const QString& path) {
  QTimer::singleShot(0, [path] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept");
  });
}

// Texts go in and out as Windows-1250 with CR LF; dictionary exports report
// in the status bar, and their failures in a message.
TEST_F(MainWindow, OpensSavesAndExportsFiles) {
  putFileBytes("original.txt", "ko ra\r\n\xC8" "AJ\nshee");
  type("ra");
  window->prelozitClick();
  QString original = QString::fromStdString((dir / "original.txt").string());
  answerFileDialog(original);
  window->ToolButton1->click();
  EXPECT_EQ(status(), cp1250Text("Otevřen soubor ") + original.toStdString());
  EXPECT_EQ(window->walk.currentLine, -1);
  window->rychleprelozit();
  QString saved = QString::fromStdString((dir / "p\xC5\x99" "eklad.txt").string());  // překlad.txt
  answerFileDialog(saved);
  window->ToolButton2->click();
  EXPECT_EQ(fileBytes(saved.toStdString()), "\xD8" "EKA \r\n\xC8" "AJ \r\nMOST \r\n\r\n");
  EXPECT_EQ(status(), cp1250Text("Uloženo do souboru ") + fromQt(saved));
  for (auto [item, name] : {std::pair{window->Ulozitdotextovhosouboru1, "tc_slovnik.txt"},
                            std::pair{window->UloitCTslovnkdotextsouboru1, "ct_slovnik.txt"}}) {
    item->trigger();
    EXPECT_EQ(status(), cp1250Text("Slovník byl uložen od souboru ") + name);
  }
  EXPECT_EQ(fileBytes("tc_slovnik.txt").substr(0, 11) + fileBytes("ct_slovnik.txt"), "KO - VODA\r\nVODA - KO\r\n");
  std::filesystem::remove(dir / "tc_slovnik.txt");
  std::filesystem::create_directory(dir / "tc_slovnik.txt");
  window->Ulozitdotextovhosouboru1->trigger();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("tc_slovnik.txt"), std::string::npos);
  EXPECT_EQ(status(), cp1250Text("Slovník byl uložen od souboru ct_slovnik.txt"));
}

}  // namespace
