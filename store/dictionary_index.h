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

  // The tables of all of the above, built over `records` away from any
  // index: the work of the first look-up, suggestion and search, done ahead
  // on a worker thread, which it may run on as it touches nothing but
  // `records`, and those are never changed (see snapshot()).
  class BuiltTables;
  static BuiltTables buildTables(std::shared_ptr<const std::string> records);
  // Takes the tables of `built` that the index has not built itself, when
  // they were built over the very records it holds now, and drops them
  // otherwise (the records changed meanwhile). Whether it took them.
  bool adopt(BuiltTables&& built);

  std::size_t memoryUsed() const;

 private:
  struct KeyedRecords {
    KeyArena keys;
    FirstRecordTable first;
    bool ready = false;
  };
  // Every table over one content of the records. Each is built on first
  // use, or ahead by buildTables, and then kept up to date by the store's
  // writes, but for the search tables, which any change drops.
  struct Tables {
    std::array<KeyedRecords, kKeyKinds> keyed;

    // Records ordered by stored form, and a segment tree of the smallest record
    // number over them: the records with a prefix are one run of that order.
    std::vector<std::uint32_t> byStored;
    std::vector<std::uint32_t> smallestRecord;
    bool prefixesReady = false;

    // These serve the searches a person starts, not the look-ups of a translation.
    KeyArena foldedSound;
    std::vector<std::uint32_t> bySound;
    bool soundOrderReady = false;
    std::vector<std::pair<std::uint64_t, std::uint32_t>> meaningWords;  // word's hash, record
    bool meaningWordsReady = false;

    KeyedRecords& ensureKeys(KeyKind kind, const std::string& records);
    void ensurePrefixes(const std::string& records);
    void ensureSoundOrder(const std::string& records);
    void ensureMeaningWords(const std::string& records);
    void rebuildPrefixTree();
    void drop();
    std::size_t memoryUsed() const;
  };

  static std::string keyOf(KeyKind kind, const KeyArena& stored, std::uint32_t index, const char* record);
  KeyedRecords& ensure(KeyKind kind) { return tables.ensureKeys(kind, *content); }
  long findFirst(KeyKind kind, std::string_view key) { return ensure(kind).first.find(key, ensure(kind).keys); }
  void moveRecord(std::uint32_t from, std::uint32_t to);
  static void rekey(KeyArena& keys, FirstRecordTable& first, std::uint32_t index, std::string_view newKey);
  long prefixRangeMin(std::size_t lo, std::size_t hi) const;

  std::shared_ptr<std::string> content = std::make_shared<std::string>();
  FileStamp builtFrom;
  bool loaded = false;
  Tables tables;
};

class DictionaryIndex::BuiltTables {
 private:
  friend class DictionaryIndex;
  // Held until the index takes the tables or drops them, so that the store
  // writes to a copy meanwhile, and so that these records, still alive,
  // cannot be mistaken for others later allocated at the same address.
  std::shared_ptr<const std::string> records;
  Tables tables;
};
