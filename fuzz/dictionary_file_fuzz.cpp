// Any bytes as a dictionary file, read through every look-up of the store.
// Files come from other programs, old versions and damaged disks: nothing in
// them may crash a look-up, and every answer must be the one a plain scan of
// the records from the first gives.

#include <cstdint>

#include "dictionary_store.h"
#include "fuzz_check.h"
#include "text_file.h"

namespace {

std::string storedForm(std::string form) {
  std::erase(form, '\'');
  return form;
}

// 1-based position of the first record whose stored headword satisfies `match`.
template <typename Match>
long scanFirst(const std::vector<Tslovicko>& records, Match match) {
  for (std::size_t i = 0; i < records.size(); ++i)
    if (match(storedForm(records[i].slovo))) return static_cast<long>(i) + 1;
  return 0;
}

void checkLookups(DictionaryStore& store, const std::vector<Tslovicko>& records, const std::string& query) {
  std::string key = storedForm(upcaseCzText(query));
  FoundWord exact = store.findWord(query, kTarvikCzech, false);
  require(exact.position == scanFirst(records, [&](const std::string& s) { return s == key; }),
          "findWord gives the first record with the headword");
  require(exact.found == (exact.position > 0), "found and position agree");
  if (exact.found) require(exact.meanings[0] == records[exact.position - 1].vyznam1, "meanings of that record");

  FoundWord bySound = store.findWord(query, kTarvikCzech, true);
  long expected = scanFirst(records, [&](const std::string& s) { return s == key || pronounceTarvik(s) == key; });
  require(bySound.position == expected, "findWord by pronunciation gives the first record that sounds alike");

  require(store.findPrefix(query, kTarvikCzech) ==
              scanFirst(records, [&](const std::string& s) { return s.starts_with(key); }),
          "findPrefix gives the first record starting with the text");

  FoundWord folded = store.findWord(query, kTarvikCzech, LookupOptions{.ignoreDiacritics = true});
  require(folded.position == (exact.found ? exact.position : scanFirst(records, [&](const std::string& s) {
                                return foldedKey(s) == foldedKey(query);
                              })),
          "without diacritics, the first record that folds alike");
  std::vector<Suggestion> near = store.suggestWords(query, kTarvikCzech);
  require(near.size() <= kMaxSuggestions, "at most ten suggestions");
  for (std::size_t i = 0; i < near.size(); ++i)
    require(near[i].distance <= kMaxSuggestionDistance && (i == 0 || near[i - 1].distance <= near[i].distance),
            "suggestions are near, best first");
  for (const FoundEntry& found : store.searchMeanings(query, kTarvikCzech, LookupOptions{.ignoreDiacritics = true}))
    require(found.position >= 1 && found.position <= static_cast<long>(records.size()), "found records exist");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  putFile(freshFolder() + '/' + dictionaryFileName(kTarvikCzech), bytes);
  DictionaryStore store(freshFolder());

  long count = store.entryCount(kTarvikCzech);
  require(count == static_cast<long>(size / kRecordSize), "every whole record counts, a fragment does not");
  std::vector<Tslovicko> records;
  long meanings = 0;
  for (long i = 0; i < count; ++i) {
    records.push_back(store.readEntry(kTarvikCzech, i));
    for (int slot = 1; slot <= kMeaningCount; ++slot) meanings += !records.back().vyznam(slot).empty();
  }
  bool refused = false;
  try { store.readEntry(kTarvikCzech, count); } catch (const IoError&) { refused = true; }
  require(refused, "reading past the last record is an error");
  require(store.countMeanings(kTarvikCzech) == meanings, "countMeanings counts the filled slots");
  require(store.countMeaningsBefore(kTarvikCzech, count) == meanings, "countMeaningsBefore(all) is countMeanings");
  for (long n = 0; n < count; ++n) require(store.countMeaningsBefore(kTarvikCzech, n) <= meanings, "a part counts less");

  std::string text;
  for (const Tslovicko& record : records) {
    checkLookups(store, records, record.slovo);
    checkLookups(store, records, pronounceTarvik(record.slovo));
    checkLookups(store, records, record.slovo.substr(0, record.slovo.size() / 2));
    text += record.slovo + (record.vyznam5.empty() ? " " : ".") + record.vyznam1 + ' ';
  }
  checkLookups(store, records, "");
  checkLookups(store, records, std::string(bytes.substr(0, 24)));

  LineTranslation line = store.translateText(text, kTarvikCzech, true);
  require(line.untranslatedCount <= static_cast<long>(text.size()) + 2, "at most one untranslated word a separator");

  // The export holds every filled meaning, byte for byte as stored.
  store.exportDictionary(kTarvikCzech);
  std::string expectedExport;
  for (const Tslovicko& record : records)
    for (int slot = 1; slot <= kMeaningCount; ++slot)
      if (!record.vyznam(slot).empty()) expectedExport += record.slovo + " - " + record.vyznam(slot) + "\r\n";
  require(readWholeFile(store.folder(), exportFileName(kTarvikCzech)) == expectedExport,
          "the export is every filled meaning as stored");

  return 0;
}
