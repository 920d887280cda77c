#include "import_format.h"
#include "store_fixture_test.h"

namespace {

TEST(ImportFormat, ReadsTheExportBackGroupingConsecutiveHeadwordsFiveMeaningsAtATime) {
  using Entries = std::vector<Tslovicko>;
  const std::string long25(25, 'x');
  const struct { std::vector<std::string> lines; Entries entries; } cases[] = {
      {{}, {}},
      {{"", " \t", "KO - VODA", "KO - PIVO - SVETLE", "   "}, {entry("KO", {"VODA", "PIVO - SVETLE"})}},
      {{"KO - ", "KO - VODA", "ko - X", "KO - Y"}, {entry("KO", {"VODA"}), entry("ko", {"X"}), entry("KO", {"Y"})}},
      {{"A - 1", "A - 2", "A - 3", "A - 4", "A - 5", "A - 6"}, {entry("A", {"1", "2", "3", "4", "5"}), entry("A", {"6"})}},
      {{" - " + long25}, {entry("", {long25})}},
  };
  for (const auto& c : cases) EXPECT_EQ(parseImportLines(c.lines, "in.txt"), c.entries) << c.lines.size();
  std::string message;
  try { parseImportLines({"KO - VODA", "", "KO -VODA"}, "slova.txt"); } catch (const ImportFormatError& e) { message = e.what(); }
  EXPECT_EQ(message, "slova.txt, line 3: expected \"HEADWORD - MEANING\", found no \" - \"; nothing was imported");
}

}  // namespace
