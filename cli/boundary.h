#pragma once

// The edge of the program. Arguments, standard input and the files named on
// the command line arrive in the user's encoding, and standard output and
// error leave in it; everything in between is Windows-1250, like the
// dictionary files. File names and folders are passed to the system as typed.

#include <string>
#include <string_view>

enum class Encoding { kUtf8, kCp1250 };

// Throws UsageError naming `where` ("the headword", "line 3 of a.txt") for
// malformed UTF-8 or a character Windows-1250 has no place for.
std::string toWindows1250(std::string_view text, Encoding encoding, std::string_view where);
std::string fromWindows1250(std::string_view bytes, Encoding encoding);

// All of standard input; a read failure is an IoError.
std::string readStandardInput();

// One line of Windows-1250 text on standard output, ended by LF.
void printLine(std::string_view bytes, Encoding encoding);
// The program's own words, written in UTF-8 here, on standard error.
void printMessage(std::string_view utf8, Encoding encoding);
void reportError(std::string_view utf8, Encoding encoding);
// Flushes standard output; a full disk or a closed pipe is an IoError, so
// that a truncated listing never passes for a whole one.
void finishOutput();
