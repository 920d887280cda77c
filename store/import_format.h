#pragma once

// The files `tarvik import` reads, in Windows-1250 lines (the line ends and a
// Ctrl-Z already taken off by splitTextLines):
//
// - text, the export format: each line is "HEADWORD - MEANING", split at the
//   first " - ", so a meaning may itself contain " - " but a headword may not.
// - tsv, the table `export --format tsv` writes: "HEADWORD<TAB>M1; M2; ...",
//   split at the first TAB and then at each "; ". A backslash is written
//   "\\"; "\n" and "\t" stand for a line feed and a TAB, as StarDict's
//   tabfile reads them (and are then refused as control characters). A
//   meaning of nothing but spaces is skipped, as the export skips it.
// - csv, a spreadsheet's rows (RFC 4180): HEADWORD,M1,M2,... separated by
//   commas, or by semicolons where the first row has more of them outside
//   quotes; a field in double quotes may hold separators, line breaks and "" for
//   a quote. Spaces around a field are dropped, an empty meaning is skipped,
//   a row of nothing but empty fields is skipped.
//
// In all three, consecutive lines (rows) of byte-identical headwords form one
// entry of at most five meanings, in the order read; the sixth starts a new
// entry, as the store itself starts a new record when one is full. Blank
// lines are skipped wherever they stand: an editor's trailing empty line or a
// stray CR must not refuse a whole file.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "record_format.h"

// The export format's line, "HEADWORD - MEANING", split at the first
// separator; nullopt for a line without one. Also the format of tvary.txt.
constexpr std::string_view kExportSeparator = " - ";
struct ExportLine {
  std::string_view headword, meaning;
};
std::optional<ExportLine> splitExportLine(std::string_view line);

// A line that is not of the format. Its text names the file and the line.
class ImportFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A field that cannot be stored as it stands: longer than a record's field,
// which would be cut, or holding a control character (below 32), which would
// break the line of every listing and export of the record.
struct FieldProblem {
  enum Kind { kTooLong, kControl };
  Kind kind = kTooLong;
  std::size_t line = 0;       // from 1; 0 for a field given as an argument
  std::string field;          // "headword", "meaning", "meaning 3"
  std::size_t length = 0;     // kTooLong: the field's length in bytes
  std::size_t position = 0;   // kControl: where the first one stands, from 1
  unsigned char control = 0;  // kControl: its byte
};

// Adds the problems of one field to `problems`.
void checkField(std::string_view text, std::size_t line, const std::string& field,
                std::vector<FieldProblem>& problems);
// "in.txt, line 3, meaning 2: 28 bytes, more than the 20 a field holds";
// `source` is left out when empty, the line when 0. With `cut`, a field too
// long is said to be cut to 20.
std::string describeProblem(const FieldProblem& problem, const std::string& source, bool cut);

struct ImportedEntries {
  std::vector<Tslovicko> entries;      // fields uncut: insertEntry cuts them
  std::vector<FieldProblem> problems;  // every field found wanting, in file order
};

// Each throws ImportFormatError naming the first line (from 1) that is not
// of its format, so that an import either reads the whole file or writes
// nothing.
ImportedEntries parseImportLines(const std::vector<std::string>& lines, const std::string& fileName);
ImportedEntries parseTableLines(const std::vector<std::string>& lines, const std::string& fileName);
// With `header`, the first row names the columns and is skipped.
ImportedEntries parseCsvLines(const std::vector<std::string>& lines, const std::string& fileName, bool header);

// Shared by the readers: adds a meaning (none when empty) of `headword` as the
// next line of the file, continuing the last entry when it has the same
// headword and a free slot.
void addMeaning(std::vector<Tslovicko>& entries, std::string_view headword, std::string_view meaning);
std::string lineError(const std::string& fileName, std::size_t line, const std::string& what);
