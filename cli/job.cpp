#include "job.h"

#include <charconv>

#include "exit_codes.h"
#include "import_format.h"
#include "text_file.h"

namespace {

// The lines of FILE (or standard input) in Windows-1250. Lines are split
// before converting: LF, CR and byte 26 are the same bytes in UTF-8, and a bad
// character can then be reported with its line.
std::vector<std::string> readInputLines(const std::string* path, Encoding encoding) {
  std::string bytes = path ? readWholeFile(*path) : readStandardInput();
  std::string source = path ? *path : "standard input";
  std::vector<std::string> lines = splitTextLines(bytes);
  try {
    for (std::size_t i = 0; i < lines.size(); ++i)
      lines[i] = toWindows1250(lines[i], encoding, "line " + std::to_string(i + 1) + " of " + source);
  } catch (const UsageError& e) {
    // Exports and the texts of the windows are Windows-1250: the likely cause.
    throw UsageError(std::string(e.what()) + " (for a Windows-1250 file use --encoding cp1250)");
  }
  return lines;
}

std::string argumentName(const std::string& command, std::size_t position) {
  if (command == "insert") return position == 0 ? "the headword" : "meaning " + std::to_string(position);
  if (command == "grid") return "the line";
  if (command == "prefix" || command == "upcase") return "the text";
  if (command == "delete") return "INDEX";
  return "the word";
}

void prepareInsert(Job& job) {
  std::size_t given = job.texts.size() - 1;
  if (given > static_cast<std::size_t>(kMeaningCount))
    throw UsageError("insert takes at most five meanings, " + std::to_string(given) + " were given");
  for (std::size_t i = 0; i < given; ++i) job.meanings[i] = job.texts[i + 1];
}

// Any whole number is accepted: one outside the records deletes nothing,
// however large it is.
long parseIndex(const std::string& text) {
  std::string_view digits = text;
  bool negative = digits.starts_with('-');
  if (negative || digits.starts_with('+')) digits.remove_prefix(1);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
    throw UsageError("INDEX must be a whole number, not \"" + text + "\"");
  long index = -1;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  if (negative || error != std::errc()) return -1;
  return index;
}

}  // namespace

bool usesDictionaries(const std::string& command) {
  return command != "pronounce" && command != "spell" && command != "upcase";
}

Job prepareJob(const Request& request) {
  Job job;
  job.request = request;
  const std::string& command = request.command;
  for (std::size_t i = 0; i < request.arguments.size(); ++i) {
    if (command == "translate" || command == "import") continue;  // a file name, used as typed
    job.texts.push_back(toWindows1250(request.arguments[i], request.encoding, argumentName(command, i)));
  }
  const std::string* file = request.arguments.empty() ? nullptr : &request.arguments[0];
  if (command == "translate") job.lines = readInputLines(file, request.encoding);
  if (command == "import") job.entries = parseImportLines(readInputLines(file, request.encoding), *file);
  if (command == "insert") prepareInsert(job);
  if (command == "delete") job.index = parseIndex(request.arguments[0]);
  return job;
}
