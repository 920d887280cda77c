#pragma once

#include <optional>
#include <string>
#include <vector>

#include "boundary.h"
#include "dictionary_store.h"

struct Command;

// export and import: the "HEADWORD - MEANING" text, the table for other
// programs, or (import only) a spreadsheet's CSV.
enum class FileFormat { kText, kTsv, kCsv };

// What the user asked for. The arguments are still as typed, in the user's
// encoding; job.h turns them into Windows-1250.
struct Request {
  const Command* command = nullptr;
  std::string dir;  // empty: the current folder
  Encoding encoding = Encoding::kUtf8;
  Dict dict = kTarvikCzech;
  LookupOptions lookup{.byPronunciation = true};
  bool reverse = false;
  bool markUnknown = false;
  FileFormat format = FileFormat::kText;
  bool truncate = false;  // insert, import: cut fields over 20 bytes instead of refusing them
  bool header = false;    // import --format csv: skip the first row
  bool clear = false;     // history, choices: forget it instead of printing it
  bool choices = false;   // translate: with the meanings chosen in the program
  bool check = false;     // choices: list the rules that cannot apply
  bool add = false;       // choices: add the rule of the arguments
  std::optional<std::string> after;  // choices --add: the word before, as typed
  std::vector<std::string> arguments;  // in the order given, "--" removed
};

// The request, or, when parsing ended the run (help shown, usage error
// reported), the exit code.
struct ParsedCommandLine {
  std::optional<Request> request;
  int exitCode = 0;
};
ParsedCommandLine parseCommandLine(int argc, char** argv);
