// Finding a word: whole, by pronunciation, and by the start of the headword.

#include "open_dictionaries.h"

namespace {

std::string queryKey(std::string_view word) {
  std::string key;
  key.reserve(word.size());
  for (char c : word)
    if (c != '\'') key += upcaseCz(c);
  return key;
}

}  // namespace

FoundWord findInIndex(DictionaryIndex& index, std::string_view word, const LookupOptions& options) {
  std::string key = queryKey(word);
  long first = index.findStored(key);
  if (options.byPronunciation) {
    long bySound = index.findPronounced(key);
    if (bySound >= 0 && (first < 0 || bySound < first)) first = bySound;
  }
  FoundWord answer;
  if (first < 0) return answer;
  const char* record = index.record(static_cast<std::uint32_t>(first));
  answer.found = true;
  answer.position = first + 1;
  for (int slot = 1; slot <= kMeaningCount; ++slot) answer.meanings[slot - 1] = fieldText(record, slot);
  return answer;
}

FoundWord findWord(std::string_view word, Dict dict, const LookupOptions& options) {
  return findInIndex(currentIndex(dict), word, options);
}

long findPrefix(std::string_view word, Dict dict) {
  return currentIndex(dict).findPrefix(queryKey(word)) + 1;
}
