#include <sys/stat.h>

#include "store_fixture_test.h"
#include "text_file.h"

namespace {

TEST(TextLines, SplitAtLineFeedsDroppingCarriageReturnsAndStopAtCtrlZ) {
  using Lines = std::vector<std::string>;
  const std::pair<const char*, Lines> cases[] = {
      {"", {}},           {"a\r\nb\r\n", {"a", "b"}}, {"a\nb", {"a", "b"}}, {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\rb\r\n", {"ab"}}, {"\r", {""}}, {"a\r\nb\x1A" "c\r\n", {"a", "b"}}, {"\x1A" "a", {}},
  };
  for (const auto& [bytes, lines] : cases) EXPECT_EQ(splitTextLines(bytes), lines) << bytes;
  EXPECT_EQ(joinTextLines({"a", "", "\xC8"}), "a\r\n\r\n\xC8\r\n");
}

using TextFiles = InTempDir;

TEST_F(TextFiles, RoundTripInWindows1250WithCrLfReplacingTheWholeFileOrFailNamingIt) {
  const Folder folder(dir.string());
  putFileBytes("preklad.txt", "old text, longer than the new one");
  ::chmod(at("preklad.txt").c_str(), 0640);
  writeTextFile(folder, "preklad.txt", std::vector<std::string>{"\xD8" "EKA", "", "ta VODA "});
  EXPECT_EQ(fileBytes("preklad.txt"), "\xD8" "EKA\r\n\r\nta VODA \r\n");
  EXPECT_EQ(readTextFile(folder, "preklad.txt"), (std::vector<std::string>{"\xD8" "EKA", "", "ta VODA "}));
  EXPECT_EQ(std::filesystem::status(dir / "preklad.txt").permissions(), std::filesystem::perms(0640));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);  // no scratch left
  // Failures name the file.
  EXPECT_EQ(messageOf([&] { readTextFile(folder, "missing.txt"); }), "File not found: missing.txt");
  std::filesystem::create_directory(dir / "folder");
  EXPECT_THROW(writeTextFile(folder, "folder", std::string_view("x")), IoError);
  EXPECT_THROW(writeTextFile(folder, "nowhere/x.txt", std::string_view("x")), IoError);
  // Names the user gives are taken in the working directory, or as they stand.
  writeTextFile(Folder(), at("absolute.txt"), std::string_view("x"));
  EXPECT_EQ(fileBytes("absolute.txt"), "x");
}

using Export = StoreTest;

TEST_F(Export, WritesEveryFilledSlotAsALine) {
  fill(kTarvikCzech, {entry("KO", {"VODA", "", "PIVO"}), entry("NIC"), entry("LU", {"", "", "", "MOST"}), entry("T'A", {"1", "2", "3", "4", "5"})});
  store->exportDictionary(kTarvikCzech);
  store->exportDictionary(kTarvikCzech);
  EXPECT_EQ(fileBytes("tc_slovnik.txt"),
            "KO - VODA\r\nKO - PIVO\r\nLU - MOST\r\nT'A - 1\r\nT'A - 2\r\nT'A - 3\r\nT'A - 4\r\nT'A - 5\r\n");
  store->exportDictionary(kCzechTarvik);
  EXPECT_EQ(std::filesystem::file_size(dir / "ct_slovnik.txt"), 0u);
}

}  // namespace
