// The command line's own contract, run as a user runs it: arguments and
// usage errors, both encodings at every edge, the exit statuses, each
// command's output once, and failures that leave no file behind. What a
// look-up finds is the store's business and is tested there.

#include <cstdlib>
#include <filesystem>
#include <set>

#include "tarvik_process.h"

namespace {

struct Expected {
  std::vector<std::string> args;
  std::string input;
  int exitCode;
  std::string out, err;
};

class Tarvik : public TarvikFolder {
 protected:
  void expectRuns(std::initializer_list<Expected> runs) const {
    for (const Expected& run : runs) {
      Finished finished = tarvik(run.args, run.input);
      EXPECT_EQ(std::tie(finished.exitCode, finished.out, finished.err), std::tie(run.exitCode, run.out, run.err))
          << ::testing::PrintToString(run.args);
    }
  }
  std::set<std::string> folderContents(const std::string& name = "") const {
    std::set<std::string> names;
    for (const auto& i : std::filesystem::directory_iterator(folder + "/" + name)) names.insert(i.path().filename());
    return names;
  }
};

// None of these runs opens a dictionary: the text commands need none, and a
// refused command line or input text is refused before any file is created.
TEST_F(Tarvik, RunsThatNeedNoDictionaryCreateNone) {
  writeBytes(folder + "/in.txt", "ra - 1\n\nko-3\n");
  std::string tooLong = "tarvik: the headword: 21 bytes, more than the 20 a field holds\n";
  std::filesystem::create_directories(folder + "/odd/tc_slovnik.slk");
  expectRuns({
      {{"pronounce", "SHEEKA"}, "", 0, "ŠÍKA\n", ""},
      {{"spell", "růkvaj"}, "", 0, "ROUQAI\n", ""},
      {{"upcase", "čaj ďábel, Žluť 1"}, "", 0, "ČAJ ĎÁBEL, ŽLUŤ 1\n", ""},
      {{"upcase", "z\xCC\x8C" "ena"}, "", 0, "ŽENA\n", ""},
      {{"--encoding", "cp1250", "upcase", "\xE8" "aj"}, "", 0, "\xC8" "AJ\n", ""},
      {{"--encoding=CP1250", "upcase", "\xE8" "aj"}, "", 0, "\xC8" "AJ\n", ""},
      {{}, "", 2, "", "tarvik: no command given; see tarvik --help\n"},
      {{"bogus"}, "", 2, "", "tarvik: unknown command bogus; see tarvik --help\n"},
      {{"list", "--bogus"}, "", 2, "", "tarvik: list has no option --bogus; see tarvik list --help\n"},
      {{"pronounce", "--reverse", "A"}, "", 2, "",
       "tarvik: pronounce has no option --reverse; see tarvik pronounce --help\n"},
      {{"--dict", "ct", "list"}, "", 2, "", "tarvik: --dict goes after the command name: tarvik list --dict ...\n"},
      {{"lookup"}, "", 2, "", "tarvik: lookup needs WORD; see tarvik lookup --help\n"},
      {{"lookup", "a", "b"}, "", 2, "", "tarvik: unexpected argument b\n"},
      {{"lookup", "a", "--", "b"}, "", 2, "", "tarvik: unexpected argument b\n"},
      {{"list", "--dict", "xx"}, "", 2, "", "tarvik: --dict: xx not in {tc,ct}; see tarvik --help\n"},
      {{"--encoding", "latin2", "list"}, "", 2, "",
       "tarvik: --encoding: latin2 not in {utf-8,cp1250}; see tarvik --help\n"},
      {{"delete", "first"}, "", 2, "", "tarvik: INDEX must be a whole number, not \"first\"\n"},
      {{"insert", "KO", "1", "2", "3", "4", "5", "6"}, "", 2, "",
       "tarvik: insert takes at most five meanings, 6 were given\n"},
      {{"insert", "KO", "жена"}, "", 2, "",
       "tarvik: meaning 1: the character \"ж\" (U+0436) has no place in Windows-1250, so no headword can hold it\n"},
      {{"import", "-"}, "KO - 😀\n", 2, "", "tarvik: line 1 of standard input: the character \"😀\" (U+1F600) has no "
       "place in Windows-1250, so no headword can hold it\n"},
      {{"insert", "123456789012345678901"}, "", 2, "",
       tooLong + "tarvik: nothing was inserted; --truncate stores such fields cut to 20 bytes\n"},
      {{"insert", "--truncate", "123456789012345678901", "a\tb"}, "", 2, "", tooLong +
       "tarvik: meaning 1: a control character (TAB, byte 9) at position 2\n"
       "tarvik: nothing was inserted: a headword or meaning cannot hold a control character\n"},
      {{"import", "--header", "in.txt"}, "", 2, "", "tarvik: --header is for a CSV file: import --format csv --header\n"},
      {{"insert", "\xC8" "aj"}, "", 2, "", "tarvik: the headword: malformed UTF-8 at byte 1\n"},
      {{"translate"}, "ko\n\xE8" "aj\n", 2, "",
       "tarvik: line 2 of standard input: malformed UTF-8 at byte 1 (for a Windows-1250 file use --encoding "
       "cp1250)\n"},
      {{"import", "in.txt"}, "", 2, "",
       "tarvik: in.txt, line 3: expected \"HEADWORD - MEANING\", found no \" - \"; nothing was imported\n"},
      {{"translate", "nothing.txt"}, "", 3, "", "tarvik: File not found: nothing.txt\n"},
      {{"--dir", "nowhere", "list"}, "", 3, "", "tarvik: Folder not found: nowhere\n"},
      {{"--dir", "in.txt", "list"}, "", 3, "", "tarvik: Not a folder: in.txt\n"},
      {{"--dir", "odd", "count"}, "", 3, "", "tarvik: Is a directory: tc_slovnik.slk\n"},
  });
  EXPECT_EQ(folderContents(), (std::set<std::string>{"in.txt", "odd"}));

  std::string help = runOk({"--help"});
  for (const char* word : {"translate", "grid", "lookup", "suggest", "search", "prefix", "list", "count", "insert", "delete", "export",
                           "import", "pronounce", "spell", "upcase", "--encoding", "--dir"})
    EXPECT_NE(help.find(word), std::string::npos) << word;
  EXPECT_NE(runOk({"insert", "--help"}).find("insert [OPTIONS] HEADWORD [MEANING...]"), std::string::npos);
}

// Tarvik to Czech: KO is VODA, RA is SLUNCE, the phrase KO RA is ŘEKA, and
// SHEE, pronounced ŠÍ, is ONA.
TEST_F(Tarvik, EachReadingCommandPrintsItsFormat) {
  for (auto [word, meaning] : {std::pair{"KO", "VODA"}, {"RA", "SLUNCE"}, {"KO RA", "ŘEKA"}, {"SHEE", "ONA"}})
    runOk({"insert", word, meaning});
  expectRuns({
      {{"translate"}, "ko ra.ta ko\r\n\r\nra\x1Ako\n", 0, "ŘEKA.ta VODA \n\nSLUNCE \n",
       "Text nebyl přeložen celý nebo vůbec\n"},
      {{"translate"}, "ra ko", 0, "SLUNCE VODA \n", "Text byl přeložen celý\n"},
      {{"grid", "ko ra ta ko"}, "", 0, "KO RA\tŘEKA\t\t\t\t\nTA\t\t\t\t\t\nKO\tVODA\t\t\t\t\n", ""},
      {{"lookup", "Ko Ra"}, "", 0, "2\tKO RA\tŘEKA\t\t\t\t\n", ""},
      {{"lookup", "ší"}, "", 0, "4\tSHEE\tONA\t\t\t\t\n", ""},
      {{"lookup", "--no-pronunciation", "ší"}, "", 1, "", ""},
      {{"lookup", "--dict", "ct", "ko"}, "", 1, "", ""},
      {{"prefix", "ko "}, "", 0, "2\tKO RA\n", ""},
      {{"prefix", "x"}, "", 1, "", ""},
      {{"list"}, "", 0, "0\tKO\tVODA\t\t\t\t\n1\tKO RA\tŘEKA\t\t\t\t\n2\tRA\tSLUNCE\t\t\t\t\n3\tSHEE\tONA\t\t\t\t\n", ""},
      {{"count"}, "", 0, "4\t4\n", ""},
      {{"count", "--dict", "ct"}, "", 0, "0\t0\n", ""},
  });
}

// Czech to Tarvik: MUŽ is DROM and ŽENA is LU, and back. How a word was
// found is an eighth field of lookup only when asked for.
TEST_F(Tarvik, SearchesBeyondTheHeadwordPrintTheirFormats) {
  runOk({"insert", "--dict", "ct", "--reverse", "muž", "drom"});
  runOk({"insert", "--dict", "ct", "--reverse", "žena", "lu"});
  expectRuns({
      {{"lookup", "--dict", "ct", "zena"}, "", 1, "", ""},
      {{"lookup", "--dict", "ct", "--ignore-diacritics", "zena"}, "", 0, "2\tŽENA\tLU\t\t\t\t\tdiacritics\n", ""},
      {{"lookup", "--dict", "ct", "--ignore-diacritics", "muž"}, "", 0, "1\tMUŽ\tDROM\t\t\t\t\texact\n", ""},
      {{"suggest", "--dict", "ct", "zenu"}, "", 0, "2\tŽENA\t2\n", ""},
      {{"suggest", "nicotaxzdalekaanijinak"}, "", 1, "", ""},
      {{"--encoding", "cp1250", "suggest", "--dict", "ct", "\x81\xFF"}, "", 1, "", ""},
      {{"search", "žena"}, "", 0, "1\tLU\tŽENA\t\t\t\t\n", ""},
      {{"search", "--ignore-diacritics", "ZENA"}, "", 0, "1\tLU\tŽENA\t\t\t\t\n", ""},
      {{"search", ""}, "", 1, "", ""},
      {{"translate", "--mark-unknown"}, "lu pes drom\n", 0, "ŽENA *pes MUŽ \n",
       "Text nebyl přeložen celý nebo vůbec\n"},
  });
}

// Forms from the store's small Hunspell dictionary (MUŽE is a form of MUŽ)
// and from tvary.txt, whose damaged line is reported after each run. A
// missing Hunspell dictionary is reported once, and tvary.txt still serves;
// where forms do not apply, neither is read nor reported.
TEST_F(Tarvik, FormsComeWithTheirWarnings) {
  runOk({"insert", "--dict", "ct", "--reverse", "muž", "drom"});
  writeBytes(folder + "/tvary.txt", "CHLAPA - MU\x8E\r\nbroken\r\n");
  std::string damaged = "tarvik: " + folder + "/tvary.txt, line 2 \"broken\": expected \"FORM - BASE\", found no \" - \"; "
                        "the line is left out\n";
  ::setenv("TARVIK_HUNSPELL_CS", TARVIK_TEST_HUNSPELL, 1);
  expectRuns({
      {{"--encoding", "cp1250", "lookup", "--dict", "ct", "--forms", "mu\x9E" "e"}, "", 0,
       "1\tMU\x8E\tDROM\t\t\t\t\tform of MU\x8E\n", damaged},
      {{"search", "--forms", "muže"}, "", 0, "0\tDROM\tMUŽ\t\t\t\t\n", damaged},
      {{"translate", "--dict", "ct", "--forms"}, "muže\n", 0, "DROM \n", "Text byl přeložen celý\n" + damaged},
  });
  ::setenv("TARVIK_HUNSPELL_CS", "/nowhere/cs", 1);
  expectRuns({{{"lookup", "--dict", "ct", "--forms", "chlapa"}, "", 0, "1\tMUŽ\tDROM\t\t\t\t\tform of MUŽ\n",
               "tarvik: Czech word forms need Hunspell's Czech dictionary, but /nowhere/cs.aff cannot be read (File "
               "not found). Install it with \"sudo apt install hunspell-cs\", or set TARVIK_HUNSPELL_CS to another "
               "one.\n" + damaged},
              {{"lookup", "--forms", "drom"}, "", 0, "1\tDROM\tMUŽ\t\t\t\t\texact\n", ""},
              {{"search", "--dict", "ct", "--forms", "drom"}, "", 0, "0\tMUŽ\tDROM\t\t\t\t\n", ""}});
  ::unsetenv("TARVIK_HUNSPELL_CS");
}

// The dictionaries hold Windows-1250 whatever the encoding of the terminal.
TEST_F(Tarvik, ArgumentsStreamsAndFilesTakeEitherEncoding) {
  runOk({"insert", "čaj", "zelený"});
  EXPECT_EQ(readBytes(folder + "/tc_slovnik.slk").substr(0, 4), "\x03\xC8" "AJ");
  runOk({"--encoding", "cp1250", "insert", "\xF8" "eka", "\xE8" "aj"});
  EXPECT_EQ(runOk({"--encoding", "cp1250", "list"}),
            "0\t\xC8" "AJ\tZELEN\xDD\t\t\t\t\n1\t\xD8" "EKA\t\xC8" "AJ\t\t\t\t\n");
  EXPECT_EQ(runOk({"list"}), "0\tČAJ\tZELENÝ\t\t\t\t\n1\tŘEKA\tČAJ\t\t\t\t\n");
  writeBytes(folder + "/text.txt", "\xF8" "eka\r\n");
  expectRuns({{{"--encoding", "cp1250", "translate"}, "\xC8" "aj\r\n", 0, "ZELEN\xDD \n",
               "Text byl p\xF8" "elo\x9E" "en cel\xFD\n"}});
  EXPECT_EQ(runOk({"--encoding", "cp1250", "translate", "text.txt"}), "\xC8" "AJ \n");
}

// Export writes Windows-1250, so reading it back needs --encoding cp1250.
TEST_F(Tarvik, ChangesGoThroughExportAndImportAndBack) {
  runOk({"insert", "--reverse", "ko", "voda", "řeka"});
  runOk({"insert", "--dict", "ct", "oheň", "fa"});
  runOk({"insert", "A - B", "", "-", "--", "-x"});
  for (const char* outside : {"2", "-1", "99999999999999999999999"}) runOk({"delete", "--", outside});
  EXPECT_EQ(runOk({"list"}), "0\tA - B\t\t-\t-X\t\t\n1\tKO\tVODA\tŘEKA\t\t\t\n");
  runOk({"delete", "--dict", "ct", "0"});
  EXPECT_EQ(runOk({"list", "--dict", "ct"}), "0\tVODA\tKO\t\t\t\t\n1\tŘEKA\tKO\t\t\t\t\n");

  runOk({"export"});
  EXPECT_EQ(readBytes(folder + "/tc_slovnik.txt"), "A - B - -\r\nA - B - -X\r\nKO - VODA\r\nKO - \xD8" "EKA\r\n");
  std::filesystem::create_directory(folder + "/fresh");
  runOk({"--encoding", "cp1250", "--dir", "fresh", "import", "tc_slovnik.txt"});
  // A headword holding " - " cannot come back whole: a line splits at its first " - ".
  EXPECT_EQ(runOk({"--dir", "fresh", "list"}), "0\tA\tB - -\tB - -X\t\t\t\n1\tKO\tVODA\tŘEKA\t\t\t\n");
}

// The table for other programs: one UTF-8 line per headword with the meanings
// of all its records, empty slots left out, a backslash doubled as tabfile
// reads it, and a control character a space, so no line breaks. The ct
// record with an empty headword, made by --reverse, gets no line, as NIC.
TEST_F(Tarvik, ExportsATableOfOneLinePerHeadword) {
  std::string record(126, '\0');  // as another program may have written it
  for (std::size_t at = 0; std::string field : {"X\tY", "\x01\r", "Z\x7F"})
    record.replace(at, 1 + field.size(), static_cast<char>(field.size()) + field), at += 21;
  writeBytes(folder + "/tc_slovnik.slk", record);
  writeBytes(folder + "/in.txt", "c - 1\nc - 2\nc - 3\nc - 4\nc - 5\nc - 6\n");
  runOk({"import", "in.txt"});
  runOk({"insert", "--reverse", "ko", "", "řeka", "", "a\\b"});
  runOk({"insert", "nic"});
  runOk({"export", "--format", "tsv"});
  runOk({"export", "--dict", "ct", "--format", "tsv"});
  EXPECT_EQ(readBytes(folder + "/tc_slovnik.tsv"), "C\t1; 2; 3; 4; 5; 6\nKO\tŘEKA; A\\\\B\nX Y\tZ \n");
  EXPECT_EQ(readBytes(folder + "/ct_slovnik.tsv"), "A\\\\B\tKO\nŘEKA\tKO\n");
  expectRuns({{{"export", "--format", "xml"}, "", 2, "", "tarvik: --format: xml not in {text,tsv}; see tarvik --help\n"}});
}

// Export, import into an empty folder, export again: the same bytes, for the
// sample and for 100,000 generated records, one of them with twelve meanings.
TEST_F(Tarvik, TheTableComesBackByteForByte) {
  auto word = [](int i) {  // a different word for each i, at most 18 bytes
    static const char* const kSyllables[] = {"KO", "RA", "DRO", "ŠÍ", "ŘE", "ČA", "Ď", "\\"};
    std::string w;
    do w += kSyllables[i % 8]; while ((i /= 8) > 0);
    return w;
  };
  std::string text;
  for (int i = 0; i < 100000; ++i)
    for (int m = 0; m < (i == 500 ? 12 : 1 + i % 3); ++m)
      text += word(i) + (i % 7 ? "" : "'Q") + " - " + word((i * 7 + m) % 200000) + "\n";
  writeBytes(folder + "/generated.txt", text);
  for (std::string dir : {"generated", "sample", "generated/again", "sample/again"})
    std::filesystem::create_directory(folder + "/" + dir);
  runOk({"--dir", "generated", "import", "generated.txt"});
  for (std::string dict : {"tc", "ct"})
    runOk({"--dir", "sample", "--encoding", "cp1250", "import", "--dict", dict, TARVIK_TEST_DATA "/" + dict + "_slovnik.txt"});
  for (auto [dir, dict] : {std::pair{"generated", "tc"}, {"sample", "tc"}, {"sample", "ct"}}) {
    std::string table = std::string(dir) + "/" + dict + "_slovnik.tsv";
    runOk({"--dir", dir, "export", "--dict", dict, "--format", "tsv"});
    runOk({"--dir", dir + std::string("/again"), "import", "--dict", dict, "--format", "tsv", table});
    runOk({"--dir", dir + std::string("/again"), "export", "--dict", dict, "--format", "tsv"});
    EXPECT_EQ(readBytes(folder + "/" + dir + "/again/" + dict + "_slovnik.tsv"), readBytes(folder + "/" + table)) << table;
  }
  EXPECT_EQ(runOk({"--dir", "generated", "count"}), "100002\t200008\n");
}

// Text as people have it: a character Windows-1250 lacks makes its word
// unknown and goes out as it came, one warning naming the first; a CSV
// from a spreadsheet, with its byte-order mark and header, on standard input.
TEST_F(Tarvik, TextComesInAsPeopleHaveIt) {
  runOk({"insert", "ko", "voda"});
  std::string lacks = "\" (U+6F22) has no place in Windows-1250, so the word holding it is unknown\n";
  expectRuns({
      {{"translate", "--mark-unknown", "-"}, "ko\nko 😀 ko😀 漢\n", 0, "VODA \nVODA *😀 *ko😀 *漢 \n",
       "tarvik: line 2 of standard input: the character \"😀\" (U+1F600) has no place in Windows-1250, so the word "
       "holding it is unknown\nText nebyl přeložen celý nebo vůbec\n"},
      {{"grid", "漢 ko"}, "", 0, "漢\t\t\t\t\t\nKO\tVODA\t\t\t\t\n", "tarvik: the line: the character \"漢" + lacks},
      {{"search", "voda 漢"}, "", 1, "", "tarvik: the text: the character \"漢" + lacks},
      {{"import", "--format", "csv", "--header", "--truncate", "-"},
       "\xEF\xBB\xBFslovo,význam\r\nlu,\"žena, paní\",,123456789012345678901\r\n", 0, "",
       "tarvik: standard input, line 2, meaning 3: 21 bytes, cut to 20\n"},
      {{"list"}, "", 0, "0\tKO\tVODA\t\t\t\t\n1\tLU\tŽENA, PANÍ\t12345678901234567890\t\t\t\n", ""},
  });
}

// A journal that a power cut tore is dropped, and the run says so and goes on.
TEST_F(Tarvik, ReportsADamagedJournalOnStandardError) {
  runOk({"insert", "KO", "VODA"});
  writeBytes(folder + "/tc_slovnik.zurnal", "ZURNAL01");
  expectRuns({{{"list"}, "", 0, "0\tKO\tVODA\t\t\t\t\n",
               "tarvik: tc_slovnik.zurnal was damaged and has been removed: the last change to tc_slovnik.slk "
               "before the program or the system stopped was not made.\n"}});
  EXPECT_EQ(folderContents(), (std::set<std::string>{"ct_slovnik.slk", "tc_slovnik.slk"}));
}

// The meanings chosen in the grid: rules added and listed, used by translate
// only when asked, the word before winning; --check fails on a rule the
// dictionary cannot apply, and a damaged line is named and skipped.
TEST_F(Tarvik, RemembersChosenMeaningsForTranslate) {
  runOk({"insert", "KO", "VODA", "ŘEKA"});
  runOk({"insert", "RA", "SLUNCE"});
  runOk({"choices", "--add", "ko", "ŘEKA"});
  runOk({"choices", "--add", "--after", "(ra", "KO", "VODA"});
  expectRuns({
      {{"choices"}, "", 0, "tc\t\tKO\tŘEKA\ntc\tRA\tKO\tVODA\n", ""},
      {{"translate", "--choices"}, "ko ra ko\n", 0, "ŘEKA SLUNCE VODA \n", "Text byl přeložen celý\n"},
      {{"translate"}, "ko ra ko\n", 0, "VODA SLUNCE VODA \n", "Text byl přeložen celý\n"},
      {{"choices", "--check"}, "", 0, "", ""},
      {{"choices", "--add", "--dict", "ct", "ko", "x\ty"}, "", 2, "",
       "tarvik: the meaning: a control character (TAB, byte 9) at position 2\ntarvik: nothing was added\n"},
      {{"choices", "--clear", "--check"}, "", 2, "", "tarvik: choices takes one of --check, --add and --clear\n"},
  });
  writeBytes(folder + "/volby.txt", "tc\tKO\t\xD8" "EKA\r\nbroken\r\nct\tKO\tVODA\r\n");
  expectRuns({{{"choices", "--check"}, "", 1, "ct\t\tKO\tVODA\n",
               "tarvik: " + folder + "/volby.txt, line 2: not DIRECTION<TAB>[WORD BEFORE<TAB>]WORD<TAB>MEANING, so "
               "it is not used: broken\n"}});
  runOk({"choices", "--clear"});
  EXPECT_EQ(folderContents(), (std::set<std::string>{"ct_slovnik.slk", "tc_slovnik.slk"}));
}

// The history lives in the user's data folder, not in --dir, and is shown
// in local time (here one an hour ahead of UTC all year).
TEST_F(Tarvik, PrintsTheHistoryOfTheUsersDataFolderNewestFirst) {
  const std::string data = folder + "/data";
  std::filesystem::create_directories(data + "/tarvik-slovnik");
  writeBytes(data + "/tarvik-slovnik/historie.txt",
             "2026-12-07T18:57:33Z ct \x9E" "ena\r\n2026-06-01T08:00:00Z tc DROM\r\n");
  ::setenv("XDG_DATA_HOME", data.c_str(), 1);
  ::setenv("TZ", "CET-1", 1);
  expectRuns({
      {{"--dir", "elsewhere", "history"}, "", 0,
       "2026-12-07T19:57:33+01:00\tct\tžena\n2026-06-01T09:00:00+01:00\ttc\tDROM\n", ""},
      {{"history", "--clear"}, "", 0, "", ""},
      {{"history"}, "", 0, "", ""},
  });
  ::unsetenv("XDG_DATA_HOME");
  ::unsetenv("TZ");
  EXPECT_EQ(folderContents("data/tarvik-slovnik"), std::set<std::string>{});
}

// Options of tarvik go before the command or after it, a command's options
// only after it; named files are found from where tarvik started. Import
// groups consecutive lines of a headword and skips blank ones.
TEST_F(Tarvik, DirHoldsDictionariesWhileNamedFilesStayWhereTarvikStarted) {
  std::filesystem::create_directory(folder + "/d");
  writeBytes(folder + "/text.txt", "ko\r\n");
  runOk({"--dir", "d", "--encoding", "cp1250", "insert", "--dict", "ct", "--reverse", "voda", "ko"});
  EXPECT_EQ(runOk({"--dir", "d", "translate", "text.txt"}), "VODA \n");
  EXPECT_EQ(runOk({"list", "--dict", "ct", "--dir", "d"}), "0\tVODA\tKO\t\t\t\t\n");
  runOk({"export", "--dir", "d"});
  EXPECT_EQ(readBytes(folder + "/d/tc_slovnik.txt"), "KO - VODA\r\n");
  EXPECT_EQ(folderContents("d"), (std::set<std::string>{"ct_slovnik.slk", "tc_slovnik.slk", "tc_slovnik.txt"}));

  writeBytes(folder + "/in.txt",
             "ra - 1\r\nra - 2\r\n\r\nko - 3\r\n  \r\nc - 1\nc - 2\nc - 3\nc - 4\nc - 5\nc - 6\nc - 7\nko - \r\n\r");
  runOk({"import", "in.txt"});
  EXPECT_EQ(runOk({"list"}), "0\tC\t1\t2\t3\t4\t5\n1\tC\t6\t7\t\t\t\n2\tKO\t3\t\t\t\t\n3\tRA\t1\t2\t\t\t\n");
}

}  // namespace
