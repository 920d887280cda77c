#include "generator.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <stdexcept>

#include "letters.h"

std::uint64_t WordGenerator::next() {
  // splitmix64: the same stream on every machine.
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::string WordGenerator::tarvikWord() {
  static const char* const kSyllables[] = {"KO", "RA", "TA", "LU", "DROM", "PA", "VOR", "DAN", "SHEE", "ROU",
                                           "QA", "MAI", "TEI", "NOI", "KK", "LL", "MA", "SE", "TI", "NU",
                                           "BRA", "ZEL", "KAR", "FEN", "GOL", "IR", "UM", "ESH", "OQ", "VA"};
  std::string word;
  int syllables = 1 + static_cast<int>(next() % 4);
  for (int i = 0; i < syllables; ++i) {
    word += kSyllables[next() % std::size(kSyllables)];
    if (next() % 23 == 0) word += '\'';
  }
  return word.substr(0, kFieldCapacity);
}

std::string WordGenerator::czechWord() {
  static const char* const kSyllables[] = {"VO", "DA", "SLUN", "CE", "\xD8" "E", "KA", "MO", "ST", "\x8A\xCD",
                                           "\xC8" "A", "J", "\x8E\xC1", "BA", "D\xD9", "M", "PI", "VO", "L\xC9",
                                           "K\xDD", "N\xCC", "CO", "TR", "\xC1" "V", "N\xC9", "HO", "R", "Y"};
  std::string word;
  int syllables = 1 + static_cast<int>(next() % 4);
  for (int i = 0; i < syllables; ++i) word += kSyllables[next() % std::size(kSyllables)];
  return word.substr(0, kFieldCapacity);
}

std::vector<Tslovicko> makeDictionary(std::size_t records, std::uint64_t seed) {
  WordGenerator words(seed);
  std::vector<Tslovicko> entries(records);
  for (std::size_t i = 0; i < records; ++i) {
    Tslovicko& e = entries[i];
    std::uint64_t kind = words.next() % 20;
    if (kind == 0 && i > 0)
      e.slovo = entries[words.next() % i].slovo;  // the same headword in a second record
    else if (kind < 3)
      e.slovo = (words.tarvikWord().substr(0, 9) + ' ' + words.tarvikWord()).substr(0, kFieldCapacity);
    else
      e.slovo = words.tarvikWord();
    int meanings = 1 + static_cast<int>(words.next() % 5);
    for (int slot = 1; slot <= meanings; ++slot) e.vyznam(slot) = words.czechWord();
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Tslovicko& a, const Tslovicko& b) { return std::string_view(a.slovo) < b.slovo; });
  return entries;
}

void writeDictionaryFile(const std::string& fileName, const std::vector<Tslovicko>& entries) {
  std::string bytes(entries.size() * kRecordSize, '\0');
  for (std::size_t i = 0; i < entries.size(); ++i) encodeRecord(entries[i], bytes.data() + i * kRecordSize);
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + fileName);
}

std::vector<std::string> makeText(const std::vector<Tslovicko>& entries, std::size_t words, std::uint64_t seed) {
  WordGenerator random(seed);
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < words; ++i) {
    std::uint64_t kind = random.next() % 10;
    std::string word = kind == 0 ? random.tarvikWord() : entries[random.next() % entries.size()].slovo;
    if (kind == 1) word = pronounceTarvik(word);  // typed as it sounds
    if (random.next() % 2) {
      for (char& c : word)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
    }
    line += word;
    line += random.next() % 8 == 0 ? ", " : " ";
    if (i % 10 == 9) {
      line.back() = '.';
      lines.push_back(line);
      line.clear();
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::filesystem::path benchFolder(const std::string& bench) {
  return std::filesystem::temp_directory_path() / ("tarvik-" + bench + "-bench-" + std::to_string(::getpid()));
}

namespace {

std::optional<DictionaryStore> opened;

}  // namespace

DictionaryStore& openStore(const std::filesystem::path& folder) {
  opened.reset();
  return opened.emplace(folder.string());
}

int runBenchmarks(int argc, char** argv, const std::string& bench) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  // The dictionaries are open in the folder about to go.
  opened.reset();
  std::filesystem::remove_all(benchFolder(bench));
  return 0;
}
