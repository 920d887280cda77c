// An insertion or an import changes each dictionary file once, in one step:
// when it cannot finish, the file is exactly as it was before.

#include <sys/stat.h>

#include "store_fixture_test.h"

namespace {

GivenMeanings given(std::initializer_list<std::string> meanings) {
  GivenMeanings result;
  int slot = 0;
  for (const std::string& meaning : meanings) result[slot++] = meaning;
  return result;
}

// 100 records W00..W99 in order, so that A.. sorts first and Z.. last.
class OneStepChanges : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    for (Dict dict : {kTarvikCzech, kCzechTarvik})
      for (int i = 0; i < 100; ++i)
        writeEntry(dict, i, entry((i < 10 ? "W0" : "W") + std::to_string(i), {"M"}));
    tcBefore = fileBytes("tc_slovnik.slk");
    ctBefore = fileBytes("ct_slovnik.slk");
  }
  std::string tcBefore, ctBefore;
};

TEST_F(OneStepChanges, ImportMergesIntoRecordsItAddedItselfAndSortsOnce) {
  insertEntries({entry("ko", {"1"}), entry("ra", {"2"}), entry("ko", {"3"}), entry("w05", {"N"})}, kTarvikCzech);
  EXPECT_EQ(entryCount(kTarvikCzech), 102);
  EXPECT_EQ(readEntry(kTarvikCzech, 0), entry("KO", {"3", "1"}));
  EXPECT_EQ(readEntry(kTarvikCzech, 1), entry("RA", {"2"}));
  EXPECT_EQ(readEntry(kTarvikCzech, 7), entry("W05", {"N", "M"}));
  EXPECT_EQ(fileBytes("tc_slovnik.slk").substr(0, 3), "\x02KO");
  EXPECT_FALSE(std::filesystem::exists(kScratchName));
  // The index was left in step with the file: a change by another program shows.
  std::ofstream("tc_slovnik.slk", std::ios::binary | std::ios::app) << rawRecord({"PIVO", "BRA"});
  EXPECT_EQ(findWord("pivo", kTarvikCzech, false).position, 103);
}

TEST_F(OneStepChanges, AnImportTooLargeForTheDiskWritesNothing) {
  std::vector<Tslovicko> entries;
  for (int i = 0; i < 20; ++i) entries.push_back(entry("Z" + std::to_string(i), {"1"}));
  {
    FileSizeLimit limit(tcBefore.size() + 5 * kRecordSize);
    EXPECT_EQ(errorOf([&] { insertEntries(entries, kTarvikCzech); }), EFBIG);
  }
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), tcBefore);
  EXPECT_EQ(entryCount(kTarvikCzech), 100);
  EXPECT_FALSE(findWord("z1", kTarvikCzech, false).found);
  insertEntries(entries, kTarvikCzech);
  EXPECT_EQ(entryCount(kTarvikCzech), 120);
}

// The record appended last sorts last: it is written in place, and a refused
// write must not leave part of it behind.
TEST_F(OneStepChanges, AnAppendRefusedPartWayLeavesNoFragment) {
  {
    FileSizeLimit limit(tcBefore.size() + kRecordSize / 2);
    EXPECT_EQ(errorOf([] { insertWord("ZZ", given({"1"}), kTarvikCzech, false); }), EFBIG);
  }
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), tcBefore);
  insertWord("ZZ", given({"1"}), kTarvikCzech, false);
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), tcBefore + rawRecord({"ZZ", "1"}));
}

// Three reverse entries that each sort first: before, the first two were
// written, each with its sort, before the third failed.
TEST_F(OneStepChanges, ReverseEntriesGoInTogetherOrNotAtAll) {
  {
    FileSizeLimit limit(ctBefore.size() + 2 * kRecordSize + 10);
    EXPECT_EQ(errorOf([] { insertWord("KO", given({"A1", "A2", "A3"}), kTarvikCzech, true); }), EFBIG);
  }
  EXPECT_EQ(fileBytes("ct_slovnik.slk"), ctBefore);
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), tcBefore);

  insertWord("KO", given({"A1", "A2", "A3"}), kTarvikCzech, true);
  EXPECT_EQ(readEntry(kCzechTarvik, 2), entry("A3", {"KO"}));
  EXPECT_EQ(readEntry(kTarvikCzech, 0), entry("KO", {"A1", "A2", "A3"}));
}

// In place in the folder works; a sort needs the scratch file next to the
// dictionary, and must then fail before the new record is written anywhere.
TEST_F(OneStepChanges, InAReadOnlyFolderOnlyInsertionsThatNeedNoSortSucceed) {
  closeDictionaries();
  ::chmod("tc_slovnik.slk", 0666);
  ::chmod(".", 0555);
  std::string expected = tcBefore + rawRecord({"ZZ", "1"});
  expectAsUnprivileged([&]() -> std::string {
    openDictionaries();
    if (errorOf([] { insertWord("AA", given({"1"}), kTarvikCzech, false); }) != EACCES) return "sorted insert allowed";
    if (fileBytes("tc_slovnik.slk") != tcBefore) return "file changed by a refused insertion";
    if (errorOf([] { insertEntries({entry("AB")}, kTarvikCzech); }) != EACCES) return "sorted import allowed";
    if (errorOf([] { deleteEntry(0, kTarvikCzech); }) != EACCES) return "delete allowed";
    if (fileBytes("tc_slovnik.slk") != tcBefore) return "file changed by a refused change";
    if (entryCount(kTarvikCzech) != 100 || findWord("aa", kTarvikCzech, false).found) return "refused change seen";
    if (errorOf([] { insertWord("ZZ", given({"1"}), kTarvikCzech, false); }) != 0) return "append refused";
    if (fileBytes("tc_slovnik.slk") != expected) return "append not written in place";
    return "";
  });
  ::chmod(".", 0777);
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), expected);
}

}  // namespace
