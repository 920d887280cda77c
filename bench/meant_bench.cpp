// Speed of finding what the user means at a million records: without
// diacritics, by word form, near a mistyped word, and inside meanings. Run
// through scripts/bench. The Czech headwords come from Hunspell's Czech
// dictionary (hunspell-cs), padded with made-up words to the size asked.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <map>
#include <set>
#include <thread>

#include "cp1250.h"
#include "dictionary_store.h"
#include "generator.h"
#include "letters.h"
#include "open_dictionaries.h"
#include "word_forms.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kCzechData = "/usr/share/hunspell/cs_CZ";

// The base words of Hunspell's Czech dictionary, upper-cased Windows-1250.
std::vector<std::string> czechWords() {
  std::vector<std::string> words;
  std::ifstream in(std::string(kCzechData) + ".dic");
  std::string line;
  std::getline(in, line);  // the count
  while (std::getline(in, line)) {
    Utf8Decoded word = utf8ToCp1250(line.substr(0, line.find('/')));
    if (word.ok && !word.bytes.empty() && word.bytes.size() <= kFieldCapacity)
      words.push_back(upcaseCzText(word.bytes));
  }
  return words;
}

fs::path folder() { return benchFolder("meant"); }

struct Prepared {
  std::vector<Tslovicko> czech;   // Czech to Tarvik, real Czech headwords first
  std::vector<Tslovicko> tarvik;  // Tarvik to Czech, made up
  DictionaryStore* store = nullptr;  // opened on them by the last openedWith
};

// Both dictionaries of `records` records each, written and opened.
const Prepared& openedWith(std::size_t records) {
  static std::map<std::size_t, Prepared> cache;
  auto [at, fresh] = cache.try_emplace(records);
  Prepared& p = at->second;
  if (fresh) {
    WordGenerator random(11);
    std::set<std::string> seen;
    auto add = [&](std::string headword) {
      Tslovicko& e = p.czech.emplace_back();
      e.slovo = std::move(headword);
      e.vyznam1 = random.tarvikWord();
    };
    for (std::string& word : czechWords())
      if (p.czech.size() < records && seen.insert(word).second) add(word);
    while (p.czech.size() < records) add(random.czechWord());
    std::stable_sort(p.czech.begin(), p.czech.end(),
                     [](const Tslovicko& a, const Tslovicko& b) { return std::string_view(a.slovo) < b.slovo; });
    p.tarvik = makeDictionary(records, 5);
  }
  fs::path here = folder() / std::to_string(records);
  if (fresh) {
    fs::create_directories(here);
    writeDictionaryFile((here / "ct_slovnik.slk").string(), p.czech);
    writeDictionaryFile((here / "tc_slovnik.slk").string(), p.tarvik);
  }
  p.store = &openStore(here);
  return p;
}

std::string withoutDiacritics(const std::string& word) {
  std::string plain;
  for (char c : word) plain += foldDiacritics(c);
  return plain;
}

// Czech words as a real text has them: the fortunes' words, inflected.
std::vector<std::string> czechTextWords() {
  std::vector<std::string> words;
  std::ifstream in("/usr/share/games/fortunes/cs/citace");
  std::string token;
  while (in >> token && words.size() < 20000) {
    Utf8Decoded word = utf8ToCp1250(token);
    if (!word.ok) continue;
    std::string letters;
    for (char c : word.bytes)
      if (static_cast<unsigned char>(c) >= 0x80 || std::isalpha(static_cast<unsigned char>(c))) letters += c;
    if (!letters.empty()) words.push_back(letters);
  }
  return words;
}

void findWithoutDiacritics(benchmark::State& state) {
  const Prepared& p = openedWith(static_cast<std::size_t>(state.range(0)));
  std::vector<std::string> words;
  WordGenerator random(3);
  for (int i = 0; i < 4096; ++i) words.push_back(withoutDiacritics(p.czech[random.next() % p.czech.size()].slovo));
  LookupOptions options{.ignoreDiacritics = true};
  p.store->findWord("", kCzechTarvik, options);
  std::size_t i = 0, found = 0;
  for (auto _ : state) found += p.store->findWord(words[i++ % words.size()], kCzechTarvik, options).found;
  state.counters["found%"] = 100.0 * static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(findWithoutDiacritics)->Arg(1000000)->Repetitions(3);

void loadWordForms(benchmark::State& state) {
  // Loading reads no file of the folder.
  Folder workingFolder;
  WordForms forms(workingFolder);
  for (auto _ : state) {
    forms.useHunspellData(kCzechData);
    if (!forms.prepare()) state.SkipWithError("hunspell-cs is not installed");
  }
}
BENCHMARK(loadWordForms)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

// Every word of the text that is no headword as it stands, once: each
// look-up stems a word it has not seen.
void findByWordForm(benchmark::State& state) {
  DictionaryStore& store = *openedWith(static_cast<std::size_t>(state.range(0))).store;
  std::vector<std::string> words = czechTextWords();
  std::erase_if(words, [&](const std::string& word) { return store.findWord(word, kCzechTarvik, false).found; });
  if (words.empty() || !store.wordForms().prepare())
    state.SkipWithError("fortunes-cs or hunspell-cs is not installed");
  LookupOptions options{.forms = true};
  store.findWord("", kCzechTarvik, options);
  std::size_t i = 0, found = 0;
  for (auto _ : state) {
    if (i == words.size()) {
      state.PauseTiming();
      store.wordForms().useHunspellData(kCzechData);  // forget what was stemmed
      store.wordForms().prepare();
      i = 0;
      state.ResumeTiming();
    }
    found += store.findWord(words[i++], kCzechTarvik, options).found;
  }
  state.counters["found%"] = 100.0 * static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(findByWordForm)->Arg(1000000)->Unit(benchmark::kMicrosecond)->Repetitions(3);

// Twelve-letter headwords with two letters changed.
void suggestForTwelveLetters(benchmark::State& state) {
  const Prepared& p = openedWith(static_cast<std::size_t>(state.range(0)));
  std::vector<std::string> words;
  WordGenerator random(9);
  for (const Tslovicko& e : p.czech)
    if (std::string_view(e.slovo).size() == 12 && random.next() % 8 == 0 && words.size() < 256) {
      std::string typo = e.slovo;
      typo[random.next() % 12] = 'X';
      typo.erase(random.next() % 11, 1);
      words.push_back(typo);
    }
  p.store->suggestWords("", kCzechTarvik);
  std::size_t i = 0, suggested = 0;
  for (auto _ : state) suggested += p.store->suggestWords(words[i++ % words.size()], kCzechTarvik).size();
  state.counters["per word"] = static_cast<double>(suggested) / static_cast<double>(state.iterations());
}
BENCHMARK(suggestForTwelveLetters)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(3);

void searchInsideMeanings(benchmark::State& state) {
  const Prepared& p = openedWith(static_cast<std::size_t>(state.range(0)));
  std::vector<std::string> words;
  WordGenerator random(13);
  for (int i = 0; i < 64; ++i) words.push_back(p.tarvik[random.next() % p.tarvik.size()].vyznam1);
  DictionaryStore& store = *p.store;
  store.searchMeanings("", kTarvikCzech, {});
  auto start = std::chrono::steady_clock::now();
  store.searchMeanings("VODA", kTarvikCzech, {.ignoreDiacritics = true});
  state.counters["first ms"] = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::size_t i = 0, found = 0;
  for (auto _ : state)
    found += store.searchMeanings(words[i++ % words.size()], kTarvikCzech, {.ignoreDiacritics = true}).size();
  state.counters["found"] = static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(searchInsideMeanings)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(3);

// The first look-up, suggestion and search a person starts one second after
// the program has opened its dictionaries, each on a store of its own, as
// the first of its kind: with the tables built ahead on worker threads as
// the program builds them (arg 1), or each built by the first that needs it
// (arg 0). The time is the three together.
void firstSearchesAfterStart(benchmark::State& state) {
  const bool ahead = state.range(0) == 1;
  const fs::path here = folder() / "1000000";
  openedWith(1000000);
  const std::pair<const char*, std::function<void(DictionaryStore&)>> firsts[] = {
      {"look-up ms", [](DictionaryStore& store) {
         store.findAllWords("koradrom", kTarvikCzech, {.byPronunciation = true, .ignoreDiacritics = true});
       }},
      {"suggestion ms", [](DictionaryStore& store) { store.suggestWords("koradorm", kTarvikCzech); }},
      {"search ms",
       [](DictionaryStore& store) { store.searchMeanings("voda", kTarvikCzech, {.ignoreDiacritics = true}); }},
  };
  std::size_t tablesBytes = 0;
  for (auto _ : state) {
    double total = 0;
    for (const auto& [name, first] : firsts) {
      DictionaryStore& store = openStore(here);
      // Each worker gives back its tables and when it was done.
      using Built = std::pair<TablesToBuild, std::chrono::steady_clock::time_point>;
      std::vector<std::future<Built>> building;
      const auto opened = std::chrono::steady_clock::now();
      for (Dict dict : {kTarvikCzech, kCzechTarvik}) {
        if (!ahead) break;
        building.push_back(std::async(std::launch::async, [tables = store.tablesToBuild(dict)]() mutable {
          tables.build();
          return Built(std::move(tables), std::chrono::steady_clock::now());
        }));
      }
      std::this_thread::sleep_for(std::chrono::seconds(1));
      // A worker not done by now leaves the first to build what it needs.
      for (std::future<Built>& tables : building) {
        if (tables.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
          state.counters["late"] += 1;
          continue;
        }
        Built built = tables.get();
        store.adoptTables(std::move(built.first));
        double readyMs = std::chrono::duration<double, std::milli>(built.second - opened).count();
        state.counters["built ms"] = std::max<double>(state.counters["built ms"], readyMs);
      }
      auto start = std::chrono::steady_clock::now();
      first(store);
      double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      state.counters[name] = ms;
      total += ms;
    }
    state.SetIterationTime(total / 1000);
  }
  // What every table of both dictionaries takes, over the records themselves.
  OpenDictionaries apart(here.string(), {});
  for (Dict dict : {kTarvikCzech, kCzechTarvik}) {
    DictionaryIndex& index = apart.currentIndex(dict);
    index.adopt(DictionaryIndex::buildTables(index.snapshot()));
    tablesBytes += index.memoryUsed() - index.records().capacity();
  }
  state.counters["tables MB"] = static_cast<double>(tablesBytes) / 1e6;
}
BENCHMARK(firstSearchesAfterStart)->Arg(0)->Arg(1)->UseManualTime()->Iterations(1)->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return runBenchmarks(argc, argv, "meant");
}
