#pragma once

// The look-ups answer from memory: the file's records, and for each record
// its stored form (headword without apostrophes) and its pronunciation key.
// Every answer is the one a scan of the file from its first record would
// give: the first record in file order that matches. The index belongs to
// one state of the file, named by its FileStamp; the store's own writes keep
// it current, and any other change of the file drops it.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "key_table.h"
#include "record_file.h"

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
  // upper-cased, apostrophes removed.
  long findStored(std::string_view key);
  long findPronounced(std::string_view key);
  long findPrefix(std::string_view key);

  // The store wrote `record` at `index` (index == count() appends).
  void written(std::uint32_t index, const char* record, const FileStamp& stamp);
  // The store rewrote the file in the order `order` (new place -> old record).
  void reordered(std::string records, const std::vector<std::uint32_t>& order, const FileStamp& stamp);

  std::size_t memoryUsed() const;

 private:
  void ensureStored();
  void ensurePronounced();
  void ensurePrefixes();
  void dropTables();
  void moveRecord(std::uint32_t from, std::uint32_t to);
  void rebuildPrefixTree();
  static void rekey(KeyArena& keys, FirstRecordTable& first, std::uint32_t index, std::string_view newKey);
  long prefixRangeMin(std::size_t lo, std::size_t hi) const;

  std::shared_ptr<std::string> content = std::make_shared<std::string>();
  FileStamp builtFrom;
  bool loaded = false;

  // Each table is built on first use and kept up to date after that.
  KeyArena stored;
  FirstRecordTable storedFirst;
  bool storedReady = false;

  KeyArena pronounced;
  FirstRecordTable pronouncedFirst;
  bool pronouncedReady = false;

  // Records ordered by stored form, and a segment tree of the smallest record
  // number over them: the records with a prefix are one run of that order.
  std::vector<std::uint32_t> byStored;
  std::vector<std::uint32_t> smallestRecord;
  bool prefixesReady = false;
};
