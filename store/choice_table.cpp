#include "choice_table.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <tuple>

#include "letters.h"

namespace {

// The translation asks about each word it reads, so the bytes choiceKey
// trims and the capitals it makes are looked up in tables of our own, which
// the compiler can inline into those loops.
const std::array<bool, 256> kTrimmed = [] {
  std::array<bool, 256> trimmed{};
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    trimmed[byte] = c == ' ' || c == '.' || c == ',' || isEdgePunctuation(c);
  }
  return trimmed;
}();

const std::array<unsigned char, 256> kCapitals = [] {
  std::array<unsigned char, 256> capitals{};
  for (int byte = 0; byte < 256; ++byte) capitals[byte] = static_cast<unsigned char>(upcaseCz(static_cast<char>(byte)));
  return capitals;
}();

inline std::string_view trimmed(std::string_view text) {
  while (!text.empty() && kTrimmed[static_cast<unsigned char>(text.front())]) text.remove_prefix(1);
  while (!text.empty() && kTrimmed[static_cast<unsigned char>(text.back())]) text.remove_suffix(1);
  return text;
}

constexpr std::uint64_t kEachByte = 0x0101010101010101u;

// A word's bytes in three words: five loads of four bytes from where a
// field's bytes may be, a load that would pass the end moved back to end
// there, or for fewer than four bytes, the first, the middle and the last.
// Words of a size then differ in their parts where they differ in their
// bytes, and no branch depends on the size but this one.
inline PackedWord laidOut(std::string_view bytes, bool tarvikCzech) {
  static_assert(kFieldCapacity <= 20);
  const std::size_t size = bytes.size();
  PackedWord word;
  if (size < 4) {
    auto at = [&](std::size_t i) { return std::uint64_t{static_cast<unsigned char>(bytes[i])}; };
    word.part[0] = at(0) | at(size / 2) << 8 | at(size - 1) << 16;
  } else {
    auto load = [&](std::size_t at) {
      std::uint32_t four;
      std::memcpy(&four, bytes.data() + std::min(at, size - 4), 4);
      return std::uint64_t{four};
    };
    word.part[0] = load(0) | load(4) << 32;
    word.part[1] = load(8) | load(12) << 32;
    word.part[2] = load(16);
  }
  word.part[2] |= std::uint64_t{tarvikCzech} << 48 | std::uint64_t{size} << 56;
  return word;
}

// The same for every byte and its capital: upcaseCz takes 0x20 from a to z
// and from Czech letters above 0xE0, and 0x10 from š ť ž. It leaves out
// part[1], the bytes of a long word between its first eight and its last
// four, so that a word costs two products; words it does not tell apart
// are told apart when compared. Every bit of the result depends on every
// bit it takes: the table takes the low bits, the tags and the filter the
// high ones.
inline std::uint64_t hashOf(const PackedWord& word) {
  auto folded = [](std::uint64_t part) { return part | 0x20 * kEachByte | (part & 0x80 * kEachByte) >> 3; };
  std::uint64_t hash = (folded(word.part[0]) ^ word.part[2] >> 48) * 0x9E3779B97F4A7C15u;
  hash = (hash ^ (hash >> 32) ^ folded(word.part[2] & 0xFFFFFFFFu)) * 0xBF58476D1CE4E5B9u;
  return hash ^ (hash >> 29);
}

// upcaseCz of each byte: eight at once when none is above 0x7F, as in every
// Tarvik word. The direction and size bytes stay as they are.
inline PackedWord capitalsOf(const PackedWord& word) {
  PackedWord capitals;
  if (((word.part[0] | word.part[1] | word.part[2]) & 0x80 * kEachByte) == 0) {
    for (int i = 0; i < 3; ++i) {
      const std::uint64_t part = word.part[i], low7 = part & 0x7F * kEachByte;
      const std::uint64_t fromA = low7 + (0x80 - 'a') * kEachByte, pastZ = low7 + (0x80 - 'z' - 1) * kEachByte;
      capitals.part[i] = part ^ ((fromA & ~pastZ & 0x80 * kEachByte) >> 2);
    }
    return capitals;
  }
  for (int i = 0; i < 3; ++i)
    for (int shift = 56; shift >= 0; shift -= 8)
      capitals.part[i] = capitals.part[i] << 8 | kCapitals[word.part[i] >> shift & 0xFF];
  return capitals;
}

// A word as rules hold it: already in capitals.
PackedWord keyOf(bool tarvikCzech, std::string_view key) { return laidOut(key, tarvikCzech); }

std::uint32_t tagOf(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

std::uint64_t previousBit(std::uint64_t hash) { return std::uint64_t{1} << (hash >> 26 & 63); }

template <typename Meaning>
Meaning meaningOf(std::string_view text) {
  Meaning meaning;
  meaning.size = static_cast<std::uint8_t>(text.size());
  std::memcpy(meaning.bytes, text.data(), text.size());
  return meaning;
}

// Whether `size` bytes (1 to a field) at `a` and `b` are the same: the
// first and the last four decide nearly always, without a call.
bool sameBytes(const char* a, const char* b, std::size_t size) {
  if (size < 4) {
    for (std::size_t i = 0; i < size; ++i)
      if (a[i] != b[i]) return false;
    return true;
  }
  std::uint32_t a0, b0, a1, b1;
  std::memcpy(&a0, a, 4);
  std::memcpy(&b0, b, 4);
  std::memcpy(&a1, a + size - 4, 4);
  std::memcpy(&b1, b + size - 4, 4);
  return a0 == b0 && a1 == b1 && (size <= 8 || std::memcmp(a + 4, b + 4, size - 8) == 0);
}

// Which of `meanings` the rule's meaning is, or -1. Sizes are compared all
// at once: a branch on each would be a branch the processor cannot foresee.
template <typename Meaning>
int slotOf(const std::array<std::string, kMeaningCount>& meanings, const Meaning& meaning) {
  unsigned sameSize = 0;
  for (int slot = 0; slot < kMeaningCount; ++slot) sameSize |= unsigned{meanings[slot].size() == meaning.size} << slot;
  if (meaning.size == 0) sameSize = 0;
  for (; sameSize != 0; sameSize &= sameSize - 1) {
    const int slot = std::countr_zero(sameSize);
    if (sameBytes(meanings[slot].data(), meaning.bytes, meaning.size)) return slot;
  }
  return -1;
}

// The first of `count` sorted tags from `first` not below `tag`, by halves
// the compiler makes without branches.
const std::uint32_t* lowerBound(const std::uint32_t* first, std::size_t count, std::uint32_t tag) {
  while (count > 1) {
    const std::size_t half = count / 2;
    first = first[half - 1] < tag ? first + half : first;
    count -= half;
  }
  return first + (count == 1 && *first < tag);
}

}  // namespace

std::string choiceKey(std::string_view text) { return upcaseCzText(trimmed(text)); }

ChoiceWord::ChoiceWord(Dict dict, std::string_view text) {
  text = trimmed(text);
  // Empty, or longer than any rule's word.
  if (text.size() - 1 >= kFieldCapacity) return;
  written = laidOut(text, dict == kTarvikCzech);
  hash = hashOf(written);
}

const ChoiceTable::WordRules* ChoiceTable::find(const PackedWord& word, std::uint64_t hash) const {
  const std::size_t mask = words.size() - 1;
  for (std::size_t at = hash & mask; !words[at].word.empty(); at = (at + 1) & mask)
    if (words[at].word == word) return &words[at];
  return nullptr;
}

ChoiceTable::WordRules& ChoiceTable::findOrAdd(const PackedWord& word) {
  const std::uint64_t hash = hashOf(word);
  if (const WordRules* found = find(word, hash)) return words[found - words.data()];
  if (2 * (wordCount + 1) > words.size()) {
    grow();
    return findOrAdd(word);
  }
  const std::size_t mask = words.size() - 1;
  std::size_t at = hash & mask;
  while (!words[at].word.empty()) at = (at + 1) & mask;
  ++wordCount;
  words[at].word = word;
  filter[(hash >> 20) & filterMask] |= std::uint64_t{1} << (hash >> 52 & 63) | std::uint64_t{1} << (hash >> 58);
  return words[at];
}

// Only before any rule after a word before is placed: a word's rule alone
// is all that moves.
void ChoiceTable::grow() {
  std::vector<WordRules> old(2 * words.size());
  old.swap(words);
  // Four bits a slot, eight to sixteen a word: 16 KB at 10,000 words, and a
  // word without a rule reads a record about once in twenty times at worst.
  filter.assign(words.size() / 16, 0);
  filterMask = filter.size() - 1;
  wordCount = 0;
  for (const WordRules& rules : old)
    if (!rules.word.empty()) findOrAdd(rules.word).alone = rules.alone;
}

void ChoiceTable::build(const std::unordered_map<std::string, std::string>& rules) {
  // Room for the words at once: at least one word for each rule alone, and
  // rarely more than one for every two rules.
  std::size_t alone = 0;
  for (const auto& rule : rules) alone += rule.first[1] == '\t';
  words.assign(std::bit_ceil(std::max<std::size_t>(16, 2 * std::max(alone, rules.size() / 2))), WordRules());
  filter.assign(words.size() / 16, 0);
  filterMask = filter.size() - 1;
  wordCount = 0;
  struct Parts {
    bool tarvikCzech;
    std::string_view previous, word;
  };
  auto partsOf = [](const std::string& key) {
    const std::size_t tab = key.find('\t');
    return Parts{key[0] == '1', std::string_view(key).substr(1, tab - 1), std::string_view(key).substr(tab + 1)};
  };
  for (const auto& [key, meaning] : rules) {
    const Parts parts = partsOf(key);
    WordRules& rulesOfWord = findOrAdd(keyOf(parts.tarvikCzech, parts.word));
    if (parts.previous.empty()) rulesOfWord.alone = meaningOf<Meaning>(meaning);
  }
  // The rules after a word before, in order of their word's slot and of
  // their tag: the slot in the high half of a sort key, the tag in the low.
  std::vector<PairRule> unsorted;
  std::vector<std::pair<std::uint64_t, std::uint32_t>> order;
  for (const auto& [key, meaning] : rules) {
    const Parts parts = partsOf(key);
    if (parts.previous.empty()) continue;
    // The word before in the direction of its rule, as the translation
    // reads it.
    const PackedWord before = keyOf(parts.tarvikCzech, parts.previous), word = keyOf(parts.tarvikCzech, parts.word);
    const std::uint64_t beforeHash = hashOf(before);
    WordRules& rulesOfWord = words[find(word, hashOf(word)) - words.data()];
    rulesOfWord.previousBits |= previousBit(beforeHash);
    order.push_back({std::uint64_t(&rulesOfWord - words.data()) << 32 | tagOf(beforeHash),
                     static_cast<std::uint32_t>(unsorted.size())});
    unsorted.push_back({before, meaningOf<Meaning>(meaning)});
  }
  std::sort(order.begin(), order.end());
  pairs.clear();
  previousTags.clear();
  pairs.reserve(order.size());
  previousTags.reserve(order.size());
  for (const auto& [slotAndTag, rule] : order) {
    WordRules& rulesOfWord = words[slotAndTag >> 32];
    if (rulesOfWord.pairsBegin == rulesOfWord.pairsEnd)
      rulesOfWord.pairsBegin = rulesOfWord.pairsEnd = static_cast<std::uint32_t>(pairs.size());
    ++rulesOfWord.pairsEnd;
    pairs.push_back(unsorted[rule]);
    previousTags.push_back(static_cast<std::uint32_t>(slotAndTag));
  }
}

ChosenMeaning ChoiceTable::chooseByRules(const ChoiceWord& previous, const ChoiceWord& word,
                                         const std::array<std::string, kMeaningCount>& meanings) const {
  if (!word.named()) return {};
  const WordRules* rules = find(capitalsOf(word.written), word.hash);
  if (!rules) return {};
  if ((rules->previousBits & previousBit(previous.hash)) != 0 && previous.named()) {
    const std::uint32_t tag = tagOf(previous.hash);
    const std::uint32_t* last = previousTags.data() + rules->pairsEnd;
    for (const std::uint32_t* at = lowerBound(previousTags.data() + rules->pairsBegin,
                                              rules->pairsEnd - rules->pairsBegin, tag);
         at != last && *at == tag; ++at) {
      const PairRule& pair = pairs[at - previousTags.data()];
      if (!(pair.previous == capitalsOf(previous.written))) continue;
      if (int slot = slotOf(meanings, pair.meaning); slot >= 0) return {slot, true, true};
      break;
    }
  }
  if (int slot = slotOf(meanings, rules->alone); slot >= 0) return {slot, true, false};
  return {};
}
