#include "open_dictionaries.h"

namespace {

bool isSeparator(char c) { return c == ' ' || c == '.' || c == ','; }

std::string_view withoutLeadingSpaces(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

}  // namespace

LineTranslation translateText(std::string_view text, Dict dict, const LookupOptions& asked, bool markUnknown) {
  const LookupOptions options = forHeadwordsOf(dict, asked);
  LineTranslation line;
  DictionaryIndex& index = currentIndex(dict);
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
    // phrase wins over the entry for its first word.
    FoundWord phrase = findInIndex(index, held + heldSeparator + word, options);
    if (phrase.found) {
      line.result += phrase.meanings[0];
      line.result += x;
      held.clear();
      word.clear();
      continue;
    }
    FoundWord single = findInIndex(index, held, options);
    if (single.found) {
      line.result += single.meanings[0];
    } else {
      if (markUnknown) line.result += '*';
      line.result += held;
      ++line.untranslatedCount;
    }
    line.result += heldSeparator;
    held = std::move(word);
    heldSeparator = x;
    word.clear();
  }
  return line;
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
  if (findWord(joined, dict, options).found) {
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
