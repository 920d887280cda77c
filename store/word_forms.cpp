#include "word_forms.h"

bool prepareWordForms() { return false; }
std::string wordFormsProblem() { return {}; }
std::vector<std::string> baseFormsOf(std::string_view, bool) { return {}; }
std::vector<std::string> takeWordFormsWarnings() { return {}; }
void useHunspellData(std::string) {}
