#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The program's only case folding: a-z and the fifteen Czech lower-case
// letters become capitals; every other byte stays as it is.
char upcaseCz(char c);
std::string upcaseCzText(std::string_view text);
// The way back (A-Z and the fifteen Czech capitals), only for Hunspell, whose
// Czech dictionary is in lower case.
char downcaseCz(char c);
std::string downcaseCzText(std::string_view text);

// A letter with its diacritics taken off (Ž -> Z, ů -> u), for finding words
// typed on a keyboard without Czech letters; a letter that has no plain form
// in Windows-1250 (Ł, ß) and every other byte stays.
char foldDiacritics(char c);
// The key a headword is found by: the headword as stored, apostrophes left
// out. A word asked for is upper-cased first (queryKey).
std::string headwordKey(std::string headword);
inline std::string queryKey(std::string_view word) { return headwordKey(upcaseCzText(word)); }
// The key two spellings share when they differ only in case, diacritics and
// apostrophes: "Muze", "MŮŽE" and "MU'Ž" all give MUZE.
std::string foldedKey(std::string_view word);

// The spellings of a lower-case `word` with Czech diacritics put back
// ("zeny" -> "zený", "ženy", ...), fewer diacritics first, at most `most`: a
// word rarely has more than three, and the cap must not spend itself on
// unlikely spellings of a long word. Only Czech letters come back, not every
// letter the code page folds to a plain one.
std::vector<std::string> spellingsWithDiacritics(std::string word, std::size_t most);

// No Czech word is longer: the bound keeps the work on Czech words small
// for any input.
constexpr std::size_t kLongestCzechWord = 40;

// A byte below 32 (a TAB, a line break): part of no word, and it would break
// the line of every listing and export of a record that held it.
constexpr bool isControlByte(char c) { return static_cast<unsigned char>(c) < 0x20; }

// A letter of any language Windows-1250 writes (a, Ž, ß, ł ...), not a
// digit, mark or symbol: a run of text without one is no word.
bool isLetter(char c);
// A letter, or a stand-in for a character the code page lacks, which may be
// a letter too (ж, 漢).
bool hasLetter(std::string_view text);

// Quotes, brackets and the marks that end a clause: what real text puts
// around a word ("(muž)", „Žena“, muž!). The hyphen is not among them: it
// belongs to Czech words.
bool isEdgePunctuation(char c);

// How a Czech reader says a Tarvik word (SHEEKA -> ŠÍKA); apostrophes vanish.
std::string pronounceTarvik(std::string_view word);
// A Tarvik spelling for a word typed as it sounds (šíkv -> SHEEQ).
std::string spellTarvik(std::string_view word);
