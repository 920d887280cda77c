// The reader of a spreadsheet's CSV. It is lenient where spreadsheets and
// hand-written files are: a quote may follow spaces, and a quote inside an
// unquoted field and text after a closing quote are kept as they stand.
// Only a quote left open to the end of the file is refused, since the rest
// of the file would then be one field.

#include "import_format.h"

namespace {

std::string trimSpaces(const std::string& text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The fields of the row that starts at lines[next]; `next` moves past the
// lines the row took. A line break inside quotes stays in the field as LF.
std::vector<std::string> readRow(const std::vector<std::string>& lines, std::size_t& next, char separator,
                                 const std::string& fileName) {
  std::size_t first = next;
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false, fresh = true;
  std::string_view line = lines[next];
  for (std::size_t at = 0;;) {
    if (at == line.size()) {
      if (!quoted) break;
      if (++next == lines.size())
        throw ImportFormatError(lineError(fileName, first + 1, "a quoted field is not closed"));
      field += '\n';
      line = lines[next];
      at = 0;
      continue;
    }
    char c = line[at++];
    if (quoted && c == '"' && at < line.size() && line[at] == '"') {
      field += '"';
      ++at;
    } else if (c == '"' && (quoted || fresh)) {
      quoted = !quoted;
    } else if (c == separator && !quoted) {
      fields.push_back(trimSpaces(field));
      field.clear();
      fresh = true;
      continue;
    } else {
      field += c;
      // Spaces before an opening quote are dropped with the field's others.
      if (c == ' ' && fresh) continue;
    }
    fresh = false;
  }
  fields.push_back(trimSpaces(field));
  ++next;
  return fields;
}

// Spreadsheets in a Czech setting separate fields with semicolons, as the
// comma is their decimal point: the first row, outside quotes, tells which.
char separatorOf(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (line.find_first_not_of(' ') == std::string::npos) continue;
    long commas = 0, semicolons = 0;
    bool quoted = false;
    for (char c : line) {
      if (c == '"') quoted = !quoted;
      if (!quoted) commas += c == ',', semicolons += c == ';';
    }
    return semicolons > commas ? ';' : ',';
  }
  return ',';
}

bool allEmpty(const std::vector<std::string>& fields) {
  for (const std::string& field : fields)
    if (!field.empty()) return false;
  return true;
}

}  // namespace

ImportedEntries parseCsvLines(const std::vector<std::string>& lines, const std::string& fileName, bool header) {
  ImportedEntries imported;
  const char separator = separatorOf(lines);
  for (std::size_t next = 0; next < lines.size();) {
    std::size_t line = next + 1;
    std::vector<std::string> fields = readRow(lines, next, separator, fileName);
    if (allEmpty(fields)) continue;
    if (header) {
      header = false;
      continue;
    }
    const std::string& headword = fields[0];
    if (headword.empty()) throw ImportFormatError(lineError(fileName, line, "meanings without a headword"));
    checkField(headword, line, "headword", imported.problems);
    addMeaning(imported.entries, headword, "");
    for (std::size_t i = 1; i < fields.size(); ++i) {
      if (fields[i].empty()) continue;
      checkField(fields[i], line, "meaning " + std::to_string(i), imported.problems);
      addMeaning(imported.entries, headword, fields[i]);
    }
  }
  return imported;
}
