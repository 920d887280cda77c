#pragma once

// Base forms guessed from the regular Czech paradigms, for the words that
// neither the irregular forms nor Hunspell lead back: an ending of a noun,
// adjective, pronoun or verb taken off and the base form's ending put on
// ("uživatele" -> UŽIVATEL, "vypisuje" -> VYPISOVAT), with the changes the
// paradigm makes to the stem ("kamene" -> KÁMEN, "otce" -> OTEC, "vojáci" ->
// VOJÁK). Most guesses are no word at all: a caller keeps only those that are
// headwords of its dictionary.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Each guess costs the caller a look-up or two.
constexpr std::size_t kMaxGuessedBaseForms = 48;

// Guessed base forms of `word` (upper case as upcaseCz gives it,
// Windows-1250), the likeliest first, each once, never the word itself,
// never shorter than three letters. A form is led back by its ending alone:
// the regular endings of the paradigms first (longer before shorter), then
// the rarer ones, then those that also change the stem, then the verbs of a
// negated word without its "ne" and the comparatives of a superlative
// without its "nej". A verb comes also with SE and SI after it, as
// dictionaries list reflexive verbs ("snaží" -> SNAŽIT SE), and so does a
// word that is an infinitive itself. Guesses are spelled as the word is,
// with the diacritics of the base endings and stem changes added: they are
// meant to be compared as they stand.
std::vector<std::string> guessedBaseForms(std::string_view word);
