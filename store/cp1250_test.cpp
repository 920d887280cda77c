#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cp1250.h"

namespace {

TEST(Cp1250, AgreesWithIconvOnEveryAssignedByteAndEveryByteSurvivesTheTripThroughUtf8) {
  std::string all;
  for (int byte = 0; byte < 0x100; ++byte) all += static_cast<char>(byte);
  for (int byte = 0x80; byte < 0x100; ++byte) {
    char command[96], out[8];
    std::snprintf(command, sizeof command, "printf '\\%03o' | iconv -f CP1250 -t UTF-8 2>/dev/null", byte);
    FILE* pipe = ::popen(command, "r");
    std::string fromIconv(out, std::fread(out, 1, sizeof out, pipe));
    if (::pclose(pipe) == 0)
      EXPECT_EQ(cp1250ToUtf8(all.substr(byte, 1)), fromIconv) << "byte " << byte;
    else  // unassigned in the code page: the C1 control of the same value
      EXPECT_EQ(cp1250ToUnicode(static_cast<unsigned char>(byte)), static_cast<char32_t>(byte));
  }
  Utf8Decoded back = utf8ToCp1250(cp1250ToUtf8(all));
  EXPECT_TRUE(back.ok) << back.error;
  EXPECT_EQ(back.bytes, all);
}

TEST(Cp1250, RefusesWhatItCannotHoldNamingTheCharacter) {
  Utf8Decoded chinese = utf8ToCp1250("ko \xE6\xB0\xB4");
  EXPECT_FALSE(chinese.ok || chinese.malformed);
  EXPECT_NE(chinese.error.find("U+6C34"), std::string::npos);
  for (const char* broken : {"\xC3", "\xC3(", "\xC0\x80", "\xED\xA0\x80", "\xFF", "\xF4\x90\x80\x80"}) {
    EXPECT_TRUE(utf8ToCp1250(broken).malformed) << broken;
    EXPECT_FALSE(isWellFormedUtf8(broken)) << broken;
  }
  // Or stand-ins for what it cannot hold, a byte 26 of the text for itself, in order.
  std::vector<std::string> standIns;
  EXPECT_EQ(utf8ToCp1250("\xE6\xB0\xB4\x1A\xC5\xBE\xF0\x9F\x98\x80", &standIns).bytes, "\x1A\x1A\x9E\x1A");
  EXPECT_EQ(standIns, (std::vector<std::string>{"\xE6\xB0\xB4", "\x1A", "\xF0\x9F\x98\x80"}));
  EXPECT_FALSE(utf8ToCp1250(std::string_view("\xC3\xA1", 1)).ok);  // cut short where the text ends
  EXPECT_EQ(utf8ToCp1250("žluťoučký kůň").bytes, "\x9Elu\x9Dou\xE8k\xFD k\xF9\xF2");
}

}  // namespace
