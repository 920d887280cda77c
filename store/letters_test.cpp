#include <gtest/gtest.h>

#include "letters.h"

namespace {

TEST(UpcaseCz, MapsAsciiAndCzechLowerCaseLettersAndLeavesEveryOtherByte) {
  // Czech capitals sit at irregular distances; ä, ö, ü, ľ, ß and the rest stay.
  const std::string lower = "\x9A\x9D\x9E\xE1\xE8\xE9\xEC\xED\xEF\xF2\xF3\xF8\xF9\xFA\xFD";
  const std::string upper = "\x8A\x8D\x8E\xC1\xC8\xC9\xCC\xCD\xCF\xD2\xD3\xD8\xD9\xDA\xDD";
  for (int c = 0; c < 256; ++c) {
    std::size_t czech = lower.find(static_cast<char>(c));
    int expected = c >= 'a' && c <= 'z'         ? c - 0x20
                   : czech != std::string::npos ? static_cast<unsigned char>(upper[czech])
                                                : c;
    EXPECT_EQ(static_cast<unsigned char>(upcaseCz(static_cast<char>(c))), expected) << "byte " << c;
  }
  EXPECT_EQ(upcaseCzText("\x9E\xE1" "ba'1 z"), "\x8E\xC1" "BA'1 Z");
}

TEST(PronounceAndSpellTarvik, FollowTheRulesInTheirOrder) {
  const std::pair<const char*, const char*> pronounced[] = {
      {"SHEEKA", "\x8A\xCDKA"}, {"TA'QUI", "TAKVUI"}, {"ROUNNA", "R\xD9NA"}, {"MAIK", "MAJK"},
      {"EEI", "\xCDJ"},  // the I follows an E consumed by EE
      {"QQ", "KVKV"},    // Q before doubling
      {"LLL", "LL"},     {"shee", "she"},  // lower case: only the doubled e goes
      {"EEE", "\xCD" "E"}, {"SHH", "\x8AH"}, {"AII", "AJI"}, {"OI", "OJ"}, {"I", "I"},
      {"ROU", "R\xD9"}, {"RO", "RO"}, {"''", ""}, {"", ""},
      {"\xC8\xC8", "\xC8"},  // doubling applies to any byte
  }, spelled[] = {
      {"\x9A\xEDkv", "SHEEQ"}, {"MAJK", "MAIK"}, {"r\xF9\x9E" "e", "ROU\x8E" "E"}, {"A'J", "A'J"},
      {"\xCD\xCD", "EEEE"},    {"KVKV", "QQ"},   {"", ""}, {"J", "J"}, {"oj", "OI"}, {"K", "K"}, {"R", "R"},
  };
  for (const auto& [in, out] : pronounced) EXPECT_EQ(pronounceTarvik(in), out) << in;
  for (const auto& [in, out] : spelled) EXPECT_EQ(spellTarvik(in), out) << in;
}

}  // namespace
