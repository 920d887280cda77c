#pragma once

// Czech word forms: the base forms of an inflected Czech word ("muže" ->
// MUŽ), from the irregular-forms file first and Hunspell's Czech dictionary
// after it. Words are Windows-1250; base forms come upper-cased (upcaseCz).
// Nothing is loaded until a word is asked for or prepareWordForms() runs,
// so the start of the program never waits for it.

#include <string>
#include <string_view>
#include <vector>

// The irregular forms the user keeps beside the dictionaries, in the export
// format: "PSA - PES" (the form, then its base form), Windows-1250.
constexpr const char* kIrregularFormsFileName = "tvary.txt";

// Loads Hunspell's Czech dictionary unless it is loaded: at most once, and
// safe to call from any thread (a window calls it off its own thread). False
// when the data is missing; wordFormsProblem() then says what to install.
bool prepareWordForms();
std::string wordFormsProblem();

// The base forms of `word`, best first, each once, never the word itself:
// those the irregular-forms file gives, then Hunspell's stems. With
// ignoreDiacritics, after those come the base forms of the spellings of
// `word` with diacritics put back that Hunspell knows ("zeny" -> ŽENA), and
// irregular forms match without diacritics too.
std::vector<std::string> baseFormsOf(std::string_view word, bool ignoreDiacritics);

// Lines of the irregular-forms file that could not be read, each naming its
// file and line number, not yet reported; asking takes them.
std::vector<std::string> takeWordFormsWarnings();

// For tests and the command line's own checks: Hunspell's data as
// `base`.aff and `base`.dic instead of the system's Czech dictionary (also
// set by the environment variable TARVIK_HUNSPELL_CS), dropping what was
// loaded.
void useHunspellData(std::string base);
