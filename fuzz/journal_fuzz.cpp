// Any bytes as the journal beside a dictionary, as a power cut, a damaged
// disk or another program may leave it. Opening the dictionaries never fails
// for it, leaves no journal behind, and leaves the dictionary as it was or
// with exactly the change of a journal that reads as whole.

#include <algorithm>
#include <cstdint>

#include "dictionary_store.h"
#include "fuzz_check.h"
#include "journal.h"

namespace {

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string dictionary = [] {
    std::string records(3 * kRecordSize, '\0');
    for (std::size_t i = 0; i < 3; ++i) records.replace(i * kRecordSize, 3, "\x02K" + std::string(1, 'A' + i));
    return records;
  }();
  std::string journal(reinterpret_cast<const char*>(data), size);
  // An input of even length gets a checksum that matches in its last four
  // bytes, so that the fuzzer also reaches what lies behind the checksum.
  if (size >= 4 && size % 2 == 0) {
    std::uint32_t crc = crc32(std::string_view(journal).substr(0, size - 4));
    for (int i = 0; i < 4; ++i) journal[size - 4 + i] = static_cast<char>(crc >> (8 * i));
  }
  std::optional<JournalEntry> entry = decodeJournal(journal);
  if (entry)
    require(encodeJournal(entry->oldSize, entry->offset, entry->bytes) == journal, "a whole journal reads back whole");

  const std::string& folder = freshFolder();
  putFile(folder + "/tc_slovnik.slk", dictionary);
  putFile(folder + "/tc_slovnik.zurnal", journal);
  DictionaryStore store(folder);
  std::string after = fileBytes(folder + "/tc_slovnik.slk");
  require(store.entryCount(kTarvikCzech) == static_cast<long>(after.size() / kRecordSize), "the store reads the file");
  require(!std::filesystem::exists(folder + "/tc_slovnik.zurnal"), "no journal is left");
  if (after != dictionary) {
    require(entry && entry->offset <= static_cast<off_t>(dictionary.size()), "only a whole journal changes the file");
    std::string changed = dictionary;
    changed.resize(std::max(changed.size(), static_cast<std::size_t>(entry->offset) + entry->bytes.size()));
    changed.replace(static_cast<std::size_t>(entry->offset), entry->bytes.size(), entry->bytes);
    require(after == changed, "the change is the journal's, exactly");
  }
  return 0;
}
