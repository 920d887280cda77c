#include <unordered_map>

#include "cp1250.h"
#include "import_format.h"
#include "open_dictionaries.h"
#include "text_file.h"

void DictionaryStore::exportDictionary(Dict dict) {
  const std::string& records = dictionaries->currentIndex(dict).records();
  std::string text;
  for (std::size_t at = 0; at < records.size(); at += kRecordSize) {
    const char* record = records.data() + at;
    for (int slot = 1; slot <= kMeaningCount; ++slot) {
      std::string_view meaning = fieldText(record, slot);
      if (meaning.empty()) continue;
      std::string line(fieldText(record, 0));
      line += kExportSeparator;
      line += meaning;
      appendTextLine(text, line);
    }
  }
  writeTextFile(dictionaries->folder, exportFileName(dict), text);
}

namespace {

// The five bytes the code page leaves unassigned stand for C1 controls.
bool isControl(unsigned char byte) {
  char32_t code = cp1250ToUnicode(byte);
  return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

// Empty when the field holds nothing but spaces and controls.
std::string tableField(std::string_view text) {
  std::string field;
  bool blank = true;
  for (char c : text) {
    if (c == '\\') field += '\\';
    bool control = isControl(static_cast<unsigned char>(c));
    field += control ? ' ' : c;
    blank = blank && (control || c == ' ');
  }
  return blank ? std::string() : field;
}

}  // namespace

std::string DictionaryStore::dictionaryTable(Dict dict) {
  const std::string& records = dictionaries->currentIndex(dict).records();
  std::vector<std::string> lines;
  std::unordered_map<std::string, std::size_t> lineOf;
  for (std::size_t at = 0; at < records.size(); at += kRecordSize) {
    const char* record = records.data() + at;
    std::string headword = tableField(fieldText(record, 0));
    if (headword.empty()) continue;
    for (int slot = 1; slot <= kMeaningCount; ++slot) {
      std::string meaning = tableField(fieldText(record, slot));
      if (meaning.empty()) continue;
      auto [found, added] = lineOf.try_emplace(headword, lines.size());
      if (added) lines.push_back(headword + '\t');
      else lines[found->second] += "; ";
      lines[found->second] += meaning;
    }
  }
  std::string table;
  for (const std::string& line : lines) table += line + '\n';
  return table;
}
