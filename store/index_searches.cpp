// The searches a person starts by hand: headwords near a mistyped word, and
// the words inside meanings. Their tables are built on first use, or ahead,
// and dropped by any change of the dictionary.

#include <algorithm>
#include <array>
#include <utility>

#include "dictionary_index.h"
#include "letters.h"
#include "stable_order.h"

namespace {

// Millions of meaning words pass through these when the tables are built,
// so each byte is looked up rather than tested.
struct ByteClasses {
  std::array<bool, 256> separates{};
  std::array<unsigned char, 256> folded{};  // upcaseCz(foldDiacritics(c))
};

const ByteClasses& byteClasses() {
  static const ByteClasses classes = [] {
    ByteClasses made;
    for (char c : std::string_view(" \t.,;:!?()[]{}\"/\\-\x84\x93\x94\x96\x97"))
      made.separates[static_cast<unsigned char>(c)] = true;
    for (int c = 0; c < 256; ++c)
      made.folded[c] = static_cast<unsigned char>(upcaseCz(foldDiacritics(static_cast<char>(c))));
    return made;
  }();
  return classes;
}

// Calls `use` with each word of `text` (see wordsOf).
template <typename Use>
void forEachWord(std::string_view text, Use use) {
  const std::array<bool, 256>& separates = byteClasses().separates;
  auto parts = [&](std::size_t i) { return separates[static_cast<unsigned char>(text[i])]; };
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && parts(i)) ++i;
    std::size_t start = i;
    while (i < text.size() && !parts(i)) ++i;
    std::string_view word = text.substr(start, i - start);
    // Apostrophes do not count, so a word of nothing else is no word.
    if (word.find_first_not_of('\'') != std::string_view::npos) use(word);
  }
}

// The edit distance of `query` to every key of `order`, sorted, walked as a
// trie: keys that share a prefix share the rows of the distance table for it,
// and a prefix already more than `bound` edits away skips every key that
// starts with it. Two neighbouring letters swapped are one edit, as people
// mistype (the optimal string alignment distance); the skip stays sound, as a
// swap costs no less than the diagonal step before it.
template <typename KeyAt>
std::vector<DictionaryIndex::Near> walkNear(std::string_view query, int bound, const std::vector<std::uint32_t>& order,
                                            KeyAt keyAt) {
  std::vector<DictionaryIndex::Near> near;
  const std::size_t width = query.size() + 1;
  std::vector<int> rows(width);
  for (std::size_t j = 0; j < width; ++j) rows[j] = static_cast<int>(j);
  std::string_view previous;
  std::size_t i = 0;
  while (i < order.size()) {
    std::string_view key = keyAt(order[i]);
    std::size_t depth = 0, known = rows.size() / width - 1;
    while (depth < std::min({previous.size(), key.size(), known}) && previous[depth] == key[depth]) ++depth;
    rows.resize((depth + 1) * width);
    previous = key;
    bool pruned = false;
    for (; depth < key.size() && !pruned; ++depth) {
      rows.resize((depth + 2) * width);
      const int* above = &rows[depth * width];
      int* row = &rows[(depth + 1) * width];
      row[0] = static_cast<int>(depth + 1);
      int best = row[0];
      for (std::size_t j = 1; j < width; ++j) {
        row[j] = std::min({above[j] + 1, row[j - 1] + 1, above[j - 1] + (query[j - 1] != key[depth] ? 1 : 0)});
        if (depth > 0 && j > 1 && key[depth] == query[j - 2] && key[depth - 1] == query[j - 1])
          row[j] = std::min(row[j], rows[(depth - 1) * width + j - 2] + 1);
        best = std::min(best, row[j]);
      }
      if (best > bound) {
        std::string_view stem = key.substr(0, depth + 1);
        i = std::partition_point(order.begin() + static_cast<long>(i), order.end(),
                                 [&](std::uint32_t r) { return keyAt(r).starts_with(stem); }) -
            order.begin();
        pruned = true;
      }
    }
    if (pruned) continue;
    int distance = rows[key.size() * width + query.size()];
    if (distance <= bound) near.push_back({order[i], distance});
    ++i;
  }
  return near;
}

using HashedWord = std::pair<std::uint64_t, std::uint32_t>;  // word's hash, record

// The order std::sort gives, for words that come in record order: a stable
// sort by hash alone, in passes of 13 bits, several times quicker than
// comparing millions of words. An odd number of passes leaves the words in
// the buffer made to their number, and frees the one that grew as they came.
void sortByHash(std::vector<HashedWord>& words) {
  constexpr int kBits = 13;
  static_assert((64 + kBits - 1) / kBits % 2 == 1);
  std::vector<HashedWord> sorted(words.size());
  std::vector<std::size_t> starts(std::size_t{1} << kBits);
  auto digit = [](const HashedWord& word, int shift) { return (word.first >> shift) & ((1u << kBits) - 1); };
  for (int shift = 0; shift < 64; shift += kBits) {
    std::fill(starts.begin(), starts.end(), 0);
    for (const HashedWord& word : words) ++starts[digit(word, shift)];
    std::size_t at = 0;
    for (std::size_t& start : starts) at += std::exchange(start, at);
    for (const HashedWord& word : words) sorted[starts[digit(word, shift)]++] = word;
    words.swap(sorted);
  }
}

}  // namespace

std::vector<std::string_view> wordsOf(std::string_view text) {
  std::vector<std::string_view> words;
  forEachWord(text, [&](std::string_view word) { words.push_back(word); });
  return words;
}

std::vector<DictionaryIndex::Near> DictionaryIndex::nearStored(std::string_view key, int bound) {
  tables.ensurePrefixes(*content);
  const KeyArena& stored = tables.keyed[kStoredKey].keys;
  return walkNear(key, bound, tables.byStored, [&](std::uint32_t r) { return stored.at(r); });
}

void DictionaryIndex::Tables::ensureSoundOrder(const std::string& records) {
  if (soundOrderReady) return;
  const KeyArena& stored = ensureKeys(kStoredKey, records).keys;
  const std::uint32_t count = stored.size();
  foldedSound.clear();
  foldedSound.reserve(count, count * 8);
  for (std::uint32_t i = 0; i < count; ++i) foldedSound.push(foldedKey(pronounceTarvik(stored.at(i))));
  bySound = stableOrder(count, [&](std::uint32_t a, std::uint32_t b) { return foldedSound.at(a) < foldedSound.at(b); });
  soundOrderReady = true;
}

std::vector<DictionaryIndex::Near> DictionaryIndex::nearPronounced(std::string_view key, int bound) {
  tables.ensureSoundOrder(*content);
  const KeyArena& foldedSound = tables.foldedSound;
  return walkNear(key, bound, tables.bySound, [&](std::uint32_t r) { return foldedSound.at(r); });
}

// The same for every spelling foldedKey joins; a hash of it would do
// without building the key.
std::uint64_t foldedHash(std::string_view word) {
  std::uint64_t hash = 14695981039346656037ULL;
  const std::array<unsigned char, 256>& folded = byteClasses().folded;
  for (char c : word)
    if (c != '\'') hash = (hash ^ folded[static_cast<unsigned char>(c)]) * 1099511628211ULL;
  return hash;
}

void DictionaryIndex::Tables::ensureMeaningWords(const std::string& records) {
  if (meaningWordsReady) return;
  const std::size_t count = records.size() / kRecordSize;
  // Sorted pairs rather than a map of lists: a million records hold millions
  // of words, and one sort of plain numbers is far quicker than as many lists.
  meaningWords.clear();
  meaningWords.reserve(count * 3);
  for (std::uint32_t i = 0; i < count; ++i)
    for (int slot = 1; slot <= kMeaningCount; ++slot)
      forEachWord(fieldText(records.data() + i * kRecordSize, slot),
                  [&](std::string_view word) { meaningWords.push_back({foldedHash(word), i}); });
  sortByHash(meaningWords);
  meaningWordsReady = true;
}

std::vector<std::uint32_t> DictionaryIndex::withMeaningWord(std::string_view word) {
  tables.ensureMeaningWords(*content);
  const auto& meaningWords = tables.meaningWords;
  std::uint64_t hash = foldedHash(word);
  auto first = std::lower_bound(meaningWords.begin(), meaningWords.end(), std::pair<std::uint64_t, std::uint32_t>(hash, 0));
  std::vector<std::uint32_t> records;
  for (auto at = first; at != meaningWords.end() && at->first == hash; ++at)
    if (records.empty() || records.back() != at->second) records.push_back(at->second);
  return records;
}
