// Speed of the store at dictionary sizes our users reach. Run through
// scripts/bench, which prints the table of medians.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "open_dictionaries.h"
#include "generator.h"
#include "cp1250.h"
#include "dictionary_store.h"
#include "letters.h"
#include "lookup_history.h"
#include "meaning_choices.h"
#include "word_forms.h"

namespace {

namespace fs = std::filesystem;

struct Prepared {
  fs::path folder;
  std::vector<Tslovicko> entries;
};

// Each size is generated once per run, into a folder of its own.
const Prepared& prepared(std::size_t records) {
  static std::map<std::size_t, Prepared> cache;
  auto found = cache.find(records);
  if (found != cache.end()) return found->second;
  Prepared p;
  p.folder = benchFolder("store") / std::to_string(records);
  fs::create_directories(p.folder);
  p.entries = makeDictionary(records, 42 + records);
  writeDictionaryFile((p.folder / "tc_slovnik.slk").string(), p.entries);
  writeDictionaryFile((p.folder / "ct_slovnik.slk").string(), {});
  return cache.emplace(records, std::move(p)).first->second;
}

DictionaryStore& openIn(const Prepared& p) { return openStore(p.folder); }

std::vector<std::string> queries(const Prepared& p, std::size_t count) {
  WordGenerator random(7);
  std::vector<std::string> words;
  for (std::size_t i = 0; i < count; ++i) {
    std::string word = p.entries[random.next() % p.entries.size()].slovo;
    if (i % 4 == 1) word = pronounceTarvik(word);
    if (i % 4 == 2) word = random.tarvikWord();  // mostly not there
    words.push_back(word);
  }
  return words;
}

// A Czech-to-Tarvik dictionary of Czech-like headwords, generated once.
const fs::path& czechFolder(std::size_t records) {
  static std::map<std::size_t, fs::path> cache;
  auto found = cache.find(records);
  if (found != cache.end()) return found->second;
  fs::path folder = benchFolder("store") / ("ct" + std::to_string(records));
  fs::create_directories(folder);
  WordGenerator words(11);
  std::vector<Tslovicko> entries(records);
  for (Tslovicko& e : entries) {
    e.slovo = words.czechWord();
    e.vyznam1 = words.tarvikWord();
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Tslovicko& a, const Tslovicko& b) { return std::string_view(a.slovo) < b.slovo; });
  writeDictionaryFile((folder / "ct_slovnik.slk").string(), entries);
  writeDictionaryFile((folder / "tc_slovnik.slk").string(), {});
  return cache.emplace(records, std::move(folder)).first->second;
}

// Inflected Czech-like words, each different, so that none is a headword
// or in the word forms' cache: each look-up asks Hunspell and then tries
// every guessed base form.
std::vector<std::string> freshCzechForms(std::size_t count) {
  static const std::string kEndings[] = {"ami", cp1250Text("ové"), "uje", cp1250Text("ějšího"), "ech", "ila",
                                         cp1250Text("ícími"), "ou", "y", cp1250Text("ům"), cp1250Text("ají"),
                                         cp1250Text("ené")};
  WordGenerator random(5);
  std::vector<std::string> words;
  std::set<std::string> seen;
  while (words.size() < count) {
    std::string word = downcaseCzText(random.czechWord() + random.czechWord()) + kEndings[random.next() % 12];
    if (seen.insert(word).second) words.push_back(std::move(word));
  }
  return words;
}

void findFreshFormAtMillion(benchmark::State& state) {
  DictionaryStore& store = openStore(czechFolder(1000000));
  const LookupOptions forms{.forms = true};
  store.findWord("", kCzechTarvik, forms);
  store.wordForms().prepare();
  // Each repetition takes words the ones before it did not.
  static const std::vector<std::string> words = freshCzechForms(3 * 20000);
  static std::size_t next = 0;
  std::size_t found = 0;
  for (auto _ : state) {
    FoundWord answer = store.findWord(words[next++ % words.size()], kCzechTarvik, forms);
    found += answer.found;
    benchmark::DoNotOptimize(answer);
  }
  state.counters["found%"] = 100.0 * static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(findFreshFormAtMillion)->Iterations(20000)->Unit(benchmark::kMicrosecond)->Repetitions(3);

void findWordWarm(benchmark::State& state) {
  const Prepared& p = prepared(static_cast<std::size_t>(state.range(0)));
  DictionaryStore& store = openIn(p);
  std::vector<std::string> words = queries(p, 4096);
  store.findWord("", kTarvikCzech, true);
  std::size_t i = 0, found = 0;
  for (auto _ : state) {
    FoundWord answer = store.findWord(words[i++ % words.size()], kTarvikCzech, true);
    found += answer.found;
    benchmark::DoNotOptimize(answer);
  }
  // The store keeps its index to itself: the same one, built apart by the
  // same look-ups, is measured.
  OpenDictionaries apart(p.folder.string(), {});
  DictionaryIndex& index = apart.currentIndex(kTarvikCzech);
  for (const std::string& word : words)
    findInIndex(index, apart.wordForms, word, forHeadwordsOf(kTarvikCzech, {.byPronunciation = true}));
  double fileBytes = static_cast<double>(fs::file_size(p.folder / "tc_slovnik.slk"));
  state.counters["index/file"] = static_cast<double>(index.memoryUsed()) / fileBytes;
  state.counters["found%"] = 100.0 * static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(findWordWarm)->Arg(1000)->Arg(100000)->Arg(1000000)->Repetitions(3);

// What a lookup costs read literally: every record from the first, through
// the file, until one matches.
FoundWord scanFindWord(const std::string& fileName, std::string_view word, bool byPronunciation) {
  std::string key;
  for (char c : word)
    if (c != '\'') key += upcaseCz(c);
  std::ifstream in(fileName, std::ios::binary);
  char record[kRecordSize];
  FoundWord answer;
  for (long position = 1; in.read(record, kRecordSize); ++position) {
    std::string stored;
    for (char c : fieldText(record, 0))
      if (c != '\'') stored += c;
    if (stored == key || (byPronunciation && pronounceTarvik(stored) == key)) {
      answer.found = true;
      answer.position = position;
      for (int slot = 1; slot <= kMeaningCount; ++slot) answer.meanings[slot - 1] = fieldText(record, slot);
      break;
    }
  }
  return answer;
}

void findWordByScan(benchmark::State& state) {
  const Prepared& p = prepared(static_cast<std::size_t>(state.range(0)));
  std::string fileName = (p.folder / "tc_slovnik.slk").string();
  std::vector<std::string> words = queries(p, 64);
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(scanFindWord(fileName, words[i++ % words.size()], true));
}
BENCHMARK(findWordByScan)->Arg(100000)->Unit(benchmark::kMicrosecond)->Repetitions(3);

void firstLookupAfterStart(benchmark::State& state) {
  const Prepared& p = prepared(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(openIn(p).findWord("drom", kTarvikCzech, true));
}
BENCHMARK(firstLookupAfterStart)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

void translateWholeText(benchmark::State& state) {
  const Prepared& p = prepared(100000);
  std::vector<std::string> lines = makeText(p.entries, static_cast<std::size_t>(state.range(0)), 9);
  long untranslated = 0;
  for (auto _ : state) {
    DictionaryStore& store = openIn(p);  // start to end: the index is built inside the measurement
    for (const std::string& line : lines)
      untranslated += store.translateText(line, kTarvikCzech, true).untranslatedCount;
  }
  state.counters["lines"] = static_cast<double>(lines.size());
  benchmark::DoNotOptimize(untranslated);
}
BENCHMARK(translateWholeText)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

// `rules` rules as the meaning grid makes them (rememberMeaning): a user
// translates texts made as the benchmark's is and, for one word in eight
// whose entry has several meanings, takes another meaning than the first,
// which is remembered for the word alone and after the word before it. The
// rules fall on the words texts are made of, as often as they occur there,
// and each chooses a meaning the entry found holds.
std::string choicesFile(const Prepared& p, std::size_t rules) {
  DictionaryStore& store = openIn(p);
  const LookupOptions options{.byPronunciation = true};
  WordGenerator random(11);
  std::map<std::string, std::string> chosen;  // word before, TAB, word -> meaning
  for (std::uint64_t seed = 101; chosen.size() < rules; ++seed)
    for (const std::string& line : makeText(p.entries, 10000, seed)) {
      std::string previous;
      for (std::size_t start = 0, end; start < line.size() && chosen.size() < rules; start = end + 1) {
        end = std::min(line.find(' ', start), line.size());
        const std::string item = line.substr(start, end - start), word = choiceKey(item);
        const FoundWord found = store.findWordInText(item, kTarvikCzech, options).word;
        std::vector<int> others;
        for (int slot = 1; slot < kMeaningCount; ++slot)
          if (!found.meanings[slot].empty() && found.meanings[slot] != found.meanings[0]) others.push_back(slot);
        if (found.found && !others.empty() && word.size() <= kFieldCapacity && random.next() % 8 == 0) {
          const std::string& meaning = found.meanings[others[random.next() % others.size()]];
          chosen["\t" + word] = meaning;
          if (!previous.empty() && previous.size() <= kFieldCapacity && chosen.size() < rules)
            chosen[previous + '\t' + word] = meaning;
        }
        previous = word;
      }
    }
  std::string bytes;
  for (const auto& [words, meaning] : chosen)
    bytes += "tc\t" + (words[0] == '\t' ? words.substr(1) : words) + '\t' + meaning + "\r\n";
  return bytes;
}

// The translation of translateWholeText with the chosen meanings on, and
// `rules` of them in volby.txt: it must stay within 5% of that without.
void translateWholeTextWithChoices(benchmark::State& state) {
  const Prepared& p = prepared(100000);
  std::vector<std::string> lines = makeText(p.entries, 100000, 9);
  std::ofstream(p.folder / kChoicesFileName, std::ios::binary | std::ios::trunc)
      << choicesFile(p, static_cast<std::size_t>(state.range(0)));
  long untranslated = 0;
  for (auto _ : state) {
    DictionaryStore& store = openIn(p);
    for (const std::string& line : lines)
      untranslated += store.translateText(line, kTarvikCzech, LookupOptions{.byPronunciation = true}, false, true)
                          .untranslatedCount;
  }
  fs::remove(p.folder / kChoicesFileName);
  benchmark::DoNotOptimize(untranslated);
}
// The same with the store open and its index built: what a second
// "Přeložit najednou" waits for.
void translateWholeTextWarm(benchmark::State& state) {
  const Prepared& p = prepared(100000);
  std::vector<std::string> lines = makeText(p.entries, 100000, 9);
  std::ofstream(p.folder / kChoicesFileName, std::ios::binary | std::ios::trunc)
      << choicesFile(p, static_cast<std::size_t>(state.range(0)));
  DictionaryStore& store = openIn(p);
  long untranslated = 0;
  for (auto _ : state)
    for (const std::string& line : lines)
      untranslated += store.translateText(line, kTarvikCzech, LookupOptions{.byPronunciation = true}, false,
                                          state.range(1) != 0)
                          .untranslatedCount;
  fs::remove(p.folder / kChoicesFileName);
  benchmark::DoNotOptimize(untranslated);
}
BENCHMARK(translateWholeTextWarm)->Args({0, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(translateWholeTextWithChoices)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

// What the first translation with choices waits for: 10,000 rules read.
// Must stay under 20 ms.
void loadTenThousandChoices(benchmark::State& state) {
  const Prepared& p = prepared(100000);
  const fs::path folder = benchFolder("store") / "choices";
  fs::create_directories(folder);
  std::ofstream(folder / kChoicesFileName, std::ios::binary) << choicesFile(p, 10000);
  const Folder opened(folder.string());
  for (auto _ : state) {
    MeaningChoices choices(opened);
    benchmark::DoNotOptimize(choices.anyFor(kTarvikCzech));
  }
}
BENCHMARK(loadTenThousandChoices)->Unit(benchmark::kMillisecond)->Repetitions(3);

void insertFirstAndSort(benchmark::State& state) {
  const Prepared& p = prepared(static_cast<std::size_t>(state.range(0)));
  DictionaryStore& store = openIn(p);
  store.findWord("", kTarvikCzech, false);
  // Each new headword sorts before every other, the costliest place.
  static int serial = 999999;
  for (auto _ : state) {
    char headword[16];
    std::snprintf(headword, sizeof headword, "0%06d", serial--);
    Tslovicko entry;
    entry.slovo = headword;
    entry.vyznam1 = "NOV\xDD";
    store.insertEntry(entry, kTarvikCzech);
    store.sortDictionary(kTarvikCzech);
  }
  state.counters["records"] = static_cast<double>(store.entryCount(kTarvikCzech));
}
BENCHMARK(insertFirstAndSort)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

// The editor's write: one record changed in place and on disk before the
// call returns, which is what a user waits for after each change.
void changeOneEntry(benchmark::State& state) {
  const Prepared& p = prepared(static_cast<std::size_t>(state.range(0)));
  DictionaryStore& store = openIn(p);
  long middle = store.entryCount(kTarvikCzech) / 2;
  const Tslovicko original = store.readEntry(kTarvikCzech, middle);
  Tslovicko changed = original;
  for (auto _ : state) {
    changed.vyznam5 = changed.vyznam5 == "A" ? "B" : "A";
    store.writeEntry(kTarvikCzech, middle, changed);
  }
  store.writeEntry(kTarvikCzech, middle, original);
}
BENCHMARK(changeOneEntry)->Arg(100000)->Unit(benchmark::kMillisecond)->Repetitions(3);

// A dictionary written by another program in no particular order.
void sortShuffled(benchmark::State& state) {
  const Prepared& p = prepared(static_cast<std::size_t>(state.range(0)));
  std::vector<Tslovicko> shuffled = p.entries;
  WordGenerator random(3);
  for (std::size_t i = shuffled.size(); i > 1; --i) std::swap(shuffled[i - 1], shuffled[random.next() % i]);
  std::string fileName = (p.folder / "tc_slovnik.slk").string();
  for (auto _ : state) {
    state.PauseTiming();
    writeDictionaryFile(fileName, shuffled);
    DictionaryStore& store = openIn(p);
    state.ResumeTiming();
    store.sortDictionary(kTarvikCzech);
  }
  writeDictionaryFile(fileName, p.entries);
}
BENCHMARK(sortShuffled)->Arg(200000)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

void deleteFirst(benchmark::State& state) {
  const Prepared& p = prepared(static_cast<std::size_t>(state.range(0)));
  DictionaryStore& store = openIn(p);
  for (auto _ : state) store.deleteEntry(0, kTarvikCzech);
}
BENCHMARK(deleteFirst)->Arg(200000)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

// What the search window waits for when it first offers the words looked
// up: a full history read from its file. Must stay well under 20 ms.
void openFullHistory(benchmark::State& state) {
  const fs::path folder = benchFolder("store") / "history";
  fs::create_directories(folder);
  {
    std::ofstream file(folder / kHistoryFileName, std::ios::binary);
    for (std::size_t i = 0; i < kHistoryLength; ++i)
      file << "2026-12-07T18:57:33Z " << (i % 2 ? "tc" : "ct") << " SLOVO " << i << "\r\n";
  }
  for (auto _ : state) {
    LookupHistory history(folder.string());
    benchmark::DoNotOptimize(history.entries().size());
  }
}
BENCHMARK(openFullHistory)->Unit(benchmark::kMillisecond)->Repetitions(3);

}  // namespace

int main(int argc, char** argv) {
  return runBenchmarks(argc, argv, "store");
}
