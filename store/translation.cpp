#include <algorithm>

#include "cp1250.h"
#include "open_dictionaries.h"

namespace {

// Quotes, brackets and the marks that end a clause, in Windows-1250: what
// real text puts around a word ("(muž)", „Žena“, muž!). The hyphen is not
// among them: it belongs to Czech words.
bool isEdgePunctuation(char c) {
  static constexpr std::string_view marks = "\"'()[]{}!?:;\x82\x84\x85\x91\x92\x93\x94\x96\x97\xAB\xBB";
  return marks.find(c) != std::string_view::npos;
}

// A character the code page lacks may be a letter too (ж, 漢).
bool hasLetter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return isLetter(c) || c == kStandIn; });
}

std::string_view withoutLeadingSpaces(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// Appends the first meaning of `text` as written; else, read loosely, of
// `text` without the punctuation at its ends, which goes back around the
// meaning. False when neither is found.
bool appendTranslation(std::string& result, DictionaryIndex& index, std::string_view text,
                       const LookupOptions& options, bool loosely) {
  WordInText found = findInText(index, text, options, loosely);
  if (!found.word.found) return false;
  result += found.before;
  result += found.word.meanings[0];
  result += found.after;
  return true;
}

// One reading of a line. The strict one splits at spaces, full stops and
// commas and takes every word as written. The loose one, for a line the
// strict one left words of, also splits at tabs and looks a word up again
// without the punctuation around it.
LineTranslation translateLine(DictionaryIndex& index, std::string_view text, const LookupOptions& options,
                              bool markUnknown, bool loosely) {
  LineTranslation line;
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
      heldSeparator = x;
      word.clear();
      continue;
    }
    // Try the two-word phrase before the single word, so that an entry for the
    // phrase wins over the entry for its first word. No headword holds a tab:
    // two words a tab apart are looked up as a phrase with a space.
    char joint = heldSeparator == '\t' ? ' ' : heldSeparator;
    if (appendTranslation(line.result, index, held + joint + word, options, loosely)) {
      line.result += x;
      held.clear();
      word.clear();
      continue;
    }
    if (!appendTranslation(line.result, index, held, options, loosely)) {
      // "--", "3" or "–" is no word, so nothing is missing.
      const bool isWord = hasLetter(held);
      if (isWord && markUnknown) line.result += '*';
      line.result += held;
      if (isWord) ++line.untranslatedCount;
    }
    line.result += heldSeparator;
    held = std::move(word);
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

WordInText findInText(DictionaryIndex& index, std::string_view text, const LookupOptions& options, bool loosely) {
  WordInText answer{findInIndex(index, text, options), {}, {}};
  if (answer.word.found || !loosely) return answer;
  std::size_t before = 0, after = 0;
  while (before < text.size() && isEdgePunctuation(text[before])) ++before;
  while (after < text.size() - before && isEdgePunctuation(text[text.size() - 1 - after])) ++after;
  if (before + after == 0 || before + after == text.size()) return answer;
  answer.word = findInIndex(index, text.substr(before, text.size() - before - after), options);
  if (answer.word.found) {
    answer.before = text.substr(0, before);
    answer.after = text.substr(text.size() - after);
  }
  return answer;
}

WordInText findWordInText(std::string_view text, Dict dict, const LookupOptions& options) {
  return findInText(currentIndex(dict), text, forHeadwordsOf(dict, options), true);
}

// A line that translates completely as written stays exactly as it always
// did; only a line with words left over is read again loosely, and only
// when it has a tab or punctuation that could make a difference.
LineTranslation translateText(std::string_view text, Dict dict, const LookupOptions& options, bool markUnknown) {
  DictionaryIndex& index = currentIndex(dict);
  const LookupOptions czech = forHeadwordsOf(dict, options);
  LineTranslation strict = translateLine(index, text, czech, markUnknown, false);
  if (strict.untranslatedCount == 0 || !mayReadOtherwise(text, czech)) return strict;
  return translateLine(index, text, czech, markUnknown, true);
}

PhraseAtResult phraseAt(int n, std::string_view text, Dict dict, const LookupOptions& options) {
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
