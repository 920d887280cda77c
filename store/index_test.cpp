// The look-ups answer from an index; these tests hold them against a plain
// scan of the file's bytes, read independently, on random dictionaries that
// the store keeps changing.

#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <span>
#include <tuple>

#include "dictionary_index.h"
#include "store_fixture_test.h"

namespace {

// A record as the look-ups must see it: the headword without apostrophes,
// then the five meanings, every field cut to its length byte or to 20.
using ScanRecord = std::array<std::string, 6>;

std::vector<ScanRecord> scanFile(const std::filesystem::path& file) {
  std::string bytes = fileBytes(file);
  std::vector<ScanRecord> records;
  for (std::size_t at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize) {
    ScanRecord& record = records.emplace_back();
    for (std::size_t f = 0, start = at; f < 6; ++f, start += kFieldSize)
      record[f] = bytes.substr(start + 1, std::min<std::size_t>(static_cast<unsigned char>(bytes[start]), 20));
    std::erase(record[0], '\'');
  }
  return records;
}

class IndexAgainstScan : public StoreTest {
 protected:
  std::mt19937 random{20261206};

  std::string randomWord(int maxLength) {
    // Few letters, so that words collide, share prefixes and pronunciations.
    static const std::string letters = "AEIOSHRUQKVJ'\x8A\xCD\xD9" "e\x9A ";
    std::string word;
    for (int i = std::uniform_int_distribution<int>(0, maxLength)(random); i > 0; --i)
      word += letters[random() % letters.size()];
    return word;
  }

  Tslovicko randomEntry() {
    Tslovicko e = entry(upcaseCzText(randomWord(5)));
    for (int slot = 1; slot <= 5; ++slot)
      if (random() % 2) e.vyznam(slot) = randomWord(9);
    return e;
  }

  // Edits: a letter added, dropped, changed, or two neighbours swapped.
  static int distance(std::string_view a, std::string_view b) {
    std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
      for (std::size_t j = 0; j <= b.size(); ++j) {
        d[i][j] = i == 0 || j == 0 ? static_cast<int>(i + j)
                                   : std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
        if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    return d[a.size()][b.size()];
  }

  // A look-up that misses is tried once more without the spaces around the word.
  static std::string withoutSpacesAround(const std::string& key) {
    std::size_t first = key.find_first_not_of(' ');
    return first == std::string::npos ? "" : key.substr(first, key.find_last_not_of(' ') - first + 1);
  }

  // The searches beyond the look-up, against scans of the same records.
  void expectSearchesAgree(const std::vector<ScanRecord>& records, const std::string& word, const std::string& key) {
    auto firstWhere = [&](auto matches) {
      auto hit = std::ranges::find_if(records, matches);
      return hit == records.end() ? 0 : hit - records.begin() + 1;
    };
    const std::string bare = withoutSpacesAround(key);
    long exact = firstWhere([&](auto& r) { return r[0] == key; });
    long folded = firstWhere([&](auto& r) { return foldedKey(r[0]) == foldedKey(key); });
    if (!exact && !folded && !bare.empty() && bare != key) {
      exact = firstWhere([&](auto& r) { return r[0] == bare; });
      folded = firstWhere([&](auto& r) { return foldedKey(r[0]) == foldedKey(bare); });
    }
    FoundWord got = store->findWord(word, kTarvikCzech, LookupOptions{.forms = true, .ignoreDiacritics = true});
    ASSERT_EQ(got.position, exact ? exact : folded) << word;
    if (got.found) {
      ASSERT_EQ(got.how, exact ? FoundBy::exact : FoundBy::diacritics) << word;
    }

    // Nearest first; of as near, one that sounds alike, then the longer shared beginning, then file order.
    std::vector<std::tuple<int, bool, long, long>> near;
    std::set<std::string> seen;
    std::string sound = foldedKey(pronounceTarvik(bare));
    for (long i = 0; i < static_cast<long>(records.size()); ++i) {
      const std::string& headword = records[i][0];
      std::string headwordSound = foldedKey(pronounceTarvik(headword));
      int d = std::min(distance(bare, headword), 1 + distance(sound, headwordSound));
      long shared = std::ranges::mismatch(headword, bare).in1 - headword.begin();
      if (d <= 2 && !bare.empty()) near.emplace_back(d, headwordSound != sound, -shared, i + 1);
    }
    std::ranges::sort(near);
    std::vector<std::pair<int, long>> expected, suggested;
    for (auto [d, soundsOther, shared, position] : near)
      if (expected.size() < 10 && seen.insert(records[position - 1][0]).second) expected.emplace_back(d, position);
    for (const Suggestion& s : store->suggestWords(word, kTarvikCzech)) suggested.emplace_back(s.distance, s.position);
    ASSERT_EQ(suggested, expected) << word;

    // Meanings hold words between spaces; one space between them in the search.
    auto spaced = [](std::string_view text, bool fold) {
      std::string out = " ";
      for (char c : text)
        if (c != '\'' && !(c == ' ' && out.back() == ' ')) out += fold ? upcaseCz(foldDiacritics(c)) : upcaseCz(c);
      return out.back() == ' ' ? out : out + ' ';
    };
    for (bool fold : {false, true}) {
      std::vector<long> expected, positions;
      std::string searched = spaced(word, fold);
      for (long i = 0; i < static_cast<long>(records.size()) && searched != " "; ++i)
        if (std::any_of(records[i].begin() + 1, records[i].end(),
                        [&](auto& m) { return spaced(m, fold).find(searched) != std::string::npos; }))
          expected.push_back(i + 1);
      for (const FoundEntry& e : store->searchMeanings(word, kTarvikCzech, LookupOptions{.ignoreDiacritics = fold}))
        positions.push_back(e.position);
      ASSERT_EQ(positions, expected) << word << " folded " << fold;
    }
  }

  void expectAgreement(int queries) {
    std::vector<ScanRecord> records = scanFile(dir / "tc_slovnik.slk");
    auto positionOf = [&](auto matches) {
      auto hit = std::ranges::find_if(records, matches);
      return hit == records.end() ? 0 : hit - records.begin() + 1;
    };
    for (int q = 0; q < queries; ++q) {
      std::string word = q % 3 == 0 && !records.empty() ? records[random() % records.size()][0] : randomWord(4);
      if (q % 5 == 1) word = pronounceTarvik(word);
      std::string key = upcaseCzText(word);
      std::erase(key, '\'');
      for (bool bySound : {false, true}) {
        auto foundBy = [&](const std::string& k) {
          return positionOf([&](auto& r) { return r[0] == k || (bySound && pronounceTarvik(r[0]) == k); });
        };
        long expected = foundBy(key);
        if (!expected && !withoutSpacesAround(key).empty()) expected = foundBy(withoutSpacesAround(key));
        FoundWord got = store->findWord(word, kTarvikCzech, bySound);
        ASSERT_EQ(got.position, expected) << "'" << word << "' by sound " << bySound;
        ASSERT_EQ(got.found, expected != 0) << word;
        ScanRecord meanings{};
        if (expected) meanings = records[expected - 1];
        ASSERT_TRUE(std::ranges::equal(got.meanings, std::span(meanings).subspan(1))) << word;
      }
      ASSERT_EQ(store->findPrefix(word, kTarvikCzech), positionOf([&](auto& r) { return r[0].starts_with(key); })) << word;
      expectSearchesAgree(records, word, key);
    }
  }
};

TEST_F(IndexAgainstScan, AgreesWhileTheStoreChangesTheDictionary) {
  const std::function<void()> changes[] = {
      [&] { for (int i = 0; i < 20; ++i) store->insertEntry(randomEntry(), kTarvikCzech), store->sortDictionary(kTarvikCzech); },
      [&] { for (int i = 0; i < 5; ++i) store->writeEntry(kTarvikCzech, random() % (store->entryCount(kTarvikCzech) + 1), randomEntry()); },
      [&] { store->deleteEntry(random() % store->entryCount(kTarvikCzech), kTarvikCzech), store->sortDictionary(kTarvikCzech); },
      [&] { store->insertEntry(randomEntry(), kTarvikCzech); },
  };
  for (int round = 0; round < 40; ++round) {
    // Tables built ahead over the records before a change must not be
    // taken; built over those after it, they answer from then on.
    TablesToBuild ahead = store->tablesToBuild(kTarvikCzech);
    changes[round % 4]();
    if (round % 2) ahead = store->tablesToBuild(kTarvikCzech);
    ahead.build();
    store->adoptTables(std::move(ahead));
    expectAgreement(60);
  }
}

TEST(IndexTablesBuiltAhead, AreTakenOnlyOverTheRecordsBuiltFrom) {
  DictionaryIndex index;
  index.load(rawRecord({"DROM", "CESTA"}) + rawRecord({"KO", "KDO"}), FileStamp{});
  DictionaryIndex::BuiltTables before = DictionaryIndex::buildTables(index.snapshot());
  index.written(1, rawRecord({"RA", "SLUNCE"}).data(), FileStamp{});
  EXPECT_FALSE(index.adopt(std::move(before)));
  const std::size_t withoutTables = index.memoryUsed();
  EXPECT_TRUE(index.adopt(DictionaryIndex::buildTables(index.snapshot())));
  EXPECT_GT(index.memoryUsed(), withoutTables);
  EXPECT_EQ(index.findStored("RA"), 1);
  EXPECT_EQ(index.withMeaningWord("SLUNCE"), std::vector<std::uint32_t>{1});
}

// Two neighbouring letters swapped are one edit: DEIM, two letters changed,
// must not come first, and nothing typed suggests nothing.
TEST_F(IndexAgainstScan, SuggestionsRankSwappedLettersAsOneEdit) {
  fill(kTarvikCzech, {entry("DEIM"), entry("DROM"), entry("DRAS")});
  for (const char* typo : {"dorm", "drmo", "rdom", " Dorm "}) {
    std::vector<Suggestion> near = store->suggestWords(typo, kTarvikCzech);
    ASSERT_FALSE(near.empty());
    EXPECT_EQ(near[0].headword + std::to_string(near[0].distance), "DROM1") << typo;
  }
  EXPECT_TRUE(store->suggestWords(" ' ", kTarvikCzech).empty());
}

TEST_F(IndexAgainstScan, AgreesOnDamagedRecordsAndChangesMadeByOthers) {
  for (int i = 0; i < 50; ++i) store->writeEntry(kTarvikCzech, i, randomEntry());
  expectAgreement(100);
  // Damaged length bytes, empty headwords, apostrophes only: written behind
  // the store's back, which the next look-up must notice.
  std::string damaged = rawRecord({"SHEE", "LONG"});
  damaged[0] = static_cast<char>(0xFF);
  damaged.replace(1, 20, "SHEEQ'SHEEQ'SHEEQ'SH");
  std::ofstream(dir / "tc_slovnik.slk", std::ios::binary | std::ios::app)
      << damaged + rawRecord({"", "EMPTY"}) + rawRecord({"'''", "APOSTROPHES"});
  expectAgreement(100);
  EXPECT_EQ(store->findPrefix("\x9A\xEDKV", kTarvikCzech), 0);
  EXPECT_EQ(store->findPrefix("SHEEQSHEEQSHEEQSH", kTarvikCzech), 51);
  // Changed in place by another program, same size, while tables were built ahead.
  TablesToBuild ahead = store->tablesToBuild(kTarvikCzech);
  ahead.build();
  std::string bytes = fileBytes("tc_slovnik.slk");
  putFileBytes("tc_slovnik.slk", bytes.replace(0, kRecordSize, rawRecord({"ZZZ", "CHANGED"})));
  store->adoptTables(std::move(ahead));
  EXPECT_EQ(store->findWord("zzz", kTarvikCzech, false).position, 1);
  expectAgreement(100);
  // Replaced by another program's new copy: our writes go to the file that now bears the name.
  putFileBytes("other.slk", rawRecord({"RA", "SLUNCE"}) + rawRecord({"TA", "TY"}));
  std::filesystem::rename(dir / "other.slk", dir / "tc_slovnik.slk");
  expectAgreement(20);
  store->writeEntry(kTarvikCzech, 2, entry("NOVE"));
  EXPECT_EQ(fileBytes("tc_slovnik.slk").size(), 3 * kRecordSize);
}

}  // namespace
