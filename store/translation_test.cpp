#include "store_fixture_test.h"

namespace {

class Translation : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    fill(kTarvikCzech, {entry("KO", {"VODA"}), entry("RA", {"SLUNCE"}), entry("KO RA", {"\xD8" "EKA"})});
  }
  LineTranslation tc(std::string_view line) { return translateText(line, kTarvikCzech, false); }
};

TEST_F(Translation, TranslatesTheWorkedExample) {
  LineTranslation line = tc("ko ra.ta ko");
  EXPECT_EQ(line.result, "\xD8" "EKA.ta VODA ");
  EXPECT_EQ(line.untranslatedCount, 1);
}

TEST_F(Translation, EmptyAndSeparatorOnlyLinesGiveNothing) {
  EXPECT_EQ(tc("").result, "");
  EXPECT_EQ(tc("").untranslatedCount, 0);
  EXPECT_EQ(tc(" ., .").result, "");
  EXPECT_EQ(tc(" ., .").untranslatedCount, 0);
}

TEST_F(Translation, AnUnknownWordStaysAsTyped) {
  LineTranslation line = tc("Ta'ma");
  EXPECT_EQ(line.result, "Ta'ma ");
  EXPECT_EQ(line.untranslatedCount, 1);
}

TEST_F(Translation, SeparatorsFollowTheirWordsAndRunsCollapse) {
  EXPECT_EQ(tc("ra,ko").result, "SLUNCE,VODA ");
  EXPECT_EQ(tc("  ra,  ko..").result, "SLUNCE,VODA.");
  EXPECT_EQ(tc("ko ra ko").result, "\xD8" "EKA VODA ");
  EXPECT_EQ(tc("ko ra, ko").result, "\xD8" "EKA,VODA ");
  // The pair is looked up with its own separator: KO.RA is no headword.
  EXPECT_EQ(tc("ko.ra").result, "VODA.SLUNCE ");
}

TEST_F(Translation, APhraseEndingInASeparatorIsFoundBeforeTheWord) {
  fill(kTarvikCzech, {entry("TA,", {"TEDY"}), entry("TA", {"TY"})});
  EXPECT_EQ(tc("ta, ko").result, "TEDY VODA ");
}

TEST_F(Translation, ThePronunciationOptionReachesEveryLookup) {
  fill(kTarvikCzech, {entry("SHEE", {"MOST"})});
  EXPECT_EQ(translateText("\x9A\xED", kTarvikCzech, true).result, "MOST ");
  EXPECT_EQ(translateText("\x9A\xED", kTarvikCzech, false).untranslatedCount, 1);
}

TEST_F(Translation, TheFirstMeaningSlotIsTheTranslationEvenWhenEmpty) {
  fill(kTarvikCzech, {entry("LU", {"", "MOST"})});
  LineTranslation line = tc("lu ra");
  EXPECT_EQ(line.result, " SLUNCE ");
  EXPECT_EQ(line.untranslatedCount, 0);
}

TEST_F(Translation, TheUntranslatedCountDoesNotWrap) {
  std::string text;
  for (int i = 0; i < 256; ++i) text += "xx ";
  EXPECT_EQ(tc(text).untranslatedCount, 256);
}

TEST_F(Translation, PhraseAtTakesTwoWordsOnlyWhenTheyAreAHeadword) {
  EXPECT_EQ(phraseAt(1, "ko   ra ta ", kTarvikCzech, false).result, "ko ra");
  EXPECT_EQ(phraseAt(1, "ko   ra ta ", kTarvikCzech, false).taken, 1);
  PhraseAtResult second = phraseAt(2, "ko   ra ta ", kTarvikCzech, false);
  EXPECT_EQ(second.result, "ra");
  EXPECT_EQ(second.taken, 0);
  EXPECT_EQ(phraseAt(3, "ko   ra ta ", kTarvikCzech, false).result, "ta");
  PhraseAtResult beyond = phraseAt(4, "ko   ra ta ", kTarvikCzech, false);
  EXPECT_EQ(beyond.result, "");
  EXPECT_EQ(beyond.taken, 0);
  EXPECT_EQ(phraseAt(1, "ko", kTarvikCzech, false).result, "ko");
  EXPECT_EQ(phraseAt(0, "ko ra", kTarvikCzech, false).result, "ko ra");
  EXPECT_EQ(phraseAt(1, "", kTarvikCzech, false).result, "");
}

TEST_F(Translation, LeadingSpacesAreAbsentForCountingAndPicking) {
  EXPECT_EQ(countWords("ko ra"), 2);
  EXPECT_EQ(countWords("  ko ra"), 2);
  EXPECT_EQ(countWords(" ko ra "), 3);  // a trailing run adds an empty word
  EXPECT_EQ(countWords("ko   ra"), 2);
  EXPECT_EQ(countWords(""), 1);
  EXPECT_EQ(countWords("   "), 1);
  EXPECT_EQ(phraseAt(1, "   ta ko ", kTarvikCzech, false).result, "ta");
  EXPECT_EQ(phraseAt(2, "   ta ko ", kTarvikCzech, false).result, "ko");
}

}  // namespace
