#include "word_forms.h"

#include <fcntl.h>
#include <hunspell.hxx>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "cp1250.h"
#include "import_format.h"
#include "io_error.h"
#include "letters.h"
#include "posix_file.h"
#include "record_format.h"
#include "text_file.h"

namespace {

constexpr const char* kSystemHunspellData = "/usr/share/hunspell/cs_CZ";
constexpr const char* kHunspellDataVariable = "TARVIK_HUNSPELL_CS";

// At 10-20 µs a spell check, 256 spellings cost a few milliseconds, once per
// word thanks to the cache; they reach every spelling with up to three
// diacritics put back in a word of ordinary length.
constexpr std::size_t kMaxSpellings = 256;
// A text repeats its words, so a few thousand answers keep a translation from
// asking Hunspell twice; the cache starts anew when full.
constexpr std::size_t kMaxCachedWords = 4096;

using Bases = std::vector<std::string>;

void addOnce(Bases& bases, std::string base) {
  if (std::find(bases.begin(), bases.end(), base) == bases.end()) bases.push_back(std::move(base));
}

// The irregular-forms file as last read, keyed by the upper-cased form and
// by the form without diacritics.
struct IrregularForms {
  std::string path;  // empty when there is no file
  FileStamp stamp;
  std::unordered_map<std::string, Bases> byForm, byFoldedForm;
};

}  // namespace

// The warnings have a lock of their own, so that taking them never waits
// for Hunspell to load.
struct WordForms::Told {
  std::mutex mutex;
  std::vector<std::string> warnings;
  std::set<std::string> reported;  // each warning is given once a run
};

// Everything else behind one mutex: Hunspell keeps scratch state in its
// dictionary object, so even look-ups must not run side by side.
struct WordForms::State {
  State(const Folder& folder, Told& told, std::string hunspellBase = {})
      : folder(folder), told(told), hunspellBase(std::move(hunspellBase)) {}
  const Folder& folder;
  Told& told;
  std::string hunspellBase;  // set by useHunspellData; empty: the environment's or the system's
  enum class Load { notTried, loaded, failed } load = Load::notTried;
  std::unique_ptr<Hunspell> hunspell;
  bool dictionaryInUtf8 = true;  // else in Windows-1250
  std::string problem;
  std::unordered_map<std::string, Bases> stemCache;
  IrregularForms irregular;

  void warnOnce(std::vector<std::string> warnings);
  void readIrregularForms(const std::string& path, const struct stat& st);
  void refreshIrregularForms();
  void loadHunspell();
  std::string toDictionary(const std::string& spelling) const;
  std::optional<std::string> fromDictionary(const std::string& word) const;
  void addStems(Bases& bases, std::string spelling);
  const Bases& hunspellBases(const std::string& lower, bool ignoreDiacritics);
};

namespace {

std::string_view trimmed(std::string_view text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A UTF-8 line as a message quotes it, its control bytes written out.
std::string shownLine(std::string_view utf8) {
  std::string shown;
  for (char c : utf8) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(c));
    shown += isControlByte(c) ? escaped : std::string(1, c);
  }
  return shown;
}

// Why a line cannot give a form and its base form; empty when it can.
// Spaces and tabs around a word do not count.
std::string flawOf(const std::optional<ExportLine>& split) {
  if (!split) return "expected \"FORM - BASE\", found no \" - \"";
  if (splitExportLine(split->meaning)) return "expected \"FORM - BASE\", found \" - \" twice";
  std::string_view form = trimmed(split->headword), base = trimmed(split->meaning);
  if (form.empty() || base.empty()) return "expected \"FORM - BASE\", found an empty word";
  for (std::string_view word : {form, base})
    if (std::any_of(word.begin(), word.end(), isControlByte)) return "it holds a control character";
  if (form.size() > kFieldCapacity || base.size() > kFieldCapacity)
    return "a word is longer than " + std::to_string(kFieldCapacity) + " bytes, which no headword can be";
  return {};
}

void addIrregularBases(Bases& bases, const std::unordered_map<std::string, Bases>& table, const std::string& key) {
  auto found = table.find(key);
  if (found == table.end()) return;
  for (const std::string& base : found->second) addOnce(bases, base);
}

std::string missingDataProblem(const std::string& path, int code) {
  return "Czech word forms need Hunspell's Czech dictionary, but " + path + " cannot be read (" +
         failureText(code) + "). Install it with \"sudo apt install hunspell-cs\", or set " +
         kHunspellDataVariable + " to another one.";
}


}  // namespace

// All of a reading's at once, so that a window taking them meanwhile never
// shows half of them.
void WordForms::State::warnOnce(std::vector<std::string> warnings) {
  std::lock_guard lock(told.mutex);
  for (std::string& warning : warnings)
    if (told.reported.insert(warning).second) told.warnings.push_back(std::move(warning));
}

// A file saved as UTF-8, as most editors save it now, is taken as such; an
// older one, as the program writes its files, as Windows-1250. Text in
// Windows-1250 with a Czech letter in it is never well-formed UTF-8.
void WordForms::State::readIrregularForms(const std::string& path, const struct stat& st) {
  IrregularForms& forms = irregular;
  const std::string shownPath = folder.pathOf(path);
  std::string bytes;
  try {
    if (!S_ISREG(st.st_mode)) throw IoError(EINVAL, "Not a regular file: " + shownPath);
    bytes = readWholeFile(folder, path);
  } catch (const IoError& e) {
    // The forms only widen a look-up: a file that cannot be read must not
    // stop the look-up itself.
    warnOnce({std::string(e.what()) + "; no irregular word forms are used"});
    return;
  }
  const bool utf8 = isWellFormedUtf8(bytes) && std::any_of(bytes.begin(), bytes.end(), [](char c) { return c & 0x80; });
  if (utf8 && bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
  std::vector<std::string> lines = splitTextLines(bytes), leftOut;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string line = std::move(lines[i]);
    if (trimmed(line).empty()) continue;
    std::string shown = utf8 ? line : cp1250ToUtf8(line), flaw;
    if (utf8) {
      Utf8Decoded decoded = utf8ToCp1250(line);
      if (decoded.ok) line = std::move(decoded.bytes);
      else flaw = decoded.error;
    }
    std::optional<ExportLine> split = splitExportLine(line);
    if (flaw.empty()) flaw = flawOf(split);
    if (!flaw.empty()) {
      leftOut.push_back(shownPath + ", line " + std::to_string(i + 1) + " \"" + shownLine(shown) + "\": " + flaw +
                        "; the line is left out");
      continue;
    }
    std::string form = upcaseCzText(trimmed(split->headword));
    std::string base = upcaseCzText(trimmed(split->meaning));
    forms.byFoldedForm[foldedKey(form)].push_back(base);
    forms.byForm[std::move(form)].push_back(std::move(base));
  }
  warnOnce(std::move(leftOut));
}

// The folder's own file, else the one installed with the program; read again
// whenever the file changed since it was read.
void WordForms::State::refreshIrregularForms() {
  std::string path = kIrregularFormsFileName;
  struct stat st {};
  if (!folder.stat(path, &st)) {
    path = TARVIK_INSTALLED_FORMS;
    if (!folder.stat(path, &st)) path.clear();
  }
  FileStamp stamp = path.empty() ? FileStamp{} : stampOf(st);
  if (path == irregular.path && stamp == irregular.stamp) return;
  irregular = IrregularForms{path, stamp, {}, {}};
  if (!path.empty()) readIrregularForms(path, st);
}

void WordForms::State::loadHunspell() {
  std::string base = hunspellBase;
  const char* fromEnvironment = std::getenv(kHunspellDataVariable);
  if (base.empty()) base = fromEnvironment && *fromEnvironment ? fromEnvironment : kSystemHunspellData;
  const std::string aff = base + ".aff", dic = base + ".dic";
  // Hunspell itself takes a missing file for an empty dictionary.
  for (const std::string& path : {aff, dic}) {
    if (!Folder().open(path, O_RDONLY).isOpen()) {
      problem = missingDataProblem(path, errno);
      load = Load::failed;
      return;
    }
  }
  auto hunspell = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
  const std::string& encoding = hunspell->get_dict_encoding();
  bool utf8 = encoding == "UTF-8" || encoding == "utf-8";
  if (!utf8 && encoding.find("1250") == std::string::npos) {
    problem = aff + " is in the encoding " + encoding +
                    "; Czech word forms can use only a dictionary in UTF-8 or Windows-1250.";
    load = Load::failed;
    return;
  }
  this->hunspell = std::move(hunspell);
  dictionaryInUtf8 = utf8;
  problem.clear();
  load = Load::loaded;
}

std::string WordForms::State::toDictionary(const std::string& spelling) const {
  return dictionaryInUtf8 ? cp1250ToUtf8(spelling) : spelling;
}

// nullopt for a word that Windows-1250 cannot spell.
std::optional<std::string> WordForms::State::fromDictionary(const std::string& word) const {
  if (!dictionaryInUtf8) return word;
  Utf8Decoded decoded = utf8ToCp1250(word);
  if (!decoded.ok) return std::nullopt;
  return std::move(decoded.bytes);
}

// Adds Hunspell's stems of a lower-case spelling. Names are in the dictionary
// with a capital, which a lower-case spelling does not match, so the
// spelling with a capital is asked too.
void WordForms::State::addStems(Bases& bases, std::string spelling) {
  for (int capital = 0; capital < 2; ++capital) {
    if (capital) spelling[0] = upcaseCz(spelling[0]);
    for (const std::string& stem : hunspell->stem(toDictionary(spelling)))
      if (std::optional<std::string> bytes = fromDictionary(stem)) addOnce(bases, upcaseCzText(*bytes));
  }
}

const Bases& WordForms::State::hunspellBases(const std::string& lower, bool ignoreDiacritics) {
  std::string key = lower + (ignoreDiacritics ? '\1' : '\0');
  auto cached = stemCache.find(key);
  if (cached != stemCache.end()) return cached->second;
  if (stemCache.size() >= kMaxCachedWords) stemCache.clear();
  Bases bases;
  addStems(bases, lower);
  if (ignoreDiacritics)
    for (const std::string& spelling : spellingsWithDiacritics(lower, kMaxSpellings))
      if (hunspell->spell(toDictionary(spelling))) addStems(bases, spelling);
  return stemCache.emplace(std::move(key), std::move(bases)).first->second;
}

WordForms::WordForms(const Folder& folder)
    : told(std::make_unique<Told>()), state(std::make_unique<State>(folder, *told)) {}

WordForms::~WordForms() = default;

bool WordForms::prepare() {
  std::lock_guard lock(mutex);
  if (state->load != State::Load::loaded) state->loadHunspell();
  state->refreshIrregularForms();
  return state->load == State::Load::loaded;
}

std::string WordForms::problem() {
  std::lock_guard lock(mutex);
  return state->problem;
}

std::vector<std::string> WordForms::baseFormsOf(std::string_view word, bool ignoreDiacritics) {
  std::lock_guard lock(mutex);
  State& s = *state;
  const std::string upper = upcaseCzText(word);
  Bases bases;
  s.refreshIrregularForms();
  addIrregularBases(bases, s.irregular.byForm, upper);
  if (ignoreDiacritics) addIrregularBases(bases, s.irregular.byFoldedForm, foldedKey(upper));
  if (s.load == State::Load::notTried) s.loadHunspell();
  if (s.load == State::Load::loaded && !word.empty() && word.size() <= kLongestCzechWord)
    for (const std::string& base : s.hunspellBases(downcaseCzText(word), ignoreDiacritics)) addOnce(bases, base);
  // Hunspell takes a prefix off an irregular form and stops ("nemá" -> MÁ,
  // "nebude" -> BUDU): the irregular forms lead on from there.
  for (std::size_t i = 0, stems = bases.size(); i < stems; ++i) {
    const std::string stem = bases[i];
    addIrregularBases(bases, s.irregular.byForm, stem);
  }
  std::erase(bases, upper);
  return bases;
}

std::vector<std::string> WordForms::takeWarnings() {
  std::lock_guard lock(told->mutex);
  return std::exchange(told->warnings, {});
}

void WordForms::useHunspellData(std::string base) {
  std::lock_guard lock(mutex);
  state = std::make_unique<State>(state->folder, *told, std::move(base));
  std::lock_guard toldLock(told->mutex);
  told->warnings.clear();
  told->reported.clear();
}
