#include "import_format.h"
#include "store_fixture_test.h"

namespace {

using Entries = std::vector<Tslovicko>;
using Lines = std::vector<std::string>;

std::string refusal(auto parse) {
  try { parse(); } catch (const ImportFormatError& e) { return e.what(); }
  return "";
}

std::vector<std::string> described(const ImportedEntries& imported) {
  std::vector<std::string> texts;
  for (const FieldProblem& problem : imported.problems) texts.push_back(describeProblem(problem, "f", false));
  return texts;
}

TEST(ImportFormat, ReadsTheExportBackGroupingConsecutiveHeadwordsFiveMeaningsAtATime) {
  const std::string long25(25, 'x');
  const struct { Lines lines; Entries entries; } cases[] = {
      {{}, {}},
      {{"", " \t", "KO - VODA", "KO - PIVO - SVETLE", "   "}, {entry("KO", {"VODA", "PIVO - SVETLE"})}},
      {{"KO - ", "KO - VODA", "ko - X", "KO - Y"}, {entry("KO", {"VODA"}), entry("ko", {"X"}), entry("KO", {"Y"})}},
      {{"A - 1", "A - 2", "A - 3", "A - 4", "A - 5", "A - 6"}, {entry("A", {"1", "2", "3", "4", "5"}), entry("A", {"6"})}},
      {{" - " + long25}, {entry("", {long25})}},
  };
  for (const auto& c : cases) EXPECT_EQ(parseImportLines(c.lines, "in.txt").entries, c.entries) << c.lines.size();
  EXPECT_EQ(refusal([] { parseImportLines({"KO - VODA", "", "KO -VODA"}, "slova.txt"); }),
            "slova.txt, line 3: expected \"HEADWORD - MEANING\", found no \" - \"; nothing was imported");
}

// The table as the export writes it, and the escapes tabfile reads.
TEST(ImportFormat, ReadsTheTableSplittingMeaningsAndUndoingEscapes) {
  const struct { Lines lines; Entries entries; } cases[] = {
      {{"C\t1; 2; 3; 4; 5; 6", "", "KO\tA\\\\B;C; ;  D ", "X\t"},
       {entry("C", {"1", "2", "3", "4", "5"}), entry("C", {"6"}), entry("KO", {"A\\B;C", " D "}), entry("X")}},
      {{"A\\\\\\n\\x\\\t1", "A\\\\\\n\\x\\\t2"}, {entry("A\\\n\\x\\", {"1", "2"})}},
  };
  for (const auto& c : cases) EXPECT_EQ(parseTableLines(c.lines, "t").entries, c.entries) << c.lines[0];
  EXPECT_EQ(refusal([] { parseTableLines({"KO\tVODA", "RA SLUNCE"}, "t.tsv"); }),
            "t.tsv, line 2: expected \"HEADWORD<TAB>MEANINGS\", found no TAB; nothing was imported");
  EXPECT_EQ(refusal([] { parseTableLines({" \tVODA"}, "t.tsv"); }),
            "t.tsv, line 1: no headword before the TAB; nothing was imported");
}

TEST(ImportFormat, ReadsCsvRowsWithQuotesAndLineBreaks) {
  const struct { Lines lines; bool header; Entries entries; } cases[] = {
      {{"slovo,význam", "ko,voda"}, true, {entry("ko", {"voda"})}},
      {{",,", "ko , \"voda, \"\"pivo\"\"\",,x", " \"a\"b ,c\"d"}, false,
       {entry("ko", {"voda, \"pivo\"", "x"}), entry("ab", {"c\"d"})}},
      {{"a,1,2,3,4,5,6,7", "a,8", "b,\"x", "", "y\""}, false,
       {entry("a", {"1", "2", "3", "4", "5"}), entry("a", {"6", "7", "8"}), entry("b", {"x\n\ny"})}},
      {{"nic", "nic,,"}, false, {entry("nic")}},  // a headword without meanings is still one
      {{"slovo;v\xFDznam;\"a, b\"", "pes;pes, hafan"}, true, {entry("pes", {"pes, hafan"})}},  // as Czech spreadsheets save it
  };
  for (const auto& c : cases) EXPECT_EQ(parseCsvLines(c.lines, "c", c.header).entries, c.entries) << c.lines[0];
  EXPECT_EQ(refusal([] { parseCsvLines({"a,b", "c,\"d", "e"}, "c.csv", false); }),
            "c.csv, line 2: a quoted field is not closed; nothing was imported");
  EXPECT_EQ(refusal([] { parseCsvLines({"a,b", " ,d"}, "c.csv", false); }),
            "c.csv, line 2: meanings without a headword; nothing was imported");
}

// Each field is checked where it was read, every fault listed.
TEST(ImportFormat, ListsEveryFieldTooLongOrHoldingAControlCharacter) {
  const std::string long21(21, 'x');
  EXPECT_EQ(described(parseImportLines({"KO - " + long21, long21 + " - A\tB", long21.substr(1) + " - A"}, "f")),
            (Lines{"f, line 1, meaning: 21 bytes, more than the 20 a field holds",
                   "f, line 2, headword: 21 bytes, more than the 20 a field holds",
                   "f, line 2, meaning: a control character (TAB, byte 9) at position 2"}));
  EXPECT_EQ(described(parseTableLines({"KO\tA; \\n; B\x01" + long21}, "f")),
            (Lines{"f, line 1, meaning 2: a control character (LF, byte 10) at position 1",
                   "f, line 1, meaning 3: a control character (byte 1) at position 2",
                   "f, line 1, meaning 3: 23 bytes, more than the 20 a field holds"}));
  EXPECT_EQ(described(parseCsvLines({"KO,,\"a", "b\""}, "f", false)),
            (Lines{"f, line 1, meaning 2: a control character (LF, byte 10) at position 2"}));
}

}  // namespace
