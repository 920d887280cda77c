#pragma once

// Czech word forms: the base forms of an inflected Czech word ("muže" ->
// MUŽ), from the irregular-forms file first and Hunspell's Czech dictionary
// after it. Words are Windows-1250; base forms come upper-cased (upcaseCz).
// Nothing is loaded until a word is asked for or prepare() runs, so the
// start of the program never waits for it.

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "posix_file.h"

// The irregular forms the user keeps beside the dictionaries, in the export
// format: "PSA - PES" (the form, then its base form), in UTF-8 when the file
// is well-formed UTF-8 with a letter beyond ASCII, else in Windows-1250.
// Where the folder has none, the copy installed with the program
// serves. The file is read again whenever it changes; a line that cannot be
// used (no " - " or two, an empty word or one over 20 bytes, a control
// character in a word) is left out with a warning, and a file that cannot be read
// gives a warning and no forms.
constexpr const char* kIrregularFormsFileName = "tvary.txt";

// The word forms of the dictionaries' folder, whose tvary.txt they read.
// Safe to use from any thread (a window loads them off its own thread); every
// call waits for one under way.
class WordForms {
 public:
  explicit WordForms(const Folder& folder);
  ~WordForms();
  WordForms(const WordForms&) = delete;
  WordForms& operator=(const WordForms&) = delete;

  // Loads Hunspell's Czech dictionary (about 300 ms) unless it is loaded.
  // False when the data is missing or unusable; problem() then says what to
  // install. baseFormsOf tries the load once, prepare again after each
  // failure, so that a dictionary installed meanwhile is taken up.
  bool prepare();
  // Empty unless the last load failed.
  std::string problem();

  // The base forms of `word`, best first, each once, never the word itself:
  // those the irregular-forms file gives, then Hunspell's stems, then what
  // the file gives for those stems ("nemá" -> MÁ -> MÍT). With
  // ignoreDiacritics, after those come the base forms of the spellings of
  // `word` with diacritics put back that Hunspell knows ("zeny" -> ŽENA, up
  // to 256 spellings, fewest diacritics first), and irregular forms match
  // without diacritics too. Without Hunspell's data only the irregular forms
  // come. Hunspell's answers are kept, so a word asked again costs
  // microseconds. A damaged or unreadable irregular-forms file never makes
  // it throw.
  std::vector<std::string> baseFormsOf(std::string_view word, bool ignoreDiacritics);

  // Lines of the irregular-forms file that could not be used when it was
  // last read (by prepare() or a look-up), each naming the file by its full
  // path, the line's number and its text, in UTF-8. Each is given once a
  // run: asking takes them. Never waits for a load under way.
  std::vector<std::string> takeWarnings();

  // For tests and the command line's own checks: Hunspell's data as
  // `base`.aff and `base`.dic instead of the system's Czech dictionary
  // /usr/share/hunspell/cs_CZ (also set by the environment variable
  // TARVIK_HUNSPELL_CS; an empty `base` goes back to those), dropping what
  // was loaded and read. The dictionary must be in UTF-8 or Windows-1250.
  void useHunspellData(std::string base);

 private:
  struct Told;
  struct State;
  std::mutex mutex;
  std::unique_ptr<Told> told;
  std::unique_ptr<State> state;
};
