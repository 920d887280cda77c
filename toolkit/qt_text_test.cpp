#include <string>

#include "qt_app_fixture_test.h"
#include "qt_text.h"

namespace {

// Czech crosses both ways unchanged; each character the code page lacks
// becomes one question mark on the way out.
TEST(QtText, CrossesBetweenWindows1250AndUnicode) {
  const struct {
    const char* bytes;
    const char16_t* unicode;
    bool bothWays;
  } cases[] = {
      {"", u"", true},
      {"KO VODA", u"KO VODA", true},
      {"P\xF8\xED" "li\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2", u"Příliš žluťoučký kůň", true},
      {"\xC8\xD8\xCC\x8A\x8E\xDD\xC1\xCD\xC9\xDA\xD9\xCF\x8D\xD2", u"ČŘĚŠŽÝÁÍÉÚŮĎŤŇ", true},
      {"a\xA0" "b\x80\x84", u"a\u00A0b€„", true},
      {"\x81\x98", u"\u0081\u0098", true},  // unassigned, yet a dictionary may hold them
      {"a\r\nb\tc", u"a\r\nb\tc", true},
      {"a?b", u"a中b", false},
      {"??", u"ñ中", false},
      {"x?y", u"x😀y", false},
      {"??", u"😀😀", false},
      {"?a", u"\xD83D" "a", false},
      {"a?", u"a\xDE00", false},
  };
  for (const auto& c : cases) {
    QString unicode = QStringView(c.unicode).toString();
    if (c.bothWays) EXPECT_EQ(toQt(c.bytes), unicode) << c.bytes;
    EXPECT_EQ(fromQt(unicode), c.bytes) << c.bytes;
  }
}

}  // namespace
