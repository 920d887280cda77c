#include <string>

#include "qt_app_fixture_test.h"
#include "qt_text.h"

namespace {

struct Crossing {
  const char* bytes;
  const char16_t* unicode;
};

TEST(QtText, CzechCrossesBothWaysUnchanged) {
  const Crossing cases[] = {
      {"", u""},
      {"KO VODA", u"KO VODA"},
      {"P\xF8\xED" "li\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2", u"Příliš žluťoučký kůň"},
      {"\xC8\xD8\xCC\x8A\x8E\xDD\xC1\xCD\xC9\xDA\xD9\xCF\x8D\xD2", u"ČŘĚŠŽÝÁÍÉÚŮĎŤŇ"},
      {"a\xA0" "b\x80\x84", u"a\u00A0b€„"},
      // Unassigned bytes must survive too: a dictionary may hold them.
      {"\x81\x98", u"\u0081\u0098"},
      {"a\r\nb\tc", u"a\r\nb\tc"},
  };
  for (const Crossing& c : cases) {
    QString unicode = QStringView(c.unicode).toString();
    EXPECT_EQ(toQt(c.bytes), unicode) << c.bytes;
    EXPECT_EQ(fromQt(unicode), c.bytes) << c.bytes;
  }
}

TEST(QtText, EachCharacterTheCodePageLacksBecomesOneQuestionMark) {
  const Crossing cases[] = {
      {"?", u"中"},
      {"a?b", u"a中b"},
      {"??", u"ñ中"},
      {"x?y", u"x😀y"},
      {"??", u"😀😀"},
      {"?a", u"\xD83D" "a"},
      {"a?", u"a\xDE00"},
  };
  for (const Crossing& c : cases) EXPECT_EQ(fromQt(QStringView(c.unicode).toString()), c.bytes) << c.bytes;
}

}  // namespace
