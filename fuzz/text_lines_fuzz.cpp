// Plain text files as the program reads them: any bytes split into lines
// that hold no line break, and lines written back read as the same lines.

#include <cstdint>

#include "fuzz_check.h"
#include "text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines = splitTextLines(bytes);

  std::size_t kept = 0;
  for (const std::string& line : lines) {
    require(line.find_first_of("\r\n\x1A") == std::string::npos, "a line holds no CR, LF or Ctrl-Z");
    kept += line.size();
  }
  require(kept <= size, "splitting invents no bytes");
  require(splitTextLines(joinTextLines(lines)) == lines, "lines written and read back are the same lines");
  return 0;
}
