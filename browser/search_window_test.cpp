// "Hledat" driven through its controls, with the browser that shows what it found.

#include "search_window.h"

#include <QApplication>
#include <QTest>
#include <memory>

#include "browser_window.h"
#include "cp1250.h"
#include "qt_app_fixture_test.h"
#include "qt_text.h"
#include "store_fixture_test.h"
#include "word_forms_loading.h"

namespace {

std::string cz(const char* utf8) { return cp1250Text(utf8); }

class Search : public WindowTest<StoreTest> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    fill(kTarvikCzech, {entry("DELLA", {cz("ŽENA"), cz("MANŽELKA")}), entry("DROM", {cz("MUŽ")})});
    fill(kCzechTarvik, {entry("MOST", {"SHEE"}), entry(cz("ŽENA"), {"DELLA"}), entry(cz("ŽENA"), {"SA"})});
    loader.emplace(store->wordForms());
    history.emplace(at("data"));
    browser = std::make_unique<Tukaz_slovnik>(*store, *history);
    window = std::make_unique<SearchWindow>(*store, *loader, *history);
    window->showInBrowser = [this](Dict dict, long position) { browser->showEntry(dict, position); };
  }
  // The listed rows, cells joined by "|", rows by ";".
  std::string rows() const {
    std::string all;
    for (int r = 1; r < window->results->rowTotal(); ++r)
      for (int c = 0; c < 3; ++c) all += window->results->cell(c, r) + (c < 2 ? "|" : ";");
    return all;
  }

  void TearDown() override {
    window.reset();
    browser.reset();
    loader.reset();
    WindowTest::TearDown();
  }

  std::optional<LookupHistory> history;
  std::optional<WordFormsLoader> loader;
  std::unique_ptr<Tukaz_slovnik> browser;
  std::unique_ptr<SearchWindow> window;
};

// Of two records with one headword, the browser shows the one chosen, also
// after the look-up of its activation.
TEST_F(Search, FindsWithoutDiacriticsAndShowsTheEntryChosenInTheBrowser) {
  window->showFor(kCzechTarvik, {.ignoreDiacritics = true});
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  typeText(window->text, "zena");
  QTest::keyClick(window->text, Qt::Key_Return);
  EXPECT_EQ(rows(), cz("ŽENA|DELLA|bez diakritiky;ŽENA|SA|bez diakritiky;"));
  QTest::keyClick(window->text, Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitForWindowActive(browser.get()));
  EXPECT_TRUE(browser->dotarvikstiny->isChecked());
  EXPECT_EQ(browser->vypis_slovicek->selectedRow(), 3);
  EXPECT_EQ(fromQt(browser->najit->text()), cz("ŽENA"));
  window->text->setText("mosr");
  EXPECT_EQ(rows(), cz("MOST|SHEE|možná (vzdálenost 1);"));
  window->meanings->click();
  window->tarvikCzech->click();
  window->text->setText("muz");
  EXPECT_EQ(rows(), cz("DROM|MUŽ|bez diakritiky;"));
  ModelGrid* grid = window->results;
  const QPoint first = grid->visualRect(grid->model()->index(0, 0)).center();
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, first);  // the double click's own press
  QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, first);
  EXPECT_TRUE(browser->docestiny->isChecked());
  EXPECT_EQ(browser->vypis_slovicek->selectedRow(), 3);
  EXPECT_TRUE(errors.empty());
}

// Typing remembers nothing, Enter and leaving the window with a word that
// found entries do; Up brings back the words of the direction chosen, newest
// first, and Down the text as it was typed.
TEST_F(Search, UpBringsBackTheWordsSettledOnInTheDirectionChosen) {
  history->remember(kCzechTarvik, "most");
  window->showFor(kTarvikCzech, {});
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  typeText(window->text, "della");
  EXPECT_EQ(history->entries().size(), 1u);
  QTest::keyClick(window->text, Qt::Key_Return);
  window->text->setText("drom");
  window->close();
  EXPECT_EQ(history->wordsFor(kTarvikCzech), (std::vector<std::string>{"drom", "della"}));
  window->showFor(kTarvikCzech, {});
  window->text->setText("");
  const std::pair<Qt::Key, const char*> steps[] = {
      {Qt::Key_Up, "drom"}, {Qt::Key_Up, "della"}, {Qt::Key_Up, "della"}, {Qt::Key_Down, "drom"}, {Qt::Key_Down, ""}};
  for (auto [key, shown] : steps) {
    QTest::keyClick(window->text, key);
    EXPECT_EQ(window->text->text(), shown);
  }
  QTest::keyClick(window->text, Qt::Key_Up);
  EXPECT_EQ(rows(), cz("DROM|MUŽ|přesně;"));
  EXPECT_TRUE(errors.empty());
}

}  // namespace
