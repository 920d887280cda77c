#include "commands.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <unistd.h>

#include "exit_codes.h"
#include "import_format.h"
#include "io_error.h"
#include "job.h"
#include "lookup_history.h"
#include "meaning_choices.h"
#include "meaning_grid.h"
#include "text_file.h"
#include "word_forms.h"

namespace {

std::string recordFields(const std::string& headword, const std::array<std::string, kMeaningCount>& meanings) {
  std::string line = headword;
  for (const std::string& meaning : meanings) line += '\t' + meaning;
  return line;
}

std::array<std::string, kMeaningCount> meaningsOf(const Tslovicko& entry) {
  return {entry.vyznam1, entry.vyznam2, entry.vyznam3, entry.vyznam4, entry.vyznam5};
}

int print(const Job& job, const std::string& bytes) {
  printLine(bytes, job.request.encoding);
  return kExitDone;
}

// A record as list shows it: INDEX (from 0) and every field.
void printRecord(const Job& job, DictionaryStore* store, long index) {
  Tslovicko entry = store->readEntry(job.request.dict, index);
  print(job, std::to_string(index) + '\t' + recordFields(entry.slovo, meaningsOf(entry)));
}

ImportedEntries parseEntries(const Job& job, const std::string& source) {
  switch (job.request.format) {
    case FileFormat::kText: return parseImportLines(job.lines, source);
    case FileFormat::kTsv: return parseTableLines(job.lines, source);
    case FileFormat::kCsv: return parseCsvLines(job.lines, source, job.request.header);
  }
  return {};
}

void takeEntries(Job& job) {
  if (job.request.header && job.request.format != FileFormat::kCsv)
    throw UsageError("--header is for a CSV file: import --format csv --header");
  readInputLines(job);
  std::string source = inputName(job.request);
  ImportedEntries imported = parseEntries(job, source);
  settleFieldProblems(imported.problems, source, job.request, "imported");
  job.entries = std::move(imported.entries);
}

void takeMeanings(Job& job) {
  std::size_t given = job.texts.size() - 1;
  if (given > static_cast<std::size_t>(kMeaningCount))
    throw UsageError("insert takes at most five meanings, " + std::to_string(given) + " were given");
  std::vector<FieldProblem> problems;
  checkField(job.texts[0], 0, "the headword", problems);
  for (std::size_t i = 0; i < given; ++i) {
    job.meanings[i] = job.texts[i + 1];
    checkField(job.texts[i + 1], 0, "meaning " + std::to_string(i + 1), problems);
  }
  settleFieldProblems(problems, "", job.request, "inserted");
}

// Any whole number is accepted: one outside the records deletes nothing,
// however large it is.
void takeIndex(Job& job) {
  const std::string& text = job.request.arguments[0];
  std::string_view digits = text;
  bool negative = digits.starts_with('-');
  if (negative || digits.starts_with('+')) digits.remove_prefix(1);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
    throw UsageError("INDEX must be a whole number, not \"" + text + "\"");
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), job.index);
  if (negative || error != std::errc()) job.index = -1;
}

int translate(const Job& job, DictionaryStore* store) {
  long untranslated = 0;
  for (std::size_t i = 0; i < job.lines.size(); ++i) {
    LineTranslation translation =
        store->translateText(job.lines[i], job.request.dict, job.request.lookup, job.request.markUnknown,
                             job.request.choices);
    std::size_t next = 0;
    printLine(translation.result, job.request.encoding, job.lineStandIns[i], next);
    untranslated += translation.untranslatedCount;
  }
  printMessage(untranslated == 0 ? "Text byl přeložen celý" : "Text nebyl přeložen celý nebo vůbec",
               job.request.encoding);
  return kExitDone;
}

int grid(const Job& job, DictionaryStore* store) {
  std::size_t next = 0;
  for (const GridColumn& column : meaningColumns(*store, job.texts[0], job.request.dict, job.request.lookup)) {
    std::string line = column[0];
    for (int row = 1; row < kGridRows; ++row) line += '\t' + column[row];
    printLine(line, job.request.encoding, job.textStandIns, next);
  }
  return kExitDone;
}

int lookup(const Job& job, DictionaryStore* store) {
  FoundWord found = store->findWord(job.texts[0], job.request.dict, job.request.lookup);
  if (!found.found) return kExitNotFound;
  Tslovicko entry = store->readEntry(job.request.dict, found.position - 1);
  std::string line = std::to_string(found.position) + '\t' + recordFields(entry.slovo, found.meanings);
  if (job.request.lookup.forms || job.request.lookup.ignoreDiacritics)
    line += '\t' + describeFound(found.how, found.baseForm);
  return print(job, line);
}

int suggest(const Job& job, DictionaryStore* store) {
  std::vector<Suggestion> suggestions = store->suggestWords(job.texts[0], job.request.dict);
  for (const Suggestion& s : suggestions)
    print(job, std::to_string(s.position) + '\t' + s.headword + '\t' + std::to_string(s.distance));
  return suggestions.empty() ? kExitNotFound : kExitDone;
}

int search(const Job& job, DictionaryStore* store) {
  std::vector<FoundEntry> found = store->searchMeanings(job.texts[0], job.request.dict, job.request.lookup);
  for (const FoundEntry& entry : found) printRecord(job, store, entry.position - 1);
  return found.empty() ? kExitNotFound : kExitDone;
}

int prefix(const Job& job, DictionaryStore* store) {
  long position = store->findPrefix(job.texts[0], job.request.dict);
  if (position == 0) return kExitNotFound;
  return print(job, std::to_string(position) + '\t' + store->readEntry(job.request.dict, position - 1).slovo);
}

int list(const Job& job, DictionaryStore* store) {
  long count = store->entryCount(job.request.dict);
  for (long i = 0; i < count; ++i) printRecord(job, store, i);
  return kExitDone;
}

int count(const Job& job, DictionaryStore* store) {
  return print(job, std::to_string(store->entryCount(job.request.dict)) + '\t' +
                        std::to_string(store->countMeanings(job.request.dict)));
}

int insert(const Job& job, DictionaryStore* store) {
  store->insertWord(job.texts[0], job.meanings, job.request.dict, job.request.reverse);
  return kExitDone;
}

int deleteRecord(const Job& job, DictionaryStore* store) {
  store->deleteEntry(job.index, job.request.dict);
  return kExitDone;
}

// The table leaves the program, so it leaves in UTF-8, which tabfile and
// dictfmt --utf8 expect; it is written as the text export is.
int exportText(const Job& job, DictionaryStore* store) {
  Dict dict = job.request.dict;
  if (job.request.format == FileFormat::kTsv)
    writeTextFile(store->folder(), tableFileName(dict), fromWindows1250(store->dictionaryTable(dict), Encoding::kUtf8));
  else
    store->exportDictionary(dict);
  return kExitDone;
}

int importText(const Job& job, DictionaryStore* store) {
  store->insertEntries(job.entries, job.request.dict);
  return kExitDone;
}

int pronounce(const Job& job, DictionaryStore*) { return print(job, pronounceTarvik(job.texts[0])); }

int spell(const Job& job, DictionaryStore*) { return print(job, spellTarvik(job.texts[0])); }

int upcase(const Job& job, DictionaryStore*) { return print(job, upcaseCzText(job.texts[0])); }

// Local time, as ISO 8601 writes it with its offset: 2026-12-07T19:57:33+01:00.
std::string localTimeText(std::int64_t time) {
  std::time_t t = static_cast<std::time_t>(time);
  std::tm local{};
  ::localtime_r(&t, &local);
  char text[40];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
  std::string shown = text;
  return shown.insert(shown.size() - 2, ":");
}

int history(const Job& job, DictionaryStore*) {
  LookupHistory history(userDataFolder());
  if (job.request.clear) {
    history.clear();
    return kExitDone;
  }
  const std::vector<HistoryEntry>& entries = history.entries();
  for (const std::string& warning : history.takeWarnings()) reportError(warning, job.request.encoding);
  for (const HistoryEntry& e : entries)
    print(job, localTimeText(e.time) + (e.dict == kTarvikCzech ? "\ttc\t" : "\tct\t") + e.word);
  return kExitDone;
}

void takeRule(Job& job) {
  const Request& request = job.request;
  if (request.check + request.add + request.clear > 1)
    throw UsageError("choices takes one of --check, --add and --clear");
  if (!request.add) {
    if (request.after) throw UsageError("--after goes with --add: choices --add --after PREVIOUS WORD MEANING");
    if (!job.texts.empty()) throw UsageError("WORD and MEANING go with --add: choices --add WORD MEANING");
    return;
  }
  if (job.texts.size() != 2) throw UsageError("choices --add needs WORD and MEANING; see tarvik choices --help");
  std::vector<FieldProblem> problems;
  if (request.after) {
    job.previous = toWindows1250(*request.after, request.encoding, "the word before");
    checkField(job.previous, 0, "the word before", problems);
  }
  checkField(job.texts[0], 0, "the word", problems);
  checkField(job.texts[1], 0, "the meaning", problems);
  for (const FieldProblem& problem : problems) reportError(describeProblem(problem, "", false), request.encoding);
  if (!problems.empty()) throw UsageError("nothing was added");
  if (choiceKey(job.texts[0]).empty() || (request.after && choiceKey(job.previous).empty()))
    throw UsageError("nothing was added: a word needs more than spaces, quotes, brackets and marks");
  if (job.texts[1].empty()) throw UsageError("nothing was added: the meaning is empty");
}

// The rules as scripts read them: DIRECTION<TAB>PREVIOUS<TAB>WORD<TAB>MEANING,
// PREVIOUS empty for the word alone.
void printRule(const Job& job, const ChoiceRule& rule) {
  print(job, std::string(rule.dict == kTarvikCzech ? "tc" : "ct") + '\t' + rule.previous + '\t' + rule.word + '\t' +
                 rule.meaning);
}

// A file refused as too large is reported, and the command fails, rather
// than listing or adding nothing as if all were well.
int choices(const Job& job, DictionaryStore* store) {
  MeaningChoices& choices = store->meaningChoices();
  if (job.request.clear) {
    choices.clear();
    return kExitDone;
  }
  if (choices.refused()) {
    for (const StoreWarning& warning : store->takeWarnings()) reportError(warning.text, job.request.encoding);
    reportError(std::string("the remembered meanings in ") + kChoicesFileName +
                    " cannot be used; tarvik choices --clear forgets them",
                job.request.encoding);
    return kExitIo;
  }
  if (job.request.add) {
    choices.add(job.request.dict, job.previous, job.texts[0], job.texts[1]);
    return kExitDone;
  }
  // As the translation finds words by default.
  const std::vector<ChoiceRule> rules = job.request.check ? store->unusableChoices({.byPronunciation = true})
                                                          : choices.rules();
  for (const ChoiceRule& rule : rules) printRule(job, rule);
  return job.request.check && !rules.empty() ? kExitNotFound : kExitDone;
}

// Whether the job looks for Czech word forms: asked for, and on Czech words.
bool formsApply(const Job& job) {
  return job.request.lookup.forms && holdsCzechWords(job.request.dict, job.request.command->run == search);
}

// Hunspell's data is loaded before the work, so that a missing dictionary
// is reported once, up front. The run goes on: the forms of tvary.txt come
// without it, and the other ways of finding need none.
void prepareForms(const Job& job, WordForms& forms) {
  if (formsApply(job) && !forms.prepare()) reportError(forms.problem(), job.request.encoding);
}

}  // namespace

const std::vector<Command> kCommands = {
    {"translate", "Translate a text line by line",
     "Translates FILE, or standard input, word by word, two-word phrases first. Each input\n"
     "line gives one output line. Standard error then says \"Text byl přeložen celý\" when\n"
     "every word was found, else \"Text nebyl přeložen celý nebo vůbec\"; the exit status\n"
     "is 0 either way. Words are found as lookup finds them; with --mark-unknown each word\n"
     "left untranslated gets a * before it. A line with words left over is read again: a\n"
     "tab parts words too, and a word is also found inside the quotes, brackets and marks\n"
     "around it, which stay around its translation (\"(drom)!\" gives \"(MUŽ)!\"). A run\n"
     "without a letter (\"--\", \"3\") is no word: never marked or counted. A word holding\n"
     "a character that Windows-1250 lacks (an emoji, a Chinese character) is left\n"
     "untranslated as it was written, and standard error names the first such character\n"
     "and its line. With --choices a word takes the meaning chosen for it in the\n"
     "program's meaning grid (see choices): the one chosen after the word before it wins\n"
     "over the one chosen for the word alone, and a meaning the entry no longer holds is\n"
     "skipped. The word before is the word or phrase read before on the line; the first\n"
     "of a line has none.",
     {{"FILE", "plain text file in --encoding; standard input when left out or -", nullptr, false, false}},
     kDict | kPronunciation | kIgnoreDiacritics | kForms | kMarkUnknown | kChoices, readInputLines, translate, true},
    {"grid", "Show the meaning grid of a line",
     "Prints one line per column of the meaning grid for LINE: ITEM<TAB>M1<TAB>..<TAB>M5.\n"
     "Two words that form a phrase of the dictionary share one column; a word the\n"
     "dictionary lacks shows five empty meanings, as does a word holding a character that\n"
     "Windows-1250 lacks (standard error names the first such character).",
     {{"LINE", "the text to split into columns", "the line", true, false}},
     kDict | kPronunciation, nullptr, grid, true},
    {"lookup", "Look a word up",
     "Prints POSITION (from 1)<TAB>HEADWORD<TAB>M1<TAB>..<TAB>M5 of the first record for\n"
     "WORD. Case, apostrophes and spaces around WORD do not matter, and a Tarvik headword\n"
     "is also found by how it is pronounced (SHEE by \"shee\" and by its Czech spelling)\n"
     "unless --no-pronunciation is given. Then, each only when nothing was found yet,\n"
     "come the word without diacritics with --ignore-diacritics and its base forms with\n"
     "--forms; either option adds an eighth field saying how the word was found: exact,\n"
     "pronunciation, diacritics or \"form of MUŽ\". Not found: nothing is printed, exit\n"
     "status 1.",
     {{"WORD", "the word or two-word phrase to find", "the word", true, false}},
     kDict | kPronunciation | kIgnoreDiacritics | kForms, nullptr, lookup},
    {"suggest", "Suggest headwords near a word",
     "Prints POSITION (from 1)<TAB>HEADWORD<TAB>DISTANCE for up to ten headwords at most\n"
     "two edits from WORD, nearest first. Case, apostrophes and spaces around WORD do not\n"
     "count; a letter written twice is one edit, and so are two neighbouring letters\n"
     "swapped; in the Tarvik dictionary a spelling that sounds alike is one edit too. Of\n"
     "headwords as near, one that sounds as WORD does comes first, then one sharing a\n"
     "longer beginning with WORD, then file order. None, or a blank WORD: nothing is\n"
     "printed, exit status 1.",
     {{"WORD", "the word as typed, perhaps mistyped", "the word", true, false}}, kDict, nullptr, suggest},
    {"search", "Find records whose meanings hold a text",
     "Prints, as list does, every record with a meaning that holds TEXT as whole words,\n"
     "in file order. Case and apostrophes do not matter; --ignore-diacritics and --forms\n"
     "let each word of TEXT match as lookup would. A word holding a character that\n"
     "Windows-1250 lacks matches nothing (standard error names the first such\n"
     "character). None: nothing is printed, exit status 1.",
     {{"TEXT", "a word or words of a meaning", "the text", true, false}},
     kDict | kIgnoreDiacritics | kForms, nullptr, search, true},
    {"prefix", "Find the first headword starting with a text",
     "Prints POSITION (from 1)<TAB>HEADWORD of the first record whose headword starts\n"
     "with TEXT. Not found: nothing is printed, exit status 1.",
     {{"TEXT", "the beginning of a headword", "the text", true, false}}, kDict, nullptr, prefix},
    {"list", "List every record",
     "Prints every record in file order: INDEX (from 0)<TAB>HEADWORD<TAB>M1<TAB>..<TAB>M5.",
     {}, kDict, nullptr, list},
    {"count", "Count records and meanings",
     "Prints the number of records and of filled meaning slots: ENTRIES<TAB>MEANINGS.",
     {}, kDict, nullptr, count},
    {"insert", "Insert a word with its meanings",
     "Inserts HEADWORD with up to five MEANINGs into their slots in order, upper-cased, as\n"
     "the insertion window does. An empty MEANING (\"\") leaves its slot empty. The entry\n"
     "joins the first record of the same headword when all meanings fit there, else it\n"
     "becomes a record of its own; the dictionary is sorted afterwards. With --reverse\n"
     "each meaning first goes into the other dictionary with HEADWORD as its one meaning.\n"
     "A word holds at most 20 bytes of Windows-1250 (a Czech letter is one): a longer one\n"
     "is refused, each named on standard error, and nothing is written, unless\n"
     "--truncate cuts it. A control character (a TAB, a line break) is always refused.\n"
     "Put -- before arguments that begin with -.",
     {{"HEADWORD", "the word to insert", "the headword", true, false},
      {"MEANING", "up to five meanings, in slot order", "meaning", false, true}},
     kDict | kReverse | kTruncate, takeMeanings, insert},
    {"delete", "Delete a record",
     "Deletes the record at INDEX (from 0, as list shows it); the others keep their order.\n"
     "An INDEX outside the records deletes nothing.",
     {{"INDEX", "the record's index, a whole number", "INDEX", true, false}}, kDict, takeIndex, deleteRecord},
    {"export", "Export the dictionary as text or as a table",
     "Writes every filled meaning as a line \"HEADWORD - MEANING\" to tc_slovnik.txt or\n"
     "ct_slovnik.txt in the dictionary folder, in Windows-1250 with CR LF line ends.\n"
     "With --format tsv writes tc_slovnik.tsv or ct_slovnik.tsv instead, in UTF-8 with\n"
     "LF line ends, for StarDict's tabfile and dictfmt: one line HEADWORD<TAB>MEANINGS\n"
     "per headword, its meanings from all its records joined by \"; \" in file order.\n"
     "A headword without meanings gets no line. A backslash is written \\\\ (tabfile\n"
     "reads \\\\ as one backslash); a TAB, line end or other control character in a\n"
     "word becomes a space.",
     {}, kDict | kFormat, nullptr, exportText},
    {"import", "Import words from a text, TSV or CSV file",
     "Inserts the words of FILE (read in --encoding) as insert would, and sorts the\n"
     "dictionary at the end. --format text (the default) reads \"HEADWORD - MEANING\"\n"
     "lines, as export writes them (in Windows-1250: give --encoding cp1250); tsv reads\n"
     "\"HEADWORD<TAB>MEANING; MEANING\" lines, as export --format tsv writes them, \\\\\n"
     "for a backslash; csv reads a spreadsheet's rows HEADWORD,MEANING,... with RFC 4180\n"
     "quoting (semicolons for commas where the first row has more of them), a header row\n"
     "skipped with --header. Consecutive lines or rows of one headword form one entry of\n"
     "up to five meanings, further meanings another; blank lines, empty meanings and a\n"
     "UTF-8 byte-order mark are skipped. Before anything is written, a line not of the\n"
     "format is refused with its number, and every word over 20 bytes or holding a\n"
     "control character is listed with its line (--truncate imports the long ones cut).",
     {{"FILE", "the file to import; - for standard input", nullptr, true, false}},
     kDict | kImportFormat | kHeader | kTruncate, takeEntries, importText},
    {"history", "Show the words looked up in the program",
     "Prints the words looked up in the program's \"Hledat\" and \"Vyhledat\" windows and in\n"
     "its dictionary browser, newest first, the last 1000: TIME<TAB>DIRECTION<TAB>WORD, the time in\n"
     "ISO 8601 local time, the direction tc (Tarvik to Czech) or ct (Czech to Tarvik).\n"
     "The history is kept in historie.txt in the user's data folder\n"
     "($XDG_DATA_HOME/tarvik-slovnik, else ~/.local/share/tarvik-slovnik), whatever\n"
     "--dir names. A damaged file is set aside as historie.txt.poskozeny, with a\n"
     "warning on standard error, and the history starts afresh.",
     {}, kClear, nullptr, history},
    {"choices", "Show or change the meanings chosen in the meaning grid",
     "Prints the meanings chosen in place of the first, as the program's meaning grid\n"
     "remembers them and translate --choices uses them, one rule a line:\n"
     "DIRECTION<TAB>PREVIOUS<TAB>WORD<TAB>MEANING, PREVIOUS empty for the word alone,\n"
     "ordered by direction and word. They are kept in volby.txt in the dictionary folder\n"
     "(see the README for its format); unusable lines of it are named on standard error\n"
     "and skipped. --check prints only the rules whose word the dictionary lacks or whose\n"
     "meaning its entry no longer holds, with exit status 1 when there are any. --add\n"
     "remembers MEANING for WORD in --dict, only after the word PREVIOUS with --after;\n"
     "words are kept in capitals without the punctuation around them, and a field over\n"
     "20 bytes or holding a control character is refused. --clear forgets them all. A\n"
     "file of more than 100000 rules is not used: exit status 3 but with --clear.",
     {{"WORD", "with --add: the word or two-word phrase", "the word", false, false},
      {"MEANING", "with --add: its meaning, as the dictionary holds it", "the meaning", false, false}},
     kDict | kChoiceRules, takeRule, choices},
    {"pronounce", "Show how a Tarvik word is pronounced",
     "Prints the Czech pronunciation of the Tarvik WORD (capitals, as stored). Touches no file.",
     {{"WORD", "a Tarvik word", "the word", true, false}}, 0, nullptr, pronounce},
    {"spell", "Spell a word the Tarvik way",
     "Prints the Tarvik spelling of WORD written as a Czech reader says it. Touches no file.",
     {{"WORD", "a word as it sounds", "the word", true, false}}, 0, nullptr, spell},
    {"upcase", "Write a text in capitals",
     "Prints TEXT in capitals as the dictionary stores words, Czech letters included.\n"
     "Touches no file.",
     {{"TEXT", "any text", "the text", true, false}}, 0, nullptr, upcase},
};

const Command& findCommand(std::string_view name) {
  return *std::find_if(kCommands.begin(), kCommands.end(), [&](const Command& c) { return name == c.name; });
}

namespace {

// What the store got past (a damaged journal dropped, say) goes out before
// the command's own output, and is not lost when the command then fails.
void printWarnings(DictionaryStore& store, Encoding encoding) {
  for (const StoreWarning& warning : store.takeWarnings()) reportError(warning.text, encoding);
}

}  // namespace

int runJob(const Job& job) {
  const Command& command = *job.request.command;
  if (!(command.options & kDict)) return command.run(job, nullptr);
  DictionaryStore store(job.request.dir.empty() ? "." : job.request.dir);
  printWarnings(store, job.request.encoding);
  prepareForms(job, store.wordForms());
  int code = command.run(job, &store);
  printWarnings(store, job.request.encoding);
  return code;
}
