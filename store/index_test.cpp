// The look-ups answer from an index; these tests hold them against a plain
// scan of the file's bytes, read independently, on random dictionaries that
// the store keeps changing.

#include <algorithm>
#include <random>

#include "store_fixture_test.h"

namespace {

struct ScanRecord {
  std::string stored;  // headword without apostrophes
  std::array<std::string, 5> meanings;
};

std::vector<ScanRecord> scanFile(const std::string& name) {
  std::string bytes = fileBytes(name);
  std::vector<ScanRecord> records;
  for (std::size_t at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize) {
    auto field = [&](int f) {
      std::size_t start = at + f * kFieldSize;
      std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(bytes[start]), 20);
      return bytes.substr(start + 1, length);
    };
    ScanRecord record;
    for (char c : field(0))
      if (c != '\'') record.stored += c;
    for (int slot = 0; slot < 5; ++slot) record.meanings[slot] = field(slot + 1);
    records.push_back(record);
  }
  return records;
}

std::string scanKey(const std::string& word) {
  std::string key;
  for (char c : word)
    if (c != '\'') key += upcaseCz(c);
  return key;
}

FoundWord scanFind(const std::vector<ScanRecord>& records, const std::string& word, bool byPronunciation) {
  FoundWord answer;
  std::string key = scanKey(word);
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (records[i].stored == key || (byPronunciation && pronounceTarvik(records[i].stored) == key)) {
      answer.found = true;
      answer.position = static_cast<long>(i) + 1;
      answer.meanings = records[i].meanings;
      break;
    }
  }
  return answer;
}

long scanPrefix(const std::vector<ScanRecord>& records, const std::string& word) {
  std::string key = scanKey(word);
  for (std::size_t i = 0; i < records.size(); ++i)
    if (records[i].stored.starts_with(key)) return static_cast<long>(i) + 1;
  return 0;
}

class IndexAgainstScan : public StoreTest {
 protected:
  std::mt19937 random{20261206};

  std::string randomWord(int maxLength) {
    // Few letters, so that words collide, share prefixes and pronunciations.
    static const std::string letters[] = {"A", "E", "I", "O", "S", "H", "R", "U", "Q", "K", "V", "J",
                                          "'", "\x8A", "\xCD", "\xD9", "e", "\x9A", " "};
    std::string word;
    for (int i = std::uniform_int_distribution<int>(0, maxLength)(random); i > 0; --i)
      word += letters[random() % std::size(letters)];
    return word;
  }

  Tslovicko randomEntry() {
    Tslovicko e;
    e.slovo = upcaseCzText(randomWord(5));
    for (int slot = 1; slot <= 5; ++slot)
      if (random() % 2) e.vyznam(slot) = std::to_string(random() % 1000);
    return e;
  }

  void expectAgreement(int queries) {
    std::vector<ScanRecord> records = scanFile("tc_slovnik.slk");
    for (int q = 0; q < queries; ++q) {
      std::string word = q % 3 == 0 && !records.empty()
                             ? records[random() % records.size()].stored
                             : randomWord(4);
      if (q % 5 == 1) word = pronounceTarvik(word);
      for (bool byPronunciation : {false, true}) {
        FoundWord expected = scanFind(records, word, byPronunciation);
        FoundWord got = findWord(word, kTarvikCzech, byPronunciation);
        ASSERT_EQ(got.position, expected.position) << "'" << word << "' by sound " << byPronunciation;
        ASSERT_EQ(got.found, expected.found) << word;
        ASSERT_EQ(got.meanings, expected.meanings) << word;
      }
      ASSERT_EQ(findPrefix(word, kTarvikCzech), scanPrefix(records, word)) << "prefix '" << word << "'";
    }
  }
};

TEST_F(IndexAgainstScan, AgreesWhileTheStoreChangesTheDictionary) {
  for (int round = 0; round < 40; ++round) {
    switch (round % 4) {
      case 0:
        for (int i = 0; i < 20; ++i) {
          insertEntry(randomEntry(), kTarvikCzech);
          sortDictionary(kTarvikCzech);
        }
        break;
      case 1:
        for (int i = 0; i < 5; ++i) writeEntry(kTarvikCzech, random() % (entryCount(kTarvikCzech) + 1), randomEntry());
        break;
      case 2:
        deleteEntry(random() % entryCount(kTarvikCzech), kTarvikCzech);
        sortDictionary(kTarvikCzech);
        break;
      case 3:
        insertEntry(randomEntry(), kTarvikCzech);
        break;
    }
    expectAgreement(60);
  }
}

TEST_F(IndexAgainstScan, AgreesOnDamagedRecordsAndChangesMadeByOthers) {
  for (int i = 0; i < 50; ++i) writeEntry(kTarvikCzech, i, randomEntry());
  expectAgreement(100);
  // Damaged length bytes, empty headwords, apostrophes only: written behind
  // the store's back, which the next look-up must notice.
  std::string damaged = rawRecord({"SHEE", "LONG"});
  damaged[0] = static_cast<char>(0xFF);
  damaged.replace(1, 20, "SHEEQ'SHEEQ'SHEEQ'SH");
  std::ofstream("tc_slovnik.slk", std::ios::binary | std::ios::app)
      << damaged + rawRecord({"", "EMPTY"}) + rawRecord({"'''", "APOSTROPHES"});
  expectAgreement(100);
  EXPECT_EQ(findWord("", kTarvikCzech, false).meanings[0], scanFind(scanFile("tc_slovnik.slk"), "", false).meanings[0]);
  EXPECT_EQ(findPrefix("\x9A\xEDKV", kTarvikCzech), 0);
  EXPECT_EQ(findPrefix("SHEEQSHEEQSHEEQSH", kTarvikCzech), 51);
  // Changed in place by another program, same size.
  std::string bytes = fileBytes("tc_slovnik.slk");
  bytes.replace(0, kRecordSize, rawRecord({"ZZZ", "CHANGED"}));
  putFileBytes("tc_slovnik.slk", bytes);
  EXPECT_EQ(findWord("zzz", kTarvikCzech, false).position, 1);
  expectAgreement(100);
}

}  // namespace
