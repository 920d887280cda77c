#pragma once

// The words the user looked up on purpose, newest first: the last
// kHistoryLength of them, kept between runs in the user's data folder, which
// both the program and tarvik read.
//
// The file, historie.txt: Windows-1250 text, one look-up a line, newest
// first, each line ending in CR LF:
//
//   2026-12-07T18:57:33Z tc DROM
//
// the time in UTC, the direction (tc Tarvik to Czech, ct Czech to Tarvik)
// and the word as it was typed, which may hold spaces but no control
// character. A line of any other shape, a file of more than kHistoryLength
// lines, or one too large to hold them, is damage: the history starts afresh
// and the file is kept beside it as historie.txt.poskozeny for the user to
// look at, which a warning names once.
//
// Each change rewrites the whole file through a scratch copy, synced before
// it replaces the old one, so that a crash or a kill loses at most that
// change, never the history. Another program (a second window, `tarvik
// history --clear`) may change the file meanwhile: each use takes up its
// content again when the file is no longer the one last read or written.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary_store.h"
#include "posix_file.h"

constexpr std::size_t kHistoryLength = 1000;
// Longer than any phrase worth looking up again; a longer text is no word.
constexpr std::size_t kHistoryWordLength = 100;
constexpr char kHistoryFileName[] = "historie.txt";
constexpr char kDamagedHistoryName[] = "historie.txt.poskozeny";

struct HistoryEntry {
  std::int64_t time = 0;  // seconds since 1970-01-01 UTC
  Dict dict = kCzechTarvik;
  std::string word;  // Windows-1250
  bool operator==(const HistoryEntry&) const = default;
};

// The user's data folder: $XDG_DATA_HOME/tarvik-slovnik, else
// ~/.local/share/tarvik-slovnik (a relative XDG_DATA_HOME counts as unset).
std::string userDataFolder();

class LookupHistory {
 public:
  // Nothing is read before the first use, so opening never fails; the folder
  // is created with the first look-up remembered. The crash tests watch the
  // disk through `observer`.
  explicit LookupHistory(std::string folder, DiskObserver observer = {});
  ~LookupHistory();
  LookupHistory(const LookupHistory&) = delete;
  LookupHistory& operator=(const LookupHistory&) = delete;

  // Puts `word` (Windows-1250) first, spaces around it left out. A word
  // already there for the same direction, in any case, moves up in its new
  // spelling instead of standing twice; the oldest beyond kHistoryLength go.
  // An empty word, one over kHistoryWordLength bytes, and any word while
  // recording is off, are not remembered.
  void remember(Dict dict, std::string_view word);
  // Newest first.
  const std::vector<HistoryEntry>& entries();
  // The words of one direction, newest first.
  std::vector<std::string> wordsFor(Dict dict);
  // Forgets every look-up and removes the file.
  void clear();

  // On by default; off, remember() leaves the file as it is.
  void setRecording(bool on) { recording = on; }
  bool isRecording() const { return recording; }

  // The damaged files set aside since last asked, as sentences naming them
  // (in the system's encoding, like file names). Asking takes them.
  std::vector<std::string> takeWarnings();
  // historie.txt with its folder, for messages.
  std::string filePath() const;

 private:
  // Reads the file again unless it is the one last read or written.
  void takeUp();
  void load();
  void setAside(const std::string& problem);
  void save();
  bool openFolder();

  std::string folderPath;
  DiskObserver observer;
  std::unique_ptr<Folder> folder;  // null until the folder exists
  std::vector<HistoryEntry> held;
  FileStamp known;  // of the file held; the default one for no file
  bool loaded = false;
  bool recording = true;
  std::vector<std::string> warnings;
};
