#include "job.h"

#include <algorithm>

#include "commands.h"
#include "exit_codes.h"
#include "text_file.h"

// Lines are split before converting: LF, CR and byte 26 are the same bytes in
// UTF-8, and a bad character can then be reported with its line.
void readInputLines(Job& job) {
  const std::vector<std::string>& arguments = job.request.arguments;
  std::string source = arguments.empty() ? "standard input" : arguments[0];
  std::vector<std::string>& lines = job.lines;
  lines = splitTextLines(arguments.empty() ? readStandardInput() : readWholeFile(arguments[0]));
  try {
    for (std::size_t i = 0; i < lines.size(); ++i)
      lines[i] = toWindows1250(lines[i], job.request.encoding, "line " + std::to_string(i + 1) + " of " + source);
  } catch (const UsageError& e) {
    // Exports and the texts of the windows are Windows-1250: the likely cause.
    throw UsageError(std::string(e.what()) + " (for a Windows-1250 file use --encoding cp1250)");
  }
}

Job prepareJob(const Request& request) {
  Job job;
  job.request = request;
  const std::vector<Argument>& arguments = request.command->arguments;
  for (std::size_t i = 0; i < request.arguments.size(); ++i) {
    std::size_t last = arguments.size() - 1;
    const Argument& argument = arguments[std::min(i, last)];
    if (argument.what == nullptr) continue;
    std::string what = argument.what;
    if (argument.repeated) what += ' ' + std::to_string(i - last + 1);
    job.texts.push_back(toWindows1250(request.arguments[i], request.encoding, what));
  }
  if (request.command->prepare) request.command->prepare(job);
  return job;
}
