#include "meaning_grid.h"
#include "store_fixture_test.h"

namespace {

constexpr LookupOptions kBySound{.byPronunciation = true};

using Headings = std::vector<std::string>;

using MeaningGrid = StoreTest;

TEST_F(MeaningGrid, GivesAPairThatIsAHeadwordOneColumnAndEveryOtherWordItsOwn) {
  fill(kTarvikCzech, {entry("KO", {"VODA", "TEKUTINA", "PITI"}), entry("RA", {"SLUNCE"}),
                      entry("KO RA", {"\xD8" "EKA"}), entry("TA", {"TY"}), entry("RA TA", {"DEN"})});
  std::string sixty;
  Headings sixtyHeadings;
  for (int i = 0; i < 30; ++i) sixty += "ta ko ", sixtyHeadings.insert(sixtyHeadings.end(), {"TA", "KO"});
  const std::pair<std::string, Headings> cases[] = {
      {"ko ra", {"KO RA"}},          {"ko ra ta", {"KO RA", "TA"}},          {"ta ra ta", {"TA", "RA TA"}},
      {"ta ko ta", {"TA", "KO", "TA"}}, {"   ko   ra  ta   ", {"KO RA", "TA"}}, {"ta ko ", {"TA", "KO"}},
      {"ta ra ta  ", {"TA", "RA TA"}},  {"", {""}},                            {"   ", {""}},
      {sixty, sixtyHeadings},  // beyond the first twelve too
  };
  for (const auto& [line, expected] : cases) {
    Headings got;
    for (const GridColumn& column : meaningColumns(*store, line, kTarvikCzech, kBySound)) got.push_back(column[0]);
    EXPECT_EQ(got, expected) << "'" << line << "'";
  }
  // Rows hold the meanings; punctuation stays with its word.
  std::vector<GridColumn> columns = meaningColumns(*store, "Ko, ra", kTarvikCzech, kBySound);
  EXPECT_EQ(columns, (std::vector<GridColumn>{{"KO,", "", "", "", "", ""}, {"RA", "SLUNCE", "", "", "", ""}}));
  EXPECT_EQ(meaningColumns(*store, "ko", kTarvikCzech, kBySound)[0], (GridColumn{"KO", "VODA", "TEKUTINA", "PITI", "", ""}));
  // The one column of an empty line is the look-up of the empty word.
  fill(kTarvikCzech, {entry("", {"NIC"})});
  EXPECT_EQ(meaningColumns(*store, "", kTarvikCzech, kBySound)[0][1], "NIC");
}

TEST(MeaningColumnWidth, IsEightAndAHalfPixelsACharacterRoundedToEven) {
  const std::pair<const char*, int> cases[] = {{"", 0}, {"A", 8}, {"ABC", 26}, {"ABCDE", 42},
                                               {"ABCDEFG", 60}, {"ABCDEFGHIJK", 94}};
  for (const auto& [text, width] : cases) EXPECT_EQ(meaningColumnWidth(text), width) << text;
}

}  // namespace
