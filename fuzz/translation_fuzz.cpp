// Any text translated with a small dictionary that has phrases, a headword
// known by its pronunciation, an empty headword and a damaged record: the
// word-by-word translation, the words of the step-by-step walk and the
// meaning grid must never crash and must agree on how many words there are.

#include <algorithm>
#include <cstdint>

#include "dictionary_store.h"
#include "fuzz_check.h"
#include "meaning_grid.h"

namespace {

std::string record(std::initializer_list<std::string_view> fields) {
  std::string bytes(kRecordSize, '\0');
  std::size_t at = 0;
  for (std::string_view field : fields) {
    bytes[at] = static_cast<char>(field.size());
    bytes.replace(at + 1, field.size(), field);
    at += kFieldSize;
  }
  return bytes;
}

std::string dictionaryBytes() {
  std::string damaged = record({"SHEEQ", "DLOUHY"});
  damaged[0] = static_cast<char>(0xFF);  // a length past the field: read as 20
  return record({"KO", "VODA", "MOKRO"}) + record({"RA", "SLUNCE"}) + record({"KO RA", "\xD8" "EKA"}) +
         record({"KO.RA", "TE\xC8" "E"}) + record({"SHEE", "ONA"}) + record({"ROU'Q", "LES"}) +
         record({"", "PR\xC1" "ZDNO"}) + record({"TA", ""}) + damaged + std::string(50, 'X');
}

DictionaryStore* store;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  putFile(freshFolder() + '/' + dictionaryFileName(kTarvikCzech), dictionaryBytes());
  static DictionaryStore opened(freshFolder());
  store = &opened;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Two bytes choose the word and the way of looking up; the rest is the text.
  int n = (size > 0 ? data[0] : 0) - 8;
  bool byPronunciation = size > 1 && (data[1] & 1);
  std::string_view text(reinterpret_cast<const char*>(data), size);
  text.remove_prefix(size > 2 ? 2 : size);

  LineTranslation line = store->translateText(text, kTarvikCzech, byPronunciation);
  require(line.untranslatedCount >= 0, "a count is never negative");
  require(line.untranslatedCount <= static_cast<long>(text.size()) + 2, "at most one untranslated word a separator");

  int words = countWords(text);
  require(words >= 1 && words <= static_cast<int>(text.size()) + 1, "countWords counts from one");
  PhraseAtResult item = store->phraseAt(n, text, kTarvikCzech, LookupOptions{.byPronunciation = byPronunciation});
  require(item.taken == 0 || item.taken == 1, "a phrase takes one more word or none");
  require(item.result.size() <= text.size(), "phraseAt gives a piece of the text");
  if (item.taken == 1) require(item.result.find(' ') != std::string::npos, "a phrase is two words");

  // The grid parts words at tabs too.
  std::string spaced(text);
  std::replace(spaced.begin(), spaced.end(), '\t', ' ');
  std::vector<GridColumn> columns =
      meaningColumns(*store, text, kTarvikCzech, LookupOptions{.byPronunciation = byPronunciation});
  require(!columns.empty() && columns.size() <= static_cast<std::size_t>(countWords(spaced)) + kGridResetColumns,
          "the grid has a column per item and its spare ones");
  return 0;
}
