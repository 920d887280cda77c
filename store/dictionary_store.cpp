#include "dictionary_store.h"

#include <algorithm>
#include <new>
#include <optional>

#include "open_dictionaries.h"
#include "stable_order.h"

const char* dictionaryFileName(Dict dict) {
  return dict == kTarvikCzech ? "tc_slovnik.slk" : "ct_slovnik.slk";
}

const char* exportFileName(Dict dict) {
  return dict == kTarvikCzech ? "tc_slovnik.txt" : "ct_slovnik.txt";
}

const char* tableFileName(Dict dict) {
  return dict == kTarvikCzech ? "tc_slovnik.tsv" : "ct_slovnik.tsv";
}

namespace {

long filledSlots(const char* records, std::size_t count) {
  long filled = 0;
  for (std::size_t i = 0; i < count; ++i)
    for (int slot = 1; slot <= kMeaningCount; ++slot)
      if (records[i * kRecordSize + slot * kFieldSize] != 0) ++filled;
  return filled;
}

}  // namespace

OpenDictionaries::OpenDictionaries(const std::string& folderPath, DiskObserver observer)
    : folder(folderPath, std::move(observer)),
      tarvikCzech(folder, warnings, dictionaryFileName(kTarvikCzech)),
      czechTarvik(folder, warnings, dictionaryFileName(kCzechTarvik)),
      wordForms(folder) {
  folder.removeLeftover(kScratchName);
  tarvikCzech.file.open();
  czechTarvik.file.open();
}

Dictionary& OpenDictionaries::dictionary(Dict dict, FileStamp* stamp) {
  Dictionary& chosen = dict == kTarvikCzech ? tarvikCzech : czechTarvik;
  // While an operation holds its changes, its index is the dictionary.
  *stamp = chosen.held ? chosen.index.stamp() : chosen.file.refresh();
  return chosen;
}

DictionaryIndex& OpenDictionaries::currentIndex(Dict dict) {
  FileStamp stamp;
  Dictionary& chosen = dictionary(dict, &stamp);
  // The stamp is taken before reading: a change made while we read makes the
  // next operation read again rather than trust a mixed picture.
  if (!chosen.index.matches(stamp)) chosen.index.load(chosen.file.readAll(), stamp);
  return chosen.index;
}

namespace {

// The state of held records: no file on disk has inode 0, so it never passes
// for the state of the file.
FileStamp heldStamp(std::size_t records) {
  FileStamp stamp;
  stamp.size = static_cast<off_t>(records * kRecordSize);
  return stamp;
}

}  // namespace

void OpenDictionaries::writeRecord(Dict dict, long index, const char* record) {
  FileStamp before;
  Dictionary& chosen = dictionary(dict, &before);
  if (chosen.held) {
    std::uint32_t count = chosen.index.count();
    if (index < 0 || index > static_cast<long>(count))
      throw IoError(EINVAL, "Record position out of range: " + chosen.file.name());
    chosen.index.written(static_cast<std::uint32_t>(index), record, heldStamp(count + (index == count)));
    return;
  }
  bool indexCurrent = chosen.index.matches(before);
  chosen.file.write(index, record);
  if (indexCurrent)
    chosen.index.written(static_cast<std::uint32_t>(index), record, chosen.file.stamp());
  else
    chosen.index.forget();
}

void OpenDictionaries::replaceRecords(Dict dict, std::string records, const std::vector<std::uint32_t>& order) {
  FileStamp ignored;
  Dictionary& chosen = dictionary(dict, &ignored);
  FileStamp after = heldStamp(records.size() / kRecordSize);
  if (!chosen.held) {
    chosen.index.forget();
    chosen.file.replace(records);
    after = chosen.file.stamp();
  }
  if (order.empty())
    chosen.index.load(std::move(records), after);
  else
    chosen.index.reordered(std::move(records), order, after);
}

DictionaryStore::DictionaryStore(const std::string& folder, DiskObserver observer)
    : dictionaries(std::make_unique<OpenDictionaries>(folder, std::move(observer))) {}

DictionaryStore::~DictionaryStore() = default;

std::vector<StoreWarning> DictionaryStore::takeWarnings() {
  std::vector<StoreWarning> taken;
  for (std::string& text : std::exchange(dictionaries->warnings, {}))
    taken.push_back({StoreWarning::About::dictionary, std::move(text)});
  for (std::string& text : dictionaries->wordForms.takeWarnings())
    taken.push_back({StoreWarning::About::irregularForms, std::move(text)});
  for (std::string& text : dictionaries->choices.takeWarnings())
    taken.push_back({StoreWarning::About::meaningChoices, std::move(text)});
  return taken;
}

const Folder& DictionaryStore::folder() const { return dictionaries->folder; }

WordForms& DictionaryStore::wordForms() { return dictionaries->wordForms; }

void DictionaryStore::openHelpFile() { dictionaries->help.open(dictionaries->folder); }

std::vector<std::string> DictionaryStore::readHelpLines() const { return dictionaries->help.lines(); }

long DictionaryStore::entryCount(Dict dict) {
  FileStamp stamp;
  dictionaries->dictionary(dict, &stamp);
  return static_cast<long>(stamp.size / static_cast<off_t>(kRecordSize));
}

Tslovicko DictionaryStore::readEntry(Dict dict, long index) {
  FileStamp stamp;
  Dictionary& chosen = dictionaries->dictionary(dict, &stamp);
  if (chosen.index.matches(stamp)) {
    // The index holds every whole record of the file, or the held ones.
    if (index < 0 || index >= static_cast<long>(chosen.index.count())) throwReadBeyondEnd(chosen.file.name());
    return decodeRecord(chosen.index.record(static_cast<std::uint32_t>(index)));
  }
  char record[kRecordSize];
  chosen.file.read(index, record);
  return decodeRecord(record);
}

void DictionaryStore::writeEntry(Dict dict, long index, const Tslovicko& entry) {
  char record[kRecordSize];
  encodeRecord(entry, record);
  dictionaries->writeRecord(dict, index, record);
}

void DictionaryStore::sortDictionary(Dict dict) {
  FileStamp ignored;
  dictionaries->dictionary(dict, &ignored).file.checkWritable();
  const std::string& records = dictionaries->currentIndex(dict).records();
  auto headword = [&](std::uint32_t i) { return fieldText(records.data() + i * kRecordSize, 0); };
  // string_view compares bytes as unsigned and puts a prefix first: exactly
  // the headword order. The order is stable, so equal headwords keep theirs.
  std::vector<std::uint32_t> order = stableOrder(
      static_cast<std::uint32_t>(records.size() / kRecordSize),
      [&](std::uint32_t a, std::uint32_t b) { return headword(a) < headword(b); });
  bool alreadySorted = true;
  for (std::uint32_t i = 0; alreadySorted && i < order.size(); ++i) alreadySorted = order[i] == i;
  if (alreadySorted) return;

  std::string sorted;
  sorted.reserve(records.size());
  for (std::uint32_t index : order) sorted.append(records, index * kRecordSize, kRecordSize);
  dictionaries->replaceRecords(dict, std::move(sorted), order);
}

void DictionaryStore::deleteEntry(long index, Dict dict) {
  if (index < 0 || index >= entryCount(dict)) return;
  FileStamp ignored;
  dictionaries->dictionary(dict, &ignored).file.checkWritable();
  std::string records = dictionaries->currentIndex(dict).records();
  if (static_cast<std::size_t>(index) >= records.size() / kRecordSize) return;
  records.erase(static_cast<std::size_t>(index) * kRecordSize, kRecordSize);
  dictionaries->replaceRecords(dict, std::move(records), {});
}

long DictionaryStore::countMeanings(Dict dict) {
  const DictionaryIndex& index = dictionaries->currentIndex(dict);
  return filledSlots(index.records().data(), index.count());
}

long DictionaryStore::countMeaningsBefore(Dict dict, long n) {
  if (n <= 0) return 0;
  const DictionaryIndex& index = dictionaries->currentIndex(dict);
  if (static_cast<std::size_t>(n) > index.count()) {
    FileStamp ignored;
    throwReadBeyondEnd(dictionaries->dictionary(dict, &ignored).file.name());
  }
  return filledSlots(index.records().data(), static_cast<std::size_t>(n));
}

EntriesSnapshot DictionaryStore::entriesNow(Dict dict) { return EntriesSnapshot(dictionaries->currentIndex(dict).snapshot()); }

struct TablesToBuild::Work {
  Dict dict;
  std::shared_ptr<const std::string> records;
  std::optional<DictionaryIndex::BuiltTables> built;
};

TablesToBuild::TablesToBuild() = default;
TablesToBuild::~TablesToBuild() = default;
TablesToBuild::TablesToBuild(TablesToBuild&&) noexcept = default;
TablesToBuild& TablesToBuild::operator=(TablesToBuild&&) noexcept = default;

void TablesToBuild::build() {
  if (!work) return;
  try {
    work->built = DictionaryIndex::buildTables(work->records);
  } catch (const std::bad_alloc&) {
    work->built.reset();
  }
}

TablesToBuild DictionaryStore::tablesToBuild(Dict dict) {
  TablesToBuild tables;
  tables.work = std::make_unique<TablesToBuild::Work>(
      TablesToBuild::Work{dict, dictionaries->currentIndex(dict).snapshot(), std::nullopt});
  return tables;
}

void DictionaryStore::adoptTables(TablesToBuild built) {
  if (!built.work || !built.work->built) return;
  FileStamp ignored;
  dictionaries->dictionary(built.work->dict, &ignored).index.adopt(std::move(*built.work->built));
}
