#pragma once

// A word asked for from outside the program: the selection of another
// program, or a word handed over by a second start of the program. What
// comes from there is anyone's text, so it is checked before anything looks
// it up, and only its first word or two are taken.

#include <cstddef>
#include <string>
#include <string_view>

// What a message may carry: a word or a short phrase, not a text.
constexpr std::size_t kMaxLookupBytes = 200;
constexpr std::size_t kMaxLookupWords = 2;  // a phrase of the dictionaries has two

struct LookupRequest {
  bool ok = false;
  std::string text;     // Windows-1250, one space between its words, when ok
  std::string refusal;  // why not, for a message, when not ok
};

// Checks a message's word as it came (UTF-8, composed): well-formed, at most
// kMaxLookupBytes, no control character, with a letter, at most
// kMaxLookupWords words once the punctuation around them is gone. A character
// Windows-1250 lacks becomes kStandIn: such a word is asked for and found in
// no dictionary.
LookupRequest readLookupMessage(std::string_view utf8);

// The words a look-up takes from a text (Windows-1250, any length): its first
// word, and the word after it, for the caller to try the two as a phrase
// first. Words end at white space, full stops and commas, as in a
// translation, and lose the quotes, brackets and marks around them; a run
// without a letter is no word. Only the first kScannedBytes are read: a
// selection of a megabyte costs no more than a line.
constexpr std::size_t kScannedBytes = 4096;
struct WordsToLookUp {
  std::string first, second;  // empty when there is none
};
WordsToLookUp wordsToLookUp(std::string_view text);
