#pragma once

// The journal of a dictionary: tc_slovnik.zurnal beside tc_slovnik.slk (and
// ct_slovnik.zurnal beside ct_slovnik.slk) holds one change written in
// place, from before the first byte of it reaches the dictionary until the
// whole change is on disk. A change of records in place can straddle a
// sector and be torn by a power cut; with the journal on disk first, the next
// start writes the change again whole. Integers are little-endian:
//
//   0   8  "ZURNAL01"
//   8   8  the size of the dictionary before the change
//   16  8  the offset in the dictionary where the change starts
//   24  8  n, the length of the change in bytes, whole records
//   32  n  the new bytes
//   32+n 4 CRC-32 (as zlib computes it) of everything before it
//
// A journal is whole only when it is exactly 36 + n bytes and its CRC
// matches: a journal torn by the cut itself is recognised and dropped, and
// the dictionary is then as it was, since nothing was written to it before
// its journal reached the disk.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

struct JournalEntry {
  off_t oldSize = 0;
  off_t offset = 0;
  std::string bytes;
};

// "tc_slovnik.slk" -> "tc_slovnik.zurnal".
std::string journalName(const std::string& dictionaryName);

std::string encodeJournal(off_t oldSize, off_t offset, std::string_view bytes);
// Empty unless `bytes` are one whole journal of a change that starts at a
// record within the old dictionary or at its end.
std::optional<JournalEntry> decodeJournal(std::string_view bytes);

std::uint32_t crc32(std::string_view bytes);
