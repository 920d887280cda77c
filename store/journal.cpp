#include "journal.h"

#include <array>

#include "record_format.h"

namespace {

constexpr std::string_view kMagic = "ZURNAL01";
constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kTrailerSize = 4;

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int bit = 0; bit < 8; ++bit) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[i] = c;
  }
  return table;
}();

void putLittle(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

std::uint64_t getLittle(std::string_view in, std::size_t at, int bytes) {
  std::uint64_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(in[at + i]);
  return value;
}

}  // namespace

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (char b : bytes) c = kCrcTable[(c ^ static_cast<unsigned char>(b)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::string journalName(const std::string& dictionaryName) {
  std::size_t dot = dictionaryName.rfind('.');
  std::size_t slash = dictionaryName.rfind('/');
  bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? dictionaryName.substr(0, dot) : dictionaryName) + ".zurnal";
}

std::string encodeJournal(off_t oldSize, off_t offset, std::string_view bytes) {
  std::string journal(kMagic);
  journal.reserve(kHeaderSize + bytes.size() + kTrailerSize);
  putLittle(journal, static_cast<std::uint64_t>(oldSize), 8);
  putLittle(journal, static_cast<std::uint64_t>(offset), 8);
  putLittle(journal, bytes.size(), 8);
  journal += bytes;
  putLittle(journal, crc32(journal), 4);
  return journal;
}

std::optional<JournalEntry> decodeJournal(std::string_view bytes) {
  if (bytes.size() < kHeaderSize + kTrailerSize || !bytes.starts_with(kMagic)) return std::nullopt;
  std::uint64_t length = getLittle(bytes, 24, 8);
  if (bytes.size() - kHeaderSize - kTrailerSize != length) return std::nullopt;
  std::size_t checked = kHeaderSize + length;
  if (crc32(bytes.substr(0, checked)) != getLittle(bytes, checked, 4)) return std::nullopt;
  // Whole, yet not a change this program makes: the bytes came from elsewhere.
  std::uint64_t oldSize = getLittle(bytes, 8, 8), offset = getLittle(bytes, 16, 8);
  constexpr std::uint64_t kLargest = std::uint64_t{1} << 62;
  if (length == 0 || length % kRecordSize != 0 || offset % kRecordSize != 0 || offset > oldSize ||
      oldSize >= kLargest)
    return std::nullopt;
  return JournalEntry{static_cast<off_t>(oldSize), static_cast<off_t>(offset),
                      std::string(bytes.substr(kHeaderSize, length))};
}
