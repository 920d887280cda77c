#include <gtest/gtest.h>

#include "letters.h"

namespace {

struct Case {
  const char* input;
  const char* expected;
};

TEST(UpcaseCz, MapsEveryCzechLowerCaseLetterToItsCapital) {
  const unsigned char pairs[][2] = {
      {0x9A, 0x8A}, {0x9D, 0x8D}, {0x9E, 0x8E}, {0xE1, 0xC1}, {0xE8, 0xC8},
      {0xE9, 0xC9}, {0xEC, 0xCC}, {0xED, 0xCD}, {0xEF, 0xCF}, {0xF2, 0xD2},
      {0xF3, 0xD3}, {0xF8, 0xD8}, {0xF9, 0xD9}, {0xFA, 0xDA}, {0xFD, 0xDD},
  };
  for (const auto& pair : pairs)
    EXPECT_EQ(static_cast<unsigned char>(upcaseCz(static_cast<char>(pair[0]))), pair[1])
        << "byte " << int(pair[0]);
}

TEST(UpcaseCz, MapsAsciiLettersAndLeavesEveryOtherByte) {
  for (int c = 0; c < 256; ++c) {
    unsigned char got = static_cast<unsigned char>(upcaseCz(static_cast<char>(c)));
    if (c >= 'a' && c <= 'z') {
      EXPECT_EQ(got, c - 0x20);
    } else if (c < 0x80) {
      EXPECT_EQ(got, c) << "byte " << c;
    }
  }
  // Lower-case letters of other languages stay: ä, ö, ü, ľ, ß.
  for (unsigned char c : {0xE4, 0xF6, 0xFC, 0xBE, 0xDF, 0xB9, 0xB3})
    EXPECT_EQ(static_cast<unsigned char>(upcaseCz(static_cast<char>(c))), c) << "byte " << int(c);
  EXPECT_EQ(upcaseCzText("\x9E\xE1" "ba'1 z"), "\x8E\xC1" "BA'1 Z");
}

TEST(PronounceTarvik, FollowsTheRulesInTheirOrder) {
  const Case cases[] = {
      {"SHEEKA", "\x8A\xCDKA"},  // ŠÍKA
      {"TA'QUI", "TAKVUI"},
      {"ROUNNA", "R\xD9NA"},     // RŮNA
      {"MAIK", "MAJK"},
      {"EEI", "\xCDJ"},           // ÍJ: the I follows an E consumed by EE
      {"QQ", "KVKV"},            // Q before doubling
      {"LLL", "LL"},
      {"shee", "she"},           // lower case: only the doubled e goes
      {"EEE", "\xCD" "E"},
      {"SHH", "\x8AH"},
      {"AII", "AJI"},
      {"OI", "OJ"},
      {"I", "I"},
      {"ROU", "R\xD9"},
      {"RO", "RO"},
      {"''", ""},
      {"", ""},
      {"\xC8\xC8", "\xC8"},       // doubling applies to any byte
  };
  for (const Case& c : cases) EXPECT_EQ(pronounceTarvik(c.input), c.expected) << c.input;
}

TEST(SpellTarvik, FollowsTheRulesInTheirOrder) {
  const Case cases[] = {
      {"\x9A\xEDkv", "SHEEQ"},     // šíkv
      {"MAJK", "MAIK"},
      {"r\xF9\x9E" "e", "ROU\x8E" "E"},  // růže -> ROUŽE
      {"A'J", "A'J"},
      {"\xCD\xCD", "EEEE"},
      {"KVKV", "QQ"},
      {"", ""},
      {"J", "J"},
      {"oj", "OI"},
      {"K", "K"},
      {"R", "R"},
  };
  for (const Case& c : cases) EXPECT_EQ(spellTarvik(c.input), c.expected) << c.input;
}

}  // namespace
