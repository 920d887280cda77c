#pragma once

// How "Hledat" and "Vyhledat" word what they found, in Windows-1250.

#include <string>
#include <string_view>

#include "dictionary_store.h"

// "přesně", "podle výslovnosti", "bez diakritiky" or "tvar slova MUŽ".
std::string howFound(FoundBy how, std::string_view baseForm);
// "možná (vzdálenost 1)", for a headword near a word found in no way.
std::string howNear(int distance);
// The filled meanings of record `index`, one after another.
std::string meaningsOf(const EntriesSnapshot& entries, long index);
