#pragma once

// A dictionary file (tc_slovnik.slk, ct_slovnik.slk, and the scratch file
// pomocny.slk) is nothing but records of kRecordSize bytes back to back from
// offset 0: no header, no trailer, no checksum. Record i starts at byte
// kRecordSize * i; a trailing fragment shorter than a record is never read.
//
// A record is six fields of kFieldSize bytes, in this order: the headword
// `slovo`, then the meanings `vyznam1` .. `vyznam5`. A field is one length
// byte (0 to kFieldCapacity) followed by kFieldCapacity character bytes of
// Windows-1250. Only the first `length` bytes of a field are text. The rest
// may still hold a longer word written earlier, so readers must never look at
// them; we write them as zero bytes. A damaged length byte above
// kFieldCapacity is read as kFieldCapacity.
//
// The headword KO is stored as 02 4B 4F followed by 18 bytes without meaning.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

constexpr std::size_t kFieldCapacity = 20;
constexpr std::size_t kFieldSize = 1 + kFieldCapacity;
constexpr std::size_t kFieldCount = 6;
constexpr std::size_t kRecordSize = kFieldCount * kFieldSize;
static_assert(kRecordSize == 126);

constexpr int kMeaningCount = 5;

struct Tslovicko {
  std::string slovo;
  std::string vyznam1;
  std::string vyznam2;
  std::string vyznam3;
  std::string vyznam4;
  std::string vyznam5;

  // Meaning slot 1 to 5.
  std::string& vyznam(int slot);
  const std::string& vyznam(int slot) const;

  bool operator==(const Tslovicko&) const = default;
};

// Texts longer than a field keep their first kFieldCapacity characters, as
// assigning them to the field on disk would.
std::string fitField(std::string_view text);

// The text of field 0 (`slovo`) to 5 (`vyznam5`) of a record's raw bytes.
std::string_view fieldText(const char* record, int field);

Tslovicko decodeRecord(const char* record);
void encodeRecord(const Tslovicko& entry, char* record);
