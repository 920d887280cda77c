#include "cp1250.h"
#include "store_fixture_test.h"
#include "word_forms.h"

namespace {

using Translation = StoreTest;

TEST_F(Translation, TranslatesWordByWordTryingTheTwoWordPhraseFirst) {
  fill(kTarvikCzech, {entry("KO", {"VODA"}), entry("RA", {"SLUNCE"}), entry("KO RA", {"\xD8" "EKA"}),
                      entry("TA,", {"TEDY"}), entry("LU", {"", "MOST"}), entry("SHEE", {"MOST"})});
  std::string unknown256;
  for (int i = 0; i < 256; ++i) unknown256 += "xx ";
  const struct { std::string line; const char* result; long untranslated; } cases[] = {
      {"ko ra.ta ko", "\xD8" "EKA.ta VODA ", 1},  // the worked example
      {"", "", 0}, {" ., .", "", 0},
      {"Ta'ma", "Ta'ma ", 1},  // an unknown word stays as typed
      // Separators follow their words and runs collapse.
      {"ra,ko", "SLUNCE,VODA ", 0}, {"  ra,  ko..", "SLUNCE,VODA.", 0},
      {"ko ra ko", "\xD8" "EKA VODA ", 0}, {"ko ra, ko", "\xD8" "EKA,VODA ", 0},
      {"ko.ra", "VODA.SLUNCE ", 0},  // the pair is looked up with its own separator
      {"ta, ko", "TEDY VODA ", 0},  // a phrase ending in a separator is found before the word
      {"lu ra", " SLUNCE ", 0},     // the first meaning slot is the translation even when empty
  };
  for (const auto& c : cases) {
    LineTranslation line = store->translateText(c.line, kTarvikCzech, false);
    EXPECT_EQ(line.result, c.result) << c.line;
    EXPECT_EQ(line.untranslatedCount, c.untranslated) << c.line;
  }
  EXPECT_EQ(store->translateText(unknown256, kTarvikCzech, false).untranslatedCount, 256);  // does not wrap
  EXPECT_EQ(store->translateText("\x9A\xED", kTarvikCzech, true).result, "MOST ");
  EXPECT_EQ(store->translateText("\x9A\xED", kTarvikCzech, false).untranslatedCount, 1);
  // phraseAt takes two words only when they are a headword, and skips leading spaces.
  const struct { int n; const char* text; const char* result; int taken; } phrases[] = {
      {1, "ko   ra ta ", "ko ra", 1}, {2, "ko   ra ta ", "ra", 0}, {3, "ko   ra ta ", "ta", 0},
      {4, "ko   ra ta ", "", 0},      {1, "ko", "ko", 0},          {0, "ko ra", "ko ra", 1},
      {1, "", "", 0},               {1, "   ta ko ", "ta", 0},   {2, "   ta ko ", "ko", 0},
  };
  for (const auto& c : phrases) {
    PhraseAtResult got = store->phraseAt(c.n, c.text, kTarvikCzech, LookupOptions{});
    EXPECT_EQ(got.result + "|" + std::to_string(got.taken), c.result + ("|" + std::to_string(c.taken))) << c.n << c.text;
  }
  // A trailing run of spaces adds an empty word.
  const std::pair<const char*, int> counts[] = {{"ko ra", 2}, {"  ko ra", 2}, {" ko ra ", 3},
                                                {"ko   ra", 2}, {"", 1}, {"   ", 1}};
  for (const auto& [text, words] : counts) EXPECT_EQ(countWords(text), words) << "'" << text << "'";
}

// A line with words left over is read again: tabs part words, and a word is
// found inside its punctuation, which stands around its translation. A line
// found whole as written stays as it was: "(KO)" and "TA," are headwords.
TEST_F(Translation, ReadsALineWithWordsLeftOverAgainAroundTheirPunctuation) {
  fill(kTarvikCzech, {entry("KO", {"VODA"}), entry("RA", {"SLUNCE"}), entry("KO RA", {"\xD8" "EKA"}),
                      entry("(KO)", {"JEZERO"}), entry("TA,", {"TEDY"})});
  const struct { std::string line; std::string result; long untranslated; } cases[] = {
      {"(ko)", "JEZERO ", 0},  {"(ra)", "(SLUNCE) ", 0}, {"ra!", "SLUNCE! ", 0},
      {"\x84ra\x93, [ko]?", "\x84SLUNCE\x93,[VODA]? ", 0},  // „ra“, [ko]?
      {"'ra' \x85ko\x85", "SLUNCE \x85VODA\x85 ", 0},        // apostrophes never counted; …ko…
      {"ra\tko", "SLUNCE\tVODA ", 0}, {"ko\tra", "\xD8" "EKA ", 0}, {"(ko ra)", "(\xD8" "EKA) ", 0},
      {"ko ra!", "\xD8" "EKA! ", 0}, {"ko (ra", "VODA (SLUNCE ", 0},
      {"-- ra 3,5 \x96 ?!", "-- SLUNCE 3,5 \x96 ?! ", 0},  // no letter, no word
      {"(xy) ra", "*(xy) SLUNCE ", 1}, {"ko:xy ta, ra", "*ko:xy TEDY SLUNCE ", 1},
  };
  for (const auto& c : cases) {
    LineTranslation line = store->translateText(c.line, kTarvikCzech, LookupOptions{}, true);
    EXPECT_EQ(line.result + "|" + std::to_string(line.untranslatedCount), c.result + "|" + std::to_string(c.untranslated))
        << c.line;
  }
  WordInText inside = store->findWordInText("((ra!", kTarvikCzech, LookupOptions{});
  EXPECT_EQ(inside.before + inside.word.meanings[0] + inside.after, "((SLUNCE!");
  EXPECT_FALSE(store->findWordInText("()", kTarvikCzech, LookupOptions{}).word.found);
  EXPECT_EQ(store->phraseAt(1, "(ko ra) ", kTarvikCzech, LookupOptions{}).taken, 1);
  // Spaces around a word asked for alone do not count; in a text they part words.
  EXPECT_EQ(store->findWord("  ra ", kTarvikCzech, false).position, 2);
  EXPECT_FALSE(store->findWord(" ", kTarvikCzech, false).found);
}

// Each way beyond the headword only when asked and only after everything
// before it missed; the first record in file order answers.
TEST_F(Translation, FindsWhatTheUserMeansInItsOrder) {
  store->wordForms().useHunspellData(TARVIK_TEST_HUNSPELL);
  putFileBytes(kIrregularFormsFileName, "PSA - PES\r\n");
  fill(kCzechTarvik, {entry(cp1250Text("MŮŽE"), {"MOZ"}), entry(cp1250Text("MUŽ"), {"DROM"}),
                      entry(cp1250Text("ŽENA"), {"DANA"}), entry("HORA", {"TOR"}), entry("PES", {"KUN"}),
                      entry("MUZE", {"SEN"})});
  const LookupOptions none, plain{.ignoreDiacritics = true}, forms{.forms = true}, both{.forms = true, .ignoreDiacritics = true};
  auto found = [&](const char* word, const LookupOptions& options, Dict dict = kCzechTarvik) {
    FoundWord f = store->findWord(cp1250Text(word), dict, options);
    return f.found ? std::to_string(f.position) + " " + describeFound(f.how, cp1250ToUtf8(f.baseForm)) : "-";
  };
  EXPECT_EQ(found("muze", both), "6 exact");
  EXPECT_EQ(found("mŭz", none), "-");
  EXPECT_EQ(found("zena", none), "-");
  EXPECT_EQ(found("zena", plain), "3 diacritics");
  EXPECT_EQ(found("mUž", plain), "2 exact");
  EXPECT_EQ(found("muže", plain), "1 diacritics");  // MŮŽE folds as MUZE does and comes first
  EXPECT_EQ(found("muže", forms), "2 form of MUŽ");
  EXPECT_EQ(found("horami", forms), "4 form of HORA");
  EXPECT_EQ(found("psa", forms), "5 form of PES");
  EXPECT_EQ(found("zeny", forms), "-");
  EXPECT_EQ(found("zeny", both), "3 form of ŽENA");
  // Tarvik has no word forms, in a look-up as in a translation.
  fill(kTarvikCzech, {entry(cp1250Text("MUŽ"), {"DROM"})});
  EXPECT_EQ(found("muže", forms, kTarvikCzech), "-");
  EXPECT_EQ(store->translateText(cp1250Text("muže"), kTarvikCzech, forms).untranslatedCount, 1);
  std::vector<long> positions;
  for (const FoundEntry& e : store->findAllWords(cp1250Text("můze"), kCzechTarvik, plain)) positions.push_back(e.position);
  EXPECT_EQ(positions, (std::vector<long>{1, 6}));

  LineTranslation line = store->translateText(cp1250Text("horami zeny, kdo"), kCzechTarvik, both, true);
  EXPECT_EQ(line.result, "TOR DANA,*kdo ");
  EXPECT_EQ(line.untranslatedCount, 1);
  // Apostrophes around a word hide its form from tvary.txt and Hunspell, as written.
  EXPECT_EQ(store->translateText("'psa' x", kCzechTarvik, forms).result, "'KUN' x ");
  EXPECT_EQ(store->findWord(" 'psa' ", kCzechTarvik, forms).baseForm, "PES");
}

// The regular paradigms' guesses come last, as a headword only, in a look-up
// as in a translation.
TEST_F(Translation, GuessesBaseFormsOnlyAfterEveryOtherWayMissed) {
  store->wordForms().useHunspellData(TARVIK_TEST_HUNSPELL);
  putFileBytes(kIrregularFormsFileName, cp1250Text("DOMY - DŮM\r\n"));
  fill(kCzechTarvik, {entry("DOMA", {"KO"}), entry(cp1250Text("DŮM"), {"RA"}), entry(cp1250Text("ŽEN"), {"TA"}),
                      entry(cp1250Text("ŽENA"), {"LU"}), entry(cp1250Text("UŽIVATEL"), {"PA"})});
  const LookupOptions forms{.forms = true}, both{.forms = true, .ignoreDiacritics = true};
  auto found = [&](const char* word, const LookupOptions& options) {
    FoundWord f = store->findWord(cp1250Text(word), kCzechTarvik, options);
    return f.found ? std::to_string(f.position) + " " + describeFound(f.how, cp1250ToUtf8(f.baseForm)) : "-";
  };
  EXPECT_EQ(found("uživatele", forms), "5 form of UŽIVATEL");
  EXPECT_EQ(found("uživatele", LookupOptions{}), "-");
  EXPECT_EQ(found("doma", forms), "1 exact");
  EXPECT_EQ(found("domy", forms), "2 form of DŮM");   // the irregular form, not the guess DOMA
  EXPECT_EQ(found("ženy", forms), "4 form of ŽENA");  // Hunspell's stem, not the guess ŽEN
  EXPECT_EQ(found("uzivatele", both), "-");          // a guess must match with its diacritics
  EXPECT_EQ(store->translateText(cp1250Text("uživatele domy"), kCzechTarvik, forms).result, "PA RA ");
}

}  // namespace

