// The reader of the exported table on any file.

#include <cstdint>

#include "import_check.h"

namespace {

std::string escaped(std::string_view field) {
  std::string out;
  for (char c : field) out += c == '\\' ? "\\\\" : c == '\n' ? "\\n" : c == '\t' ? "\\t" : std::string(1, c);
  return out;
}

// One line per entry: an entry after a full one of the same headword starts
// a new entry when read, as it did the first time.
std::string tableOf(const std::vector<Tslovicko>& entries) {
  std::string table;
  for (const Tslovicko& entry : entries) {
    table += escaped(entry.slovo) + '\t';
    for (int slot = 1; slot <= kMeaningCount && !entry.vyznam(slot).empty(); ++slot)
      table += (slot > 1 ? "; " : "") + escaped(entry.vyznam(slot));
    table += '\n';
  }
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  requireSoundImport({reinterpret_cast<const char*>(data), size}, "in.tsv", parseTableLines, tableOf);
  return 0;
}
