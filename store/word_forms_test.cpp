#include "word_forms.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cp1250.h"
#include "store_fixture_test.h"

namespace {

// The folder's own tvary.txt always, so that an installed copy plays no part.
class WordFormsTest : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    folder.emplace(dir.string());
    forms.emplace(*folder);
    forms->useHunspellData(TARVIK_TEST_HUNSPELL);
    putFileBytes(kIrregularFormsFileName, "PSA - PES\r\n");
  }

  // The base forms of a UTF-8 word, as UTF-8, separated by spaces.
  std::string formsOf(const char* word, bool ignoreDiacritics = false) {
    std::string joined;
    for (const std::string& base : forms->baseFormsOf(cp1250Text(word), ignoreDiacritics))
      joined += (joined.empty() ? "" : " ") + cp1250ToUtf8(base);
    return joined;
  }

  std::optional<Folder> folder;
  std::optional<WordForms> forms;
};

// Each line that cannot be used is told once a run, with the file's full
// path, its number and its text; a file saved in UTF-8 is read as such.
TEST_F(WordFormsTest, IrregularFileComesFirstAndLosesOnlyTheLinesItCannotUse) {
  putFileBytes(kIrregularFormsFileName, cp1250Text("PSA - PES\r\nJDU JÍT\r\n\r\nženy\t - baba \r\n - PES\r\nA - B - C\r\nX - " +
                                                   std::string(21, 'Y') + "\r\nPS\tA - PES\r\n"));
  EXPECT_EQ(formsOf("psa"), "PES");
  EXPECT_EQ(formsOf("Ženy"), "BABA ŽENA");
  EXPECT_EQ(formsOf("zeny"), "ZEN");
  EXPECT_EQ(formsOf("zeny", true), "BABA ZEN ŽENA");
  const std::string line = (dir / kIrregularFormsFileName).string() + ", line ";
  const std::string leftOut = "; the line is left out";
  EXPECT_EQ(forms->takeWarnings(), (std::vector<std::string>{
      line + "2 \"JDU JÍT\": expected \"FORM - BASE\", found no \" - \"" + leftOut,
      line + "5 \" - PES\": expected \"FORM - BASE\", found an empty word" + leftOut,
      line + "6 \"A - B - C\": expected \"FORM - BASE\", found \" - \" twice" + leftOut,
      line + "7 \"X - " + std::string(21, 'Y') + "\": a word is longer than 20 bytes, which no headword can be" + leftOut,
      line + "8 \"PS\\x09A - PES\": it holds a control character" + leftOut}));
  EXPECT_TRUE(forms->takeWarnings().empty());

  putFileBytes(kIrregularFormsFileName, "\xEF\xBB\xBFPSA - PSISKO\r\nJDU J\xC3\x8DT\nD\xC4\x9ATI - D\xC3\x8DT\xC4\x9A\n"
                                        "\xF0\x9F\x98\x80 - X\n");
  EXPECT_EQ(formsOf("PSA"), "PSISKO");
  EXPECT_EQ(formsOf("děti"), "DÍTĚ");
  EXPECT_EQ(forms->takeWarnings(), std::vector<std::string>{line + "4 \"😀 - X\": the character \"😀\" (U+1F600) has "
                                                              "no place in Windows-1250" + leftOut});
}

TEST_F(WordFormsTest, StemsComeUpperCasedAndDiacriticsPutBackFindMore) {
  EXPECT_TRUE(forms->prepare());
  EXPECT_EQ(forms->problem(), "");
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

TEST_F(WordFormsTest, MissingDataOrUnreadableFileLeavesTheRest) {
  forms->useHunspellData("/nonexistent/cs");
  EXPECT_FALSE(forms->prepare());
  EXPECT_EQ(forms->problem(),
            "Czech word forms need Hunspell's Czech dictionary, but /nonexistent/cs.aff cannot be read (File not "
            "found). Install it with \"sudo apt install hunspell-cs\", or set TARVIK_HUNSPELL_CS to another one.");
  EXPECT_EQ(formsOf("psa"), "PES");
  EXPECT_EQ(formsOf("muže", true), "");

  std::filesystem::remove(dir / kIrregularFormsFileName);
  std::filesystem::create_directory(dir / kIrregularFormsFileName);
  EXPECT_EQ(formsOf("psa"), "");
  EXPECT_EQ(forms->takeWarnings(),
            std::vector<std::string>{"Not a regular file: " + (dir / kIrregularFormsFileName).string() +
                                     "; no irregular word forms are used"});
}

TEST_F(WordFormsTest, AnyBytesAsAWordAreHarmless) {
  std::string every;
  for (int c = 0; c < 256; ++c) {
    every += static_cast<char>(c);
    forms->baseFormsOf(std::string(1, static_cast<char>(c)), true);
  }
  EXPECT_TRUE(forms->baseFormsOf(every, true).empty());
  EXPECT_TRUE(forms->baseFormsOf(std::string(40, 'e'), true).empty());  // more spellings than are tried
  EXPECT_TRUE(forms->baseFormsOf("", true).empty());
}

}  // namespace
