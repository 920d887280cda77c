#include "cp1250.h"

#include <array>
#include <cstdio>

namespace {

constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::string describe(char32_t code) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
  std::string text = "\"";
  appendUtf8(text, code);
  return text + "\" (" + name + ")";
}

constexpr char32_t kMalformed = 0xFFFFFFFF;

// The code point of the UTF-8 sequence at `at`, moving `at` past it;
// kMalformed for a broken, overlong or surrogate sequence.
char32_t nextCodePoint(std::string_view utf8, std::size_t& at) {
  unsigned char lead = static_cast<unsigned char>(utf8[at]);
  int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2
            : (lead & 0xF8) == 0xF0 ? 3 : -1;
  if (extra == 0) return utf8[at++] & 0x7F;
  if (extra < 0 || utf8.size() - at <= static_cast<std::size_t>(extra)) {
    ++at;
    return kMalformed;
  }
  char32_t code = lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    unsigned char next = static_cast<unsigned char>(utf8[at + i]);
    if ((next & 0xC0) != 0x80) {
      at += i;
      return kMalformed;
    }
    code = (code << 6) | (next & 0x3F);
  }
  at += extra + 1;
  constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return kMalformed;
  return code;
}

}  // namespace

char32_t cp1250ToUnicode(unsigned char byte) {
  return byte < 0x80 ? byte : kHighHalf[byte - 0x80];
}

std::optional<unsigned char> unicodeToCp1250(char32_t code) {
  if (code < 0x80) return static_cast<unsigned char>(code);
  for (std::size_t i = 0; i < kHighHalf.size(); ++i)
    if (kHighHalf[i] == code) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

std::string cp1250ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) appendUtf8(out, cp1250ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

bool isWellFormedUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();)
    if (nextCodePoint(text, at) == kMalformed) return false;
  return true;
}

Utf8Decoded utf8ToCp1250(std::string_view utf8, std::vector<std::string>* standIns) {
  Utf8Decoded decoded;
  decoded.bytes.reserve(utf8.size());
  std::size_t at = 0;
  while (at < utf8.size()) {
    std::size_t start = at;
    char32_t code = nextCodePoint(utf8, at);
    if (code == kMalformed) {
      decoded.ok = false;
      decoded.malformed = true;
      decoded.error = "malformed UTF-8 at byte " + std::to_string(start + 1);
      return decoded;
    }
    std::optional<unsigned char> byte = unicodeToCp1250(code);
    if (standIns && (!byte || *byte == kStandIn)) {
      decoded.bytes += kStandIn;
      standIns->emplace_back(utf8.substr(start, at - start));
      continue;
    }
    if (!byte) {
      decoded.ok = false;
      decoded.error = "the character " + describe(code) + " has no place in Windows-1250";
      return decoded;
    }
    decoded.bytes += static_cast<char>(*byte);
  }
  return decoded;
}

std::string describeCharacter(std::string_view utf8) {
  std::size_t at = 0;
  return utf8.empty() ? std::string() : describe(nextCodePoint(utf8, at));
}

std::string cp1250Text(std::string_view utf8) {
  std::string bytes;
  std::size_t at = 0;
  while (at < utf8.size()) {
    char32_t code = nextCodePoint(utf8, at);
    std::optional<unsigned char> byte = code == kMalformed ? std::nullopt : unicodeToCp1250(code);
    bytes += byte ? static_cast<char>(*byte) : '?';
  }
  return bytes;
}
