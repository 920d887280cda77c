#include "dictionary_index.h"

#include <algorithm>

#include "letters.h"
#include "stable_order.h"

namespace {

std::uint32_t countOf(const std::string& records) { return static_cast<std::uint32_t>(records.size() / kRecordSize); }

}  // namespace

void DictionaryIndex::load(std::string records, const FileStamp& stamp) {
  content = std::make_shared<std::string>(std::move(records));
  builtFrom = stamp;
  loaded = true;
  tables.drop();
}

void DictionaryIndex::Tables::drop() {
  for (KeyedRecords& table : keyed) table.ready = false;
  prefixesReady = soundOrderReady = meaningWordsReady = false;
}

std::string DictionaryIndex::keyOf(KeyKind kind, const KeyArena& stored, std::uint32_t index, const char* rec) {
  switch (kind) {
    case kStoredKey:
      return headwordKey(std::string(fieldText(rec, 0)));
    case kPronouncedKey:
      return pronounceTarvik(stored.at(index));
    default:
      return foldedKey(fieldText(rec, 0));
  }
}

DictionaryIndex::KeyedRecords& DictionaryIndex::Tables::ensureKeys(KeyKind kind, const std::string& records) {
  KeyedRecords& table = keyed[kind];
  if (table.ready) return table;
  // Pronunciations are made from the stored forms.
  const KeyArena& stored = kind == kPronouncedKey ? ensureKeys(kStoredKey, records).keys : keyed[kStoredKey].keys;
  const std::uint32_t count = countOf(records);
  table.keys.clear();
  // A key can outgrow its headword (Q becomes KV) but never 2 * 20 bytes.
  table.keys.reserve(count, count * 8);
  for (std::uint32_t i = 0; i < count; ++i) table.keys.push(keyOf(kind, stored, i, records.data() + i * kRecordSize));
  table.first.build(table.keys);
  table.ready = true;
  return table;
}

DictionaryIndex::BuiltTables DictionaryIndex::buildTables(std::shared_ptr<const std::string> records) {
  BuiltTables built;
  built.records = std::move(records);
  Tables& tables = built.tables;
  for (int kind = 0; kind < kKeyKinds; ++kind) tables.ensureKeys(static_cast<KeyKind>(kind), *built.records);
  tables.ensurePrefixes(*built.records);
  tables.ensureSoundOrder(*built.records);
  tables.ensureMeaningWords(*built.records);
  return built;
}

bool DictionaryIndex::adopt(BuiltTables&& built) {
  // The store writes in place only to records nobody else holds; `built`
  // holds these, so the same address means the same bytes.
  if (!loaded || built.records != content) return false;
  Tables& from = built.tables;
  // A table already built here equals the one built there, and may be in use.
  for (int kind = 0; kind < kKeyKinds; ++kind)
    if (!tables.keyed[kind].ready) tables.keyed[kind] = std::move(from.keyed[kind]);
  if (!tables.prefixesReady) {
    tables.byStored = std::move(from.byStored);
    tables.smallestRecord = std::move(from.smallestRecord);
    tables.prefixesReady = from.prefixesReady;
  }
  if (!tables.soundOrderReady) {
    tables.foldedSound = std::move(from.foldedSound);
    tables.bySound = std::move(from.bySound);
    tables.soundOrderReady = from.soundOrderReady;
  }
  if (!tables.meaningWordsReady) {
    tables.meaningWords = std::move(from.meaningWords);
    tables.meaningWordsReady = from.meaningWordsReady;
  }
  return true;
}

std::vector<std::uint32_t> DictionaryIndex::findAll(KeyKind kind, std::string_view key) {
  std::vector<std::uint32_t> all;
  long first = findFirst(kind, key);
  if (first < 0) return all;
  const KeyArena& keys = tables.keyed[kind].keys;
  for (std::uint32_t i = static_cast<std::uint32_t>(first); i < keys.size(); ++i)
    if (keys.at(i) == key) all.push_back(i);
  return all;
}

void DictionaryIndex::Tables::ensurePrefixes(const std::string& records) {
  if (prefixesReady) return;
  const KeyArena& stored = ensureKeys(kStoredKey, records).keys;
  byStored = stableOrder(countOf(records),
                         [&](std::uint32_t a, std::uint32_t b) { return stored.at(a) < stored.at(b); });
  rebuildPrefixTree();
  prefixesReady = true;
}

void DictionaryIndex::Tables::rebuildPrefixTree() {
  std::size_t n = byStored.size();
  smallestRecord.assign(2 * n, 0);
  std::copy(byStored.begin(), byStored.end(), smallestRecord.begin() + n);
  for (std::size_t i = n; i-- > 1;)
    smallestRecord[i] = std::min(smallestRecord[2 * i], smallestRecord[2 * i + 1]);
}

long DictionaryIndex::findPrefix(std::string_view key) {
  tables.ensurePrefixes(*content);
  const std::vector<std::uint32_t>& byStored = tables.byStored;
  auto formOf = [&](std::uint32_t record) { return tables.keyed[kStoredKey].keys.at(record); };
  auto first = std::lower_bound(byStored.begin(), byStored.end(), key,
                                [&](std::uint32_t r, std::string_view k) { return formOf(r) < k; });
  auto last = std::partition_point(first, byStored.end(),
                                   [&](std::uint32_t r) { return formOf(r).starts_with(key); });
  if (first == last) return -1;
  return prefixRangeMin(first - byStored.begin(), last - byStored.begin());
}

long DictionaryIndex::prefixRangeMin(std::size_t lo, std::size_t hi) const {
  std::size_t n = tables.byStored.size();
  const std::vector<std::uint32_t>& smallestRecord = tables.smallestRecord;
  std::uint32_t best = UINT32_MAX;
  for (lo += n, hi += n; lo < hi; lo /= 2, hi /= 2) {
    if (lo & 1) best = std::min(best, smallestRecord[lo++]);
    if (hi & 1) best = std::min(best, smallestRecord[--hi]);
  }
  return best;
}

void DictionaryIndex::written(std::uint32_t index, const char* newRecord, const FileStamp& stamp) {
  builtFrom = stamp;
  tables.soundOrderReady = tables.meaningWordsReady = false;
  if (content.use_count() > 1) {
    // A window is showing the records held now; they must stay as they are.
    auto copy = std::make_shared<std::string>();
    copy->reserve(content->size() + kRecordSize);
    copy->append(*content);
    content = std::move(copy);
  }
  const KeyArena& stored = tables.keyed[kStoredKey].keys;
  std::vector<std::uint32_t>& byStored = tables.byStored;
  auto byForm = [&](std::uint32_t r, std::string_view k) { return stored.at(r) < k; };
  if (index == count()) {
    content->append(newRecord, kRecordSize);
    for (int kind = 0; kind < kKeyKinds; ++kind) {
      KeyedRecords& table = tables.keyed[kind];
      if (!table.ready) continue;
      table.keys.push(keyOf(static_cast<KeyKind>(kind), stored, index, newRecord));
      table.first.addIfAbsent(index, table.keys);
    }
    if (tables.prefixesReady) {
      // Among equal stored forms the order does not matter: the tree gives the smallest.
      byStored.insert(std::lower_bound(byStored.begin(), byStored.end(), stored.at(index), byForm), index);
      tables.rebuildPrefixTree();
    }
    return;
  }
  bool sameHeadword = fieldText(record(index), 0) == fieldText(newRecord, 0);
  content->replace(index * kRecordSize, kRecordSize, newRecord, kRecordSize);
  if (sameHeadword) return;
  if (tables.prefixesReady) {
    // Take the record out of the order under its old form, put it back under the new one.
    byStored.erase(std::find(byStored.begin(), byStored.end(), index));
    std::string newForm = headwordKey(std::string(fieldText(newRecord, 0)));
    byStored.insert(std::lower_bound(byStored.begin(), byStored.end(), std::string_view(newForm), byForm), index);
  }
  // Pronunciations follow the stored forms, so those are rekeyed first.
  for (int kind = 0; kind < kKeyKinds; ++kind) {
    KeyedRecords& table = tables.keyed[kind];
    if (table.ready) rekey(table.keys, table.first, index, keyOf(static_cast<KeyKind>(kind), stored, index, newRecord));
  }
  if (tables.prefixesReady) tables.rebuildPrefixTree();
}

// Record `index` now has `newKey`. The key it had goes to the next record
// that has it, or out of the table; the new key may start with this record.
void DictionaryIndex::rekey(KeyArena& keys, FirstRecordTable& first, std::uint32_t index, std::string_view newKey) {
  std::string oldKey(keys.at(index));
  if (first.find(oldKey, keys) == static_cast<long>(index)) {
    std::uint32_t next = index + 1;
    while (next < keys.size() && keys.at(next) != oldKey) ++next;
    if (next < keys.size())
      first.set(next, keys);
    else
      first.remove(oldKey, keys);
  }
  keys.replace(index, newKey);
  long firstWithNew = first.find(newKey, keys);
  if (firstWithNew < 0 || firstWithNew > static_cast<long>(index)) first.set(index, keys);
}

void DictionaryIndex::reordered(std::string records, const std::vector<std::uint32_t>& order,
                                const FileStamp& stamp) {
  // The usual case after an insertion: one record moved, the others in order.
  std::uint32_t n = static_cast<std::uint32_t>(order.size());
  std::uint32_t lo = 0, hi = n;
  while (lo < n && order[lo] == lo) ++lo;
  while (hi > lo && order[hi - 1] == hi - 1) --hi;
  bool oneMovedBack = lo < hi && order[lo] == hi - 1;
  for (std::uint32_t i = lo + 1; oneMovedBack && i < hi; ++i) oneMovedBack = order[i] == i - 1;
  content = std::make_shared<std::string>(std::move(records));
  builtFrom = stamp;
  loaded = true;
  tables.soundOrderReady = tables.meaningWordsReady = false;
  if (oneMovedBack) {
    moveRecord(hi - 1, lo);
  } else {
    tables.drop();
  }
}

// Record `from` moved to the earlier place `to`; records to..from-1 moved one
// place on. Only an earlier place can make it the first of its keys.
void DictionaryIndex::moveRecord(std::uint32_t from, std::uint32_t to) {
  auto renumber = [&](std::uint32_t r) { return r == from ? to : (r >= to && r < from ? r + 1 : r); };
  for (KeyedRecords& table : tables.keyed) {
    if (!table.ready) continue;
    table.keys.move(from, to);
    table.first.renumber(renumber);
    if (static_cast<std::uint32_t>(table.first.find(table.keys.at(to), table.keys)) > to) table.first.set(to, table.keys);
  }
  if (tables.prefixesReady) {
    // Stored forms did not change, so each record keeps its place in this order.
    for (std::uint32_t& r : tables.byStored) r = renumber(r);
    tables.rebuildPrefixTree();
  }
}

std::size_t DictionaryIndex::memoryUsed() const { return content->capacity() + tables.memoryUsed(); }

std::size_t DictionaryIndex::Tables::memoryUsed() const {
  std::size_t used = (byStored.capacity() + smallestRecord.capacity() + bySound.capacity()) * sizeof(std::uint32_t);
  for (const KeyedRecords& table : keyed) used += table.keys.memoryUsed() + table.first.memoryUsed();
  return used + foldedSound.memoryUsed() + meaningWords.capacity() * sizeof(meaningWords[0]);
}
