// The letter transforms behind every look-up: upper-casing, the Tarvik
// pronunciation key and its inverse spelling. The index stores keys of up to
// 255 bytes and relies on a key never outgrowing twice its word.

#include <cstdint>

#include "fuzz_check.h"
#include "letters.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view word(reinterpret_cast<const char*>(data), size);

  std::string upper = upcaseCzText(word);
  require(upper.size() == size, "upper-casing keeps the length");
  require(upcaseCzText(upper) == upper, "upper-casing twice changes nothing more");

  std::string key = pronounceTarvik(upper);
  require(key.size() <= 2 * size, "a pronunciation key is at most twice its word");
  require(key.find('\'') == std::string::npos, "apostrophes vanish from keys");

  std::string spelling = spellTarvik(word);
  require(spelling.size() <= 2 * size, "a spelling is at most twice its word");
  require(upcaseCzText(spelling) == spelling, "spellings are in capitals");
  return 0;
}
