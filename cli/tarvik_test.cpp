// The command line itself: options, encodings at the edge, the text-only
// commands, and every way a run can fail with its exit status.

#include "run_tarvik.h"

namespace {

// The dictionary holds Windows-1250 whatever the encoding of the terminal.
TEST_F(TarvikTest, Utf8TextIsStoredAsWindows1250AndShownAsUtf8) {
  runOk({"insert", "čaj", "zelený"});
  EXPECT_EQ(readFile("tc_slovnik.slk").substr(0, 4), "\x03\xC8" "AJ");
  EXPECT_EQ(runOk({"list"}), "0\tČAJ\tZELENÝ\t\t\t\t\n");
  EXPECT_EQ(runOk({"lookup", "ČAJ"}), "1\tČAJ\tZELENÝ\t\t\t\t\n");
}

TEST_F(TarvikTest, Cp1250BytesPassThroughUnchanged) {
  runOk({"--encoding", "cp1250", "insert", "\xE8" "aj", "\xF8" "eka"});
  EXPECT_EQ(runOk({"--encoding", "cp1250", "list"}), "0\t\xC8" "AJ\t\xD8" "EKA\t\t\t\t\n");
  EXPECT_EQ(runOk({"list"}), "0\tČAJ\tŘEKA\t\t\t\t\n");

  RunResult translated = run({"--encoding", "cp1250", "translate"}, "\xC8" "aj\r\n");
  EXPECT_EQ(translated.out, "\xD8" "EKA \n");
  EXPECT_EQ(translated.err, "Text byl p\xF8" "elo\x9E" "en cel\xFD\n");
}

TEST_F(TarvikTest, TextWindows1250CannotHoldIsRefusedBeforeAnyFile) {
  struct Case {
    std::vector<std::string> args;
    std::string input;
    std::string message;
  };
  const Case cases[] = {
      {{"insert", "KO", "жена"}, "", "tarvik: meaning 1: the character \"ж\" (U+0436) has no place in Windows-1250\n"},
      {{"insert", "\xC8" "aj"}, "", "tarvik: the headword: malformed UTF-8 at byte 1\n"},
      {{"lookup", "😀"}, "", "tarvik: the word: the character \"😀\" (U+1F600) has no place in Windows-1250\n"},
      {{"translate"}, "ko\n\xE8" "aj\n",
       "tarvik: line 2 of standard input: malformed UTF-8 at byte 1 (for a Windows-1250 file use --encoding cp1250)\n"},
  };
  for (const Case& c : cases) {
    RunResult result = run(c.args, c.input);
    EXPECT_EQ(result.exitCode, 2) << c.args[0];
    EXPECT_EQ(result.err, c.message);
    EXPECT_EQ(result.out, "");
  }
  EXPECT_TRUE(folderContents().empty());
}

TEST_F(TarvikTest, TextCommandsTransformWithoutTouchingFiles) {
  struct Case {
    const char* command;
    const char* input;
    const char* output;
  };
  const Case cases[] = {
      {"pronounce", "SHEEKA", "ŠÍKA\n"},
      {"pronounce", "ROUQ'AI", "RŮKVAJ\n"},
      {"spell", "šíkv", "SHEEQ\n"},
      {"spell", "růkvaj", "ROUQAI\n"},
      {"upcase", "čaj ďábel, Žluť 1", "ČAJ ĎÁBEL, ŽLUŤ 1\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(runOk({c.command, c.input}), c.output) << c.command << ' ' << c.input;
  EXPECT_EQ(runOk({"--encoding", "cp1250", "upcase", "\xE8" "aj"}), "\xC8" "AJ\n");
  EXPECT_EQ(runOk({"--encoding=CP1250", "upcase", "\xE8" "aj"}), "\xC8" "AJ\n");
  EXPECT_TRUE(folderContents().empty());
}

TEST_F(TarvikTest, GlobalOptionsGoFirstAndCommandOptionsAfterTheName) {
  std::filesystem::create_directory(work / "d");
  runOk({"--dir", "d", "--encoding", "cp1250", "insert", "--dict", "ct", "--reverse", "voda", "ko"});
  EXPECT_EQ(runOk({"--dir", "d", "list", "--dict", "tc"}), "0\tKO\tVODA\t\t\t\t\n");
  EXPECT_EQ(runOk({"list", "--dict", "ct", "--dir", "d"}), "0\tVODA\tKO\t\t\t\t\n");

  RunResult early = run({"--dict", "ct", "list"});
  EXPECT_EQ(early.exitCode, 2);
  EXPECT_EQ(early.err, "tarvik: --dict goes after the command name: tarvik list --dict ...\n");
}

TEST_F(TarvikTest, MistypedCommandLinesAreUsageErrors) {
  const std::vector<std::string> cases[] = {
      {},
      {"bogus"},
      {"list", "--bogus"},
      {"lookup"},
      {"lookup", "a", "b"},
      {"lookup", "a", "--", "b"},
      {"list", "--dict", "xx"},
      {"--encoding", "latin2", "list"},
      {"pronounce", "--reverse", "A"},
  };
  for (const std::vector<std::string>& args : cases) {
    RunResult result = run(args);
    EXPECT_EQ(result.exitCode, 2) << (args.empty() ? "" : args[0]);
    EXPECT_TRUE(result.err.starts_with("tarvik: ")) << result.err;
    EXPECT_EQ(result.out, "");
  }
  EXPECT_TRUE(folderContents().empty());
}

TEST_F(TarvikTest, HelpDescribesTheCommands) {
  RunResult general = run({"--help"});
  EXPECT_EQ(general.exitCode, 0);
  for (const char* command : {"translate", "grid", "lookup", "prefix", "list", "count", "insert", "delete",
                              "export", "import", "pronounce", "spell", "upcase", "--encoding", "--dir"})
    EXPECT_NE(general.out.find(command), std::string::npos) << command;

  RunResult insert = run({"insert", "--help"});
  EXPECT_EQ(insert.exitCode, 0);
  EXPECT_NE(insert.out.find("insert [OPTIONS] HEADWORD [MEANING...]"), std::string::npos) << insert.out;
  EXPECT_NE(insert.out.find("--reverse"), std::string::npos);
  EXPECT_TRUE(folderContents().empty());
}

TEST_F(TarvikTest, FileFailuresAreInputOutputErrors) {
  RunResult missingDir = run({"--dir", "nowhere", "list"});
  EXPECT_EQ(missingDir.exitCode, 3);
  EXPECT_EQ(missingDir.err, "tarvik: Folder not found: nowhere\n");

  RunResult missingText = run({"translate", "nothing.txt"});
  EXPECT_EQ(missingText.exitCode, 3);
  EXPECT_EQ(missingText.err, "tarvik: File not found: nothing.txt\n");
  EXPECT_TRUE(folderContents().empty());

  std::filesystem::create_directories(work / "odd" / "tc_slovnik.slk");
  RunResult folderAsDictionary = run({"--dir", "odd", "count"});
  EXPECT_EQ(folderAsDictionary.exitCode, 3);
  EXPECT_EQ(folderAsDictionary.err, "tarvik: Is a directory: tc_slovnik.slk\n");
  EXPECT_EQ(folderAsDictionary.out, "");
}

}  // namespace
