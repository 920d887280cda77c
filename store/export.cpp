#include "open_dictionaries.h"
#include "text_file.h"

void exportDictionary(Dict dict) {
  const std::string& records = currentIndex(dict).records();
  std::string text;
  for (std::size_t at = 0; at < records.size(); at += kRecordSize) {
    const char* record = records.data() + at;
    for (int slot = 1; slot <= kMeaningCount; ++slot) {
      std::string_view meaning = fieldText(record, slot);
      if (meaning.empty()) continue;
      text += fieldText(record, 0);
      text += " - ";
      text += meaning;
      text += "\r\n";
    }
  }
  writeTextFile(exportFileName(dict), text);
}
