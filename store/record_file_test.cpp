#include <sys/stat.h>

#include "store_fixture_test.h"

namespace {

using OpeningDictionaries = InTempDir;

TEST_F(OpeningDictionaries, KeepsAnExistingFileAsItIs) {
  std::string bytes = rawRecord({"KO", "VODA"}) + rawRecord({"RA", "SLUNCE"});
  putFileBytes("tc_slovnik.slk", bytes);
  openDictionaries();
  EXPECT_EQ(entryCount(kTarvikCzech), 2);
  closeDictionaries();
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), bytes);
}

TEST_F(OpeningDictionaries, AFileThatMayNotBeWrittenServesReadsAndRefusesEveryWrite) {
  std::string bytes = rawRecord({"RA", "SLUNCE"}) + rawRecord({"KO", "VODA"});
  putFileBytes("tc_slovnik.slk", bytes);
  ::chmod("tc_slovnik.slk", 0444);
  expectAsUnprivileged([]() -> std::string {
    openDictionaries();
    if (entryCount(kTarvikCzech) != 2) return "records not read";
    if (readEntry(kTarvikCzech, 1).vyznam1 != "VODA") return "record not read";
    if (!findWord("ko", kTarvikCzech, true).found) return "lookup failed";
    if (errorOf([] { writeEntry(kTarvikCzech, 0, entry("X")); }) != EACCES) return "write allowed";
    if (errorOf([] { insertEntry(entry("NOVE"), kTarvikCzech); }) != EACCES) return "insert allowed";
    if (errorOf([] { sortDictionary(kTarvikCzech); }) != EACCES) return "sort allowed";
    if (errorOf([] { deleteEntry(0, kTarvikCzech); }) != EACCES) return "delete allowed";
    if (std::filesystem::exists(kScratchName)) return "scratch file left";
    return "";
  });
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), bytes);
}

TEST_F(OpeningDictionaries, AMissingFileInAFolderThatMayNotBeWrittenReadsAsEmpty) {
  std::string bytes = rawRecord({"KO", "VODA"});
  putFileBytes("tc_slovnik.slk", bytes);
  ::chmod(".", 0555);
  expectAsUnprivileged([]() -> std::string {
    openDictionaries();
    if (!findWord("ko", kTarvikCzech, false).found) return "the dictionary that exists was not read";
    if (entryCount(kCzechTarvik) != 0 || findWord("voda", kCzechTarvik, false).found) return "missing one not empty";
    try {
      insertEntry(entry("VODA", {"KO"}), kCzechTarvik);
      return "insert into the missing dictionary allowed";
    } catch (const IoError& e) {
      if (std::string(e.what()) != "Permission denied: ct_slovnik.slk") return std::string("message: ") + e.what();
    }
    return "";
  });
  ::chmod(".", 0777);
  EXPECT_FALSE(std::filesystem::exists("ct_slovnik.slk"));
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), bytes);
}

TEST_F(OpeningDictionaries, AnUnreadableFileIsAnErrorAndIsNeverEmptied) {
  std::string bytes = rawRecord({"KO", "VODA"});
  putFileBytes("ct_slovnik.slk", bytes);
  ::chmod("ct_slovnik.slk", 0);
  expectAsUnprivileged([]() -> std::string {
    try {
      openDictionaries();
    } catch (const IoError& e) {
      if (e.code().value() != EACCES) return std::string("wrong error: ") + e.what();
      return "";
    }
    return "opened an unreadable file";
  });
  EXPECT_EQ(fileBytes("ct_slovnik.slk"), bytes);
}

TEST_F(OpeningDictionaries, AFolderOfThatNameIsAnError) {
  std::filesystem::create_directory("tc_slovnik.slk");
  EXPECT_EQ(errorOf([] { openDictionaries(); }), EISDIR);
  EXPECT_TRUE(std::filesystem::is_directory("tc_slovnik.slk"));
}

TEST_F(OpeningDictionaries, UsingAClosedDictionaryIsAnError) {
  openDictionaries();
  closeDictionaries();
  EXPECT_EQ(errorOf([] { entryCount(kTarvikCzech); }), EBADF);
}

class Rewriting : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    for (int i = 99; i >= 0; --i) writeEntry(kTarvikCzech, entryCount(kTarvikCzech), entry("W" + std::to_string(i)));
    before = fileBytes("tc_slovnik.slk");
  }
  std::string before;
};

TEST_F(Rewriting, AFailedSortLeavesTheOldFileWholeAndTheHandleUsable) {
  {
    FileSizeLimit limit(5000);
    EXPECT_EQ(errorOf([] { sortDictionary(kTarvikCzech); }), EFBIG);
  }
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), before);
  EXPECT_FALSE(std::filesystem::exists(kScratchName));
  EXPECT_EQ(entryCount(kTarvikCzech), 100);
  sortDictionary(kTarvikCzech);
  EXPECT_EQ(readEntry(kTarvikCzech, 0).slovo, "W0");
}

TEST_F(Rewriting, AFailedDeletionLeavesTheOldFileWholeAndTheHandleUsable) {
  {
    FileSizeLimit limit(5000);
    try {
      deleteEntry(0, kTarvikCzech);
      ADD_FAILURE() << "deleted past the size limit";
    } catch (const IoError& e) {
      EXPECT_EQ(e.code().value(), EFBIG);
      EXPECT_STREQ(e.what(), "File too large: pomocny.slk (the new copy of tc_slovnik.slk)");
    }
  }
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), before);
  EXPECT_FALSE(std::filesystem::exists(kScratchName));
  deleteEntry(0, kTarvikCzech);
  EXPECT_EQ(entryCount(kTarvikCzech), 99);
}

TEST_F(Rewriting, AnAppendRefusedPartWayLeavesNoFragment) {
  {
    FileSizeLimit limit(before.size() + kRecordSize / 2);
    EXPECT_EQ(errorOf([] { writeEntry(kTarvikCzech, 100, entry("NOVE")); }), EFBIG);
  }
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), before);
  writeEntry(kTarvikCzech, 100, entry("NOVE"));
  EXPECT_EQ(entryCount(kTarvikCzech), 101);
}

TEST_F(Rewriting, ReplacesAScratchFileLeftBehind) {
  putFileBytes(kScratchName, "left over from a crash");
  deleteEntry(99, kTarvikCzech);
  EXPECT_EQ(entryCount(kTarvikCzech), 99);
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), before.substr(0, 99 * kRecordSize));
  EXPECT_FALSE(std::filesystem::exists(kScratchName));
}

using SharingWithOtherPrograms = StoreTest;

TEST_F(SharingWithOtherPrograms, SeesAFileReplacedByAnotherProgram) {
  fill(kTarvikCzech, {entry("KO", {"VODA"})});
  EXPECT_TRUE(findWord("ko", kTarvikCzech, false).found);
  putFileBytes("other.slk", rawRecord({"RA", "SLUNCE"}) + rawRecord({"TA", "TY"}));
  std::filesystem::rename("other.slk", "tc_slovnik.slk");
  EXPECT_EQ(entryCount(kTarvikCzech), 2);
  EXPECT_FALSE(findWord("ko", kTarvikCzech, false).found);
  EXPECT_EQ(findWord("ta", kTarvikCzech, false).position, 2);
  // Our writes go to the file that now bears the name.
  writeEntry(kTarvikCzech, 2, entry("NOVE"));
  EXPECT_EQ(fileBytes("tc_slovnik.slk").size(), 3 * kRecordSize);
}

TEST_F(SharingWithOtherPrograms, SeesRecordsAppendedByAnotherProgram) {
  fill(kCzechTarvik, {entry("VODA", {"KO"})});
  EXPECT_FALSE(findWord("pivo", kCzechTarvik, false).found);
  std::ofstream(std::string("ct_slovnik.slk"), std::ios::binary | std::ios::app) << rawRecord({"PIVO", "BRA"});
  EXPECT_EQ(findWord("pivo", kCzechTarvik, false).meanings[0], "BRA");
}

}  // namespace
