#pragma once

// Every command of tarvik, once: what its command line takes, the help it
// shows, how its arguments are made ready and what it does. command_line.cpp
// builds the parser from this table and job.cpp prepares from it.

#include <string_view>
#include <vector>

struct Job;

struct Argument {
  const char* name;         // in the usage line and in "needs NAME"
  const char* description;  // in `tarvik COMMAND --help`
  // Names the argument when it cannot become Windows-1250 ("the headword";
  // a repeated one is numbered: "meaning 2"). nullptr: a file name, used as typed.
  const char* what;
  bool required;
  bool repeated;  // only the last argument may be
};

enum CommandOption : unsigned {
  // Takes --dict; --dir is entered and the dictionaries are opened before it runs.
  kDict = 1,
  kPronunciation = 2,  // takes --no-pronunciation
  kReverse = 4,        // takes --reverse
};

struct Command {
  const char* name;
  const char* summary;  // one line in `tarvik --help`
  const char* details;  // the rest of `tarvik COMMAND --help`
  std::vector<Argument> arguments;
  unsigned options;  // CommandOption flags
  // Checks and reads what the converted arguments name, before any
  // dictionary is opened; nullptr when there is nothing more to do.
  void (*prepare)(Job&);
  // Returns kExitDone, or kExitNotFound for a lookup that found nothing.
  int (*run)(const Job&);
};

const std::vector<Command>& commandTable();
// The entry of a command the parser accepted.
const Command& findCommand(std::string_view name);

// Runs a prepared job and returns its exit code. Dictionary commands first
// enter --dir and open the dictionaries there, creating missing ones; file
// failures are IoError.
int runJob(const Job& job);
