#include "lookup_request.h"

#include <gtest/gtest.h>

#include "cp1250.h"

namespace {

TEST(LookupMessage, TakesAWordOrAPhraseWithoutItsPunctuation) {
  EXPECT_EQ(readLookupMessage("  „muž!“ ").text, cp1250Text("muž"));
  EXPECT_EQ(readLookupMessage("(pa lu)").text, "pa lu");
  // A character the code page lacks stays a word of its own, found nowhere.
  EXPECT_EQ(readLookupMessage("ж").text, std::string(1, kStandIn));
}

TEST(LookupMessage, RefusesWhatNoWordLooksLike) {
  const std::string tooLong(kMaxLookupBytes + 1, 'a');
  for (std::string_view bad : {std::string_view(tooLong), std::string_view("a\xC3"), std::string_view("a\tb"),
                               std::string_view("a\nb"), std::string_view("a\x7F"), std::string_view(""),
                               std::string_view(" ?! -- 3 "), std::string_view("pa lu xo")}) {
    LookupRequest request = readLookupMessage(bad);
    EXPECT_FALSE(request.ok) << bad;
    EXPECT_FALSE(request.refusal.empty()) << bad;
  }
}

TEST(WordsToLookUp, TakesTheFirstTwoWordsOfAnyText) {
  WordsToLookUp words = wordsToLookUp("\r\n -- \"Drom,\tpa\" lu.");
  EXPECT_EQ(words.first, "Drom");
  EXPECT_EQ(words.second, "pa");
  // A megabyte is read no further than its beginning.
  std::string huge = "slovo" + std::string(1 << 20, ' ') + "dalsi";
  EXPECT_EQ(wordsToLookUp(huge).second, "");
  EXPECT_EQ(wordsToLookUp(std::string(1 << 20, '\0')).first, "");
}

}  // namespace
