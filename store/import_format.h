#pragma once

// The export format read back: each line is "HEADWORD - MEANING", split at
// the first " - ", so a meaning may itself contain " - " but a headword may
// not. Consecutive lines with byte-identical headwords form one entry of at
// most five meanings, the order the export wrote them in; the sixth starts a
// new entry, as the store itself starts a new record when one is full. Blank
// lines are skipped wherever they stand: an editor's trailing empty line or a
// stray CR must not refuse a whole file.

#include <stdexcept>
#include <string>
#include <vector>

#include "record_format.h"

// A line that is not of the format. Its text names the file and the line.
class ImportFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws ImportFormatError naming the first line without " - " (from 1), so
// that an import either reads the whole file or writes nothing. `lines` are
// Windows-1250; fields are left uncut, insertEntry cuts them.
std::vector<Tslovicko> parseImportLines(const std::vector<std::string>& lines, const std::string& fileName);
