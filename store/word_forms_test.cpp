#include "word_forms.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cp1250.h"
#include "store_fixture_test.h"

namespace {

// The folder's own tvary.txt always, so that an installed copy plays no part.
class WordForms : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    useHunspellData(TARVIK_TEST_HUNSPELL);
    putFileBytes(kIrregularFormsFileName, "PSA - PES\r\n");
  }
};

// The base forms of a UTF-8 word, as UTF-8, separated by spaces.
std::string formsOf(const char* word, bool ignoreDiacritics = false) {
  std::string joined;
  for (const std::string& base : baseFormsOf(cp1250Text(word), ignoreDiacritics))
    joined += (joined.empty() ? "" : " ") + cp1250ToUtf8(base);
  return joined;
}

TEST_F(WordForms, IrregularFileComesFirstAndLosesOnlyItsDamagedLines) {
  putFileBytes(kIrregularFormsFileName, cp1250Text("PSA - PES\r\nJDU JÍT\r\n\r\nženy - baba \r\n - PES\r\n"));
  EXPECT_EQ(formsOf("psa"), "PES");
  EXPECT_EQ(formsOf("Ženy"), "BABA ŽENA");
  EXPECT_EQ(formsOf("zeny"), "ZEN");
  EXPECT_EQ(formsOf("zeny", true), "BABA ZEN ŽENA");
  EXPECT_EQ(takeWordFormsWarnings(), (std::vector<std::string>{
      "tvary.txt, line 2: expected \"FORM - BASE\"; the line is left out",
      "tvary.txt, line 5: expected \"FORM - BASE\"; the line is left out"}));
  EXPECT_TRUE(takeWordFormsWarnings().empty());

  putFileBytes(kIrregularFormsFileName, "PSA - PSISKO\r\n");
  EXPECT_EQ(formsOf("PSA"), "PSISKO");
}

TEST_F(WordForms, StemsComeUpperCasedAndDiacriticsPutBackFindMore) {
  EXPECT_TRUE(prepareWordForms());
  EXPECT_EQ(wordFormsProblem(), "");
  EXPECT_EQ(formsOf("MUŽE"), "MUŽ");
  EXPECT_EQ(formsOf("říkají"), "ŘÍKAT");
  EXPECT_EQ(formsOf("HORAMI"), "HORA");
  EXPECT_EQ(formsOf("PRAHY"), "PRAHA");
  EXPECT_EQ(formsOf("hora"), "");  // never the word itself
  EXPECT_EQ(formsOf("ba"), "");    // the stem bø has no Windows-1250 spelling
  EXPECT_EQ(formsOf("muze"), "");
  EXPECT_EQ(formsOf("muze", true), "MUŽ");
  EXPECT_EQ(formsOf("horami", true), "HORA");
  // An irregular form leads on from Hunspell's stem ("nemá" -> MÁ -> MÍT).
  putFileBytes(kIrregularFormsFileName, cp1250Text("MUŽ - CHLAP\r\n"));
  EXPECT_EQ(formsOf("muže"), "MUŽ CHLAP");
}

TEST_F(WordForms, MissingDataOrUnreadableFileLeavesTheRest) {
  useHunspellData("/nonexistent/cs");
  EXPECT_FALSE(prepareWordForms());
  EXPECT_EQ(wordFormsProblem(),
            "Czech word forms need Hunspell's Czech dictionary, but /nonexistent/cs.aff cannot be read (File not "
            "found). Install it with \"sudo apt install hunspell-cs\", or set TARVIK_HUNSPELL_CS to another one.");
  EXPECT_EQ(formsOf("psa"), "PES");
  EXPECT_EQ(formsOf("muže", true), "");

  std::filesystem::remove(kIrregularFormsFileName);
  std::filesystem::create_directory(kIrregularFormsFileName);
  EXPECT_EQ(formsOf("psa"), "");
  EXPECT_EQ(takeWordFormsWarnings(),
            std::vector<std::string>{"Not a regular file: tvary.txt; no irregular word forms are used"});
}

TEST_F(WordForms, AnyBytesAsAWordAreHarmless) {
  std::string every;
  for (int c = 0; c < 256; ++c) {
    every += static_cast<char>(c);
    baseFormsOf(std::string(1, static_cast<char>(c)), true);
  }
  EXPECT_TRUE(baseFormsOf(every, true).empty());
  EXPECT_TRUE(baseFormsOf(std::string(40, 'e'), true).empty());  // more spellings than are tried
  EXPECT_TRUE(baseFormsOf("", true).empty());
}

}  // namespace
