#pragma once

// The edge of the program. Arguments, standard input and the files named on
// the command line arrive in the user's encoding, and standard output and
// error leave in it; everything in between is Windows-1250, like the
// dictionary files. File names and folders are passed to the system as typed.
//
// UTF-8 is composed (NFC) before it is converted, so that a letter written
// as a base and a combining mark ("z" and U+030C, as some programs and file
// systems write it) is the letter of the code page ("ž").

#include <string>
#include <string_view>
#include <vector>

#include "cp1250.h"
#include "exit_codes.h"

enum class Encoding { kUtf8, kCp1250 };

// Malformed UTF-8: most likely a Windows-1250 text read as UTF-8.
class MalformedText : public UsageError {
 public:
  using UsageError::UsageError;
};

// Text for a command that goes past a character Windows-1250 lacks: each
// such character stands in `bytes` as kStandIn (cp1250.h), and in
// `standIns`, in UTF-8, in the order they stand; a byte 26 of the text
// stands in for itself. Insertions refuse control characters, so no
// headword holds the byte: the word holding it is never found and goes out
// as it came in.
struct ConvertedText {
  std::string bytes;
  std::vector<std::string> standIns;
};

// Throws MalformedText, or UsageError for a character Windows-1250 has no
// place for; both name `where` ("the headword", "line 3 of a.txt").
std::string toWindows1250(std::string_view text, Encoding encoding, std::string_view where);
// As toWindows1250, but such a character becomes a stand-in.
ConvertedText toWindows1250Keeping(std::string_view text, Encoding encoding, std::string_view where);
std::string fromWindows1250(std::string_view bytes, Encoding encoding);

// All of standard input; a read failure is an IoError.
std::string readStandardInput();

// One line of Windows-1250 text on standard output, ended by LF. The stand-ins
// it holds become the characters of `standIns` from `next` on, in order.
void printLine(std::string_view bytes, Encoding encoding);
void printLine(std::string_view bytes, Encoding encoding, const std::vector<std::string>& standIns,
               std::size_t& next);
// The program's own words, written in UTF-8 here, on standard error.
void printMessage(std::string_view utf8, Encoding encoding);
void reportError(std::string_view utf8, Encoding encoding);
// Flushes standard output; a full disk or a closed pipe is an IoError, so
// that a truncated listing never passes for a whole one.
void finishOutput();
