#include <algorithm>

#include "open_dictionaries.h"

namespace {

Dictionary& chosenDictionary(OpenDictionaries& dictionaries, Dict dict) {
  FileStamp ignored;
  return dictionaries.dictionary(dict, &ignored);
}

}  // namespace

HeldChanges::HeldChanges(OpenDictionaries& dictionaries, Dict dict) : chosen(chosenDictionary(dictionaries, dict)) {
  chosen.file.checkWritable();
  before = dictionaries.currentIndex(dict).records();
  fileStamp = chosen.index.stamp();
  chosen.held = true;
}

HeldChanges::~HeldChanges() {
  if (committed) return;
  chosen.held = false;
  chosen.index.forget();
}

void HeldChanges::commit() {
  chosen.held = false;
  const std::string& after = chosen.index.records();
  FileStamp now = chosen.file.refresh();
  if (after == before) {
    if (now != fileStamp) return;  // Not committed: the index is dropped and read anew.
    chosen.index.restamp(now);
    committed = true;
    return;
  }
  std::size_t same = std::mismatch(before.begin(), before.end(), after.begin(), after.end()).first - before.begin();
  same -= same % kRecordSize;
  bool appended = after.size() > before.size() && same == before.size();
  bool oneChanged = after.size() == before.size() &&
                    after.compare(same + kRecordSize, std::string::npos, before, same + kRecordSize) == 0;
  // In place only over the very file the operation started from: when
  // another program changed it meanwhile, the whole result replaces it.
  if (now == fileStamp && (appended || oneChanged))
    chosen.file.write(static_cast<long>(same / kRecordSize),
                      std::string_view(after).substr(same, appended ? std::string::npos : kRecordSize));
  else
    chosen.file.replace(after);
  chosen.index.restamp(chosen.file.stamp());
  committed = true;
}
