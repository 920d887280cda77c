#include "meaning_choices.h"

#include <fcntl.h>
#include <time.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>

#include "cp1250.h"
#include "io_error.h"
#include "letters.h"
#include "open_dictionaries.h"
#include "text_file.h"

namespace {

constexpr char kChoicesScratchName[] = "volby.txt.novy";
// The longest rule: "tc", four fields of 20 bytes, three TABs and CR LF.
constexpr off_t kMaxLineSize = 2 + 4 * kFieldCapacity + 3 + 2;
constexpr off_t kMaxFileSize = kMaxLineSize * static_cast<off_t>(kMaxChoices);

bool isControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }

bool fitsAField(std::string_view text) {
  return !text.empty() && text.size() <= kFieldCapacity && std::none_of(text.begin(), text.end(), [](char c) { return isControl(c); });
}

// The clock anyFor() reads for every line translated: a coarse clock costs
// a few nanoseconds where steady_clock costs some twenty, and its few
// milliseconds of slack are nothing against kRecheckInterval.
std::chrono::nanoseconds coarseNow() {
#ifdef CLOCK_MONOTONIC_COARSE
  constexpr clockid_t kClock = CLOCK_MONOTONIC_COARSE;
#else
  constexpr clockid_t kClock = CLOCK_MONOTONIC;
#endif
  timespec now;
  clock_gettime(kClock, &now);
  return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

std::optional<ChoiceRule> parseRule(std::string_view line) {
  std::array<std::string_view, 4> fields;
  std::size_t count = 0;
  for (std::size_t start = 0;;) {
    if (count == fields.size()) return std::nullopt;
    const std::size_t tab = line.find('\t', start);
    fields[count++] = line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  if (count != 3 && count != 4) return std::nullopt;
  if (fields[0] != "tc" && fields[0] != "ct") return std::nullopt;
  ChoiceRule rule;
  rule.dict = fields[0] == "tc" ? kTarvikCzech : kCzechTarvik;
  if (count == 4) {
    if (!fitsAField(fields[1])) return std::nullopt;
    rule.previous = choiceKey(fields[1]);
    if (rule.previous.empty()) return std::nullopt;
  }
  std::string_view word = fields[count - 2], meaning = fields[count - 1];
  if (!fitsAField(word) || !fitsAField(meaning)) return std::nullopt;
  rule.word = choiceKey(word);
  rule.meaning = meaning;
  if (rule.word.empty()) return std::nullopt;
  return rule;
}

ChoiceRule ruleOf(const std::string& key, const std::string& meaning) {
  const std::size_t tab = key.find('\t');
  return {key[0] == '1' ? kTarvikCzech : kCzechTarvik, key.substr(1, tab - 1), key.substr(tab + 1), meaning};
}

}  // namespace

MeaningChoices::MeaningChoices(const Folder& folder) : folder(folder) {}

std::string MeaningChoices::keyOf(Dict dict, std::string_view previous, std::string_view word) {
  std::string key(1, dict == kTarvikCzech ? '1' : '0');
  key += previous;
  key += '\t';
  key += word;
  return key;
}

void MeaningChoices::forgetAll() {
  held.clear();
  heldFor[0] = heldFor[1] = 0;
  unusable.clear();
  tableCurrent = false;
}

void MeaningChoices::hold(const ChoiceRule& rule) {
  tableCurrent = false;
  auto [at, added] = held.insert_or_assign(keyOf(rule.dict, rule.previous, rule.word), rule.meaning);
  heldFor[rule.dict == kTarvikCzech] += added;
}

void MeaningChoices::takeUp() {
  struct stat st;
  FileStamp now;
  if (folder.stat(kChoicesFileName, &st))
    now = stampOf(st);
  else if (errno != ENOENT)
    throwIoError(errno, folder.pathOf(kChoicesFileName));
  checked = coarseNow();
  if (loaded && now == known) return;
  // Also when volby.txt is missing: a crash in its very first write, or
  // before a clear, leaves the copy with no file to take up.
  folder.removeLeftover(kChoicesScratchName);
  forgetAll();
  tooLarge = false;
  known = now;
  // A file that could not be read is read again at the next use.
  loaded = false;
  if (now != FileStamp()) load();
  loaded = true;
}

void MeaningChoices::load() {
  const std::string path = folder.pathOf(kChoicesFileName);
  auto refuse = [&] {
    forgetAll();
    tooLarge = true;
    const std::string warning = path + " holds more than " + std::to_string(kMaxChoices) +
                                " remembered meanings: they are not used, and the file is left as it is";
    if (told.insert(warning).second) warnings.push_back(warning);
  };
  if (known.size > kMaxFileSize) return refuse();
  const std::vector<std::string> lines = splitTextLines(readWholeFile(folder, kChoicesFileName));
  held.reserve(lines.size());
  for (std::size_t number = 0; number < lines.size(); ++number) {
    const std::string& line = lines[number];
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    if (std::optional<ChoiceRule> rule = parseRule(line)) {
      hold(*rule);
      if (held.size() > kMaxChoices) return refuse();
      continue;
    }
    unusable.push_back(line);
    if (told.insert(line).second)
      warnings.push_back(path + ", line " + std::to_string(number + 1) +
                         ": not DIRECTION<TAB>[WORD BEFORE<TAB>]WORD<TAB>MEANING, so it is not used: " +
                         cp1250ToUtf8(line));
  }
}

// Taken before the rules are read for a change and held to the rename of
// their new copy, so that programs changing them at once do so one after
// the other, each starting from the rules the one before left.
FileHandle MeaningChoices::lockForChange() {
  FileHandle scratch = folder.lockedFile(kChoicesScratchName, 0600);
  if (!scratch.isOpen()) throwIoError(errno, scratchLabel());
  return scratch;
}

std::string MeaningChoices::scratchLabel() {
  return std::string(kChoicesScratchName) + " (the new copy of " + kChoicesFileName + ")";
}

void MeaningChoices::save(FileHandle scratch) {
  std::vector<ChoiceRule> all = rules();
  std::string bytes;
  for (const ChoiceRule& rule : all) {
    std::string line = rule.dict == kTarvikCzech ? "tc\t" : "ct\t";
    if (!rule.previous.empty()) line += rule.previous + '\t';
    appendTextLine(bytes, line + rule.word + '\t' + rule.meaning);
  }
  for (const std::string& line : unusable) appendTextLine(bytes, line);
  struct stat st;
  const mode_t mode = folder.stat(kChoicesFileName, &st) ? st.st_mode & 07777 : modeForNewFile();
  folder.replaceFile(std::move(scratch), kChoicesFileName, bytes, mode, kChoicesScratchName, scratchLabel());
  if (!folder.stat(kChoicesFileName, &st)) throwIoError(errno, folder.pathOf(kChoicesFileName));
  known = stampOf(st);
}

std::vector<ChoiceRule> MeaningChoices::rules() {
  takeUp();
  std::vector<ChoiceRule> all;
  all.reserve(held.size());
  for (const auto& [key, meaning] : held) all.push_back(ruleOf(key, meaning));
  std::sort(all.begin(), all.end(), [](const ChoiceRule& a, const ChoiceRule& b) {
    return std::tie(a.dict, a.word, a.previous) < std::tie(b.dict, b.word, b.previous);
  });
  return all;
}

bool MeaningChoices::add(Dict dict, std::string_view previous, std::string_view word, std::string_view meaning) {
  dict = dict == kTarvikCzech ? kTarvikCzech : kCzechTarvik;
  const std::string before = choiceKey(previous), item = choiceKey(word);
  if (item.empty() || !fitsAField(item) || !fitsAField(meaning) || (!previous.empty() && !fitsAField(before)))
    return false;
  FileHandle scratch = lockForChange();
  takeUp();
  if (tooLarge) return dropScratch();
  hold({dict, before, item, std::string(meaning)});
  save(std::move(scratch));
  return true;
}

bool MeaningChoices::remember(Dict dict, std::string_view previous, std::string_view word, std::string_view meaning) {
  dict = dict == kTarvikCzech ? kTarvikCzech : kCzechTarvik;
  const std::string before = choiceKey(previous), item = choiceKey(word);
  if (item.empty() || !fitsAField(item) || (!meaning.empty() && !fitsAField(meaning))) return false;
  FileHandle scratch = lockForChange();
  takeUp();
  if (tooLarge) return dropScratch();
  std::vector<std::string> befores = {""};
  if (!before.empty() && fitsAField(before)) befores.push_back(before);
  for (const std::string& after : befores) {
    if (meaning.empty()) {
      heldFor[dict == kTarvikCzech] -= held.erase(keyOf(dict, after, item));
      tableCurrent = false;
    } else {
      hold({dict, after, item, std::string(meaning)});
    }
  }
  save(std::move(scratch));
  return true;
}

bool MeaningChoices::dropScratch() {
  folder.remove(kChoicesScratchName);
  return false;
}

void MeaningChoices::clear() {
  FileHandle scratch = lockForChange();
  forgetAll();
  tooLarge = false;
  known = FileStamp();
  loaded = true;
  if (!folder.remove(kChoicesFileName) && errno != ENOENT) throwIoError(errno, folder.pathOf(kChoicesFileName));
  dropScratch();
  folder.syncFolderOf(kChoicesFileName);
}

bool MeaningChoices::anyFor(Dict dict) {
  if (!loaded || coarseNow() - checked >= kRecheckInterval) takeUp();
  return heldFor[dict == kTarvikCzech] > 0;
}

bool MeaningChoices::refused() {
  takeUp();
  return tooLarge;
}

std::vector<std::string> MeaningChoices::takeWarnings() { return std::exchange(warnings, {}); }

void MeaningChoices::makeTable() {
  table.build(held);
  tableCurrent = true;
}

MeaningChoices& DictionaryStore::meaningChoices() { return dictionaries->choices; }

bool DictionaryStore::rememberMeaning(std::string_view previous, std::string_view item, std::string_view meaning,
                                      Dict dict, const LookupOptions& options) {
  const FoundWord found = findWordInText(item, dict, options).word;
  if (!found.found || meaning.empty() || std::find(found.meanings.begin(), found.meanings.end(), meaning) == found.meanings.end())
    return false;
  // The first meaning forgets both rules: a rule kept for either would still
  // pull the translation away from the meaning the user went back to.
  return dictionaries->choices.remember(dict, previous, item, meaning == found.meanings[0] ? "" : meaning);
}

ChosenMeaning DictionaryStore::chosenMeaning(std::string_view previous, std::string_view item, Dict dict,
                                             const std::array<std::string, kMeaningCount>& meanings) {
  MeaningChoices& choices = dictionaries->choices;
  if (!choices.anyFor(dict)) return {};
  return choices.choose(dict, previous, item, meanings);
}

std::vector<ChoiceRule> DictionaryStore::unusableChoices(const LookupOptions& options) {
  std::vector<ChoiceRule> unusable;
  for (ChoiceRule& rule : dictionaries->choices.rules()) {
    const FoundWord found = findWordInText(rule.word, rule.dict, options).word;
    if (!found.found || std::find(found.meanings.begin(), found.meanings.end(), rule.meaning) == found.meanings.end())
      unusable.push_back(std::move(rule));
  }
  return unusable;
}
