#include <sys/stat.h>

#include "store_fixture_test.h"
#include "text_file.h"

namespace {

TEST(TextLines, SplitAtLineFeedsDroppingCarriageReturns) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(splitTextLines(""), Lines{});
  EXPECT_EQ(splitTextLines("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(splitTextLines("a\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(splitTextLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(splitTextLines("a\rb\r\n"), (Lines{"ab"}));
  EXPECT_EQ(splitTextLines("\r"), (Lines{""}));
  EXPECT_EQ(splitTextLines("a\r\nb\x1A" "c\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(splitTextLines("\x1A" "a"), Lines{});
  EXPECT_EQ(joinTextLines({"a", "", "\xC8"}), "a\r\n\r\n\xC8\r\n");
}

using TextFiles = InTempDir;

TEST_F(TextFiles, RoundTripInWindows1250WithCrLf) {
  writeTextFile("preklad.txt", std::vector<std::string>{"\xD8" "EKA", "", "ta VODA "});
  EXPECT_EQ(fileBytes("preklad.txt"), "\xD8" "EKA\r\n\r\nta VODA \r\n");
  EXPECT_EQ(readTextFile("preklad.txt"), (std::vector<std::string>{"\xD8" "EKA", "", "ta VODA "}));
}

TEST_F(TextFiles, ReplacingKeepsPermissionsAndLeavesNoScratch) {
  putFileBytes("out.txt", "old");
  ::chmod("out.txt", 0640);
  writeTextFile("out.txt", std::string_view("new"));
  EXPECT_EQ(fileBytes("out.txt"), "new");
  EXPECT_EQ(std::filesystem::status("out.txt").permissions(), std::filesystem::perms(0640));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

TEST_F(TextFiles, FailuresNameTheFile) {
  try {
    readTextFile("missing.txt");
    FAIL();
  } catch (const IoError& e) {
    EXPECT_EQ(e.code().value(), ENOENT);
    EXPECT_STREQ(e.what(), "File not found: missing.txt");
  }
  std::filesystem::create_directory("folder");
  EXPECT_THROW(writeTextFile("folder", std::string_view("x")), IoError);
  EXPECT_THROW(writeTextFile("nowhere/x.txt", std::string_view("x")), IoError);
}

using Export = StoreTest;

TEST_F(Export, WritesEveryFilledSlotAsALine) {
  Tslovicko only4;
  only4.slovo = "LU";
  only4.vyznam4 = "MOST";
  fill(kTarvikCzech, {entry("KO", {"VODA", "", "PIVO"}), entry("NIC"), only4,
                      entry("T'A", {"1", "2", "3", "4", "5"})});
  exportDictionary(kTarvikCzech);
  std::string expected =
      "KO - VODA\r\nKO - PIVO\r\nLU - MOST\r\n"
      "T'A - 1\r\nT'A - 2\r\nT'A - 3\r\nT'A - 4\r\nT'A - 5\r\n";
  EXPECT_EQ(fileBytes("tc_slovnik.txt"), expected);
  exportDictionary(kTarvikCzech);
  EXPECT_EQ(fileBytes("tc_slovnik.txt"), expected);
  exportDictionary(kCzechTarvik);
  EXPECT_TRUE(std::filesystem::exists("ct_slovnik.txt"));
  EXPECT_EQ(std::filesystem::file_size("ct_slovnik.txt"), 0u);
}

}  // namespace
