// Dictionaries the user may not write, run as uid 65534 since root ignores
// permissions: look-ups work, and every write fails with exit status 3 and
// a clear message, leaving both files as they were.

#include <sys/stat.h>

#include "small_dictionary.h"

namespace {

class MayNotWrite : public DictionaryFolder {
 protected:
  void SetUp() override { makeDictionaries(50); }

  void setModes(mode_t files, mode_t dir) {
    ::chmod((folder + "/tc_slovnik.slk").c_str(), files);
    ::chmod((folder + "/ct_slovnik.slk").c_str(), files);
    ::chmod(folder.c_str(), dir);
  }
};

TEST_F(MayNotWrite, ReadOnlyFilesServeLookupsAndRefuseEveryWrite) {
  setModes(0444, 0777);
  expectReadsWork();
  const std::string refusedTc = "tarvik: Permission denied: tc_slovnik.slk\n";
  expectRefused({"insert", "A", "1"}, refusedTc, true);
  expectRefused({"insert", "ZZ", "1"}, refusedTc, true);
  expectRefused({"insert", "KO", "PIVO"}, refusedTc, true);
  expectRefused({"insert", "--reverse", "ZZ", "AHOJ"}, "tarvik: Permission denied: ct_slovnik.slk\n", true);
  expectRefused({"delete", "0"}, refusedTc, true);
  expectRefused({"import", importFile}, refusedTc, true);
  // The export is a file of its own, and the folder may be written.
  EXPECT_EQ(tarvik({"export"}, true).exitCode, 0);
  EXPECT_EQ(readBytes(folder + "/tc_slovnik.txt").substr(0, 11), "KO - VODA\r\n");
}

TEST_F(MayNotWrite, AReadOnlyFolderOfReadOnlyFilesServesLookupsAndRefusesEveryWrite) {
  setModes(0444, 0555);
  expectReadsWork();
  const std::string refusedTc = "tarvik: Permission denied: tc_slovnik.slk\n";
  expectRefused({"insert", "A", "1"}, refusedTc, true);
  expectRefused({"insert", "ZZ", "1"}, refusedTc, true);
  expectRefused({"delete", "0"}, refusedTc, true);
  expectRefused({"import", importFile}, refusedTc, true);
  expectRefused({"export"}, "tarvik: Permission denied: tc_slovnik.txt\n", true);
}

// Writing a record in place needs only the file; a sort or a deletion
// renames a new copy over it, which needs the folder.
TEST_F(MayNotWrite, AReadOnlyFolderOfWritableFilesTakesOnlyInPlaceChanges) {
  setModes(0666, 0555);
  expectReadsWork();
  const std::string refusedCopy = "tarvik: Permission denied: pomocny.slk (the new copy of tc_slovnik.slk)\n";
  expectRefused({"insert", "A", "1"}, refusedCopy, true);
  expectRefused({"delete", "0"}, refusedCopy, true);
  expectRefused({"import", importFile}, refusedCopy, true);
  expectRefused({"insert", "--reverse", "ZZ", "AHOJ"},
                "tarvik: Permission denied: pomocny.slk (the new copy of ct_slovnik.slk)\n", true);

  Finished merged = tarvik({"insert", "KO", "PIVO"}, true);
  EXPECT_EQ(merged.exitCode, 0) << merged.err;
  std::string tc = tcBefore;
  tc.replace(0, 126, record({"KO", "PIVO", "VODA"}));
  EXPECT_TRUE(readBytes(folder + "/tc_slovnik.slk") == tc);

  Finished appended = tarvik({"insert", "ZZ", "1"}, true);
  EXPECT_EQ(appended.exitCode, 0) << appended.err;
  EXPECT_TRUE(readBytes(folder + "/tc_slovnik.slk") == tc + record({"ZZ", "1"}));
  EXPECT_FALSE(std::filesystem::exists(folder + "/pomocny.slk"));
}

TEST_F(MayNotWrite, AMissingDictionaryInAReadOnlyFolderReadsAsEmpty) {
  std::filesystem::remove(folder + "/ct_slovnik.slk");
  setModes(0444, 0555);
  Finished found = tarvik({"lookup", "ko"}, true);
  EXPECT_EQ(found.exitCode, 0) << found.err;
  EXPECT_EQ(found.out, "1\tKO\tVODA\t\t\t\t\n");
  EXPECT_EQ(tarvik({"lookup", "--dict", "ct", "voda"}, true).exitCode, 1);
  EXPECT_EQ(tarvik({"count", "--dict", "ct"}, true).out, "0\t0\n");
  Finished refused = tarvik({"insert", "--dict", "ct", "VODA", "KO"}, true);
  EXPECT_EQ(refused.exitCode, 3);
  EXPECT_EQ(refused.err, "tarvik: Permission denied: ct_slovnik.slk\n");
  EXPECT_FALSE(std::filesystem::exists(folder + "/ct_slovnik.slk"));
}

}  // namespace
