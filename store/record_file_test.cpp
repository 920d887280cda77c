#include <sys/stat.h>

#include "store_fixture_test.h"

namespace {

using OpeningDictionaries = InTempDir;

TEST_F(OpeningDictionaries, CreatesAMissingFileEmptyKeepsAnExistingOneAndRefusesAnUnreadableOne) {
  std::string bytes = rawRecord({"KO", "VODA"}) + rawRecord({"RA", "SLUNCE"});
  putFileBytes("tc_slovnik.slk", bytes);
  openDictionaries();
  EXPECT_EQ(entryCount(kTarvikCzech), 2);
  EXPECT_EQ(entryCount(kCzechTarvik), 0);
  closeDictionaries();
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), bytes);
  EXPECT_EQ(std::filesystem::file_size("ct_slovnik.slk"), 0u);
  EXPECT_EQ(errorOf([] { entryCount(kTarvikCzech); }), EBADF);
  // An unreadable file or a folder of that name is an error and stays as it was.
  ::chmod("tc_slovnik.slk", 0);
  expectAsUnprivileged([] { return errorOf([] { openDictionaries(); }) == EACCES ? "" : "no EACCES"; });
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), bytes);
  std::filesystem::remove("tc_slovnik.slk");
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
