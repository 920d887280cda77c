// What another program may send the running one to look up, and the
// selection a look-up takes its words from: anyone's bytes, of any length.
// A message passed on must hold what a look-up can take and no more.

#include <cstdint>

#include "cp1250.h"
#include "fuzz_check.h"
#include "letters.h"
#include "lookup_request.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);

  LookupRequest request = readLookupMessage(bytes);
  require(request.ok == request.refusal.empty(), "a message is either taken or refused with a reason");
  if (request.ok) {
    require(size <= kMaxLookupBytes && isWellFormedUtf8(bytes), "only a short, well-formed message is taken");
    require(!request.text.empty() && request.text.size() <= size, "a taken text is no longer than its message");
    for (char c : request.text) require(!isControlByte(c) || c == kStandIn, "a taken text holds no control character");
    WordsToLookUp again = wordsToLookUp(request.text);
    require(!again.first.empty(), "a taken text has a word to look up");
  }

  WordsToLookUp words = wordsToLookUp(bytes);
  for (const std::string& word : {words.first, words.second}) {
    require(word.size() <= kScannedBytes, "a word comes from the text's beginning");
    require(word.empty() || hasLetter(word), "a word has a letter");
    require(word.empty() || (!isEdgePunctuation(word.front()) && !isEdgePunctuation(word.back())),
            "a word has no punctuation at its ends");
  }
  require(!words.second.empty() <= !words.first.empty(), "a second word comes after a first");
  return 0;
}
