#include "lookup_history.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <utility>

#include "io_error.h"
#include "letters.h"
#include "text_file.h"

namespace {

constexpr std::size_t kTimeLength = 20;  // 2026-12-07T18:57:33Z
// The line of the longest word, with its CR LF, times the lines held.
constexpr off_t kMaxFileSize = (kTimeLength + 4 + kHistoryWordLength + 2) * kHistoryLength;
constexpr char kScratchName[] = "historie.txt.novy";

bool isControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }

std::string timeText(std::int64_t time) {
  std::time_t t = static_cast<std::time_t>(time);
  std::tm utc{};
  ::gmtime_r(&t, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

std::optional<std::int64_t> parseTime(std::string_view text) {
  static constexpr char kShape[] = "dddd-dd-ddTdd:dd:ddZ";
  if (text.size() != kTimeLength) return std::nullopt;
  for (std::size_t i = 0; i < kTimeLength; ++i) {
    bool digit = text[i] >= '0' && text[i] <= '9';
    if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) return std::nullopt;
  }
  auto number = [&](std::size_t at, std::size_t length) {
    int value = 0;
    for (std::size_t i = at; i < at + length; ++i) value = value * 10 + (text[i] - '0');
    return value;
  };
  std::tm utc{};
  utc.tm_year = number(0, 4) - 1900;
  utc.tm_mon = number(5, 2) - 1;
  utc.tm_mday = number(8, 2);
  utc.tm_hour = number(11, 2);
  utc.tm_min = number(14, 2);
  utc.tm_sec = number(17, 2);
  const std::tm asWritten = utc;
  std::time_t time = ::timegm(&utc);
  // timegm carries 2026-02-30 over into March; a date that moved was none.
  if (utc.tm_year != asWritten.tm_year || utc.tm_mday != asWritten.tm_mday || utc.tm_mon != asWritten.tm_mon || utc.tm_hour != asWritten.tm_hour ||
      utc.tm_min != asWritten.tm_min || utc.tm_sec != asWritten.tm_sec)
    return std::nullopt;
  return time;
}

std::optional<HistoryEntry> parseLine(std::string_view line) {
  if (line.size() < kTimeLength + 5 || line[kTimeLength] != ' ' || line[kTimeLength + 3] != ' ') return std::nullopt;
  std::optional<std::int64_t> time = parseTime(line.substr(0, kTimeLength));
  std::string_view direction = line.substr(kTimeLength + 1, 2);
  std::string_view word = line.substr(kTimeLength + 4);
  if (!time || (direction != "tc" && direction != "ct")) return std::nullopt;
  if (word.size() > kHistoryWordLength || word.front() == ' ' || word.back() == ' ' ||
      std::any_of(word.begin(), word.end(), isControl))
    return std::nullopt;
  return HistoryEntry{*time, direction == "tc" ? kTarvikCzech : kCzechTarvik, std::string(word)};
}

std::string homeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  const passwd* user = ::getpwuid(::getuid());
  return user && user->pw_dir ? user->pw_dir : "/";
}

}  // namespace

std::string userDataFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  std::string base = data && data[0] == '/' ? data : homeFolder() + "/.local/share";
  return base + "/tarvik-slovnik";
}

LookupHistory::LookupHistory(std::string folder, DiskObserver observer)
    : folderPath(std::move(folder)), observer(std::move(observer)) {}

LookupHistory::~LookupHistory() = default;

std::string LookupHistory::filePath() const { return folderPath + "/" + kHistoryFileName; }

std::vector<std::string> LookupHistory::takeWarnings() { return std::exchange(warnings, {}); }

bool LookupHistory::openFolder() {
  if (folder) return true;
  struct stat st;
  if (!Folder().stat(folderPath, &st)) {
    if (errno == ENOENT) return false;
    throwIoError(errno, folderPath);
  }
  folder = std::make_unique<Folder>(folderPath, observer);
  folder->removeLeftover(kScratchName);
  return true;
}

void LookupHistory::takeUp() {
  struct stat st;
  FileStamp now;
  if (openFolder() && folder->stat(kHistoryFileName, &st))
    now = stampOf(st);
  else if (folder && errno != ENOENT)
    throwIoError(errno, filePath());
  if (loaded && now == known) return;
  held.clear();
  known = now;
  // A file that could not be read is read again at the next use, and no
  // change is written over it meanwhile.
  loaded = false;
  if (now != FileStamp()) load();
  loaded = true;
}

void LookupHistory::load() {
  if (known.size > kMaxFileSize) return setAside("it is larger than a history of " + std::to_string(kHistoryLength) +
                                                 " words can be");
  const std::string bytes = readWholeFile(*folder, kHistoryFileName);
  std::size_t number = 0;
  for (std::size_t start = 0; start < bytes.size(); ++number) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string_view line(bytes.data() + start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    start = end + 1;
    std::optional<HistoryEntry> entry = parseLine(line);
    if (!entry) return setAside("line " + std::to_string(number + 1) + " is damaged");
    if (number == kHistoryLength)
      return setAside("it holds more than " + std::to_string(kHistoryLength) + " words");
    held.push_back(std::move(*entry));
  }
}

void LookupHistory::setAside(const std::string& problem) {
  held.clear();
  folder->rename(kHistoryFileName, kDamagedHistoryName);
  known = FileStamp();
  warnings.push_back("The history of looked-up words " + filePath() + " could not be read (" + problem +
                     "): it starts afresh, and the old file is kept as " + folderPath + "/" +
                     kDamagedHistoryName + ".");
}

const std::vector<HistoryEntry>& LookupHistory::entries() {
  takeUp();
  return held;
}

std::vector<std::string> LookupHistory::wordsFor(Dict dict) {
  std::vector<std::string> words;
  for (const HistoryEntry& entry : entries())
    if ((entry.dict == kTarvikCzech) == (dict == kTarvikCzech)) words.push_back(entry.word);
  return words;
}

void LookupHistory::remember(Dict dict, std::string_view word) {
  if (!recording) return;
  std::string cleaned(word);
  std::replace_if(cleaned.begin(), cleaned.end(), isControl, ' ');
  const std::size_t first = cleaned.find_first_not_of(' ');
  if (first == std::string::npos) return;
  cleaned = cleaned.substr(first, cleaned.find_last_not_of(' ') + 1 - first);
  if (cleaned.size() > kHistoryWordLength) return;
  dict = dict == kTarvikCzech ? kTarvikCzech : kCzechTarvik;
  takeUp();
  const std::string key = upcaseCzText(cleaned);
  std::erase_if(held, [&](const HistoryEntry& e) { return e.dict == dict && upcaseCzText(e.word) == key; });
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  held.insert(held.begin(), {std::chrono::duration_cast<std::chrono::seconds>(now).count(), dict, cleaned});
  if (held.size() > kHistoryLength) held.resize(kHistoryLength);
  save();
}

void LookupHistory::save() {
  if (!openFolder()) {
    makeFolders(folderPath);
    openFolder();
  }
  std::string bytes;
  for (const HistoryEntry& e : held)
    appendTextLine(bytes, timeText(e.time) + (e.dict == kTarvikCzech ? " tc " : " ct ") + e.word);
  struct stat st;
  // What the user looked up is theirs alone, like the folder made for it.
  const mode_t mode = folder->stat(kHistoryFileName, &st) ? st.st_mode & 07777 : 0600;
  folder->replaceFile(kHistoryFileName, bytes, mode, kScratchName,
                      std::string(kScratchName) + " (the new copy of " + kHistoryFileName + ")");
  if (!folder->stat(kHistoryFileName, &st)) throwIoError(errno, filePath());
  known = stampOf(st);
}

void LookupHistory::clear() {
  held.clear();
  known = FileStamp();
  loaded = true;
  if (!openFolder()) return;
  if (!folder->remove(kHistoryFileName) && errno != ENOENT) throwIoError(errno, filePath());
  folder->syncFolderOf(kHistoryFileName);
}
