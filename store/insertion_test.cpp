#include "store_fixture_test.h"

namespace {

std::vector<Tslovicko> records(DictionaryStore& store, Dict dict) {
  std::vector<Tslovicko> result;
  for (long i = 0; i < store.entryCount(dict); ++i) result.push_back(store.readEntry(dict, i));
  return result;
}

using Inserting = StoreTest;

TEST_F(Inserting, UpperCasesAndCombinesWithTheFirstRecordOfItsHeadwordWhenAllFit) {
  const std::string a20(20, 'A');
  const struct { std::vector<Tslovicko> before; Tslovicko inserted; std::vector<Tslovicko> after; } cases[] = {
      {{}, entry("\x9E\xE1" "ba", {"fro", "", "k'ak"}), {entry("\x8E\xC1" "BA", {"FRO", "", "K'AK"})}},
      // The entry's meanings first, each only once: a known pair changes nothing.
      {{entry("A"), entry("KO", {"VODA", "", "PIVO"}), entry("RA")}, entry("ko", {"", "rybnik"}),
       {entry("A"), entry("KO", {"RYBNIK", "VODA", "PIVO"}), entry("RA")}},
      {{entry("KO", {"VODA", "PIVO"})}, entry("KO", {"PIVO"}), {entry("KO", {"PIVO", "VODA"})}},
      {{entry("KO", {"PIVO", "VODA"})}, entry("ko", {"pivo", "voda"}), {entry("KO", {"PIVO", "VODA"})}},
      {{entry("A'B", {"X"})}, entry("ab", {"y"}), {entry("AB", {"Y", "X"})}},
      // Too many meanings, or a full record, even with a meaning it has: a new record.
      {{entry("KO", {"1", "2", "3"})}, entry("ko", {"4", "5", "6"}), {entry("KO", {"1", "2", "3"}), entry("KO", {"4", "5", "6"})}},
      {{entry("RA", {"1", "2", "3", "4", "5"})}, entry("ra", {"1"}), {entry("RA", {"1", "2", "3", "4", "5"}), entry("RA", {"1"})}},
      // Fields are cut to twenty characters before comparing.
      {{entry(a20, {a20})}, entry(std::string(25, 'a'), {std::string(25, 'a') + "b"}), {entry(a20, {a20})}},
  };
  for (const auto& c : cases) {
    while (store->entryCount(kCzechTarvik) > 0) store->deleteEntry(0, kCzechTarvik);
    for (const Tslovicko& e : c.before) store->writeEntry(kCzechTarvik, store->entryCount(kCzechTarvik), e);
    store->insertEntry(c.inserted, kCzechTarvik);
    EXPECT_EQ(records(*store, kCzechTarvik), c.after) << c.inserted.slovo;
  }
  // insertWord keeps the slots of the given meanings and goes backwards when asked.
  while (store->entryCount(kCzechTarvik) > 0) store->deleteEntry(0, kCzechTarvik);
  fill(kCzechTarvik, {entry("ZZZ")});
  store->insertWord("ko", GivenMeanings{std::nullopt, std::nullopt, "voda", ""}, kTarvikCzech, true);
  // Each reverse entry is sorted in at once: the empty headword first.
  EXPECT_EQ(records(*store, kCzechTarvik), (std::vector{entry("", {"KO"}), entry("VODA", {"KO"}), entry("ZZZ")}));
  store->insertWord("zz", GivenMeanings{"a", std::nullopt, std::nullopt, std::nullopt, "e"}, kTarvikCzech, false);
  store->insertWord("aa", GivenMeanings{}, kTarvikCzech, false);
  EXPECT_EQ(records(*store, kTarvikCzech), (std::vector{entry("AA"), entry("KO", {"", "", "VODA", ""}), entry("ZZ", {"A", "", "", "", "E"})}));
  EXPECT_EQ(store->entryCount(kCzechTarvik), 3);
}

}  // namespace
