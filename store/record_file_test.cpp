#include <sys/stat.h>

#include "store_fixture_test.h"

namespace {

using OpeningDictionaries = InTempDir;

TEST_F(OpeningDictionaries, CreatesAMissingFileEmptyAndKeepsAnExistingOneAsItIs) {
  std::string bytes = rawRecord({"KO", "VODA"}) + rawRecord({"RA", "SLUNCE"});
  putFileBytes("tc_slovnik.slk", bytes);
  openDictionaries();
  EXPECT_EQ(entryCount(kTarvikCzech), 2);
  EXPECT_EQ(entryCount(kCzechTarvik), 0);
  closeDictionaries();
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), bytes);
  EXPECT_EQ(std::filesystem::file_size("ct_slovnik.slk"), 0u);
  EXPECT_EQ(errorOf([] { entryCount(kTarvikCzech); }), EBADF);
}

TEST_F(OpeningDictionaries, AnUnreadableFileOrAFolderOfThatNameIsAnErrorAndStaysAsItWas) {
  putFileBytes("ct_slovnik.slk", rawRecord({"KO"}));
  ::chmod("ct_slovnik.slk", 0);
  expectAsUnprivileged([] { return errorOf([] { openDictionaries(); }) == EACCES ? "" : "no EACCES"; });
  EXPECT_EQ(fileBytes("ct_slovnik.slk"), rawRecord({"KO"}));
  std::filesystem::remove("ct_slovnik.slk");
  std::filesystem::remove("tc_slovnik.slk");  // made by the child
  std::filesystem::create_directory("tc_slovnik.slk");
  EXPECT_EQ(errorOf([] { openDictionaries(); }), EISDIR);
  EXPECT_TRUE(std::filesystem::is_directory("tc_slovnik.slk"));
}

TEST_F(OpeningDictionaries, AMissingFileInAFolderThatMayNotBeWrittenReadsAsEmpty) {
  putFileBytes("tc_slovnik.slk", rawRecord({"KO", "VODA"}));
  ::chmod(".", 0555);
  expectAsUnprivileged([]() -> std::string {
    openDictionaries();
    if (!findWord("ko", kTarvikCzech, false).found) return "the dictionary that exists was not read";
    if (entryCount(kCzechTarvik) != 0 || findWord("voda", kCzechTarvik, false).found) return "missing one not empty";
    std::string message = messageOf([] { insertEntry(entry("VODA", {"KO"}), kCzechTarvik); });
    return message == "Permission denied: ct_slovnik.slk" ? "" : "message: " + message;
  });
  ::chmod(".", 0777);
  EXPECT_FALSE(std::filesystem::exists("ct_slovnik.slk"));
}

}  // namespace
