#include <sys/stat.h>

#include "store_fixture_test.h"

namespace {

using Records = StoreTest;

TEST_F(Records, StartUpCreatesMissingDictionariesEmpty) {
  EXPECT_TRUE(std::filesystem::exists("tc_slovnik.slk"));
  EXPECT_TRUE(std::filesystem::exists("ct_slovnik.slk"));
  EXPECT_EQ(std::filesystem::file_size("tc_slovnik.slk"), 0u);
  EXPECT_EQ(entryCount(kTarvikCzech), 0);
  EXPECT_EQ(countMeanings(kCzechTarvik), 0);
}

TEST_F(Records, WriteEntryStoresTheExactBytes) {
  writeEntry(kTarvikCzech, 0, entry("KO", {"VODA", "", "PIVO"}));
  std::string bytes = fileBytes("tc_slovnik.slk");
  ASSERT_EQ(bytes.size(), kRecordSize);
  EXPECT_EQ(bytes, rawRecord({"KO", "VODA", "", "PIVO", "", ""}));
  EXPECT_EQ(bytes.substr(0, 3), "\x02KO");
  EXPECT_EQ(bytes.substr(21, 5), "\x04VODA");
  EXPECT_EQ(bytes[63], 4);
  EXPECT_EQ(bytes.substr(64, 4), "PIVO");
}

TEST_F(Records, WriteEntryAtTheCountAppendsAndElsewhereOverwrites) {
  writeEntry(kCzechTarvik, 0, entry("A"));
  writeEntry(kCzechTarvik, 1, entry("B"));
  writeEntry(kCzechTarvik, 0, entry("C", {"X"}));
  EXPECT_EQ(entryCount(kCzechTarvik), 2);
  EXPECT_EQ(readEntry(kCzechTarvik, 0), entry("C", {"X"}));
  EXPECT_EQ(readEntry(kCzechTarvik, 1), entry("B"));
  EXPECT_THROW(writeEntry(kCzechTarvik, 3, entry("D")), IoError);
  EXPECT_EQ(entryCount(kCzechTarvik), 2);
}

TEST_F(Records, LongTextsKeepTheirFirstTwentyCharacters) {
  writeEntry(kTarvikCzech, 0, entry("ABCDEFGHIJKLMNOPQRSTUVWXYZ", {"123456789012345678901"}));
  Tslovicko back = readEntry(kTarvikCzech, 0);
  EXPECT_EQ(back.slovo, "ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(back.vyznam1, "12345678901234567890");
}

TEST_F(Records, ReadsFilesOfAnIndependentWriter) {
  closeDictionaries();
  // 127 bytes: one record and a fragment that is never read.
  std::string record = rawRecord({"KO", "VODA", "", "", "", "PIVO"});
  // Garbage after the length must not leak into the text.
  record[21 + 1 + 4] = 'X';
  putFileBytes("tc_slovnik.slk", record + "Z");
  // A damaged length byte above 20 reads as 20, never past the field.
  std::string damaged = rawRecord({"LONG", "", "", "", "", ""});
  damaged[0] = static_cast<char>(200);
  damaged.replace(1, 20, "ABCDEFGHIJKLMNOPQRST");
  putFileBytes("ct_slovnik.slk", damaged);
  openDictionaries();

  EXPECT_EQ(entryCount(kTarvikCzech), 1);
  EXPECT_EQ(readEntry(kTarvikCzech, 0), entry("KO", {"VODA", "", "", "", "PIVO"}));
  EXPECT_EQ(readEntry(kCzechTarvik, 0).slovo, "ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(std::filesystem::file_size("tc_slovnik.slk"), 127u);
}

TEST_F(Records, ReadingPastTheLastRecordIsAnError) {
  fill(kTarvikCzech, {entry("KO")});
  try {
    readEntry(kTarvikCzech, 1);
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), "Read beyond end of file: tc_slovnik.slk");
  }
  EXPECT_THROW(readEntry(kTarvikCzech, -1), IoError);
  EXPECT_THROW(countMeaningsBefore(kTarvikCzech, 2), IoError);
}

TEST_F(Records, CountersTestEverySlotByItself) {
  Tslovicko gaps = entry("KO");
  gaps.vyznam3 = "VODA";
  Tslovicko ends = entry("RA");
  ends.vyznam1 = "A";
  ends.vyznam5 = "B";
  fill(kTarvikCzech, {gaps, ends, entry("TA", {"1", "2", "3", "4", "5"})});
  EXPECT_EQ(countMeanings(kTarvikCzech), 8);
  EXPECT_EQ(countMeaningsBefore(kTarvikCzech, 0), 0);
  EXPECT_EQ(countMeaningsBefore(kTarvikCzech, -5), 0);
  EXPECT_EQ(countMeaningsBefore(kTarvikCzech, 1), 1);
  EXPECT_EQ(countMeaningsBefore(kTarvikCzech, 2), 3);
  EXPECT_EQ(countMeaningsBefore(kTarvikCzech, 3), 8);
  EXPECT_EQ(countMeanings(kCzechTarvik), 0);
}

// What a window listing the dictionary holds must not change under it, and
// must show every change once it asks again.
TEST_F(Records, EntriesTakenStayAsTheyWereThroughEveryKindOfChange) {
  fill(kTarvikCzech, {entry("RA", {"SLUNCE"}), entry("KO", {"VODA"})});
  std::shared_ptr<const std::string> listed = entriesNow(kTarvikCzech);
  const std::string original = rawRecord({"RA", "SLUNCE"}) + rawRecord({"KO", "VODA"});
  ASSERT_EQ(*listed, original);
  EXPECT_EQ(entriesNow(kTarvikCzech), listed);  // nothing changed: the same bytes, not a copy

  writeEntry(kTarvikCzech, 0, entry("RA", {"DEN"}));
  EXPECT_EQ(*listed, original);
  EXPECT_EQ(entriesNow(kTarvikCzech)->substr(0, kRecordSize), rawRecord({"RA", "DEN"}));

  listed = entriesNow(kTarvikCzech);
  std::string beforeAppend = *listed;
  insertEntry(entry("AI", {"ANO"}), kTarvikCzech);
  sortDictionary(kTarvikCzech);
  EXPECT_EQ(*listed, beforeAppend);
  EXPECT_EQ(fieldText(entriesNow(kTarvikCzech)->data(), 0), "AI");

  listed = entriesNow(kTarvikCzech);
  std::string beforeDelete = *listed;
  deleteEntry(0, kTarvikCzech);
  EXPECT_EQ(*listed, beforeDelete);
  EXPECT_EQ(entriesNow(kTarvikCzech)->size(), 2 * kRecordSize);

  // Replaced by another program.
  listed = entriesNow(kTarvikCzech);
  putFileBytes("tc_slovnik.slk", rawRecord({"ZZZ"}));
  EXPECT_EQ(*entriesNow(kTarvikCzech), rawRecord({"ZZZ"}));
  EXPECT_EQ(listed->size(), 2 * kRecordSize);
  EXPECT_EQ(*entriesNow(kCzechTarvik), "");
}

TEST_F(Records, OtherSelectorValuesMeanCzechToTarvik) {
  writeEntry(7, 0, entry("VODA", {"KO"}));
  EXPECT_EQ(entryCount(kCzechTarvik), 1);
  EXPECT_EQ(entryCount(kTarvikCzech), 0);
}

std::vector<std::string> headwords(Dict dict) {
  std::vector<std::string> words;
  for (long i = 0; i < entryCount(dict); ++i) words.push_back(readEntry(dict, i).slovo);
  return words;
}

using Sorting = StoreTest;

TEST_F(Sorting, OrdersHeadwordsByUnsignedBytesShorterFirst) {
  fill(kCzechTarvik, {entry("\x8E\xC1" "BA"), entry("ZEBRA"), entry("\xC8" "AJ"), entry("ABC"),
                      entry("AB"), entry("A'B")});
  sortDictionary(kCzechTarvik);
  std::vector<std::string> expected = {"A'B", "AB", "ABC", "ZEBRA", "\x8E\xC1" "BA", "\xC8" "AJ"};
  EXPECT_EQ(headwords(kCzechTarvik), expected);
}

TEST_F(Sorting, KeepsEqualHeadwordsInTheirOrder) {
  fill(kTarvikCzech, {entry("RA", {"1"}), entry("KO", {"first"}), entry("A"), entry("KO", {"second"}),
                      entry("B"), entry("KO", {"third"})});
  for (int round = 0; round < 3; ++round) {
    sortDictionary(kTarvikCzech);
    EXPECT_EQ(readEntry(kTarvikCzech, 2).vyznam1, "first");
    EXPECT_EQ(readEntry(kTarvikCzech, 3).vyznam1, "second");
    EXPECT_EQ(readEntry(kTarvikCzech, 4).vyznam1, "third");
  }
  EXPECT_FALSE(std::filesystem::exists(kScratchName));
}

TEST_F(Sorting, AnEmptyDictionaryStaysEmpty) {
  sortDictionary(kTarvikCzech);
  EXPECT_EQ(std::filesystem::file_size("tc_slovnik.slk"), 0u);
}

TEST_F(Sorting, AgreesWithTheExchangeSortOnManyRecords) {
  // A plain exchange sort, as the order is defined, on a copy in memory.
  std::vector<Tslovicko> model;
  unsigned seed = 12345;
  auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  for (int i = 0; i < 300; ++i) {
    std::string word;
    for (unsigned k = 0, len = next() % 4; k < len; ++k) word += "AB'\xC8Z"[next() % 5];
    model.push_back(entry(word, {std::to_string(i)}));
  }
  for (const Tslovicko& e : model) writeEntry(kTarvikCzech, entryCount(kTarvikCzech), e);
  for (bool exchanged = true; exchanged;) {
    exchanged = false;
    for (std::size_t i = 1; i < model.size(); ++i)
      if (std::string_view(model[i - 1].slovo) > std::string_view(model[i].slovo)) {
        std::swap(model[i - 1], model[i]);
        exchanged = true;
      }
  }
  sortDictionary(kTarvikCzech);
  for (std::size_t i = 0; i < model.size(); ++i) ASSERT_EQ(readEntry(kTarvikCzech, i), model[i]) << i;
}

using Deleting = StoreTest;

TEST_F(Deleting, TheOnlyRecordLeavesAnEmptyFile) {
  fill(kTarvikCzech, {entry("KO", {"VODA"})});
  deleteEntry(0, kTarvikCzech);
  EXPECT_EQ(std::filesystem::file_size("tc_slovnik.slk"), 0u);
  EXPECT_EQ(entryCount(kTarvikCzech), 0);
  EXPECT_FALSE(std::filesystem::exists(kScratchName));
}

TEST_F(Deleting, KeepsTheOtherRecordsInOrder) {
  fill(kCzechTarvik, {entry("A"), entry("C"), entry("B"), entry("D")});
  deleteEntry(1, kCzechTarvik);
  EXPECT_EQ(headwords(kCzechTarvik), (std::vector<std::string>{"A", "B", "D"}));
  // The handle works on the new file at once.
  writeEntry(kCzechTarvik, 3, entry("E"));
  EXPECT_EQ(headwords(kCzechTarvik), (std::vector<std::string>{"A", "B", "D", "E"}));
}

TEST_F(Deleting, AnIndexOutsideTheRecordsRemovesNothing) {
  fill(kCzechTarvik, {entry("A"), entry("B")});
  std::string before = fileBytes("ct_slovnik.slk");
  deleteEntry(2, kCzechTarvik);
  deleteEntry(-1, kCzechTarvik);
  EXPECT_EQ(fileBytes("ct_slovnik.slk"), before);
}

TEST_F(Deleting, KeepsTheFilePermissions) {
  fill(kCzechTarvik, {entry("A"), entry("B")});
  std::filesystem::permissions("ct_slovnik.slk", std::filesystem::perms(0640));
  deleteEntry(0, kCzechTarvik);
  EXPECT_EQ(std::filesystem::status("ct_slovnik.slk").permissions(), std::filesystem::perms(0640));
}

}  // namespace
