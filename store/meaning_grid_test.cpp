#include "meaning_grid.h"
#include "store_fixture_test.h"

namespace {

class MeaningGrid : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    fill(kTarvikCzech, {entry("KO", {"VODA", "TEKUTINA", "PITI"}), entry("RA", {"SLUNCE"}),
                        entry("KO RA", {"\xD8" "EKA"}), entry("TA", {"TY"}), entry("RA TA", {"DEN"})});
  }
  std::vector<std::string> headings(std::string_view line) {
    std::vector<std::string> result;
    for (const GridColumn& column : meaningColumns(line, kTarvikCzech, true)) result.push_back(column[0]);
    return result;
  }
  using Headings = std::vector<std::string>;
};

TEST_F(MeaningGrid, APairThatIsAHeadwordTakesOneColumn) {
  EXPECT_EQ(headings("ko ra"), Headings{"KO RA"});
  EXPECT_EQ(headings("ko ra ta"), (Headings{"KO RA", "TA"}));
  EXPECT_EQ(headings("ta ra ta"), (Headings{"TA", "RA TA"}));
  EXPECT_EQ(headings("ta ko ta"), (Headings{"TA", "KO", "TA"}));
}

TEST_F(MeaningGrid, SpacesAroundAndBetweenWordsChangeNothing) {
  EXPECT_EQ(headings("   ko   ra  ta   "), (Headings{"KO RA", "TA"}));
  EXPECT_EQ(headings("ta ko "), (Headings{"TA", "KO"}));
  EXPECT_EQ(headings("ta ra ta  "), (Headings{"TA", "RA TA"}));
}

TEST_F(MeaningGrid, AnEmptyLineShowsOneEmptyColumn) {
  EXPECT_EQ(headings(""), Headings{""});
  EXPECT_EQ(headings("   "), Headings{""});
  // That column is the look-up of the empty word.
  fill(kTarvikCzech, {entry("", {"NIC"})});
  EXPECT_EQ(meaningColumns("", kTarvikCzech, true)[0][1], "NIC");
}

TEST_F(MeaningGrid, EveryWordGetsItsColumnBeyondTheFirstTwelve) {
  std::string line;
  for (int i = 0; i < 30; ++i) line += "ta ko ";
  EXPECT_EQ(headings(line).size(), 60u);
}

TEST_F(MeaningGrid, RowsHoldTheMeaningsAndPunctuationStaysWithItsWord) {
  std::vector<GridColumn> columns = meaningColumns("Ko, ra", kTarvikCzech, true);
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_EQ(columns[0], (GridColumn{"KO,", "", "", "", "", ""}));
  EXPECT_EQ(columns[1], (GridColumn{"RA", "SLUNCE", "", "", "", ""}));
  EXPECT_EQ(meaningColumns("ko", kTarvikCzech, true)[0], (GridColumn{"KO", "VODA", "TEKUTINA", "PITI", "", ""}));
}

TEST(MeaningColumnWidth, IsEightAndAHalfPixelsACharacterRoundedToEven) {
  EXPECT_EQ(meaningColumnWidth("A"), 8);
  EXPECT_EQ(meaningColumnWidth("ABC"), 26);
  EXPECT_EQ(meaningColumnWidth("ABCDE"), 42);
  EXPECT_EQ(meaningColumnWidth("ABCDEFG"), 60);
  EXPECT_EQ(meaningColumnWidth("ABCDEFGHIJK"), 94);
  EXPECT_EQ(meaningColumnWidth(""), 0);
}

}  // namespace
