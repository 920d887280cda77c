// The import parser on any file: it either refuses with a line number or
// gives entries whose fields all come from the lines and fill slots in order.

#include <cstdint>

#include "fuzz_check.h"
#include "import_format.h"
#include "text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines = splitTextLines(bytes);
  std::vector<Tslovicko> entries;
  try {
    entries = parseImportLines(lines, "in.txt").entries;
  } catch (const ImportFormatError& e) {
    require(std::string_view(e.what()).starts_with("in.txt, line "), "a refusal names the line");
    return 0;
  }
  std::size_t meanings = 0;
  for (const Tslovicko& entry : entries)
    for (int slot = 1; slot <= kMeaningCount; ++slot) {
      meanings += !entry.vyznam(slot).empty();
      require(slot == 1 || !entry.vyznam(slot - 1).empty() || entry.vyznam(slot).empty(),
              "meanings fill slots from the first, without gaps");
    }
  require(meanings <= lines.size(), "each meaning comes from a line of its own");
  return 0;
}
