#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <random>

#include "store_fixture_test.h"

namespace {

using Records = StoreTest;

TEST_F(Records, WriteEntryStoresTheExactBytesAppendingAtTheCountAndOverwritingElsewhere) {
  store->writeEntry(kTarvikCzech, 0, entry("KO", {"VODA", "", "PIVO"}));
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), rawRecord({"KO", "VODA", "", "PIVO"}));
  store->writeEntry(kTarvikCzech, 1, entry("B"));
  store->writeEntry(kTarvikCzech, 0, entry("ABCDEFGHIJKLMNOPQRSTUVWXYZ", {"123456789012345678901"}));
  EXPECT_EQ(store->readEntry(kTarvikCzech, 0), entry("ABCDEFGHIJKLMNOPQRST", {"12345678901234567890"}));
  EXPECT_EQ(store->readEntry(kTarvikCzech, 1), entry("B"));
  EXPECT_THROW(store->writeEntry(kTarvikCzech, 3, entry("D")), IoError);
  EXPECT_EQ(store->entryCount(kTarvikCzech), 2);
}

TEST_F(Records, ReadsFilesOfAnIndependentWriter) {
  store.reset();
  // 127 bytes: one record and a fragment that is never read. A damaged
  // length byte above 20 reads as 20, never past the field, and garbage after
  // a field's length must not leak into its text.
  std::string record = rawRecord({"LONG", "VODA", "", "", "", "PIVO"});
  record[0] = static_cast<char>(200);
  record.replace(1, 20, "ABCDEFGHIJKLMNOPQRST");
  record[21 + 1 + 4] = 'X';
  putFileBytes("tc_slovnik.slk", record + "Z");
  reopen();
  EXPECT_EQ(store->entryCount(kTarvikCzech), 1);
  EXPECT_EQ(store->readEntry(kTarvikCzech, 0), entry("ABCDEFGHIJKLMNOPQRST", {"VODA", "", "", "", "PIVO"}));
  EXPECT_EQ(messageOf([&] { store->readEntry(kTarvikCzech, 1); }), "Read beyond end of file: tc_slovnik.slk");
  EXPECT_THROW(store->readEntry(kTarvikCzech, -1), IoError);
  EXPECT_EQ(std::filesystem::file_size(dir / "tc_slovnik.slk"), 127u);
}

TEST_F(Records, CountersTestEverySlotByItself) {
  fill(kTarvikCzech, {entry("KO", {"", "", "VODA"}), entry("RA", {"A", "", "", "", "B"}), entry("TA", {"1", "2", "3", "4", "5"})});
  EXPECT_EQ(store->countMeanings(kTarvikCzech), 8);
  const long before[][2] = {{-5, 0}, {0, 0}, {1, 1}, {2, 3}, {3, 8}};
  for (const auto& [n, expected] : before) EXPECT_EQ(store->countMeaningsBefore(kTarvikCzech, n), expected) << n;
  EXPECT_THROW(store->countMeaningsBefore(kTarvikCzech, 4), IoError);
  // Every selector value but 1 means Czech to Tarvik.
  store->writeEntry(7, 0, entry("VODA", {"KO"}));
  EXPECT_EQ(store->countMeanings(kCzechTarvik), 1);
}

// What a window listing the dictionary holds must not change under it, and
// must show every change once it asks again.
TEST_F(Records, EntriesTakenStayAsTheyWereThroughEveryKindOfChange) {
  fill(kTarvikCzech, {entry("RA", {"SLUNCE"}), entry("KO", {"VODA"})});
  EntriesSnapshot listed = store->entriesNow(kTarvikCzech);
  ASSERT_EQ(recordsOf(listed), rawRecord({"RA", "SLUNCE"}) + rawRecord({"KO", "VODA"}));
  EXPECT_TRUE(store->entriesNow(kTarvikCzech).sameAs(listed));  // nothing changed: the same records, not a copy
  std::vector<std::function<void()>> changes = {[&] { store->writeEntry(kTarvikCzech, 0, entry("RA", {"DEN"})); },
                                                [&] { store->insertEntry(entry("AI", {"ANO"}), kTarvikCzech); },
                                                [&] { store->sortDictionary(kTarvikCzech); },
                                                [&] { store->deleteEntry(0, kTarvikCzech); },
                                                [&] { putFileBytes("tc_slovnik.slk", rawRecord({"ZZZ"})); }};
  for (const auto& change : changes) {
    listed = store->entriesNow(kTarvikCzech);
    std::string before = recordsOf(listed);
    change();
    EXPECT_EQ(recordsOf(listed), before);
    EXPECT_FALSE(store->entriesNow(kTarvikCzech).sameAs(listed));
    EXPECT_EQ(recordsOf(store->entriesNow(kTarvikCzech)), fileBytes("tc_slovnik.slk"));
  }
  EXPECT_EQ(store->entriesNow(kCzechTarvik).count(), 0);
}

using Sorting = StoreTest;

TEST_F(Sorting, OrdersHeadwordsByUnsignedBytesShorterFirstKeepingEqualOnesInOrder) {
  store->sortDictionary(kCzechTarvik);
  EXPECT_EQ(std::filesystem::file_size(dir / "ct_slovnik.slk"), 0u);
  fill(kCzechTarvik, {entry("\x8E\xC1" "BA"), entry("ZEBRA"), entry("\xC8" "AJ"), entry("ABC"),
                      entry("AB"), entry("A'B")});
  store->sortDictionary(kCzechTarvik);
  const char* sorted[] = {"A'B", "AB", "ABC", "ZEBRA", "\x8E\xC1" "BA", "\xC8" "AJ"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(store->readEntry(kCzechTarvik, i).slovo, sorted[i]);
  // Sorted already, the file is left alone: a rewrite would be refused in a
  // folder that may not be written.
  auto inode = [&] {
    struct stat st {};
    ::stat(at("ct_slovnik.slk").c_str(), &st);
    return st.st_ino;
  };
  const ino_t before = inode();
  store->sortDictionary(kCzechTarvik);
  EXPECT_EQ(inode(), before);
  // Many colliding headwords, against a stable sort of a copy in memory.
  std::vector<Tslovicko> model;
  std::minstd_rand next(12345);
  for (int i = 0; i < 300; ++i) {
    std::string word;
    for (unsigned k = 0, len = next() % 4; k < len; ++k) word += "AB'\xC8Z"[next() % 5];
    store->writeEntry(kTarvikCzech, i, model.emplace_back(entry(word, {std::to_string(i)})));
  }
  std::stable_sort(model.begin(), model.end(), [](const Tslovicko& a, const Tslovicko& b) {
    return std::string_view(a.slovo) < std::string_view(b.slovo);
  });
  store->sortDictionary(kTarvikCzech);
  for (std::size_t i = 0; i < model.size(); ++i) ASSERT_EQ(store->readEntry(kTarvikCzech, i), model[i]) << i;
  EXPECT_FALSE(std::filesystem::exists(dir / kScratchName));
}

using Deleting = StoreTest;

TEST_F(Deleting, KeepsTheOtherRecordsInOrderAndTheFilePermissions) {
  fill(kCzechTarvik, {entry("A"), entry("C"), entry("B")});
  std::filesystem::permissions(dir / "ct_slovnik.slk", std::filesystem::perms(0640));
  putFileBytes(kScratchName, "left over from a crash");
  store->deleteEntry(3, kCzechTarvik);
  store->deleteEntry(-1, kCzechTarvik);
  EXPECT_EQ(store->entryCount(kCzechTarvik), 3);
  store->deleteEntry(1, kCzechTarvik);
  EXPECT_EQ(std::filesystem::status(dir / "ct_slovnik.slk").permissions(), std::filesystem::perms(0640));
  EXPECT_FALSE(std::filesystem::exists(dir / kScratchName));
  // The handle works on the new file at once.
  store->writeEntry(kCzechTarvik, 2, entry("E"));
  EXPECT_EQ(fileBytes("ct_slovnik.slk"), rawRecord({"A"}) + rawRecord({"B"}) + rawRecord({"E"}));
  for (int i = 0; i < 3; ++i) store->deleteEntry(0, kCzechTarvik);
  EXPECT_EQ(std::filesystem::file_size(dir / "ct_slovnik.slk"), 0u);
}

}  // namespace
