// Speed of the dictionary browser on a dictionary of a million records: what
// the user waits for when the window is shown or activated, and after each
// key typed into its search box. Each measurement includes painting the
// window. Run through scripts/bench.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <filesystem>

#include "browser_window.h"
#include "error_report.h"
#include "generator.h"
#include "dictionary_store.h"
#include "qt_text.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRecords = 1000000;

fs::path folder() { return benchFolder("browser"); }

// The dictionary is written once per run; every benchmark opens it afresh.
const std::vector<Tslovicko>& dictionary() {
  static const std::vector<Tslovicko> entries = [] {
    std::vector<Tslovicko> made = makeDictionary(kRecords, 42 + kRecords);
    fs::create_directories(folder());
    writeDictionaryFile((folder() / "tc_slovnik.slk").string(), made);
    writeDictionaryFile((folder() / "ct_slovnik.slk").string(), {});
    return made;
  }();
  return entries;
}

// The store opened afresh on the dictionary, as at a start.
DictionaryStore& openDictionary() {
  dictionary();
  return openStore(folder());
}

// The browser's history of looked-up words, beside the dictionary.
LookupHistory& history() {
  static LookupHistory words((folder() / "data").string());
  return words;
}

// The browser as the program has it once the user has opened it.
Tukaz_slovnik* openBrowser(DictionaryStore& store) {
  auto* browser = new Tukaz_slovnik(store, history());
  browser->showModeless();
  QApplication::processEvents();
  return browser;
}

void settle() { QApplication::processEvents(); }

void activationUnchanged(benchmark::State& state) {
  Tukaz_slovnik* browser = openBrowser(openDictionary());
  for (auto _ : state) {
    browser->prelozitClick();
    settle();
  }
  delete browser;
}
BENCHMARK(activationUnchanged)->Unit(benchmark::kMillisecond)->Repetitions(3);

// The record the editor changes in place, different from what the file
// holds now whatever earlier runs wrote: its fifth meaning, and with
// `newHeadword` the last letter of its headword.
Tslovicko edited(DictionaryStore& store, long index, bool newHeadword) {
  Tslovicko entry = store.readEntry(kTarvikCzech, index);
  entry.vyznam5 = entry.vyznam5.empty() ? "NOV\xDD" : "";
  if (newHeadword) entry.slovo.back() = entry.slovo.back() == 'X' ? 'Y' : 'X';
  return entry;
}

// The editor changed a record meanwhile: the rows are counted again. The
// write itself is not measured. A new headword also makes the store build
// its look-up tables again at the first look-up, whichever window makes it.
void activationAfterAnEdit(benchmark::State& state) {
  DictionaryStore& store = openDictionary();
  Tukaz_slovnik* browser = openBrowser(store);
  long index = 0;
  for (auto _ : state) {
    state.PauseTiming();
    store.writeEntry(kTarvikCzech, index, edited(store, index, state.range(0) != 0));
    index = (index + 7919) % static_cast<long>(kRecords);
    state.ResumeTiming();
    browser->prelozitClick();
    settle();
  }
  state.counters["rows"] = browser->vypis_slovicek->rowTotal();
  delete browser;
}
BENCHMARK(activationAfterAnEdit)->ArgName("newHeadword")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
    ->Iterations(10)->Repetitions(3);

// What the open browser costs the editor: its listing holds the records, so
// the store writes to a copy of them.
void editWhileListed(benchmark::State& state) {
  DictionaryStore& store = openDictionary();
  Tukaz_slovnik* browser = state.range(0) != 0 ? openBrowser(store) : nullptr;
  if (browser == nullptr) store.findWord("", kTarvikCzech, false);
  long index = 0;
  for (auto _ : state) {
    store.writeEntry(kTarvikCzech, index, edited(store, index, false));
    index = (index + 7919) % static_cast<long>(kRecords);
    if (browser != nullptr) {
      state.PauseTiming();
      browser->prelozitClick();  // lists the new records, as an activation would
      state.ResumeTiming();
    }
  }
  delete browser;
}
BENCHMARK(editWhileListed)->ArgName("browserOpen")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
    ->Iterations(10)->Repetitions(3);

// One key typed: the search text grows by a letter, or loses one, as the
// user types and corrects a word, and each change searches at once.
void instantSearchKeystroke(benchmark::State& state) {
  Tukaz_slovnik* browser = openBrowser(openDictionary());
  WordGenerator random(11);
  std::vector<QString> texts;
  for (int i = 0; i < 256; ++i) {
    std::string word = random.tarvikWord();
    if (i % 3 == 0) word = pronounceTarvik(word);  // typed as it sounds: the spelling attempt runs
    for (std::size_t length = 1; length <= word.size(); ++length)
      texts.push_back(toQt(word.substr(0, length)));
  }
  std::size_t i = 0, found = 0;
  for (auto _ : state) {
    browser->najit->setText(texts[i++ % texts.size()]);
    settle();
    found += browser->StatusBar1->panelText(0) == "Nalezena \xE8\xE1st";
  }
  state.counters["found%"] = 100.0 * static_cast<double>(found) / static_cast<double>(state.iterations());
  delete browser;
}
BENCHMARK(instantSearchKeystroke)->Unit(benchmark::kMillisecond)->Repetitions(3);

// Start-up: the window is created on a dictionary no one has read yet, so
// this includes reading the file and building the store's look-up tables.
void creationAfterStart(benchmark::State& state) {
  dictionary();
  for (auto _ : state) delete new Tukaz_slovnik(openDictionary(), history());
}
BENCHMARK(creationAfterStart)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  Application app(argc, argv);
  return runBenchmarks(argc, argv, "browser");
}
