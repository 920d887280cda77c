#pragma once

// Every command of tarvik, once: its command line and help (read by
// command_line.cpp), how its arguments are made ready (job.cpp) and what it does.

#include <string_view>
#include <vector>

class DictionaryStore;

struct Job;

struct Argument {
  const char* name;         // in the usage line and in "needs NAME"
  const char* description;  // in `tarvik COMMAND --help`
  // Names the argument when it has no Windows-1250 form ("the headword"; a
  // repeated one is numbered: "meaning 2"). nullptr: a file name, used as typed.
  const char* what;
  bool required;
  bool repeated;  // only the last argument may be
};

// kDict: takes --dict, and runs in --dir with the dictionaries open. The
// others each add the option of the same name.
enum CommandOption : unsigned {
  kDict = 1,
  kPronunciation = 2,
  kReverse = 4,
  kForms = 8,
  kIgnoreDiacritics = 16,
  kMarkUnknown = 32,
  kFormat = 64,         // export's: text or tsv
  kImportFormat = 128,  // import's --format: text, tsv or csv
  kTruncate = 256,
  kHeader = 512,
  kClear = 1024,        // history's
  kChoices = 2048,      // translate's
  kChoiceRules = 4096,  // choices': --check, --add, --after and its own --clear
};

struct Command {
  const char* name;
  const char* summary;  // one line in `tarvik --help`
  const char* details;  // the rest of `tarvik COMMAND --help`
  std::vector<Argument> arguments;
  unsigned options;         // CommandOption flags
  void (*prepare)(Job&);    // nullptr, or more checks and the input file; no dictionary is open
  // kExitDone, or kExitNotFound when a search found nothing. The store is
  // that of --dir for a command with kDict, else null.
  int (*run)(const Job&, DictionaryStore* store);
  // A character Windows-1250 lacks makes the word holding it unknown, with a
  // warning, instead of refusing the text (see ConvertedText in boundary.h).
  bool passesForeignCharacters = false;
};

extern const std::vector<Command> kCommands;
const Command& findCommand(std::string_view name);  // one the parser accepted

// Runs a prepared job and returns its exit code. Dictionary commands first
// open the store on --dir, creating missing dictionaries; file failures are
// IoError.
int runJob(const Job& job);
