// Searches beyond the look-up: headwords near a mistyped word, and entries
// whose meanings hold a text.

#include <algorithm>
#include <optional>
#include <set>

#include "open_dictionaries.h"
#include "word_forms.h"

namespace {

// What one word of a searched text matches in a meaning: itself, and with
// the forms option its base forms; as stored keys, or folded ones when
// diacritics do not count.
struct WordMatch {
  std::vector<std::string> keys;
  std::vector<std::string> baseForms;  // keys[i + 1] belongs to baseForms[i]
};

WordMatch matchesFor(WordForms& forms, std::string_view word, const LookupOptions& options) {
  auto keyOf = [&](std::string_view w) { return options.ignoreDiacritics ? foldedKey(w) : queryKey(w); };
  WordMatch match{{keyOf(word)}, {}};
  if (options.forms)
    for (std::string& base : forms.baseFormsOf(word, options.ignoreDiacritics)) {
      match.keys.push_back(keyOf(base));
      match.baseForms.push_back(std::move(base));
    }
  return match;
}

// Whether the meaning holds the searched words one after another: nullopt
// when not, else the base form that a word matched by (the first such), or
// an empty text when every word matched as itself.
std::optional<std::string> matchIn(std::string_view meaning, const std::vector<WordMatch>& searched,
                                   const LookupOptions& options) {
  std::vector<std::string_view> words = wordsOf(meaning);
  auto keyOf = [&](std::string_view w) { return options.ignoreDiacritics ? foldedKey(w) : queryKey(w); };
  for (std::size_t start = 0; start + searched.size() <= words.size(); ++start) {
    std::string baseForm;
    bool all = true;
    for (std::size_t k = 0; k < searched.size() && all; ++k) {
      const std::vector<std::string>& keys = searched[k].keys;
      auto hit = std::find(keys.begin(), keys.end(), keyOf(words[start + k]));
      all = hit != keys.end();
      if (all && hit != keys.begin() && baseForm.empty()) baseForm = searched[k].baseForms[hit - keys.begin() - 1];
    }
    if (all) return baseForm;
  }
  return std::nullopt;
}

}  // namespace

std::vector<Suggestion> DictionaryStore::suggestWords(std::string_view word, Dict dict) {
  DictionaryIndex& index = dictionaries->currentIndex(dict);
  std::string key = queryKey(word);
  key.erase(0, std::min(key.find_first_not_of(' '), key.size()));
  key.erase(key.find_last_not_of(' ') + 1);
  // Nothing typed is nothing to correct; a word more than 20 bytes long
  // cannot be 2 edits near a headword.
  if (key.empty() || key.size() > kFieldCapacity + kMaxSuggestionDistance) return {};
  std::vector<DictionaryIndex::Near> near = index.nearStored(key, kMaxSuggestionDistance);
  const std::string sound = foldedKey(pronounceTarvik(key));
  if (dict == kTarvikCzech) {
    // A spelling that sounds alike is one edit away, plus how far the sounds are.
    for (DictionaryIndex::Near n : index.nearPronounced(sound, kMaxSuggestionDistance - 1))
      near.push_back({n.record, n.distance + 1});
  }
  // Of headwords as near, one that sounds as the word does comes first, then
  // the one that shares a longer beginning with it, then file order.
  struct Ranked {
    DictionaryIndex::Near near;
    bool soundsOther;
    std::size_t shared;  // bytes of the beginning the headword shares with the word
    std::string headword;  // as stored, apostrophes left out
  };
  std::vector<Ranked> ranked;
  for (DictionaryIndex::Near n : near) {
    std::string headword = queryKey(fieldText(index.record(n.record), 0));
    bool soundsAlike = dict == kTarvikCzech && foldedKey(pronounceTarvik(headword)) == sound;
    auto shared = static_cast<std::size_t>(std::ranges::mismatch(headword, key).in1 - headword.begin());
    ranked.push_back({n, !soundsAlike, shared, std::move(headword)});
  }
  // `shared` swapped between the two sides: the longer comes first.
  std::ranges::sort(ranked, [](const Ranked& a, const Ranked& b) {
    return std::tie(a.near.distance, a.soundsOther, b.shared, a.near.record) <
           std::tie(b.near.distance, b.soundsOther, a.shared, b.near.record);
  });
  std::vector<Suggestion> best;
  std::set<std::string> shown;
  for (const Ranked& r : ranked) {
    if (!shown.insert(r.headword).second) continue;
    best.push_back({r.near.record + 1L, std::string(fieldText(index.record(r.near.record), 0)), r.near.distance});
    if (best.size() == kMaxSuggestions) break;
  }
  return best;
}

std::vector<FoundEntry> DictionaryStore::searchMeanings(std::string_view text, Dict dict, const LookupOptions& options) {
  std::vector<FoundEntry> found;
  std::vector<std::string_view> words = wordsOf(text);
  if (words.empty()) return found;
  LookupOptions czech = options;
  czech.forms = options.forms && holdsCzechWords(dict, true);
  std::vector<WordMatch> searched;
  for (std::string_view word : words) searched.push_back(matchesFor(dictionaries->wordForms, word, czech));
  DictionaryIndex& index = dictionaries->currentIndex(dict);
  // Candidates: the records holding some key of the first word.
  std::vector<std::uint32_t> candidates;
  for (const std::string& key : searched[0].keys) {
    std::vector<std::uint32_t> records = index.withMeaningWord(key);
    candidates.insert(candidates.end(), records.begin(), records.end());
  }
  std::ranges::sort(candidates);
  candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
  std::vector<WordMatch> plain;
  for (std::string_view word : words) plain.push_back(matchesFor(dictionaries->wordForms, word, LookupOptions{}));
  auto matchInRecord = [&](const char* record, const std::vector<WordMatch>& matches,
                           const LookupOptions& how) -> std::optional<std::string> {
    std::optional<std::string> best;
    for (int slot = 1; slot <= kMeaningCount; ++slot) {
      std::optional<std::string> m = matchIn(fieldText(record, slot), matches, how);
      if (m && (!best || m->empty())) best = std::move(m);
    }
    return best;
  };
  for (std::uint32_t record : candidates) {
    FoundEntry entry{record + 1L, FoundBy::exact, {}};
    if (!matchInRecord(index.record(record), plain, LookupOptions{})) {
      std::optional<std::string> base = matchInRecord(index.record(record), searched, czech);
      if (!base) continue;
      entry.how = base->empty() ? FoundBy::diacritics : FoundBy::form;
      entry.baseForm = std::move(*base);
    }
    found.push_back(std::move(entry));
  }
  return found;
}
