#include "store_fixture_test.h"

namespace {

using FindWord = StoreTest;

TEST_F(FindWord, IgnoresCaseAndApostrophesOnBothSides) {
  fill(kTarvikCzech, {entry("RA", {"SLUNCE"}), entry("KO", {"VODA", "", "PIVO"}), entry("T'A", {"TY"})});
  FoundWord ko = findWord("ko", kTarvikCzech, false);
  EXPECT_TRUE(ko.found);
  EXPECT_EQ(ko.position, 2);
  EXPECT_EQ(ko.meanings, (std::array<std::string, 5>{"VODA", "", "PIVO", "", ""}));
  EXPECT_EQ(findWord("K'O", kTarvikCzech, false).position, 2);
  EXPECT_EQ(findWord("ta", kTarvikCzech, false).position, 3);
  EXPECT_EQ(findWord("'t'a'", kTarvikCzech, false).position, 3);
}

TEST_F(FindWord, NotFoundGivesPositionZeroAndEmptyMeanings) {
  FoundWord none = findWord("KO", kTarvikCzech, true);
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.position, 0);
  fill(kTarvikCzech, {entry("KO", {"VODA"})});
  none = findWord("KOKO", kTarvikCzech, true);
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.meanings, (std::array<std::string, 5>{}));
}

TEST_F(FindWord, CzechLettersAreUpperCasedInTheQuery) {
  fill(kCzechTarvik, {entry("\x8E\xC1" "BA", {"FRO"})});  // ŽÁBA
  EXPECT_EQ(findWord("\x9E\xE1" "ba", kCzechTarvik, false).meanings[0], "FRO");
}

TEST_F(FindWord, ThePronunciationOfAStoredHeadwordCanMatch) {
  // SHA sorts before ŠA (S is 0x53, Š is 0x8A); its key is ŠA.
  fill(kTarvikCzech, {entry("SHA", {"FROM SHA"}), entry("\x8A" "A", {"FROM \x8A" "A"}), entry("SHEE", {"MOST"})});
  EXPECT_EQ(findWord("\x9A" "a", kTarvikCzech, true).meanings[0], "FROM SHA");
  EXPECT_EQ(findWord("\x9A" "a", kTarvikCzech, false).meanings[0], "FROM \x8A" "A");
  EXPECT_EQ(findWord("\x9A\xED", kTarvikCzech, true).position, 3);  // ší finds SHEE
  EXPECT_FALSE(findWord("\x9A\xED", kTarvikCzech, false).found);
  // The query itself is not pronounced: typing the spelling still works.
  EXPECT_EQ(findWord("shee", kTarvikCzech, true).position, 3);
}

TEST_F(FindWord, TheFirstMatchInFileOrderWins) {
  fill(kTarvikCzech, {entry("KO", {"FIRST"}), entry("KO", {"SECOND"}), entry("K'O", {"THIRD"})});
  EXPECT_EQ(findWord("ko", kTarvikCzech, false).meanings[0], "FIRST");
  writeEntry(kTarvikCzech, 0, entry("QA", {"BY SOUND"}));
  writeEntry(kTarvikCzech, 1, entry("KVA", {"EXACT"}));
  EXPECT_EQ(findWord("kva", kTarvikCzech, true).meanings[0], "BY SOUND");
  EXPECT_EQ(findWord("kva", kTarvikCzech, false).meanings[0], "EXACT");
}

TEST_F(FindWord, EmptyQueriesFindOnlyEmptyHeadwords) {
  fill(kTarvikCzech, {entry("KO", {"VODA"})});
  EXPECT_FALSE(findWord("", kTarvikCzech, true).found);
  EXPECT_FALSE(findWord("''", kTarvikCzech, true).found);
  fill(kTarvikCzech, {entry("''", {"APOSTROFY"})});
  EXPECT_EQ(findWord("", kTarvikCzech, false).position, 2);
  EXPECT_EQ(findWord("'", kTarvikCzech, true).position, 2);
}

using FindPrefix = StoreTest;

TEST_F(FindPrefix, ReturnsTheFirstHeadwordInFileOrderStartingWithTheText) {
  EXPECT_EQ(findPrefix("", kTarvikCzech), 0);
  fill(kTarvikCzech, {entry("BA"), entry("ABC"), entry("A'B"), entry("AB")});
  EXPECT_EQ(findPrefix("ab", kTarvikCzech), 2);
  EXPECT_EQ(findPrefix("a'b'", kTarvikCzech), 2);
  EXPECT_EQ(findPrefix("ab'c", kTarvikCzech), 2);
  EXPECT_EQ(findPrefix("", kTarvikCzech), 1);
  EXPECT_EQ(findPrefix("b", kTarvikCzech), 1);
  EXPECT_EQ(findPrefix("ABCD", kTarvikCzech), 0);
  EXPECT_EQ(findPrefix("c", kTarvikCzech), 0);
}

using InsertEntry = StoreTest;

TEST_F(InsertEntry, StoresANewHeadwordUpperCased) {
  insertEntry(entry("\x9E\xE1" "ba", {"fro", "", "k'ak"}), kCzechTarvik);
  EXPECT_EQ(entryCount(kCzechTarvik), 1);
  EXPECT_EQ(readEntry(kCzechTarvik, 0), entry("\x8E\xC1" "BA", {"FRO", "", "K'AK"}));
}

TEST_F(InsertEntry, CombinesWithTheExistingRecordEntryMeaningsFirst) {
  fill(kTarvikCzech, {entry("A"), entry("KO", {"VODA", "", "PIVO"}), entry("RA")});
  insertEntry(entry("ko", {"", "rybnik"}), kTarvikCzech);
  EXPECT_EQ(entryCount(kTarvikCzech), 3);
  EXPECT_EQ(readEntry(kTarvikCzech, 1), entry("KO", {"RYBNIK", "VODA", "PIVO"}));
  EXPECT_EQ(readEntry(kTarvikCzech, 0), entry("A"));
  EXPECT_EQ(readEntry(kTarvikCzech, 2), entry("RA"));
}

TEST_F(InsertEntry, ReinsertingAKnownPairChangesNothing) {
  insertEntry(entry("ko", {"voda", "pivo"}), kTarvikCzech);
  std::string before = fileBytes("tc_slovnik.slk");
  insertEntry(entry("KO", {"PIVO"}), kTarvikCzech);
  EXPECT_EQ(readEntry(kTarvikCzech, 0), entry("KO", {"PIVO", "VODA"}));
  insertEntry(entry("KO", {"PIVO", "VODA"}), kTarvikCzech);
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), before.replace(1 + 21, 4, "PIVO").replace(1 + 42, 4, "VODA"));
}

TEST_F(InsertEntry, TheCombinedRecordTakesTheNewSpelling) {
  fill(kTarvikCzech, {entry("A'B", {"X"})});
  insertEntry(entry("ab", {"y"}), kTarvikCzech);
  EXPECT_EQ(entryCount(kTarvikCzech), 1);
  EXPECT_EQ(readEntry(kTarvikCzech, 0), entry("AB", {"Y", "X"}));
}

TEST_F(InsertEntry, AppendsWhenTheMeaningsDoNotFit) {
  fill(kTarvikCzech, {entry("KO", {"1", "2", "3"}), entry("RA", {"1", "2", "3", "4", "5"})});
  insertEntry(entry("ko", {"4", "5", "6"}), kTarvikCzech);
  insertEntry(entry("ra", {"6"}), kTarvikCzech);
  ASSERT_EQ(entryCount(kTarvikCzech), 4);
  EXPECT_EQ(readEntry(kTarvikCzech, 0), entry("KO", {"1", "2", "3"}));
  EXPECT_EQ(readEntry(kTarvikCzech, 1), entry("RA", {"1", "2", "3", "4", "5"}));
  EXPECT_EQ(readEntry(kTarvikCzech, 2), entry("KO", {"4", "5", "6"}));
  EXPECT_EQ(readEntry(kTarvikCzech, 3), entry("RA", {"6"}));
  // A full record takes nothing, even a meaning it already has.
  insertEntry(entry("ra", {"1"}), kTarvikCzech);
  EXPECT_EQ(entryCount(kTarvikCzech), 5);
}

TEST_F(InsertEntry, CutsFieldsToTwentyCharactersBeforeComparing) {
  std::string longWord(25, 'a');
  insertEntry(entry(longWord, {longWord}), kCzechTarvik);
  insertEntry(entry(longWord, {longWord + "b"}), kCzechTarvik);
  ASSERT_EQ(entryCount(kCzechTarvik), 1);
  EXPECT_EQ(readEntry(kCzechTarvik, 0), entry(std::string(20, 'A'), {std::string(20, 'A')}));
}

}  // namespace

namespace {

using InsertWord = StoreTest;

TEST_F(InsertWord, GivenMeaningsKeepTheirSlotsAndGoBackwardsToo) {
  fill(kCzechTarvik, {entry("ZZZ")});
  GivenMeanings meanings;
  meanings[2] = "voda";
  meanings[3] = "";
  insertWord("ko", meanings, kTarvikCzech, true);
  EXPECT_EQ(readEntry(kTarvikCzech, 0), entry("KO", {"", "", "VODA", ""}));
  ASSERT_EQ(entryCount(kCzechTarvik), 3);
  // Each reverse entry is sorted in at once: the empty headword first.
  EXPECT_EQ(readEntry(kCzechTarvik, 0), entry("", {"KO"}));
  EXPECT_EQ(readEntry(kCzechTarvik, 1), entry("VODA", {"KO"}));
  EXPECT_EQ(readEntry(kCzechTarvik, 2), entry("ZZZ"));
}

TEST_F(InsertWord, WithoutReverseOnlyItsDictionaryChanges) {
  insertWord("zz", GivenMeanings{"a"}, kCzechTarvik, false);
  insertWord("aa", GivenMeanings{}, kCzechTarvik, false);
  EXPECT_EQ(readEntry(kCzechTarvik, 0), entry("AA"));
  EXPECT_EQ(readEntry(kCzechTarvik, 1), entry("ZZ", {"A"}));
  EXPECT_EQ(entryCount(kTarvikCzech), 0);
}

}  // namespace
