#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cp1250.h"

namespace {

TEST(Cp1250, AgreesWithIconvOnEveryAssignedByte) {
  for (int byte = 0x80; byte < 0x100; ++byte) {
    char command[96];
    std::snprintf(command, sizeof command, "printf '\\%03o' | iconv -f CP1250 -t UTF-8 2>/dev/null", byte);
    FILE* pipe = ::popen(command, "r");
    ASSERT_NE(pipe, nullptr);
    std::string fromIconv;
    for (int c; (c = std::fgetc(pipe)) != EOF;) fromIconv += static_cast<char>(c);
    int status = ::pclose(pipe);
    std::string ours = cp1250ToUtf8(std::string(1, static_cast<char>(byte)));
    if (status == 0) {
      EXPECT_EQ(ours, fromIconv) << "byte " << byte;
    } else {
      // Unassigned in the code page: the C1 control of the same value.
      EXPECT_EQ(cp1250ToUnicode(static_cast<unsigned char>(byte)), static_cast<char32_t>(byte));
    }
  }
}

TEST(Cp1250, EveryByteSurvivesTheTripThroughUtf8) {
  std::string all;
  for (int byte = 0; byte < 0x100; ++byte) all += static_cast<char>(byte);
  Utf8Decoded back = utf8ToCp1250(cp1250ToUtf8(all));
  ASSERT_TRUE(back.ok) << back.error;
  EXPECT_EQ(back.bytes, all);
}

TEST(Cp1250, RefusesWhatItCannotHoldNamingTheCharacter) {
  Utf8Decoded chinese = utf8ToCp1250("ko \xE6\xB0\xB4");
  EXPECT_FALSE(chinese.ok);
  EXPECT_NE(chinese.error.find("U+6C34"), std::string::npos);
  for (const char* broken : {"\xC3", "\xC3(", "\xC0\x80", "\xED\xA0\x80", "\xFF", "\xF4\x90\x80\x80"})
    EXPECT_FALSE(utf8ToCp1250(broken).ok) << broken;
  Utf8Decoded czech = utf8ToCp1250("žluťoučký kůň");
  ASSERT_TRUE(czech.ok);
  EXPECT_EQ(czech.bytes, "\x9Elu\x9Dou\xE8k\xFD k\xF9\xF2");
}

}  // namespace
