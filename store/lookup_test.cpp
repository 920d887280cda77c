#include "store_fixture_test.h"

namespace {

std::vector<Tslovicko> records(Dict dict) {
  std::vector<Tslovicko> result;
  for (long i = 0; i < entryCount(dict); ++i) result.push_back(readEntry(dict, i));
  return result;
}

using FindWord = StoreTest;

TEST_F(FindWord, IgnoresCaseAndApostrophesOnBothSidesAndTakesTheFirstMatch) {
  EXPECT_FALSE(findWord("KO", kTarvikCzech, true).found);
  fill(kTarvikCzech, {entry("RA", {"SLUNCE"}), entry("KO", {"VODA", "", "PIVO"}), entry("T'A", {"TY"}),
                      entry("KO", {"SECOND"}), entry("''", {"APOSTROFY"})});
  fill(kCzechTarvik, {entry("\x8E\xC1" "BA", {"FRO"})});  // ŽÁBA
  EXPECT_EQ(findWord("ko", kTarvikCzech, false).meanings, (std::array<std::string, 5>{"VODA", "", "PIVO", "", ""}));
  const struct {
    const char* word;
    bool byPronunciation;
    long position;
  } queries[] = {{"ko", false, 2}, {"K'O", true, 2}, {"ta", false, 3}, {"'t'a'", false, 3},
                 {"", false, 5},   {"'", true, 5},   {"KOKO", true, 0}};
  for (const auto& q : queries) {
    FoundWord got = findWord(q.word, kTarvikCzech, q.byPronunciation);
    EXPECT_EQ(got.position, q.position) << q.word;
    EXPECT_EQ(got.found, q.position != 0) << q.word;
    if (!got.found) {
      EXPECT_EQ(got.meanings, (std::array<std::string, 5>{})) << q.word;
    }
  }
  EXPECT_EQ(findWord("\x9E\xE1" "ba", kCzechTarvik, false).meanings[0], "FRO");  // žába
  EXPECT_FALSE(findWord("", kCzechTarvik, true).found);
  EXPECT_FALSE(findWord("''", kCzechTarvik, true).found);
}

TEST_F(FindWord, ThePronunciationOfAStoredHeadwordCanMatchFirstInFileOrder) {
  // SHA sorts before ŠA (S is 0x53, Š is 0x8A); its key is ŠA.
  fill(kTarvikCzech, {entry("SHA", {"FROM SHA"}), entry("\x8A" "A", {"FROM \x8A" "A"}), entry("SHEE", {"MOST"}),
                      entry("QA", {"BY SOUND"}), entry("KVA", {"EXACT"})});
  const struct {
    const char* word;
    bool byPronunciation;
    const char* meaning;
  } queries[] = {{"\x9A" "a", true, "FROM SHA"}, {"\x9A" "a", false, "FROM \x8A" "A"},
                 {"\x9A\xED", true, "MOST"},     {"\x9A\xED", false, ""},
                 {"shee", true, "MOST"},  // the query itself is not pronounced
                 {"kva", true, "BY SOUND"},      {"kva", false, "EXACT"}};
  for (const auto& q : queries) {
    FoundWord got = findWord(q.word, kTarvikCzech, q.byPronunciation);
    EXPECT_EQ(got.meanings[0], q.meaning) << q.word << " " << q.byPronunciation;
    EXPECT_EQ(got.found, *q.meaning != '\0') << q.word;
  }
}

using FindPrefix = StoreTest;

TEST_F(FindPrefix, ReturnsTheFirstHeadwordInFileOrderStartingWithTheText) {
  EXPECT_EQ(findPrefix("", kTarvikCzech), 0);
  fill(kTarvikCzech, {entry("BA"), entry("ABC"), entry("A'B"), entry("AB")});
  const std::pair<const char*, long> queries[] = {{"ab", 2}, {"a'b'", 2}, {"ab'c", 2}, {"", 1},
                                                  {"b", 1},  {"ABCD", 0}, {"c", 0}};
  for (const auto& [word, position] : queries) EXPECT_EQ(findPrefix(word, kTarvikCzech), position) << word;
}

using InsertEntry = StoreTest;

TEST_F(InsertEntry, UpperCasesAndCombinesWithTheFirstRecordOfItsHeadwordWhenAllFit) {
  const std::string a20(20, 'A');
  const struct {
    std::vector<Tslovicko> before;
    Tslovicko inserted;
    std::vector<Tslovicko> after;
  } cases[] = {
      {{}, entry("\x9E\xE1" "ba", {"fro", "", "k'ak"}), {entry("\x8E\xC1" "BA", {"FRO", "", "K'AK"})}},
      // The entry's meanings first, each only once: a known pair changes nothing.
      {{entry("A"), entry("KO", {"VODA", "", "PIVO"}), entry("RA")},
       entry("ko", {"", "rybnik"}),
       {entry("A"), entry("KO", {"RYBNIK", "VODA", "PIVO"}), entry("RA")}},
      {{entry("KO", {"VODA", "PIVO"})}, entry("KO", {"PIVO"}), {entry("KO", {"PIVO", "VODA"})}},
      {{entry("KO", {"PIVO", "VODA"})}, entry("ko", {"pivo", "voda"}), {entry("KO", {"PIVO", "VODA"})}},
      {{entry("A'B", {"X"})}, entry("ab", {"y"}), {entry("AB", {"Y", "X"})}},
      // Too many meanings, or a full record, even with a meaning it has: a new record.
      {{entry("KO", {"1", "2", "3"})}, entry("ko", {"4", "5", "6"}),
       {entry("KO", {"1", "2", "3"}), entry("KO", {"4", "5", "6"})}},
      {{entry("RA", {"1", "2", "3", "4", "5"})}, entry("ra", {"1"}),
       {entry("RA", {"1", "2", "3", "4", "5"}), entry("RA", {"1"})}},
      // Fields are cut to twenty characters before comparing.
      {{entry(a20, {a20})}, entry(std::string(25, 'a'), {std::string(25, 'a') + "b"}), {entry(a20, {a20})}},
  };
  for (const auto& c : cases) {
    closeDictionaries();
    std::filesystem::remove("ct_slovnik.slk");
    openDictionaries();
    for (const Tslovicko& e : c.before) writeEntry(kCzechTarvik, entryCount(kCzechTarvik), e);
    insertEntry(c.inserted, kCzechTarvik);
    EXPECT_EQ(records(kCzechTarvik), c.after) << c.inserted.slovo;
  }
}

using InsertWord = StoreTest;

TEST_F(InsertWord, KeepsTheSlotsOfGivenMeaningsAndGoesBackwardsWhenAsked) {
  fill(kCzechTarvik, {entry("ZZZ")});
  GivenMeanings meanings;
  meanings[2] = "voda";
  meanings[3] = "";
  insertWord("ko", meanings, kTarvikCzech, true);
  // Each reverse entry is sorted in at once: the empty headword first.
  EXPECT_EQ(records(kCzechTarvik), (std::vector{entry("", {"KO"}), entry("VODA", {"KO"}), entry("ZZZ")}));
  insertWord("zz", GivenMeanings{"a"}, kTarvikCzech, false);
  insertWord("aa", GivenMeanings{}, kTarvikCzech, false);
  EXPECT_EQ(records(kTarvikCzech), (std::vector{entry("AA"), entry("KO", {"", "", "VODA", ""}), entry("ZZ", {"A"})}));
  EXPECT_EQ(entryCount(kCzechTarvik), 3);
}

}  // namespace
