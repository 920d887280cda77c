#include "psoubory.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "dictionaries.h"

const char* dictionaryFileName(Dict dict) {
  return dict == kTarvikCzech ? "tc_slovnik.slk" : "ct_slovnik.slk";
}

const char* exportFileName(Dict dict) {
  return dict == kTarvikCzech ? "tc_slovnik.txt" : "ct_slovnik.txt";
}

namespace {

RecordFile tcFile(dictionaryFileName(kTarvikCzech));
RecordFile ctFile(dictionaryFileName(kCzechTarvik));

long filledSlots(const char* records, std::size_t count) {
  long filled = 0;
  for (std::size_t i = 0; i < count; ++i)
    for (int slot = 1; slot <= kMeaningCount; ++slot)
      if (records[i * kRecordSize + slot * kFieldSize] != 0) ++filled;
  return filled;
}

std::string_view headwordAt(const std::string& records, std::size_t index) {
  return fieldText(records.data() + index * kRecordSize, 0);
}

}  // namespace

RecordFile& dictionaryFile(Dict dict) {
  RecordFile& file = dict == kTarvikCzech ? tcFile : ctFile;
  file.refresh();
  return file;
}

void openDictionaries() {
  tcFile.open();
  ctFile.open();
}

void closeDictionaries() {
  tcFile.close();
  ctFile.close();
}

long entryCount(Dict dict) { return dictionaryFile(dict).count(); }

Tslovicko readEntry(Dict dict, long index) {
  char record[kRecordSize];
  dictionaryFile(dict).read(index, record);
  return decodeRecord(record);
}

void writeEntry(Dict dict, long index, const Tslovicko& entry) {
  char record[kRecordSize];
  encodeRecord(entry, record);
  dictionaryFile(dict).write(index, record);
}

void sortDictionary(Dict dict) {
  RecordFile& file = dictionaryFile(dict);
  file.checkWritable();
  std::string records = file.readAll();
  std::size_t n = records.size() / kRecordSize;
  // string_view compares bytes as unsigned and puts a prefix first: exactly
  // the headword order. A stable sort keeps equal headwords in file order.
  auto before = [&](std::size_t a, std::size_t b) {
    return headwordAt(records, a) < headwordAt(records, b);
  };
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), 0);
  if (std::is_sorted(order.begin(), order.end(), before)) return;
  std::stable_sort(order.begin(), order.end(), before);

  std::string sorted;
  sorted.reserve(records.size());
  for (std::size_t index : order) sorted.append(records, index * kRecordSize, kRecordSize);
  file.replace(sorted);
}

void deleteEntry(long index, Dict dict) {
  RecordFile& file = dictionaryFile(dict);
  long n = file.count();
  if (index < 0 || index >= n) return;
  file.checkWritable();
  std::string records = file.readAll();
  records.erase(static_cast<std::size_t>(index) * kRecordSize, kRecordSize);
  file.replace(records);
}

long countMeanings(Dict dict) {
  std::string records = dictionaryFile(dict).readAll();
  return filledSlots(records.data(), records.size() / kRecordSize);
}

long countMeaningsBefore(Dict dict, long n) {
  if (n <= 0) return 0;
  RecordFile& file = dictionaryFile(dict);
  std::string records = file.readAll();
  if (static_cast<std::size_t>(n) > records.size() / kRecordSize) throwReadBeyondEnd(file.name());
  return filledSlots(records.data(), static_cast<std::size_t>(n));
}
