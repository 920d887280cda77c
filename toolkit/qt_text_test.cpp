#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <utility>

#include "qt_text.h"

namespace {

// Czech crosses both ways unchanged, and so do bytes the code page leaves
// unassigned, which a dictionary may hold; each character it lacks, a lone
// surrogate too, becomes one question mark on the way out, after letters
// written decomposed are composed.
TEST(QtText, CrossesBetweenWindows1250AndUnicode) {
  const std::string czech = "P\xF8\xED" "li\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2\x81\r\n";
  EXPECT_EQ(toQt(czech), QStringView(u"Příliš žluťoučký kůň\u0081\r\n"));
  EXPECT_EQ(fromQt(toQt(czech)), czech);
  const std::pair<const char*, const char16_t*> outOnly[] = {
      {"a?b", u"a中b"}, {"x??y", u"x😀😀y"}, {"?a?", u"\xD83D" "a\xDE00"}, {"a?", u"a\xD83D"},
      {"\x9E" "ena", u"z\u030Cena"}, {"q?", u"q\u030C"}};  // composed first; q with a caron has no letter
  for (auto [bytes, unicode] : outOnly) EXPECT_EQ(fromQt(QStringView(unicode).toString()), bytes);
}

}  // namespace
