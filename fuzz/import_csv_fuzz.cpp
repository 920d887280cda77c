// The reader of a spreadsheet's CSV on any file, with a header row when the
// file's length is odd. Spaces around a field are dropped: written back in
// quotes, they would come back.

#include <cstdint>

#include "import_check.h"

namespace {

std::string csvField(std::string_view field) {
  std::string out = "\"";
  for (char c : field) out += c == '"' ? "\"\"" : std::string(1, c);
  return out + '"';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  bool header = size % 2 == 1;
  auto parse = [&](const std::vector<std::string>& lines, const std::string& name) {
    return parseCsvLines(lines, name, header);
  };
  // One row per entry, as for the table.
  auto csvOf = [&](const std::vector<Tslovicko>& entries) {
    std::string csv = header ? "slovo\r\n" : "";
    for (const Tslovicko& entry : entries) {
      csv += csvField(entry.slovo);
      for (int slot = 1; slot <= kMeaningCount; ++slot) csv += ',' + csvField(entry.vyznam(slot));
      csv += "\r\n";
    }
    return csv;
  };
  requireSoundImport({reinterpret_cast<const char*>(data), size}, "in.csv", parse, csvOf);
  return 0;
}
