#pragma once

// The remembered meanings laid out for the translation, which asks about
// every word it finds and must not be much slower for it. What that costs:
//
// - a word's bytes are read once, as it is, into a key of three words and a
//   hash that ignores case; the key serves again when the word is the word
//   before the next;
// - a word without rules then costs one bit of a filter of a few kilobytes;
// - a word that may have rules has its capitals made, eight bytes at a
//   time, and reads one record of one cache line; a word before is looked
//   for among that word's own rules only.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dictionary_store.h"

// Words as rules hold them: in capitals, without the spaces, quotes,
// brackets, marks, full stops and commas around them.
std::string choiceKey(std::string_view text);

// Which meaning a translation takes for a word: `slot` of the entry's
// meanings (0 the first), and whether a remembered rule chose it.
struct ChosenMeaning {
  int slot = 0;
  bool remembered = false;
  bool afterPrevious = false;  // the rule of the word after the word before won
};

// The bytes of a word of at most kFieldCapacity bytes in three words, so
// that words compare and hash a word at a time (laidOut() in the .cpp says
// where each byte goes), and the direction and the size in the top two
// bytes: no word is all zeros.
struct PackedWord {
  std::uint64_t part[3] = {0, 0, 0};
  bool operator==(const PackedWord&) const = default;
  bool empty() const { return part[2] == 0; }
};
static_assert(kFieldCapacity + 2 <= sizeof(PackedWord::part));

// A word of a text as the rules look it up: trimmed as choiceKey trims, but
// not yet in capitals, with a hash that every spelling of the same key
// shares (ko, Ko, "KO").
struct ChoiceWord {
  PackedWord written;  // empty for a word no rule can name
  std::uint64_t hash = 0;

  ChoiceWord() = default;
  ChoiceWord(Dict dict, std::string_view text);
  bool named() const { return !written.empty(); }
};

class ChoiceTable {
 public:
  // Keys are "1" or "0" for the direction, the word before (empty for the
  // word alone), TAB and the word, each as choiceKey makes it; values are
  // the meanings.
  void build(const std::unordered_map<std::string, std::string>& rules);

  // As MeaningChoices::choose. A word the filter rules out costs no call.
  ChosenMeaning choose(const ChoiceWord& previous, const ChoiceWord& word,
                       const std::array<std::string, kMeaningCount>& meanings) const {
    if (!mayHold(word.hash)) return {};
    return chooseByRules(previous, word, meanings);
  }

 private:
  struct Meaning {
    std::uint8_t size = 0;  // 0: no rule
    char bytes[kFieldCapacity];
  };
  // The rules of one word: its rule alone and its rules after a word before,
  // pairs[pairsBegin, pairsEnd), in order of previousTags. A record fills a
  // cache line, so that a word's rules, and telling them from another
  // word's, cost one read of memory.
  struct alignas(64) WordRules {
    PackedWord word;  // in capitals; empty in a free slot
    std::uint32_t pairsBegin = 0, pairsEnd = 0;
    // A bit of each word before that has a rule: most words before have
    // none, and are told so by the line already read.
    std::uint64_t previousBits = 0;
    Meaning alone;
  };
  struct PairRule {
    PackedWord previous;  // in capitals
    Meaning meaning;
  };

  ChosenMeaning chooseByRules(const ChoiceWord& previous, const ChoiceWord& word,
                              const std::array<std::string, kMeaningCount>& meanings) const;
  const WordRules* find(const PackedWord& word, std::uint64_t hash) const;
  WordRules& findOrAdd(const PackedWord& word);
  void grow();
  bool mayHold(std::uint64_t hash) const {
    const std::uint64_t bits = std::uint64_t{1} << (hash >> 52 & 63) | std::uint64_t{1} << (hash >> 58);
    return (filter[(hash >> 20) & filterMask] & bits) == bits;
  }

  // Two bits a word, in one 64-bit block, set by each word that has rules.
  std::vector<std::uint64_t> filter = std::vector<std::uint64_t>(1);
  std::size_t filterMask = 0;  // filter.size() - 1
  // Open addressing: a power of two of slots, at least twice the words.
  std::vector<WordRules> words = std::vector<WordRules>(16);
  std::size_t wordCount = 0;
  std::vector<std::uint32_t> previousTags;  // hash bits of pairs[i].previous
  std::vector<PairRule> pairs;
};
