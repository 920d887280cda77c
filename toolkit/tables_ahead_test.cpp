#include "tables_ahead.h"

#include "qt_app_fixture_test.h"
#include "store_fixture_test.h"

namespace {

class TablesAheadTest : public StoreTest {
 protected:
  static void SetUpTestSuite() { qtApp(); }
};

// The program may end at once, under its workers; otherwise the tables
// reach the store, and the look-ups answer as the file says.
TEST_F(TablesAheadTest, EndsUnderItsWorkersOrHandsTheTablesOver) {
  fill(kTarvikCzech, {entry("SHEEKA", {"KOCKA"}), entry("DROM", {"CESTA"})});
  { TablesAhead ended(*store); }
  TablesAhead ahead(*store);
  ASSERT_TRUE(QTest::qWaitFor([&] { return ahead.handedOver(); }, 10000));
  EXPECT_EQ(store->findWord("drom", kTarvikCzech, {.byPronunciation = true, .ignoreDiacritics = true}).position, 2);
  EXPECT_EQ(store->searchMeanings("kocka", kTarvikCzech, {}).size(), 1u);
}

}  // namespace
