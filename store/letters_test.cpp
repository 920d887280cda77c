#include <gtest/gtest.h>

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "cp1250.h"
#include "letters.h"

namespace {

TEST(UpcaseCz, MapsAsciiAndCzechLettersBothWaysAndLeavesEveryOtherByte) {
  // Czech capitals sit at irregular distances; ä, ö, ü, ľ, ß and the rest stay.
  const std::string lower = "\x9A\x9D\x9E\xE1\xE8\xE9\xEC\xED\xEF\xF2\xF3\xF8\xF9\xFA\xFD";
  const std::string upper = "\x8A\x8D\x8E\xC1\xC8\xC9\xCC\xCD\xCF\xD2\xD3\xD8\xD9\xDA\xDD";
  for (int c = 0; c < 256; ++c) {
    std::size_t czech = lower.find(static_cast<char>(c));
    int expected = c >= 'a' && c <= 'z'         ? c - 0x20
                   : czech != std::string::npos ? static_cast<unsigned char>(upper[czech])
                                                : c;
    EXPECT_EQ(static_cast<unsigned char>(upcaseCz(static_cast<char>(c))), expected) << "byte " << c;
    std::size_t capital = upper.find(static_cast<char>(c));
    expected = c >= 'A' && c <= 'Z'           ? c + 0x20
               : capital != std::string::npos ? static_cast<unsigned char>(lower[capital])
                                              : c;
    EXPECT_EQ(static_cast<unsigned char>(downcaseCz(static_cast<char>(c))), expected) << "byte " << c;
  }
  EXPECT_EQ(upcaseCzText("\x9E\xE1" "ba'1 z"), "\x8E\xC1" "BA'1 Z");
  EXPECT_EQ(downcaseCzText("\x8E\xC1" "BA'1 z"), "\x9E\xE1" "ba'1 z");
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

// The plain letter ICU gives for `byte` (canonical decomposition, marks
// dropped), or the byte itself where that is no single Windows-1250 letter.
unsigned char plainLetterByIcu(unsigned char byte) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
  icu::UnicodeString parts = nfd->normalize(icu::UnicodeString(static_cast<UChar32>(cp1250ToUnicode(byte))), status);
  EXPECT_TRUE(U_SUCCESS(status));
  icu::UnicodeString plain;
  for (int32_t i = 0; i < parts.length(); i = parts.moveIndex32(i, 1))
    if (u_charType(parts.char32At(i)) != U_NON_SPACING_MARK) plain.append(parts.char32At(i));
  if (plain.countChar32() != 1) return byte;
  return unicodeToCp1250(static_cast<char32_t>(plain.char32At(0))).value_or(byte);
}

TEST(FoldDiacritics, AgreesWithIcuOnEveryByteAsIsLetterDoes) {
  for (int c = 0; c < 256; ++c) {
    EXPECT_EQ(static_cast<unsigned char>(foldDiacritics(static_cast<char>(c))), plainLetterByIcu(c)) << "byte " << c;
    // A caron standing alone (ˇ) is a modifier letter to ICU, but no letter of a word.
    auto code = static_cast<UChar32>(cp1250ToUnicode(c));
    EXPECT_EQ(isLetter(static_cast<char>(c)), u_isalpha(code) && u_charType(code) != U_MODIFIER_LETTER) << "byte " << c;
  }
  EXPECT_EQ(foldedKey("M\xF9'\x9E" "e \xE4\xA3"), "MUZE A\xA3");  // ů ž ä fold, Ł has no plain form
}

}  // namespace
