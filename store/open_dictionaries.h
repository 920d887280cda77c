#pragma once

// Internal to the store: what one DictionaryStore holds, and the way every
// operation reaches a dictionary, once, so that a file replaced or changed by
// another program is taken up before it is used.

#include <cstdint>
#include <string>
#include <vector>

#include "dictionary_index.h"
#include "dictionary_store.h"
#include "help_file.h"
#include "meaning_choices.h"
#include "record_file.h"
#include "word_forms.h"

struct Dictionary {
  Dictionary(const Folder& folder, std::vector<std::string>& warnings, const char* name)
      : file(folder, warnings, name) {}
  RecordFile file;
  DictionaryIndex index;
  bool held = false;  // the index holds changes not yet written: see HeldChanges
};

class OpenDictionaries {
 public:
  OpenDictionaries(const std::string& folderPath, DiskObserver observer);

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

  Folder folder;
  std::vector<std::string> warnings;  // the dictionaries' own, not yet taken
  Dictionary tarvikCzech, czechTarvik;
  WordForms wordForms;
  HelpFile help;
  MeaningChoices choices{folder};
};

// Keeps the changes of one operation on a dictionary (several insertions and
// sorts) in its index, and writes them to the file in one step at commit():
// an operation that fails or is killed half way leaves the file as it was,
// never with some of its records written and the sort not done. Changes not
// committed are dropped. Reads during the operation see the held changes.
class HeldChanges {
 public:
  HeldChanges(OpenDictionaries& dictionaries, Dict dict);
  ~HeldChanges();
  HeldChanges(const HeldChanges&) = delete;
  HeldChanges& operator=(const HeldChanges&) = delete;

  // A change of one record, or records added at the end, is written in place;
  // anything else replaces the file through the scratch file.
  void commit();

 private:
  Dictionary& chosen;
  FileStamp fileStamp;  // the file when the operation began
  std::string before;   // its records then
  bool committed = false;
};

// A look-up in an index already made current, for the callers that look up
// many words in one operation, with options made fit for the dictionary's
// headwords by forHeadwordsOf (the index does not know its dictionary).
FoundWord findInIndex(DictionaryIndex& index, WordForms& forms, std::string_view word, const LookupOptions& options);
// The options as they apply to the headwords of `dict`.
LookupOptions forHeadwordsOf(Dict dict, LookupOptions options);
