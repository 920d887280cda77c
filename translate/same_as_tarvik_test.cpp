// The window's "Přeložit najednou" and tarvik translate --choices give the
// same translation, a line for a line, with the same remembered meanings.

#include <random>
#include <sstream>

#include "cp1250.h"
#include "import_format.h"
#include "lookup_history.h"
#include "main_window.h"
#include "meaning_choices.h"
#include "qt_app_fixture_test.h"
#include "store_fixture_test.h"
#include "tarvik_process.h"
#include "text_file.h"
#include "word_forms_loading.h"

namespace {

std::vector<std::string> words(const std::vector<std::string>& lines) {
  std::vector<std::string> all;
  for (const std::string& line : lines) {
    std::istringstream in(line);
    for (std::string word; in >> word;) all.push_back(word);
  }
  return all;
}

std::vector<std::string> split(const std::string& text, std::string_view end) {
  std::vector<std::string> lines;
  for (std::size_t from = 0, to; (to = text.find(end, from)) != std::string::npos; from = to + end.size())
    lines.push_back(text.substr(from, to - from));
  return lines;
}

class SameAsTarvik : public WindowTest<StoreTest> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    for (auto [dict, name] : {std::pair{kTarvikCzech, "tc_slovnik.txt"}, std::pair{kCzechTarvik, "ct_slovnik.txt"}})
      store->insertEntries(
          parseImportLines(readTextFile(Folder(), std::string(SAMPLE_DATA) + "/" + name), name).entries, dict);
  }

  // `count` lines of runs of the words of `text` (none to a dozen), each
  // run starting anywhere, now and then parted by a tab.
  std::vector<std::string> linesFrom(const std::vector<std::string>& text, int count) {
    const std::vector<std::string> all = words(text);
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
      std::size_t start = random() % all.size(), length = random() % 13;
      std::string line;
      for (std::size_t w = start; w < std::min(all.size(), start + length); ++w)
        line += (w == start ? "" : random() % 20 ? " " : "\t") + all[w];
      lines.push_back(line);
    }
    return lines;
  }

  // Rules a user could have made: a meaning of a headword, alone or after
  // a word of the text; and some that cannot apply (a word no dictionary
  // holds, a meaning its entry lacks).
  void chooseMeanings(Dict dict, const std::vector<std::string>& text, std::size_t count) {
    const std::vector<std::string> all = words(text);
    for (int i = 0; store->meaningChoices().rules().size() < count; ++i) {
      const Tslovicko entry = store->readEntry(dict, static_cast<long>(random() % store->entryCount(dict)));
      int filled = 0;  // meanings are slots 1 to 5
      while (filled < kMeaningCount && !entry.vyznam(filled + 1).empty()) ++filled;
      if (filled < 2) continue;  // a rule for the one meaning changes nothing
      const std::string meaning = i % 25 == 0 ? "NIKDE" : entry.vyznam(static_cast<int>(1 + random() % filled));
      const std::string previous = random() % 2 ? all[random() % all.size()] : "";
      store->meaningChoices().add(dict, previous, i % 40 == 1 ? "NIKDE" : entry.slovo, meaning);
    }
  }

  std::mt19937 random{20261207};
};

// Czech from a story, and the same story in Tarvik as the program gives it.
TEST_F(SameAsTarvik, TranslatesAtOnceAsTarvikDoesWithTheChosenMeanings) {
  std::vector<std::string> czech;
  for (const std::string& line : readTextFile(Folder(), STORY)) czech.push_back(cp1250Text(line));
  std::vector<std::string> tarvik;
  for (const std::string& line : czech) tarvik.push_back(store->translateText(line, kCzechTarvik, true).result);
  chooseMeanings(kTarvikCzech, tarvik, 200);
  chooseMeanings(kCzechTarvik, czech, 300);

  LookupHistory history(at("data"));
  WordFormsLoader loader(store->wordForms());
  Tokno window(*store, loader, history);
  window.rememberMeaningsItem->trigger();
  for (auto [dict, text, flag] : {std::tuple{kTarvikCzech, &tarvik, "tc"}, std::tuple{kCzechTarvik, &czech, "ct"}}) {
    const std::vector<std::string> lines = linesFrom(*text, 500);
    putFileBytes("text.txt", joinTextLines(lines));
    Finished run = runTarvik(
        {.args = {"--encoding", "cp1250", "translate", "--choices", "--dict", flag, at("text.txt")}, .dir = dir.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    (dict == kTarvikCzech ? window.Doetiny1 : window.Dotarviktiny1)->trigger();
    window.Vstup->setContent(joinTextLines(lines));
    window.rychleprelozit();
    const std::vector<std::string> shown = split(window.Vystup->content(), "\r\n");
    const std::vector<std::string> printed = split(run.out, "\n");
    ASSERT_EQ(shown.size(), lines.size());
    ASSERT_EQ(printed.size(), lines.size());
    int chosen = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(shown[i], printed[i]) << flag << " line " << i + 1 << ": " << lines[i];
      chosen += printed[i] != store->translateText(lines[i], dict, true).result;
    }
    EXPECT_GT(chosen, 20) << flag << ": too few lines where a remembered meaning counts";
  }
}

}  // namespace
