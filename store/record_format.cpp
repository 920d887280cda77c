#include "record_format.h"

#include <algorithm>
#include <cstring>
#include <utility>

std::string& Tslovicko::vyznam(int slot) {
  return const_cast<std::string&>(std::as_const(*this).vyznam(slot));
}

const std::string& Tslovicko::vyznam(int slot) const {
  switch (slot) {
    case 1: return vyznam1;
    case 2: return vyznam2;
    case 3: return vyznam3;
    case 4: return vyznam4;
    default: return vyznam5;
  }
}

std::string fitField(std::string_view text) {
  return std::string(text.substr(0, kFieldCapacity));
}

std::string_view fieldText(const char* record, int field) {
  const char* start = record + field * kFieldSize;
  std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(start[0]), kFieldCapacity);
  return {start + 1, length};
}

Tslovicko decodeRecord(const char* record) {
  Tslovicko entry;
  entry.slovo = fieldText(record, 0);
  for (int slot = 1; slot <= kMeaningCount; ++slot) entry.vyznam(slot) = fieldText(record, slot);
  return entry;
}

namespace {

void encodeField(std::string_view text, char* field) {
  text = text.substr(0, kFieldCapacity);
  std::memset(field, 0, kFieldSize);
  field[0] = static_cast<char>(text.size());
  std::memcpy(field + 1, text.data(), text.size());
}

}  // namespace

void encodeRecord(const Tslovicko& entry, char* record) {
  encodeField(entry.slovo, record);
  for (int slot = 1; slot <= kMeaningCount; ++slot)
    encodeField(entry.vyznam(slot), record + slot * kFieldSize);
}
