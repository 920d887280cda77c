#pragma once

#include <string>
#include <string_view>

// The program's only case folding: a-z and the fifteen Czech lower-case
// letters become capitals; every other byte stays as it is.
char upcaseCz(char c);
std::string upcaseCzText(std::string_view text);

// How a Czech reader says a Tarvik word (SHEEKA -> ŠÍKA); apostrophes vanish.
std::string pronounceTarvik(std::string_view word);
// A Tarvik spelling for a word typed as it sounds (šíkv -> SHEEQ).
std::string spellTarvik(std::string_view word);
