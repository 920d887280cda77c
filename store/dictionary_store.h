#pragma once

// The dictionary store: the two dictionary files of one folder, kept open for
// as long as the store lives, with their help file and Czech word forms, and
// every operation the windows and the command line use on them. The program
// and tarvik each open one store and hand it to whatever needs it. Text is
// Windows-1250 bytes throughout. File failures throw IoError; "not found" is
// always a result.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io_error.h"
#include "letters.h"
#include "posix_file.h"
#include "record_format.h"

class MeaningChoices;
class OpenDictionaries;
class WordForms;
struct ChoiceRule;
struct ChosenMeaning;

// Selects a dictionary: 1 is Tarvik to Czech (tc_slovnik.slk), every other
// value Czech to Tarvik (ct_slovnik.slk). Callers pass the state of a control.
using Dict = std::uint8_t;
constexpr Dict kTarvikCzech = 1;
constexpr Dict kCzechTarvik = 0;

const char* dictionaryFileName(Dict dict);
const char* exportFileName(Dict dict);
const char* tableFileName(Dict dict);

// Something the store got past without stopping, not yet reported.
struct StoreWarning {
  enum class About : std::uint8_t {
    dictionary,     // a journal damaged and dropped, or not applied: a sentence naming its file
    irregularForms,  // a line of tvary.txt left out, or the file unread: its path, line and text, in UTF-8
    meaningChoices   // a line of volby.txt not used, or the file unread: its path, line and text, in UTF-8
  };
  About about;
  std::string text;
};

// The records as they stood when taken, for a window that shows a whole
// dictionary. They never change afterwards: later writes leave them as they
// were. Taken again with no change between, they are the same records, so a
// caller can tell that nothing changed without comparing them.
class EntriesSnapshot {
 public:
  EntriesSnapshot() = default;
  explicit EntriesSnapshot(std::shared_ptr<const std::string> records) : records(std::move(records)) {}
  long count() const { return records ? static_cast<long>(records->size() / kRecordSize) : 0; }
  // Entry `index` from 0, which must be below count(); meaning slots from 1.
  std::string_view headword(long index) const { return fieldText(record(index), 0); }
  // Empty for a slot without a meaning.
  std::string_view meaning(long index, int slot) const { return fieldText(record(index), slot); }
  // The slots with a meaning.
  int meaningCount(long index) const {
    int count = 0;
    for (int slot = 1; slot <= kMeaningCount; ++slot) count += record(index)[slot * kFieldSize] != 0;
    return count;
  }
  bool sameAs(const EntriesSnapshot& other) const { return records == other.records; }

 private:
  const char* record(long index) const { return records->data() + static_cast<std::size_t>(index) * kRecordSize; }
  std::shared_ptr<const std::string> records;
};

// Lookups. Queries are upper-cased with upcaseCz and apostrophes are ignored
// on both sides. Positions count records from 1; 0 is "not found". A word
// that misses is tried once more without the spaces around it, and without
// the apostrophes around it for the word forms.
//
// Beyond the headword as stored, a look-up may try, each only when asked and
// only after everything before it found nothing: the pronunciation (a Tarvik
// headword pronounced as the word is written), the word without diacritics
// ("zena" finds ŽENA) and Czech word forms ("muže" finds MUŽ). With all of
// them off a look-up is exactly the headword look-up.
struct LookupOptions {
  bool byPronunciation = false;
  bool forms = false;
  bool ignoreDiacritics = false;
};
// Czech words have forms, Tarvik words none: the forms option applies to the
// headwords of the Czech dictionary and to the meanings of the Tarvik one.
constexpr bool holdsCzechWords(Dict dict, bool meanings) { return (dict == kTarvikCzech) == meanings; }
enum class FoundBy : std::uint8_t { exact, pronunciation, diacritics, form };
struct FoundWord {
  bool found = false;
  long position = 0;
  std::array<std::string, kMeaningCount> meanings;
  FoundBy how = FoundBy::exact;
  std::string baseForm;  // the base form that was found, when how == form
};
// "exact", "pronunciation", "diacritics" or "form of MUŽ".
std::string describeFound(FoundBy how, std::string_view baseForm);
struct FoundEntry {
  long position = 0;
  FoundBy how = FoundBy::exact;
  std::string baseForm;
};
// Real text puts punctuation around its words: "(muž)", „Žena“, "muž!".
// A word of a text missing as written is looked up again without the quotes,
// brackets and marks at its ends (!?:;…–—), which are given back to go
// around its meaning: "(muž)" gives MUŽ's meanings with "(" and ")".
struct WordInText {
  FoundWord word;
  std::string before, after;  // empty when the word was found as written
};
struct Suggestion {
  long position = 0;
  std::string headword;
  int distance = 0;
};
constexpr int kMaxSuggestionDistance = 2;
constexpr std::size_t kMaxSuggestions = 10;

// The meanings given in the insertion window's boxes, by slot.
using GivenMeanings = std::array<std::optional<std::string>, kMeaningCount>;

// Translation of text, word by word, two-word phrases first.
struct LineTranslation {
  std::string result;
  long untranslatedCount = 0;
};
struct PhraseAtResult {
  std::string result;  // the n-th word, or it and the next word joined by one space
  int taken = 0;       // 1 when the two words form a phrase of the dictionary
};
int countWords(std::string_view text);

// The tables of a dictionary's look-ups and searches, which take most of a
// second to build at a million records, taken from the store to be built on
// a worker thread (DictionaryStore::tablesToBuild).
class TablesToBuild {
 public:
  TablesToBuild();
  ~TablesToBuild();
  TablesToBuild(TablesToBuild&&) noexcept;
  TablesToBuild& operator=(TablesToBuild&&) noexcept;

  // Runs on any thread: it reads nothing but records that no one changes.
  // Short of memory it builds nothing, and the tables are built on first use,
  // where the failure is reported.
  void build();

 private:
  friend class DictionaryStore;
  struct Work;
  std::unique_ptr<Work> work;
};

class DictionaryStore {
 public:
  // Opens both dictionaries in `folder`, creating a missing one empty, and
  // takes the folder's tvary.txt for the word forms. Finishes what a crash
  // cut off: a change whose journal reached the disk is made whole, and a
  // scratch file left by a rewrite is removed. A missing folder, or a file
  // that is none, is an IoError naming it. The crash tests give an
  // `observer`, told of every change to the store's files from the first.
  explicit DictionaryStore(const std::string& folder, DiskObserver observer = {});
  ~DictionaryStore();
  DictionaryStore(const DictionaryStore&) = delete;
  DictionaryStore& operator=(const DictionaryStore&) = delete;

  // What the store got past without stopping: the dictionaries' warnings in
  // the order met, then those of the word forms. Asking takes them.
  std::vector<StoreWarning> takeWarnings();

  // The folder the store's files are named in.
  const Folder& folder() const;
  WordForms& wordForms();
  // The help file napoveda.txt of the folder (help_file.h), held open from
  // openHelpFile() on; the program opens it, tarvik never does.
  void openHelpFile();
  std::vector<std::string> readHelpLines() const;

  long entryCount(Dict dict);
  // Record `index`, counted from 0; past the last record is an IoError.
  Tslovicko readEntry(Dict dict, long index);
  // Writes `entry` unchanged (no upper-casing, no sorting) at `index`;
  // index == entryCount() appends.
  void writeEntry(Dict dict, long index, const Tslovicko& entry);
  // Orders the records by headword: byte by byte, unsigned, a shorter headword
  // before a longer one that starts with it; equal headwords keep their order.
  void sortDictionary(Dict dict);
  // Removes record `index`; the others keep their order. An index outside the
  // records removes nothing.
  void deleteEntry(long index, Dict dict);
  // Filled meaning slots in all records, or in the first n.
  long countMeanings(Dict dict);
  long countMeaningsBefore(Dict dict, long n);
  // All records as they stand now.
  EntriesSnapshot entriesNow(Dict dict);

  // The first record in file order found by the first way of `options` that
  // finds any.
  FoundWord findWord(std::string_view word, Dict dict, const LookupOptions& options);
  FoundWord findWord(std::string_view word, Dict dict, bool byPronunciation) {
    return findWord(word, dict, LookupOptions{.byPronunciation = byPronunciation});
  }

  // Every record found by that same first way, in file order (MUŽ and MŮŽE
  // for "muze").
  std::vector<FoundEntry> findAllWords(std::string_view word, Dict dict, const LookupOptions& options);

  // A word of a text, looked up as described at WordInText.
  WordInText findWordInText(std::string_view text, Dict dict, const LookupOptions& options);
  // The first record in file order whose headword starts with `word`.
  long findPrefix(std::string_view word, Dict dict);

  // The headwords nearest to `word` by edit distance, at most 2, at most 10,
  // one per headword; none for a word of nothing but spaces and apostrophes.
  // Apostrophes and the spaces around the word do not count; a letter written
  // twice is one edit, and so are two neighbouring letters swapped. In the
  // Tarvik dictionary a spelling that sounds alike is one edit, plus how far
  // apart the sounds are. Nearest first; of as near ones, a headword that
  // sounds as the word does (Tarvik), then one sharing a longer beginning with
  // it, then file order.
  std::vector<Suggestion> suggestWords(std::string_view word, Dict dict);

  // Every record with a meaning that holds `text` as a whole word or a run of
  // whole words, in file order. The forms and diacritics options widen what a
  // word of `text` matches; pronunciation plays no part.
  std::vector<FoundEntry> searchMeanings(std::string_view text, Dict dict, const LookupOptions& options);

  // Adds an entry, upper-cased: into the first record of the same headword when
  // all meanings fit there, else as a new record at the end. Does not sort.
  void insertEntry(Tslovicko entry, Dict dict);

  // One word as the insertion window enters it: the meanings that were given
  // (an empty text is a given, empty meaning) keep the slot of their box. With
  // `reverse`, each given meaning first goes into the other dictionary as a
  // headword of its own with `headword` as its one meaning, each followed by a
  // sort of that dictionary; then the entry goes in and its dictionary is sorted.
  // Each dictionary file changes once, in one step: a failure or a kill leaves
  // it as it was before the insertion or as it is after it, nothing between.
  void insertWord(const std::string& headword, const GivenMeanings& meanings, Dict dict, bool reverse);
  // insertEntry of each entry in turn, then a sort; the file changes once, in
  // one step, as for insertWord.
  void insertEntries(const std::vector<Tslovicko>& entries, Dict dict);

  // With markUnknown, each word left untranslated gets a "*" before it. With
  // withChoices, a word found takes the meaning the user chose for it
  // (meaningChoices(); the word before is the item read before it on the
  // line, a word or a two-word phrase, found or not; the first item of a line
  // has none) instead of its first; without, nothing of volby.txt is read. A line
  // with words left untranslated is read again: split at tabs too, and each
  // word missing as written looked up as findWordInText does, its punctuation
  // around its translation ("(muž)" -> "(DROM)"). A run without a letter
  // ("--", "3", "–"; a stand-in for a character the code page lacks counts as
  // one, see kStandIn) is no word: never counted or marked.
  LineTranslation translateText(std::string_view text, Dict dict, const LookupOptions& options,
                                bool markUnknown = false, bool withChoices = false);
  LineTranslation translateText(std::string_view text, Dict dict, bool byPronunciation) {
    return translateText(text, dict, LookupOptions{.byPronunciation = byPronunciation});
  }

  PhraseAtResult phraseAt(int n, std::string_view text, Dict dict, const LookupOptions& options);

  // The meanings the user chose, in volby.txt of the store's folder
  // (meaning_choices.h), read at their first use.
  MeaningChoices& meaningChoices();
  // The meaning grid's choice of `meaning` for the column `item` (a word or
  // phrase as the grid shows it, punctuation and all) after the column
  // `previous` (empty for the first column): remembered for the item after
  // the previous one and for the item alone; the entry's first meaning
  // forgets both rules instead. False, changing nothing, when the item is not
  // found or its entry does not hold `meaning`, or the rule cannot be kept
  // (a word over 20 bytes, a file refused as too large).
  bool rememberMeaning(std::string_view previous, std::string_view item, std::string_view meaning, Dict dict,
                       const LookupOptions& options);
  // Which of `meanings` (those found for `item`) the translation with choices
  // takes after `previous`, as the grid may mark it; items as for
  // rememberMeaning.
  ChosenMeaning chosenMeaning(std::string_view previous, std::string_view item, Dict dict,
                              const std::array<std::string, kMeaningCount>& meanings);
  // The rules that cannot apply: their word is not found with `options`, or
  // its entry no longer holds their meaning.
  std::vector<ChoiceRule> unusableChoices(const LookupOptions& options);

  // Writes every filled meaning as "HEADWORD - MEANING" to tc_slovnik.txt or
  // ct_slovnik.txt in the store's folder.
  void exportDictionary(Dict dict);

  // The dictionary as a table for other dictionary programs (StarDict's
  // tabfile, dictfmt), still in Windows-1250: one line per headword, ended by
  // LF, "HEADWORD<TAB>MEANING; MEANING; ...". The meanings of every record of
  // the headword go on its one line in file order, the lines in the order the
  // headwords first appear. tabfile reads "\n", "\t" and "\\" in both fields as
  // escapes, so a backslash is written "\\" and comes out as stored. A control
  // character would break the line or the entry and becomes a space. A field
  // of nothing but spaces then counts as empty: an empty meaning is skipped,
  // and a headword without a meaning, or an empty one, gets no line.
  std::string dictionaryTable(Dict dict);

  // The program builds the tables of the look-ups and searches ahead, so
  // that the first ones a person starts answer at once: on this thread it
  // takes the records of a dictionary (reading them when not read yet),
  // builds on a worker thread, and hands the tables back on this thread. A
  // dictionary that changed meanwhile drops them and builds its own on first
  // use, as it always may. Both calls stay on the thread that uses the store.
  TablesToBuild tablesToBuild(Dict dict);
  void adoptTables(TablesToBuild built);

 private:
  std::unique_ptr<OpenDictionaries> dictionaries;
};
