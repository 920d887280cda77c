#pragma once

// The meanings the user chose in the meaning grid in place of the first one,
// kept beside the dictionaries so that the translation can use them again.
//
// The file, volby.txt: Windows-1250 text, one rule a line, each line ending
// in CR LF, its fields parted by one TAB:
//
//   tc<TAB>DROM<TAB>muž                  DROM alone: "muž"
//   tc<TAB>STARÝ<TAB>DROM<TAB>manžel     DROM after STARÝ: "manžel"
//
// the direction (tc Tarvik to Czech, ct Czech to Tarvik), the word before
// (only in a rule of four fields), the word or two-word phrase, and the
// meaning as the dictionary holds it. Words are kept in capitals without the
// punctuation around them; a person may write them in any case. No field is
// empty, holds a control character or more than 20 bytes. A later line for
// the same words replaces an earlier one; blank lines are skipped. A line of
// any other shape is reported once, with its number, and the rest are used;
// the line itself is kept, at the end of the file, when the file is written
// again. A file of more than kMaxChoices rules (or too large to hold no more)
// is not used, which is said once, and never written over but by clear().
//
// Each change rewrites the whole file through a scratch copy synced before
// it replaces the old one, as the dictionaries' rewrites do: a crash loses
// at most that change. A file another program changed is taken up again at
// the next use.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "choice_table.h"
#include "dictionary_store.h"
#include "posix_file.h"

constexpr char kChoicesFileName[] = "volby.txt";
// Ten times what a year of daily translating would choose; a file holding
// more is not read, so that a damaged or runaway one cannot stall a start.
constexpr std::size_t kMaxChoices = 100000;
constexpr std::chrono::milliseconds kRecheckInterval{100};

struct ChoiceRule {
  Dict dict = kCzechTarvik;
  std::string previous;  // empty: the word alone
  std::string word;
  std::string meaning;
  bool operator==(const ChoiceRule&) const = default;
};

class MeaningChoices {
 public:
  // Names volby.txt in `folder`; nothing is read before the first use.
  explicit MeaningChoices(const Folder& folder);

  // The rules in order of direction, word and word before (the word alone
  // first).
  std::vector<ChoiceRule> rules();
  // Sets the rule of `word` after `previous` (none when empty), both taken
  // as choiceKey makes them. False, writing nothing, for an empty word or
  // meaning, a field over 20 bytes or with a control character, or a file
  // that was refused.
  bool add(Dict dict, std::string_view previous, std::string_view word, std::string_view meaning);
  // The grid's choice, in one write: `meaning` for `word` after `previous`
  // and for `word` alone; an empty meaning forgets both rules instead. False,
  // writing nothing, as for add().
  bool remember(Dict dict, std::string_view previous, std::string_view word, std::string_view meaning);
  // Forgets every rule and removes the file, a refused one too.
  void clear();

  // The meaning of `meanings` (those found for `word`) that the rules choose
  // for `word` after `previous`, both as written (choiceKey makes their
  // keys): the rule after the word before wins over the word alone; a rule
  // whose meaning the entry no longer holds is skipped. Slot 0 when none
  // applies. It runs for every word a translation finds, so it takes the
  // file up only through anyFor().
  ChosenMeaning choose(Dict dict, std::string_view previous, std::string_view word,
                       const std::array<std::string, kMeaningCount>& meanings) {
    return choose(dict, ChoiceWord(dict, previous), ChoiceWord(dict, word), meanings);
  }
  // The same with keys made in `dict`, which a translation makes once a word.
  ChosenMeaning choose(Dict dict, const ChoiceWord& previous, const ChoiceWord& word,
                       const std::array<std::string, kMeaningCount>& meanings) {
    if (heldFor[dict == kTarvikCzech] == 0) return {};
    if (!tableCurrent) makeTable();
    return table.choose(previous, word, meanings);
  }
  // Whether any rule is held for `dict`; a translation without any asks
  // nothing. Asked once a line, it looks at the file at most every
  // kRecheckInterval, so that a change by another program counts from the
  // next translation on without a stat for every line.
  bool anyFor(Dict dict);

  // A file too large to read, left as it is.
  bool refused();
  // Lines that could not be used and a refused file, each said once, as
  // sentences in UTF-8 naming the file (its path as the system spells it).
  std::vector<std::string> takeWarnings();

 private:
  void takeUp();
  void load();
  FileHandle lockForChange();
  // Writes the rules through the locked copy lockForChange() gave.
  void save(FileHandle scratch);
  // Removes the copy lockForChange() made, which is not needed; false.
  bool dropScratch();
  static std::string scratchLabel();
  static std::string keyOf(Dict dict, std::string_view previous, std::string_view word);
  void forgetAll();
  void hold(const ChoiceRule& rule);

  const Folder& folder;
  std::unordered_map<std::string, std::string> held;
  std::size_t heldFor[2] = {0, 0};
  std::vector<std::string> unusable;  // lines kept as read
  std::set<std::string> told;         // unusable lines already reported
  std::vector<std::string> warnings;
  FileStamp known;
  bool loaded = false;
  bool tooLarge = false;
  std::chrono::nanoseconds checked{0};  // when takeUp() last looked, by coarseNow()
  // `held` laid out for choose(), made again at the first choice after a
  // change.
  ChoiceTable table;
  bool tableCurrent = false;
  void makeTable();
};
