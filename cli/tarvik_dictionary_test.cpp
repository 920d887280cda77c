// The dictionary commands, run as a user runs them. Texts are UTF-8, the
// default encoding; tarvik_test.cpp covers the encodings and the failures.

#include "run_tarvik.h"

namespace {

// Tarvik to Czech: KO is VODA, RA is SLUNCE, and the phrase KO RA is ŘEKA.
class WorkedExample : public TarvikTest {
 protected:
  void SetUp() override {
    TarvikTest::SetUp();
    runOk({"insert", "KO", "VODA"});
    runOk({"insert", "RA", "SLUNCE"});
    runOk({"insert", "KO RA", "ŘEKA"});
  }
};

TEST_F(WorkedExample, TranslatesPhraseFirstAndKeepsUnknownWords) {
  RunResult result = run({"translate"}, "ko ra.ta ko");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "ŘEKA.ta VODA \n");
  EXPECT_EQ(result.err, "Text nebyl přeložen celý nebo vůbec\n");
}

TEST_F(WorkedExample, TranslatesEveryLineAndStopsAtCtrlZ) {
  RunResult result = run({"translate"}, "ko\r\n\r\nra ko ra\x1Ata\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "VODA \n\nSLUNCE ŘEKA \n");
  EXPECT_EQ(result.err, "Text byl přeložen celý\n");
}

TEST_F(WorkedExample, GridGivesEachWordOneColumnAndAPhraseOne) {
  const std::string kPhrase = "KO RA\tŘEKA\t\t\t\t\n";
  const std::string kTa = "TA\t\t\t\t\t\n";
  const std::string kKo = "KO\tVODA\t\t\t\t\n";
  struct Case {
    const char* line;
    std::string columns;
  };
  const Case cases[] = {
      {"ko ra ta ko", kPhrase + kTa + kKo},
      {"  ko ra  ta   ko  ", kPhrase + kTa + kKo},
      {"ta ko", kTa + kKo},
      {"ra ko ra", "RA\tSLUNCE\t\t\t\t\n" + kPhrase},
      {"ko", kKo},
      {"", "\t\t\t\t\t\n"},  // one empty column, as the window shows it
      {"   ", "\t\t\t\t\t\n"},
  };
  for (const Case& c : cases) {
    RunResult result = run({"grid", c.line});
    EXPECT_EQ(result.exitCode, 0) << c.line;
    EXPECT_EQ(result.out, c.columns) << '"' << c.line << '"';
  }
}

TEST_F(WorkedExample, LookupPrefixListAndCountShowTheRecords) {
  EXPECT_EQ(runOk({"lookup", "ko"}), "1\tKO\tVODA\t\t\t\t\n");
  EXPECT_EQ(runOk({"lookup", "Ko Ra"}), "2\tKO RA\tŘEKA\t\t\t\t\n");
  EXPECT_EQ(runOk({"prefix", "ko "}), "2\tKO RA\n");
  EXPECT_EQ(runOk({"list"}), "0\tKO\tVODA\t\t\t\t\n1\tKO RA\tŘEKA\t\t\t\t\n2\tRA\tSLUNCE\t\t\t\t\n");
  EXPECT_EQ(runOk({"count"}), "3\t3\n");
  EXPECT_EQ(runOk({"count", "--dict", "ct"}), "0\t0\n");
}

TEST_F(WorkedExample, NotFoundIsExitOneWithNothingPrinted) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"lookup", "ta"}, {"lookup", "--dict", "ct", "ko"}, {"prefix", "x"}}) {
    RunResult result = run(args);
    EXPECT_EQ(result.exitCode, 1) << args[1];
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
  }
}

TEST_F(TarvikTest, LookupFindsTarvikHeadwordByItsPronunciation) {
  runOk({"insert", "SHEE", "ONA"});
  EXPECT_EQ(runOk({"lookup", "ší"}), "1\tSHEE\tONA\t\t\t\t\n");
  EXPECT_EQ(runOk({"lookup", "shee"}), "1\tSHEE\tONA\t\t\t\t\n");
  RunResult exact = run({"lookup", "--no-pronunciation", "ší"});
  EXPECT_EQ(exact.exitCode, 1);
  EXPECT_EQ(exact.out, "");
}

TEST_F(TarvikTest, InsertReverseAlsoFillsTheOtherDictionary) {
  runOk({"insert", "--reverse", "ko", "voda", "řeka"});
  EXPECT_EQ(runOk({"list"}), "0\tKO\tVODA\tŘEKA\t\t\t\n");
  EXPECT_EQ(runOk({"list", "--dict", "ct"}), "0\tVODA\tKO\t\t\t\t\n1\tŘEKA\tKO\t\t\t\t\n");
  runOk({"insert", "--dict", "ct", "oheň", "fa"});
  EXPECT_EQ(runOk({"lookup", "--dict", "ct", "oheň"}), "1\tOHEŇ\tFA\t\t\t\t\n");
  EXPECT_EQ(runOk({"count"}), "1\t2\n");
}

TEST_F(TarvikTest, InsertKeepsSlotsOfEmptyMeaningsAndTakesDashesAfterSeparator) {
  runOk({"insert", "ko", "", "-", "--", "-x"});
  runOk({"insert", "abcdefghijklmnopqrstuvwxyz", "123456789012345678901234"});
  EXPECT_EQ(runOk({"list"}),
            "0\tABCDEFGHIJKLMNOPQRST\t12345678901234567890\t\t\t\t\n"
            "1\tKO\t\t-\t-X\t\t\n");
}

TEST_F(TarvikTest, InsertRefusesSixMeaningsBeforeCreatingAnyFile) {
  RunResult result = run({"insert", "KO", "1", "2", "3", "4", "5", "6"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err, "tarvik: insert takes at most five meanings, 6 were given\n");
  EXPECT_TRUE(folderContents().empty());
}

TEST_F(TarvikTest, DeleteRemovesOnlyARecordThatExists) {
  runOk({"insert", "A", "1"});
  runOk({"insert", "B", "2"});
  const std::string kBoth = "0\tA\t1\t\t\t\t\n1\tB\t2\t\t\t\t\n";
  for (const char* outside : {"2", "-1", "99999999999999999999999"}) {
    EXPECT_EQ(runOk({"delete", "--", outside}), "") << outside;
    EXPECT_EQ(runOk({"list"}), kBoth) << outside;
  }
  RunResult word = run({"delete", "first"});
  EXPECT_EQ(word.exitCode, 2);
  EXPECT_EQ(word.err, "tarvik: INDEX must be a whole number, not \"first\"\n");
  runOk({"delete", "0"});
  EXPECT_EQ(runOk({"list"}), "0\tB\t2\t\t\t\t\n");
}

// Export writes Windows-1250; reading it back needs --encoding cp1250.
TEST_F(TarvikTest, ExportThenImportIntoEmptyDictionaryGivesSameRecords) {
  runOk({"insert", "KO", "1", "2", "3", "4", "5"});
  runOk({"insert", "KO", "6", "7"});  // full record: a second KO record
  runOk({"insert", "čaj", "tea", "- -"});
  runOk({"insert", "A - B", "C"});
  runOk({"export"});
  EXPECT_EQ(readFile("tc_slovnik.txt").substr(0, 17), "A - B - C\r\nKO - 1");
  std::string before = runOk({"list"});

  std::filesystem::create_directory(work / "fresh");
  runOk({"--encoding", "cp1250", "--dir", "fresh", "import", "tc_slovnik.txt"});
  std::string after = runOk({"--dir", "fresh", "list"});
  // A headword containing " - " cannot come back whole: the line splits at
  // its first " - ".
  EXPECT_EQ(before.substr(0, before.find('\n')), "0\tA - B\tC\t\t\t\t");
  EXPECT_EQ(after.substr(0, after.find('\n')), "0\tA\tB - C\t\t\t\t");
  EXPECT_EQ(after.substr(after.find('\n')), before.substr(before.find('\n')));
}

TEST_F(TarvikTest, ImportMovesFilledMeaningsUpOverEmptySlots) {
  runOk({"insert", "KO", "", "VODA"});
  runOk({"export"});
  std::filesystem::create_directory(work / "fresh");
  runOk({"--dir", "fresh", "import", "tc_slovnik.txt"});
  EXPECT_EQ(runOk({"--dir", "fresh", "list"}), "0\tKO\tVODA\t\t\t\t\n");
}

TEST_F(TarvikTest, ImportGroupsConsecutiveLinesAndSkipsBlankOnes) {
  writeFile("in.txt",
            "ra - 1\r\nra - 2\r\n\r\nko - 3\r\n  \r\n"
            "c - 1\nc - 2\nc - 3\nc - 4\nc - 5\nc - 6\nc - 7\nko - \r\n\r");
  runOk({"import", "in.txt"});
  EXPECT_EQ(runOk({"list"}),
            "0\tC\t1\t2\t3\t4\t5\n"
            "1\tC\t6\t7\t\t\t\n"
            "2\tKO\t3\t\t\t\t\n"
            "3\tRA\t1\t2\t\t\t\n");
}

TEST_F(TarvikTest, ImportRefusesTheWholeFileForOneLineWithoutSeparator) {
  writeFile("in.txt", "ra - 1\n\nko-3\n");
  RunResult fresh = run({"import", "in.txt"});
  EXPECT_EQ(fresh.exitCode, 2);
  EXPECT_NE(fresh.err.find("in.txt, line 3"), std::string::npos) << fresh.err;
  EXPECT_EQ(folderContents(), std::vector<std::string>{"in.txt"});

  runOk({"insert", "A", "B"});
  std::string before = readFile("tc_slovnik.slk");
  EXPECT_EQ(run({"import", "in.txt"}).exitCode, 2);
  EXPECT_EQ(readFile("tc_slovnik.slk"), before);
}

TEST_F(TarvikTest, DirHoldsDictionariesWhileFilesStayRelativeToStart) {
  std::filesystem::create_directory(work / "dicts");
  writeFile("text.txt", "ko\r\n");
  runOk({"--dir", "dicts", "insert", "KO", "VODA"});
  EXPECT_EQ(runOk({"--dir", "dicts", "translate", "text.txt"}), "VODA \n");
  runOk({"export", "--dir", "dicts"});
  EXPECT_EQ(readFile("dicts/tc_slovnik.txt"), "KO - VODA\r\n");
  EXPECT_EQ(folderContents("dicts"),
            (std::vector<std::string>{"ct_slovnik.slk", "tc_slovnik.slk", "tc_slovnik.txt"}));
}

}  // namespace
