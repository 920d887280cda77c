// "Vyhledat" as a look-up from another program opens it.

#include "lookup_window.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "cp1250.h"
#include "qt_app_fixture_test.h"
#include "store_fixture_test.h"
#include "word_forms_loading.h"

namespace {

std::string cz(const char* utf8) { return cp1250Text(utf8); }

class Lookup : public WindowTest<StoreTest> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    fill(kTarvikCzech, {entry("DROM", {cz("MUŽ")}), entry("PA LU", {cz("JDE DOMŮ")}), entry("PA", {"JDE"})});
    fill(kCzechTarvik, {entry(cz("MUŽ"), {"DROM"})});
    loader.emplace(store->wordForms());
    window = std::make_unique<LookupWindow>(*store, *loader);
    window->lookedUp = [this](Dict dict, const std::string& word) { remembered.emplace_back(dict, word); };
    window->showInBrowser = [this](Dict dict, long position) { shown.emplace_back(dict, position); };
  }
  void TearDown() override {
    window.reset();
    loader.reset();
    WindowTest::TearDown();
  }
  // The listed rows, cells joined by "|", rows by ";".
  std::string rows() const {
    std::string all;
    for (int r = 1; r < window->results->rowTotal(); ++r)
      for (int c = 0; c < 4; ++c) all += window->results->cell(c, r) + (c < 3 ? "|" : ";");
    return all;
  }

  std::optional<WordFormsLoader> loader;
  std::unique_ptr<LookupWindow> window;
  std::vector<std::pair<Dict, std::string>> remembered;
  std::vector<std::pair<Dict, long>> shown;
};

// The first two words of a text are a phrase where the dictionary has one;
// the look-up is remembered once, and Enter takes the entry to the browser.
TEST_F(Lookup, ShowsAPhraseFromATextAndTakesItsEntryToTheBrowser) {
  window->showFor(cz("„Pa lu“, dál"), {});
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  EXPECT_EQ(rows(), cz("T-Č|PA LU|JDE DOMŮ|přesně;"));
  EXPECT_EQ(window->text->content(), "Pa lu");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(shown, (std::vector<std::pair<Dict, long>>{{kTarvikCzech, 2}}));
  EXPECT_EQ(remembered, (std::vector<std::pair<Dict, std::string>>{{kTarvikCzech, "Pa lu"}}));
}

// Without a primary selection the clipboard serves, read no further than its
// beginning; a miss offers the nearest headwords of both dictionaries.
TEST_F(Lookup, TakesTheClipboardAndOffersNearHeadwordsOnAMiss) {
  QGuiApplication::clipboard()->setText(QString::fromUtf8("\n  muž ") + QString(1 << 20, 'x'));
  window->showForSelection({});
  EXPECT_EQ(rows(), cz("Č-T|MUŽ|DROM|přesně;"));
  window->showFor("drim", {});
  EXPECT_EQ(rows(), cz("T-Č|DROM|MUŽ|možná (vzdálenost 1);"));
  EXPECT_EQ(window->StatusBar1->panelText(0), cz("Nenalezeno, podobná hesla: 1"));
  QGuiApplication::clipboard()->setText("?!");
  window->showForSelection({});
  EXPECT_EQ(rows(), "");
  EXPECT_EQ(window->StatusBar1->panelText(0), cz("Ve výběru ani ve schránce není žádné slovo."));
}

}  // namespace
