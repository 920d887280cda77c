#include "job.h"

#include <algorithm>

#include "commands.h"
#include "exit_codes.h"
#include "text_file.h"

namespace {

bool readsStandardInput(const Request& request) {
  return request.arguments.empty() || request.arguments[0] == "-";
}

// Spreadsheets and editors on other systems start UTF-8 with a byte-order
// mark, which is no character of the text.
void dropByteOrderMark(std::string& bytes, Encoding encoding) {
  if (encoding == Encoding::kUtf8 && bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
}

// A byte 26 of the text stands in for itself and is no foreign character.
bool isForeign(const std::string& standIn) { return standIn != std::string(1, kStandIn); }

bool holdsForeign(const std::vector<std::string>& standIns) { return std::ranges::any_of(standIns, isForeign); }

// Names the first foreign character among `standIns`; false when there is none.
bool warnOfForeign(const std::string& where, const std::vector<std::string>& standIns, Encoding encoding) {
  auto first = std::ranges::find_if(standIns, isForeign);
  if (first == standIns.end()) return false;
  reportError(where + ": the character " + describeCharacter(*first) +
                  " has no place in Windows-1250, so the word holding it is unknown",
              encoding);
  return true;
}

// Converts each line, keeping foreign characters when the command passes
// them; the first one is reported, once.
void convertLines(Job& job, const std::string& source) {
  bool passes = job.request.command->passesForeignCharacters;
  bool warned = false;
  for (std::size_t i = 0; i < job.lines.size(); ++i) {
    std::string where = "line " + std::to_string(i + 1) + " of " + source;
    if (!passes) {
      job.lines[i] = toWindows1250(job.lines[i], job.request.encoding, where);
      continue;
    }
    ConvertedText converted = toWindows1250Keeping(job.lines[i], job.request.encoding, where);
    if (!warned) warned = warnOfForeign(where, converted.standIns, job.request.encoding);
    job.lines[i] = std::move(converted.bytes);
    job.lineStandIns.push_back(std::move(converted.standIns));
  }
}

void convertArgument(Job& job, const std::string& argument, const std::string& what) {
  Encoding encoding = job.request.encoding;
  if (!job.request.command->passesForeignCharacters) {
    job.texts.push_back(toWindows1250(argument, encoding, what));
    return;
  }
  ConvertedText converted = toWindows1250Keeping(argument, encoding, what);
  if (!holdsForeign(job.textStandIns)) warnOfForeign(what, converted.standIns, encoding);
  job.texts.push_back(std::move(converted.bytes));
  job.textStandIns.insert(job.textStandIns.end(), converted.standIns.begin(), converted.standIns.end());
}

}  // namespace

std::string inputName(const Request& request) {
  return readsStandardInput(request) ? "standard input" : request.arguments[0];
}

// Lines are split before converting: LF, CR and byte 26 are the same bytes in
// UTF-8, and a bad character can then be reported with its line.
void readInputLines(Job& job) {
  const Request& request = job.request;
  std::string bytes = readsStandardInput(request) ? readStandardInput() : readWholeFile(Folder(), request.arguments[0]);
  dropByteOrderMark(bytes, request.encoding);
  job.lines = splitTextLines(bytes);
  try {
    convertLines(job, inputName(request));
  } catch (const MalformedText& e) {
    // Exports and the texts of the windows are Windows-1250: the likely cause.
    throw UsageError(std::string(e.what()) + " (for a Windows-1250 file use --encoding cp1250)");
  }
}

void settleFieldProblems(const std::vector<FieldProblem>& problems, const std::string& source,
                         const Request& request, const std::string& done) {
  bool control = std::ranges::any_of(problems, [](const FieldProblem& p) { return p.kind == FieldProblem::kControl; });
  bool refused = control || !request.truncate;
  for (const FieldProblem& problem : problems)
    reportError(describeProblem(problem, source, !refused), request.encoding);
  if (problems.empty() || !refused) return;
  if (control) throw UsageError("nothing was " + done + ": a headword or meaning cannot hold a control character");
  throw UsageError("nothing was " + done + "; --truncate stores such fields cut to " +
                   std::to_string(kFieldCapacity) + " bytes");
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
    convertArgument(job, request.arguments[i], what);
  }
  if (request.command->prepare) request.command->prepare(job);
  return job;
}
