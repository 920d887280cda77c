#include "lookup_request.h"

#include <algorithm>
#include <vector>

#include "cp1250.h"
#include "letters.h"

namespace {

bool endsWord(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '.' || c == ','; }

// The words of `text` in order, each without the punctuation at its ends;
// stops after `most`.
std::vector<std::string_view> wordsIn(std::string_view text, std::size_t most) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < text.size() && words.size() < most) {
    while (at < text.size() && endsWord(text[at])) ++at;
    std::size_t end = at;
    while (end < text.size() && !endsWord(text[end])) ++end;
    std::string_view word = text.substr(at, end - at);
    while (!word.empty() && isEdgePunctuation(word.front())) word.remove_prefix(1);
    while (!word.empty() && isEdgePunctuation(word.back())) word.remove_suffix(1);
    if (hasLetter(word)) words.push_back(word);
    at = end;
  }
  return words;
}

LookupRequest refused(const char* why) { return {.ok = false, .text = {}, .refusal = why}; }

}  // namespace

LookupRequest readLookupMessage(std::string_view utf8) {
  if (utf8.size() > kMaxLookupBytes) return refused("the word is longer than 200 bytes");
  if (!isWellFormedUtf8(utf8)) return refused("the word is not well-formed UTF-8");
  // A tab or a line break would make a word of a list; the rest no word holds.
  if (std::any_of(utf8.begin(), utf8.end(), [](char c) { return isControlByte(c) || c == '\x7F'; }))
    return refused("the word holds a control character");
  std::vector<std::string> standIns;
  const Utf8Decoded decoded = utf8ToCp1250(utf8, &standIns);
  const std::vector<std::string_view> words = wordsIn(decoded.bytes, kMaxLookupWords + 1);
  if (words.empty()) return refused("there is no word to look up in it");
  if (words.size() > kMaxLookupWords) return refused("a look-up takes one word or a phrase of two");
  LookupRequest request{.ok = true, .text = {}, .refusal = {}};
  for (std::string_view word : words) {
    if (!request.text.empty()) request.text += ' ';
    request.text += word;
  }
  return request;
}

WordsToLookUp wordsToLookUp(std::string_view text) {
  const std::vector<std::string_view> words = wordsIn(text.substr(0, std::min(text.size(), kScannedBytes)), 2);
  WordsToLookUp found;
  if (!words.empty()) found.first = words[0];
  if (words.size() > 1) found.second = words[1];
  return found;
}
