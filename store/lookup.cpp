// Finding a word: whole, by pronunciation, without diacritics, by its base
// form, and by the start of the headword.

#include "guessed_forms.h"
#include "open_dictionaries.h"
#include "word_forms.h"

namespace {

// Hunspell takes single words; a phrase has no base form.
bool isOneWord(std::string_view word) {
  return !word.empty() && word.find_first_of(" .,") == std::string_view::npos;
}

struct Hit {
  long record = -1;
  FoundBy how = FoundBy::exact;
  std::string baseForm;
  std::string_view asked;  // the query as it was found: as given, or without its surroundings
};

Hit firstHit(DictionaryIndex& index, WordForms& forms, std::string_view word, const LookupOptions& options) {
  std::string key = queryKey(word);
  long exact = index.findStored(key);
  if (options.byPronunciation) {
    long bySound = index.findPronounced(key);
    if (bySound >= 0 && (exact < 0 || bySound < exact)) return {bySound, FoundBy::pronunciation, {}, {}};
  }
  if (exact >= 0) return {exact, FoundBy::exact, {}, {}};
  if (options.ignoreDiacritics) {
    long folded = index.findFolded(foldedKey(word));
    if (folded >= 0) return {folded, FoundBy::diacritics, {}, {}};
  }
  if (options.forms && isOneWord(word)) {
    for (const std::string& base : forms.baseFormsOf(word, options.ignoreDiacritics)) {
      long found = index.findStored(queryKey(base));
      if (found < 0 && options.ignoreDiacritics) found = index.findFolded(foldedKey(base));
      if (found >= 0) return {found, FoundBy::form, std::string(fieldText(index.record(found), 0)), {}};
    }
    // Hunspell's Czech dictionary lists many forms as words of their own
    // ("domy", "dne") and misses their base forms; the regular paradigms
    // guess them, and only a guess that is a headword as it stands counts.
    // Matched without diacritics, guesses found mostly unrelated words
    // (MAGNA -> MAGNÁT, povede -> POVĚST).
    for (const std::string& base : guessedBaseForms(key)) {
      long found = index.findStored(base);
      if (found >= 0) return {found, FoundBy::form, std::string(fieldText(index.record(found), 0)), {}};
    }
  }
  return {};
}

// A word as typed or pasted may bring spaces along, or stand in quotes of
// apostrophes ('muže'): no part of the word, and Hunspell knows no word
// with them.
std::string_view withoutSurroundings(std::string_view word) {
  std::size_t first = word.find_first_not_of(" '");
  if (first == std::string_view::npos) return {};
  return word.substr(first, word.find_last_not_of(" '") - first + 1);
}

// The first hit of the word as given; after a miss, of the word without
// what surrounds it.
Hit firstHitOfQuery(DictionaryIndex& index, WordForms& forms, std::string_view word, const LookupOptions& options) {
  Hit hit = firstHit(index, forms, word, options);
  hit.asked = word;
  std::string_view bare = withoutSurroundings(word);
  if (hit.record >= 0 || bare.empty() || bare.size() == word.size()) return hit;
  hit = firstHit(index, forms, bare, options);
  hit.asked = bare;
  return hit;
}

}  // namespace

LookupOptions forHeadwordsOf(Dict dict, LookupOptions options) {
  options.forms = options.forms && holdsCzechWords(dict, false);
  return options;
}

std::string describeFound(FoundBy how, std::string_view baseForm) {
  switch (how) {
    case FoundBy::exact:
      return "exact";
    case FoundBy::pronunciation:
      return "pronunciation";
    case FoundBy::diacritics:
      return "diacritics";
    case FoundBy::form:
      break;
  }
  return "form of " + std::string(baseForm);
}

namespace {

FoundWord answerOf(DictionaryIndex& index, Hit hit) {
  FoundWord answer;
  if (hit.record < 0) return answer;
  const char* record = index.record(static_cast<std::uint32_t>(hit.record));
  answer.found = true;
  answer.position = hit.record + 1;
  for (int slot = 1; slot <= kMeaningCount; ++slot) answer.meanings[slot - 1] = fieldText(record, slot);
  answer.how = hit.how;
  answer.baseForm = std::move(hit.baseForm);
  return answer;
}

}  // namespace

FoundWord findInIndex(DictionaryIndex& index, WordForms& forms, std::string_view word, const LookupOptions& options) {
  return answerOf(index, firstHit(index, forms, word, options));
}

FoundWord DictionaryStore::findWord(std::string_view word, Dict dict, const LookupOptions& options) {
  DictionaryIndex& index = dictionaries->currentIndex(dict);
  return answerOf(index, firstHitOfQuery(index, dictionaries->wordForms, word, forHeadwordsOf(dict, options)));
}

std::vector<FoundEntry> DictionaryStore::findAllWords(std::string_view word, Dict dict, const LookupOptions& options) {
  DictionaryIndex& index = dictionaries->currentIndex(dict);
  Hit hit = firstHitOfQuery(index, dictionaries->wordForms, word, forHeadwordsOf(dict, options));
  std::vector<FoundEntry> all;
  if (hit.record < 0) return all;
  // The way that found the first record finds the others: every record with
  // its key (for a form, the key of the headword it found).
  DictionaryIndex::KeyKind kind = DictionaryIndex::kStoredKey;
  std::string key = queryKey(hit.how == FoundBy::form ? std::string_view(hit.baseForm) : hit.asked);
  if (hit.how == FoundBy::pronunciation) kind = DictionaryIndex::kPronouncedKey;
  if (hit.how == FoundBy::diacritics) {
    kind = DictionaryIndex::kFoldedKey;
    key = foldedKey(key);
  }
  for (std::uint32_t record : index.findAll(kind, key)) all.push_back({record + 1L, hit.how, hit.baseForm});
  return all;
}

long DictionaryStore::findPrefix(std::string_view word, Dict dict) {
  return dictionaries->currentIndex(dict).findPrefix(queryKey(word)) + 1;
}
