#include "letters.h"

#include <algorithm>
#include <array>

#include "cp1250.h"

namespace {

// Windows-1250 puts Czech capitals at irregular distances from their
// lower-case letters, so each pair is listed: lower case, then capital.
constexpr unsigned char kCzechPairs[][2] = {
    {0x9A, 0x8A}, {0x9D, 0x8D}, {0x9E, 0x8E}, {0xE1, 0xC1}, {0xE8, 0xC8},
    {0xE9, 0xC9}, {0xEC, 0xCC}, {0xED, 0xCD}, {0xEF, 0xCF}, {0xF2, 0xD2},
    {0xF3, 0xD3}, {0xF8, 0xD8}, {0xF9, 0xD9}, {0xFA, 0xDA}, {0xFD, 0xDD},
};

constexpr std::array<unsigned char, 256> makeCaseTable(bool toUpper) {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(c);
  const int from = toUpper ? 'a' : 'A';
  for (int c = from; c < from + 26; ++c) table[c] = static_cast<unsigned char>(c ^ 0x20);
  for (const auto& pair : kCzechPairs) table[pair[toUpper ? 0 : 1]] = pair[toUpper ? 1 : 0];
  return table;
}

constexpr auto kUpcase = makeCaseTable(true);
constexpr auto kDowncase = makeCaseTable(false);

constexpr std::array<unsigned char, 256> makeFoldTable() {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(c);
  // Every Windows-1250 letter whose Unicode decomposition is a plain letter
  // and marks, beside that plain letter.
  constexpr std::string_view marked =
      "\x8A\x8C\x8D\x8E\x8F\x9A\x9C\x9D\x9E\x9F\xA5\xAA\xAF\xB9\xBA\xBC\xBE\xBF\xC0\xC1\xC2\xC3\xC4\xC5\xC6"
      "\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD1\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xE0\xE1\xE2"
      "\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF1\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC\xFD\xFE";
  constexpr std::string_view plain = "SSTZZsstzzASZasLlzRAAAALCCCEEEEIIDNNOOOORUUUUYTraaaalccceeeeiidnnooooruuuuyt";
  static_assert(marked.size() == plain.size());
  for (std::size_t i = 0; i < marked.size(); ++i)
    table[static_cast<unsigned char>(marked[i])] = static_cast<unsigned char>(plain[i]);
  return table;
}

constexpr auto kFold = makeFoldTable();

constexpr char kCapitalIAcute = '\xCD';  // Í
constexpr char kCapitalSCaron = '\x8A';  // Š
constexpr char kCapitalURing = '\xD9';   // Ů

bool startsAt(std::string_view text, std::size_t i, std::string_view what) {
  return text.substr(i, what.size()) == what;
}

bool isDiphthongStart(char c) { return c == 'E' || c == 'A' || c == 'O'; }

}  // namespace

char upcaseCz(char c) { return static_cast<char>(kUpcase[static_cast<unsigned char>(c)]); }

std::string upcaseCzText(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = upcaseCz(c);
  return result;
}

char downcaseCz(char c) { return static_cast<char>(kDowncase[static_cast<unsigned char>(c)]); }

std::string downcaseCzText(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = downcaseCz(c);
  return result;
}

char foldDiacritics(char c) { return static_cast<char>(kFold[static_cast<unsigned char>(c)]); }

bool isLetter(char c) {
  char plain = foldDiacritics(c);
  // Đ, đ, ß, Ł, ł and µ have no plain form to fold to.
  return (plain >= 'A' && plain <= 'Z') || (plain >= 'a' && plain <= 'z') ||
         std::string_view("\xD0\xF0\xDF\xA3\xB3\xB5").find(c) != std::string_view::npos;
}

bool hasLetter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return isLetter(c) || c == kStandIn; });
}

bool isEdgePunctuation(char c) {
  // In Windows-1250.
  static constexpr std::array<bool, 256> kEdgePunctuation = [] {
    std::array<bool, 256> table{};
    for (char c : std::string_view("\"'()[]{}!?:;\x82\x84\x85\x91\x92\x93\x94\x96\x97\xAB\xBB"))
      table[static_cast<unsigned char>(c)] = true;
    return table;
  }();
  return kEdgePunctuation[static_cast<unsigned char>(c)];
}

std::string headwordKey(std::string headword) {
  std::erase(headword, '\'');
  return headword;
}

std::string foldedKey(std::string_view word) {
  std::string key;
  key.reserve(word.size());
  // Folding first lets upcaseCz reach letters it has no pair for (ä -> a -> A).
  for (char c : word)
    if (c != '\'') key += upcaseCz(foldDiacritics(c));
  return key;
}

std::string pronounceTarvik(std::string_view word) {
  std::string s;
  s.reserve(word.size());
  for (char c : word)
    if (c != '\'') s += c;

  std::string key;
  key.reserve(s.size() + 4);
  std::size_t i = 0;
  while (i < s.size()) {
    if (startsAt(s, i, "EE")) {
      key += kCapitalIAcute;
      i += 2;
    } else if (startsAt(s, i, "SH")) {
      key += kCapitalSCaron;
      i += 2;
    } else if (startsAt(s, i, "ROU")) {
      key += 'R';
      key += kCapitalURing;
      i += 3;
    } else if (s[i] == 'Q') {
      key += "KV";
      i += 1;
    } else if (i > 0 && s[i] == 'I' && isDiphthongStart(s[i - 1])) {
      key += 'J';
      i += 1;
    } else if (i + 1 < s.size() && s[i] == s[i + 1]) {
      key += s[i];
      i += 2;
    } else {
      key += s[i];
      i += 1;
    }
  }
  return key;
}

std::string spellTarvik(std::string_view word) {
  std::string u = upcaseCzText(word);
  std::string spelling;
  spelling.reserve(u.size() + 4);
  std::size_t i = 0;
  while (i < u.size()) {
    if (u[i] == kCapitalIAcute) {
      spelling += "EE";
      i += 1;
    } else if (u[i] == kCapitalSCaron) {
      spelling += "SH";
      i += 1;
    } else if (i + 1 < u.size() && u[i] == 'R' && u[i + 1] == kCapitalURing) {
      spelling += "ROU";
      i += 2;
    } else if (startsAt(u, i, "KV")) {
      spelling += 'Q';
      i += 2;
    } else if (i > 0 && u[i] == 'J' && isDiphthongStart(u[i - 1])) {
      spelling += 'I';
      i += 1;
    } else {
      spelling += u[i];
      i += 1;
    }
  }
  return spelling;
}

namespace {

// The Czech letters with diacritics that a plain lower-case letter stands
// for when typed without them. Only Czech ones, not every letter the code
// page folds to it (ä, ô, ľ, ŕ ...): each extra one would multiply the
// spellings Hunspell is asked about, for words Czech does not have.
std::string_view marksOf(char plain) {
  switch (plain) {
    case 'a': return "\xE1";      // á
    case 'c': return "\xE8";      // č
    case 'd': return "\xEF";      // ď
    case 'e': return "\xE9\xEC";  // é ě
    case 'i': return "\xED";      // í
    case 'n': return "\xF2";      // ň
    case 'o': return "\xF3";      // ó
    case 'r': return "\xF8";      // ř
    case 's': return "\x9A";      // š
    case 't': return "\x9D";      // ť
    case 'u': return "\xFA\xF9";  // ú ů
    case 'y': return "\xFD";      // ý
    case 'z': return "\x9E";      // ž
    default: return {};
  }
}

// Every spelling of `word` with exactly `marks` more diacritics at positions
// from `from` on, until there are `most`.
void addMarkedSpellings(std::string& word, std::size_t from, int marks, std::size_t most,
                        std::vector<std::string>& spellings) {
  if (marks == 0) {
    spellings.push_back(word);
    return;
  }
  for (std::size_t i = from; i < word.size() && spellings.size() < most; ++i) {
    const char plain = word[i];
    for (char marked : marksOf(plain)) {
      word[i] = marked;
      addMarkedSpellings(word, i + 1, marks - 1, most, spellings);
    }
    word[i] = plain;
  }
}

}  // namespace

std::vector<std::string> spellingsWithDiacritics(std::string word, std::size_t most) {
  std::vector<std::string> spellings;
  for (int marks = 1; spellings.size() < most; ++marks) {
    std::size_t before = spellings.size();
    addMarkedSpellings(word, 0, marks, most, spellings);
    if (spellings.size() == before) break;
  }
  if (spellings.size() > most) spellings.resize(most);
  return spellings;
}
