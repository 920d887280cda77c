// Adding entries: one at a time, as a whole import, and as the insertion
// window enters a word with its reverse entries.

#include <algorithm>
#include <vector>

#include "open_dictionaries.h"

namespace {

// The entry's meanings, then the existing record's, each in slot order and
// each only once, so that inserting a known pair again changes nothing.
std::vector<std::string> combineMeanings(const Tslovicko& entry, const Tslovicko& existing) {
  std::vector<std::string> combined;
  for (const Tslovicko* source : {&entry, &existing})
    for (int slot = 1; slot <= kMeaningCount; ++slot) {
      const std::string& meaning = source->vyznam(slot);
      if (!meaning.empty() && std::find(combined.begin(), combined.end(), meaning) == combined.end())
        combined.push_back(meaning);
    }
  return combined;
}

bool allSlotsFilled(const Tslovicko& entry) {
  for (int slot = 1; slot <= kMeaningCount; ++slot)
    if (entry.vyznam(slot).empty()) return false;
  return true;
}

}  // namespace

void DictionaryStore::insertEntry(Tslovicko entry, Dict dict) {
  entry.slovo = fitField(upcaseCzText(entry.slovo));
  for (int slot = 1; slot <= kMeaningCount; ++slot)
    entry.vyznam(slot) = fitField(upcaseCzText(entry.vyznam(slot)));

  FoundWord same = findWord(entry.slovo, dict, false);
  if (same.found) {
    long index = same.position - 1;
    Tslovicko existing = readEntry(dict, index);
    std::vector<std::string> combined = combineMeanings(entry, existing);
    if (!allSlotsFilled(existing) && combined.size() <= static_cast<std::size_t>(kMeaningCount)) {
      Tslovicko merged;
      merged.slovo = entry.slovo;
      for (std::size_t i = 0; i < combined.size(); ++i) merged.vyznam(static_cast<int>(i) + 1) = combined[i];
      writeEntry(dict, index, merged);
      return;
    }
  }
  writeEntry(dict, entryCount(dict), entry);
}

void DictionaryStore::insertEntries(const std::vector<Tslovicko>& entries, Dict dict) {
  HeldChanges held(*dictionaries, dict);
  for (const Tslovicko& entry : entries) insertEntry(entry, dict);
  sortDictionary(dict);
  held.commit();
}

void DictionaryStore::insertWord(const std::string& headword, const GivenMeanings& meanings, Dict dict, bool reverse) {
  Dict other = dict == kTarvikCzech ? kCzechTarvik : kTarvikCzech;
  Tslovicko main;
  main.slovo = fitField(headword);
  for (int slot = 1; slot <= kMeaningCount; ++slot)
    if (meanings[slot - 1]) main.vyznam(slot) = fitField(*meanings[slot - 1]);

  if (reverse) {
    HeldChanges held(*dictionaries, other);
    for (int slot = 1; slot <= kMeaningCount; ++slot) {
      if (!meanings[slot - 1]) continue;
      Tslovicko back;
      back.slovo = main.vyznam(slot);
      back.vyznam1 = main.slovo;
      insertEntry(back, other);
      sortDictionary(other);
    }
    held.commit();
  }
  HeldChanges held(*dictionaries, dict);
  insertEntry(main, dict);
  sortDictionary(dict);
  held.commit();
}
