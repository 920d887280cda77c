#include "small_dictionary.h"

void DictionaryFolder::makeDictionaries(int records) {
  folder = makeScratchFolder("folder");
  outside = makeScratchFolder("outside");
  std::string tc = record({"KO", "VODA"}) + record({"RA", "SLUNCE"});
  std::string ct = record({"VODA", "KO"});
  char headword[16];
  for (int i = 2; i < records; ++i) {
    std::snprintf(headword, sizeof headword, "W%05d", i);
    tc += record({headword, "M"});
    headword[0] = 'X';
    ct += record({headword, "M"});
  }
  ct += record({"XYZ", "M"});
  writeBytes(folder + "/tc_slovnik.slk", tc);
  writeBytes(folder + "/ct_slovnik.slk", ct);
  importFile = outside + "/import.txt";
  writeBytes(importFile, "A - 1\r\nW00002 - 2\r\n");
  tcBefore = tc;
  ctBefore = ct;
}

void DictionaryFolder::TearDown() {
  removeFolder(folder);
  removeFolder(outside);
}

Finished DictionaryFolder::tarvik(const std::vector<std::string>& args, bool unprivileged, long long sizeLimit) {
  Launch launch;
  launch.args = args;
  launch.dir = folder;
  launch.unprivileged = unprivileged;
  launch.fileSizeLimit = sizeLimit;
  return runTarvik(launch);
}

void DictionaryFolder::expectRefused(const std::vector<std::string>& args, const std::string& message,
                                     bool unprivileged, long long sizeLimit) {
  Finished run = tarvik(args, unprivileged, sizeLimit);
  EXPECT_EQ(run.exitCode, 3) << args[0];
  EXPECT_EQ(run.err, message);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(readBytes(folder + "/tc_slovnik.slk") == tcBefore) << args[0] << " changed tc_slovnik.slk";
  EXPECT_TRUE(readBytes(folder + "/ct_slovnik.slk") == ctBefore) << args[0] << " changed ct_slovnik.slk";
  EXPECT_FALSE(std::filesystem::exists(folder + "/pomocny.slk")) << args[0];
}

void DictionaryFolder::expectReadsWork() {
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  const Case cases[] = {
      {{"lookup", "ko"}, "1\tKO\tVODA\t\t\t\t\n"},
      {{"lookup", "--dict", "ct", "voda"}, "1\tVODA\tKO\t\t\t\t\n"},
      {{"prefix", "r"}, "2\tRA\n"},
      {{"grid", "ko ra"}, "KO\tVODA\t\t\t\t\nRA\tSLUNCE\t\t\t\t\n"},
  };
  for (const Case& c : cases) {
    Finished run = tarvik(c.args, true);
    EXPECT_EQ(run.exitCode, 0) << c.args[0] << ": " << run.err;
    EXPECT_EQ(run.out, c.out) << c.args[0];
  }
  Finished list = tarvik({"list"}, true);
  EXPECT_EQ(list.exitCode, 0) << list.err;
  EXPECT_TRUE(list.out.starts_with("0\tKO\tVODA\t\t\t\t\n1\tRA\tSLUNCE\t\t\t\t\n")) << list.out.substr(0, 40);
  Finished count = tarvik({"count"}, true);
  EXPECT_EQ(count.exitCode, 0) << count.err;
  EXPECT_EQ(count.out, std::to_string(tcBefore.size() / 126) + '\t' + std::to_string(tcBefore.size() / 126) + '\n');
  Launch translate;
  translate.args = {"translate"};
  translate.dir = folder;
  translate.input = "ko ra ta\n";
  translate.unprivileged = true;
  Finished translated = runTarvik(translate);
  EXPECT_EQ(translated.exitCode, 0) << translated.err;
  EXPECT_EQ(translated.out, "VODA SLUNCE ta \n");
}
