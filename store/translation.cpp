#include <algorithm>
#include <array>
#include <unordered_set>

#include "cp1250.h"
#include "open_dictionaries.h"

namespace {

std::string_view withoutLeadingSpaces(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// The look-up of `text` without the quotes, brackets and marks at its ends,
// which are given back to go around its meaning.
WordInText foundInsidePunctuation(DictionaryIndex& index, WordForms& forms, std::string_view text,
                                  const LookupOptions& options) {
  WordInText answer;
  std::size_t before = 0, after = 0;
  while (before < text.size() && isEdgePunctuation(text[before])) ++before;
  while (after < text.size() - before && isEdgePunctuation(text[text.size() - 1 - after])) ++after;
  if (before + after == 0 || before + after == text.size()) return answer;
  answer.word = findInIndex(index, forms, text.substr(before, text.size() - before - after), options);
  if (answer.word.found) {
    answer.before = text.substr(0, before);
    answer.after = text.substr(text.size() - after);
  }
  return answer;
}

// One reading of a line. The strict one splits at spaces, full stops and
// commas and takes every word as written. The loose one, for a line the
// strict one left words of, also splits at tabs and looks a word missing as
// written up again without the punctuation around it.
class Reading {
 public:
  Reading(DictionaryIndex& index, WordForms& forms, const LookupOptions& options, bool markUnknown)
      : index(index), forms(forms), options(options), markUnknown(markUnknown) {}
  // Null, or rules for `dict` to choose the meanings by.
  void choosingBy(MeaningChoices* rules, Dict dict) {
    choices = rules;
    choicesDict = dict;
  }

  LineTranslation read(std::string_view text, bool loose, bool keepMisses);

 private:
  // `key`, when not null, is the key of `text` for the chosen meanings.
  bool appendTranslation(std::string& result, const std::string& text, const ChoiceWord* key);
  const std::string& meaningOf(const FoundWord& found, const std::string& text, const ChoiceWord* key) {
    return choices ? chosenMeaning(found, text, key) : found.meanings[0];
  }
  const std::string& chosenMeaning(const FoundWord& found, const std::string& text, const ChoiceWord* key);
  // The key of each word is made once, as the word is read: it is asked
  // about, and it is the next word's word before.
  void keyHeld(const std::string& item) {
    if (choices) heldKey = ChoiceWord(choicesDict, item);
  }
  void readPast(const std::string& item, const ChoiceWord* key) {
    if (!choices || item.empty()) return;
    previous = key ? *key : wasAsked ? asked : ChoiceWord(choicesDict, item);
    wasAsked = false;
  }

  DictionaryIndex& index;
  WordForms& forms;
  const LookupOptions& options;
  const bool markUnknown;
  bool loosely = false;
  // What the strict reading missed as written, which the loose one need not
  // ask again: with the word forms, a miss costs Hunspell and the guesses.
  std::unordered_set<std::string> misses;
  bool keepingMisses = false;
  MeaningChoices* choices = nullptr;
  Dict choicesDict = kCzechTarvik;
  // The keys of the item read before, of the word held, and of a phrase
  // once meaningOf() has made it, for readPast() to take over.
  ChoiceWord previous, heldKey, asked;
  bool wasAsked = false;
};

const std::string& Reading::chosenMeaning(const FoundWord& found, const std::string& text, const ChoiceWord* key) {
  if (!key) {
    asked = ChoiceWord(choicesDict, text);
    wasAsked = true;
    key = &asked;
  }
  return found.meanings[choices->choose(choicesDict, previous, *key, found.meanings).slot];
}

// Appends the first meaning of `text` as written; else, read loosely, of
// `text` inside its punctuation, which goes back around the meaning. False
// when neither is found.
bool Reading::appendTranslation(std::string& result, const std::string& text, const ChoiceWord* key) {
  if (!loosely || !misses.contains(text)) {
    FoundWord asWritten = findInIndex(index, forms, text, options);
    if (asWritten.found) {
      result += meaningOf(asWritten, text, key);
      return true;
    }
    if (keepingMisses) misses.insert(text);
  }
  if (!loosely) return false;
  WordInText inside = foundInsidePunctuation(index, forms, text, options);
  if (!inside.word.found) return false;
  result += inside.before;
  result += meaningOf(inside.word, text, key);
  result += inside.after;
  return true;
}

LineTranslation Reading::read(std::string_view text, bool loose, bool keepMisses) {
  loosely = loose;
  keepingMisses = keepMisses;
  LineTranslation line;
  previous = ChoiceWord();
  wasAsked = false;
  auto isSeparator = [&](char c) { return c == ' ' || c == '.' || c == ',' || (loosely && c == '\t'); };
  std::string extended(text);
  // Two trailing separators flush the last held word and the word before it.
  extended += "  ";
  std::string word, held;
  char heldSeparator = ' ';
  for (char x : extended) {
    if (!isSeparator(x)) {
      word += x;
      continue;
    }
    if (held.empty()) {
      held = std::move(word);
      keyHeld(held);
      heldSeparator = x;
      word.clear();
      continue;
    }
    // Try the two-word phrase before the single word, so that an entry for the
    // phrase wins over the entry for its first word. No headword holds a tab:
    // two words a tab apart are looked up as a phrase with a space.
    char joint = heldSeparator == '\t' ? ' ' : heldSeparator;
    if (std::string phrase = held + joint + word; appendTranslation(line.result, phrase, nullptr)) {
      readPast(phrase, nullptr);
      line.result += x;
      held.clear();
      word.clear();
      continue;
    }
    if (!appendTranslation(line.result, held, &heldKey)) {
      // "--", "3" or "–" is no word, so nothing is missing.
      const bool isWord = hasLetter(held);
      if (isWord && markUnknown) line.result += '*';
      line.result += held;
      if (isWord) ++line.untranslatedCount;
    }
    readPast(held, &heldKey);
    line.result += heldSeparator;
    held = std::move(word);
    keyHeld(held);
    heldSeparator = x;
    word.clear();
  }
  return line;
}

// Whether the loose reading could differ: a tab, or punctuation at an end
// of a word. Apostrophes count only for the word forms: every other look-up
// ignores them, and Tarvik words are full of them (DAN'O, TEI').
bool mayReadOtherwise(std::string_view text, const LookupOptions& options) {
  auto separates = [&](std::size_t i) { return i >= text.size() || text[i] == ' ' || text[i] == '.' || text[i] == ','; };
  auto atAnEnd = [&](std::size_t i) { return i == 0 || separates(i - 1) || separates(i + 1); };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\t' || (isEdgePunctuation(c) && (c != '\'' || options.forms) && atAnEnd(i))) return true;
  }
  return false;
}

}  // namespace

WordInText DictionaryStore::findWordInText(std::string_view text, Dict dict, const LookupOptions& options) {
  DictionaryIndex& index = dictionaries->currentIndex(dict);
  WordForms& forms = dictionaries->wordForms;
  const LookupOptions czech = forHeadwordsOf(dict, options);
  WordInText answer{findInIndex(index, forms, text, czech), {}, {}};
  return answer.word.found ? answer : foundInsidePunctuation(index, forms, text, czech);
}

// A line that translates completely as written stays exactly as it always
// did; only a line with words left over is read again loosely, and only
// when it has a tab or punctuation that could make a difference.
LineTranslation DictionaryStore::translateText(std::string_view text, Dict dict, const LookupOptions& options,
                                               bool markUnknown, bool withChoices) {
  const LookupOptions czech = forHeadwordsOf(dict, options);
  Reading reading(dictionaries->currentIndex(dict), dictionaries->wordForms, czech, markUnknown);
  if (withChoices && dictionaries->choices.anyFor(dict)) reading.choosingBy(&dictionaries->choices, dict);
  const bool mayLoosen = mayReadOtherwise(text, czech);
  LineTranslation strict = reading.read(text, false, mayLoosen);
  if (strict.untranslatedCount == 0 || !mayLoosen) return strict;
  return reading.read(text, true, false);
}

PhraseAtResult DictionaryStore::phraseAt(int n, std::string_view text, Dict dict, const LookupOptions& options) {
  PhraseAtResult answer;
  std::string_view rest = withoutLeadingSpaces(text);
  for (int skipped = 1; skipped < n && !rest.empty(); ++skipped) {
    std::size_t end = rest.find(' ');
    rest = end == std::string_view::npos ? std::string_view() : withoutLeadingSpaces(rest.substr(end));
  }
  if (rest.empty()) return answer;
  std::size_t firstEnd = std::min(rest.find(' '), rest.size());
  answer.result = rest.substr(0, firstEnd);
  rest = withoutLeadingSpaces(rest.substr(firstEnd));
  if (rest.empty()) return answer;
  std::string_view second = rest.substr(0, std::min(rest.find(' '), rest.size()));
  std::string joined = answer.result + ' ' + std::string(second);
  if (findWordInText(joined, dict, options).word.found) {
    answer.result = std::move(joined);
    answer.taken = 1;
  }
  return answer;
}

int countWords(std::string_view text) {
  text = withoutLeadingSpaces(text);
  int words = 1;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == ' ' && (i == 0 || text[i - 1] != ' ')) ++words;
  return words;
}
