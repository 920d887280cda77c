#pragma once

// Windows-1250, the program's only character set, against Unicode. The five
// bytes the code page leaves unassigned (0x81, 0x83, 0x88, 0x90, 0x98) stand
// for the C1 control characters of the same value, so that every byte a
// dictionary holds survives a trip to Unicode and back.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// In a line of text from outside, byte 26 (Ctrl-Z, which ends a text file
// and so can stand in no line) stands for a character the code page lacks.
// A word holding it is a word, and never a headword.
constexpr char kStandIn = '\x1A';

char32_t cp1250ToUnicode(unsigned char byte);
// nullopt for a character the code page cannot hold.
std::optional<unsigned char> unicodeToCp1250(char32_t code);

std::string cp1250ToUtf8(std::string_view bytes);

// Whether `text` is UTF-8 without a broken, overlong or surrogate sequence.
bool isWellFormedUtf8(std::string_view text);

struct Utf8Decoded {
  std::string bytes;           // Windows-1250, when ok
  bool ok = true;
  bool malformed = false;      // when not ok: broken UTF-8, not a character the code page lacks
  std::string error;           // names the offending character, when not ok
};
// Fails on malformed UTF-8 and on characters outside Windows-1250. Given
// `standIns`, a character outside becomes kStandIn instead, and its UTF-8 is
// appended there; so does a byte 26 of the text itself, so that the
// stand-ins can be given back in order.
Utf8Decoded utf8ToCp1250(std::string_view utf8, std::vector<std::string>* standIns = nullptr);
// The first character of `utf8` as messages name it: "😀" (U+1F600).
std::string describeCharacter(std::string_view utf8);

// The program's own texts are written in the sources in UTF-8; this turns
// one into Windows-1250 ("?" for a character the code page cannot hold).
std::string cp1250Text(std::string_view utf8);
