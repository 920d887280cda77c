#pragma once

// The look-ups answer from memory: the file's records, and for each record
// its stored form (headword without apostrophes) and its pronunciation key.
// Every answer is the one a scan of the file from its first record would
// give: the first record in file order that matches. The index belongs to
// one state of the file, named by its FileStamp; the store's own writes keep
// it current, and any other change of the file drops it.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "key_table.h"
#include "posix_file.h"
#include "record_format.h"

// The words of a meaning or a searched text: runs of bytes between spaces
// and punctuation; apostrophes alone make no word.
std::vector<std::string_view> wordsOf(std::string_view text);

class DictionaryIndex {
 public:
  bool matches(const FileStamp& stamp) const { return loaded && stamp == builtFrom; }
  void load(std::string records, const FileStamp& stamp);
  void forget() { loaded = false; }
  const FileStamp& stamp() const { return builtFrom; }
  // The file now holds exactly these records, in the state `stamp`.
  void restamp(const FileStamp& stamp) { builtFrom = stamp; }

  const std::string& records() const { return *content; }
  std::uint32_t count() const { return static_cast<std::uint32_t>(content->size() / kRecordSize); }
  const char* record(std::uint32_t index) const { return content->data() + index * kRecordSize; }
  // The records as they are now, never changed afterwards: a write while a
  // snapshot is held goes to a copy.
  std::shared_ptr<const std::string> snapshot() const { return content; }

  // 0-based record numbers, -1 when nothing matches. `key` is a query key:
  // upper-cased, apostrophes removed; for findFolded, a foldedKey.
  long findStored(std::string_view key) { return findFirst(kStoredKey, key); }
  long findPronounced(std::string_view key) { return findFirst(kPronouncedKey, key); }
  long findFolded(std::string_view key) { return findFirst(kFoldedKey, key); }
  long findPrefix(std::string_view key);
  // Every record with the key, in file order.
  enum KeyKind { kStoredKey, kPronouncedKey, kFoldedKey, kKeyKinds };
  std::vector<std::uint32_t> findAll(KeyKind kind, std::string_view key);

  // Records whose stored form is within `bound` edits of `key`, with their
  // distance, in no particular order.
  struct Near {
    std::uint32_t record;
    int distance;
  };
  std::vector<Near> nearStored(std::string_view key, int bound);
  // The same over the pronunciations of the headwords with diacritics folded
  // away (SHEEKA sounds ŠÍKA, kept as SIKA).
  std::vector<Near> nearPronounced(std::string_view key, int bound);

  // Records with a meaning word that folds as `word` does (foldedKey),
  // ascending; now and then one more, which the caller checks anyway.
  std::vector<std::uint32_t> withMeaningWord(std::string_view word);

  // The store wrote `record` at `index` (index == count() appends).
  void written(std::uint32_t index, const char* record, const FileStamp& stamp);
  // The store rewrote the file in the order `order` (new place -> old record).
  void reordered(std::string records, const std::vector<std::uint32_t>& order, const FileStamp& stamp);

  std::size_t memoryUsed() const;

 private:
  struct KeyedRecords {
    KeyArena keys;
    FirstRecordTable first;
    bool ready = false;
  };
  std::string keyOf(KeyKind kind, std::uint32_t index, const char* record) const;
  KeyedRecords& ensure(KeyKind kind);
  long findFirst(KeyKind kind, std::string_view key) { return ensure(kind).first.find(key, ensure(kind).keys); }
  void ensurePrefixes();
  void ensureSoundOrder();
  void ensureMeaningWords();
  void dropTables();
  void moveRecord(std::uint32_t from, std::uint32_t to);
  void rebuildPrefixTree();
  static void rekey(KeyArena& keys, FirstRecordTable& first, std::uint32_t index, std::string_view newKey);
  long prefixRangeMin(std::size_t lo, std::size_t hi) const;

  std::shared_ptr<std::string> content = std::make_shared<std::string>();
  FileStamp builtFrom;
  bool loaded = false;

  // Each table is built on first use and kept up to date after that.
  std::array<KeyedRecords, kKeyKinds> tables;

  // Records ordered by stored form, and a segment tree of the smallest record
  // number over them: the records with a prefix are one run of that order.
  std::vector<std::uint32_t> byStored;
  std::vector<std::uint32_t> smallestRecord;
  bool prefixesReady = false;

  // Built on first use and dropped by any change: these serve the searches
  // a person starts, not the look-ups of a translation.
  KeyArena foldedSound;
  std::vector<std::uint32_t> bySound;
  bool soundOrderReady = false;
  std::vector<std::pair<std::uint64_t, std::uint32_t>> meaningWords;  // word's hash, record
  bool meaningWordsReady = false;
};
