#include "dictionaries.h"
#include "text_file.h"

namespace {

// A field may hold bytes that end a line of text (LF, CR, and Ctrl-Z, which
// ends the whole file): written as they are, they would cut the export, and
// reading it back would lose the rest of the dictionary. They go out as
// spaces, so that every meaning stays one line.
void appendAsLineText(std::string& text, std::string_view field) {
  for (char c : field) text += c == '\n' || c == '\r' || c == '\x1A' ? ' ' : c;
}

}  // namespace

void exportDictionary(Dict dict) {
  const std::string& records = currentIndex(dict).records();
  std::string text;
  for (std::size_t at = 0; at < records.size(); at += kRecordSize) {
    const char* record = records.data() + at;
    for (int slot = 1; slot <= kMeaningCount; ++slot) {
      std::string_view meaning = fieldText(record, slot);
      if (meaning.empty()) continue;
      appendAsLineText(text, fieldText(record, 0));
      text += " - ";
      appendAsLineText(text, meaning);
      text += "\r\n";
    }
  }
  writeTextFile(exportFileName(dict), text);
}
