#include "import_format.h"

#include <string_view>

namespace {

constexpr std::string_view kSeparator = " - ";

bool isBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// Meaning slots taken so far; an empty meaning ("KO - ") takes none, as the
// export never writes one.
int filledSlots(const Tslovicko& entry) {
  int filled = 0;
  for (int slot = 1; slot <= kMeaningCount; ++slot)
    if (!entry.vyznam(slot).empty()) ++filled;
  return filled;
}

}  // namespace

std::vector<Tslovicko> parseImportLines(const std::vector<std::string>& lines, const std::string& fileName) {
  std::vector<Tslovicko> entries;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (isBlank(line)) continue;
    std::size_t split = line.find(kSeparator);
    if (split == std::string_view::npos)
      throw ImportFormatError(fileName + ", line " + std::to_string(i + 1) +
                       ": expected \"HEADWORD - MEANING\", found no \" - \"; nothing was imported");
    std::string_view headword = line.substr(0, split);
    std::string_view meaning = line.substr(split + kSeparator.size());
    bool continues = !entries.empty() && entries.back().slovo == headword &&
                     filledSlots(entries.back()) < kMeaningCount;
    if (!continues) {
      entries.emplace_back();
      entries.back().slovo = headword;
    }
    if (!meaning.empty()) entries.back().vyznam(filledSlots(entries.back()) + 1) = meaning;
  }
  return entries;
}
