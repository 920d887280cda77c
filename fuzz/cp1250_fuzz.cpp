// Windows-1250 <-> UTF-8 at the edges of the program: every byte survives a
// trip to UTF-8 and back, and text that converts one way converts back to
// exactly what it was.

#include <cstdint>

#include "cp1250.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);

  std::string utf8 = cp1250ToUtf8(bytes);
  Utf8Decoded back = utf8ToCp1250(utf8);
  require(back.ok, "UTF-8 made from Windows-1250 converts back");
  require(back.bytes == bytes, "Windows-1250 -> UTF-8 -> Windows-1250 keeps every byte");

  // The same bytes read as UTF-8, as the command line reads its arguments.
  Utf8Decoded decoded = utf8ToCp1250(bytes);
  if (decoded.ok) {
    require(cp1250ToUtf8(decoded.bytes) == bytes, "accepted UTF-8 comes back unchanged");
    require(cp1250Text(bytes) == decoded.bytes, "the program's own texts convert the same way");
  } else {
    require(!decoded.error.empty(), "a refusal says why");
    require(decoded.bytes.size() < size, "a refusal stops at the offending character");
  }
  std::string lossy = cp1250Text(bytes);
  require(lossy.size() <= size, "a character never becomes more than one byte");
  return 0;
}
