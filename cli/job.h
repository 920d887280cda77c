#pragma once

// A request made ready to run: every argument and input text converted to
// Windows-1250 and checked. Preparing touches no dictionary, so a refused
// command never creates or changes a file.

#include <string>
#include <vector>

#include "command_line.h"
#include "dictionary_store.h"
#include "import_format.h"

struct Job {
  Request request;
  std::vector<std::string> texts;  // the arguments, in Windows-1250; none for a file name
  std::vector<std::string> lines;  // translate, import: the text, one element per line
  // For a command that passes foreign characters: what the stand-ins of
  // texts and of each line stand for (boundary.h).
  std::vector<std::string> textStandIns;
  std::vector<std::vector<std::string>> lineStandIns;
  std::vector<Tslovicko> entries;  // import
  GivenMeanings meanings;          // insert
  long index = -1;                 // delete; -1 for any index outside the records
  std::string previous;            // choices --add --after, in Windows-1250
};

// Throws UsageError for bad arguments or text, IoError when an input file
// cannot be read. File names are taken relative to the current folder,
// whatever --dir names.
Job prepareJob(const Request& request);

// Fills job.lines from the file named by the first argument, or from
// standard input when there is none or it is "-".
void readInputLines(Job& job);
// "standard input" or the file's name, as messages name the input.
std::string inputName(const Request& request);

// Lists every problem on standard error. A control character is always
// refused, a field too long unless --truncate was given: then UsageError
// says that nothing was `done` ("imported"). `source` names the file.
void settleFieldProblems(const std::vector<FieldProblem>& problems, const std::string& source,
                         const Request& request, const std::string& done);
