#pragma once

// Internal to the store: the open dictionaries behind a selector. Every
// public operation reaches its dictionary through these, once, so that a file
// replaced or changed by another program is taken up before it is used.

#include <cstdint>
#include <string>
#include <vector>

#include "dictionary_index.h"
#include "psoubory.h"
#include "record_file.h"

struct Dictionary {
  explicit Dictionary(const char* name) : file(name) {}
  RecordFile file;
  DictionaryIndex index;
};

// The dictionary, with `stamp` set to the state of its file now.
Dictionary& dictionary(Dict dict, FileStamp* stamp);
// The index of the dictionary, loaded anew when the file changed.
DictionaryIndex& currentIndex(Dict dict);

// The store's own writes go through these, so the index stays current
// without reading the file again.
void writeRecord(Dict dict, long index, const char* record);
// `order` names the old record at each new place when the new content is a
// reordering of the old one; empty otherwise.
void replaceRecords(Dict dict, std::string records, const std::vector<std::uint32_t>& order);

// A look-up in an index already made current, for the callers that look up
// many words in one operation.
FoundWord findInIndex(DictionaryIndex& index, std::string_view word, bool byPronunciation);
