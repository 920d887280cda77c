#include "import_format.h"

#include <string_view>

#include "letters.h"

namespace {

bool isBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// Meaning slots taken so far; an empty meaning ("KO - ") takes none, as the
// export never writes one.
int filledSlots(const Tslovicko& entry) {
  int filled = 0;
  for (int slot = 1; slot <= kMeaningCount; ++slot)
    if (!entry.vyznam(slot).empty()) ++filled;
  return filled;
}

const char* controlName(unsigned char byte) {
  switch (byte) {
    case '\t': return "TAB, ";
    case '\n': return "LF, ";
    case '\r': return "CR, ";
    default: return "";
  }
}

// The table's escapes, read left to right, so that "\\n" is a backslash and n.
std::string unescapeTable(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\\' && i + 1 < text.size()) {
      char next = text[i + 1];
      if (next == '\\' || next == 'n' || next == 't') {
        out += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace

std::optional<ExportLine> splitExportLine(std::string_view line) {
  std::size_t split = line.find(kExportSeparator);
  if (split == std::string_view::npos) return std::nullopt;
  return ExportLine{line.substr(0, split), line.substr(split + kExportSeparator.size())};
}

void checkField(std::string_view text, std::size_t line, const std::string& field,
                std::vector<FieldProblem>& problems) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(text[i]);
    if (isControlByte(text[i])) {
      problems.push_back({.kind = FieldProblem::kControl, .line = line, .field = field, .position = i + 1,
                          .control = byte});
      break;
    }
  }
  if (text.size() > kFieldCapacity)
    problems.push_back({.kind = FieldProblem::kTooLong, .line = line, .field = field, .length = text.size()});
}

std::string describeProblem(const FieldProblem& problem, const std::string& source, bool cut) {
  std::string where = source.empty() ? "" : source + ", ";
  if (problem.line > 0) where += "line " + std::to_string(problem.line) + ", ";
  where += problem.field + ": ";
  if (problem.kind == FieldProblem::kControl)
    return where + "a control character (" + controlName(problem.control) + "byte " +
           std::to_string(problem.control) + ") at position " + std::to_string(problem.position);
  return where + std::to_string(problem.length) + " bytes, " +
         (cut ? "cut to " + std::to_string(kFieldCapacity)
              : "more than the " + std::to_string(kFieldCapacity) + " a field holds");
}

void addMeaning(std::vector<Tslovicko>& entries, std::string_view headword, std::string_view meaning) {
  bool continues = !entries.empty() && entries.back().slovo == headword && filledSlots(entries.back()) < kMeaningCount;
  if (!continues) {
    entries.emplace_back();
    entries.back().slovo = headword;
  }
  if (!meaning.empty()) entries.back().vyznam(filledSlots(entries.back()) + 1) = meaning;
}

std::string lineError(const std::string& fileName, std::size_t line, const std::string& what) {
  return fileName + ", line " + std::to_string(line) + ": " + what + "; nothing was imported";
}

ImportedEntries parseImportLines(const std::vector<std::string>& lines, const std::string& fileName) {
  ImportedEntries imported;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (isBlank(line)) continue;
    std::optional<ExportLine> split = splitExportLine(line);
    if (!split)
      throw ImportFormatError(lineError(fileName, i + 1, "expected \"HEADWORD - MEANING\", found no \" - \""));
    auto [headword, meaning] = *split;
    checkField(headword, i + 1, "headword", imported.problems);
    checkField(meaning, i + 1, "meaning", imported.problems);
    addMeaning(imported.entries, headword, meaning);
  }
  return imported;
}

ImportedEntries parseTableLines(const std::vector<std::string>& lines, const std::string& fileName) {
  ImportedEntries imported;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (isBlank(line)) continue;
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos)
      throw ImportFormatError(lineError(fileName, i + 1, "expected \"HEADWORD<TAB>MEANINGS\", found no TAB"));
    std::string headword = unescapeTable(line.substr(0, tab));
    if (isBlank(headword)) throw ImportFormatError(lineError(fileName, i + 1, "no headword before the TAB"));
    checkField(headword, i + 1, "headword", imported.problems);
    addMeaning(imported.entries, headword, "");
    std::string_view meanings = line.substr(tab + 1);
    for (int number = 1;; ++number) {
      std::size_t end = meanings.find("; ");
      std::string meaning = unescapeTable(meanings.substr(0, end));
      if (meaning.find_first_not_of(' ') != std::string::npos) {
        checkField(meaning, i + 1, "meaning " + std::to_string(number), imported.problems);
        addMeaning(imported.entries, headword, meaning);
      }
      if (end == std::string_view::npos) break;
      meanings.remove_prefix(end + 2);
    }
  }
  return imported;
}
