#pragma once

// What every reader of an import promises on any file: it refuses with the
// number of a line, or it gives entries that have a headword and meanings in
// slots from the first, that read back the same when written in the format
// again, and whose fields too long or holding a control byte are listed.

#include "fuzz_check.h"
#include "import_format.h"
#include "text_file.h"

template <typename Parse, typename Write>
void requireSoundImport(std::string_view bytes, const std::string& name, Parse parse, Write writeBack) {
  std::vector<std::string> lines = splitTextLines(bytes);
  ImportedEntries imported;
  try {
    imported = parse(lines, name);
  } catch (const ImportFormatError& e) {
    require(std::string_view(e.what()).starts_with(name + ", line "), "a refusal names the line");
    return;
  }
  std::vector<FieldProblem> problems;
  for (const Tslovicko& entry : imported.entries) {
    require(!entry.slovo.empty(), "every entry has a headword");
    for (int slot = 0; slot <= kMeaningCount; ++slot) {
      const std::string& field = slot == 0 ? entry.slovo : entry.vyznam(slot);
      require(slot < 2 || !entry.vyznam(slot - 1).empty() || field.empty(), "meanings fill slots in order");
      checkField(field, 1, "field", problems);
    }
  }
  require(problems.empty() || !imported.problems.empty(), "a field too long or with a control byte is listed");
  for (const FieldProblem& problem : imported.problems)
    require(problem.line >= 1 && problem.line <= lines.size(), "a problem names a line of the file");
  require(parse(splitTextLines(writeBack(imported.entries)), name).entries == imported.entries,
          "entries written back read back the same");
}
