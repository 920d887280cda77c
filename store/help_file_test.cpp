#include <sys/stat.h>

#include "help_file.h"
#include "store_fixture_test.h"

namespace {

using HelpFileTest = InTempDir;

TEST_F(HelpFileTest, AMissingFileIsCreatedHoldingTheNoticeAnExistingOneIsOnlyRead) {
  const Folder folder(dir.string());
  HelpFile help;
  help.open(folder);
  std::string notice = fileBytes("napoveda.txt");
  EXPECT_EQ(notice, "Soubor n\xE1pov\xEC" "dy nebyl nalezen a proto v n\xE1pov\xEC" "d\xEC nic nen\xED.");
  EXPECT_EQ(help.lines(), std::vector<std::string>{notice});
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"Prvn\xED\r\n\r\nposledn\xED bez konce", {"Prvn\xED", "", "posledn\xED bez konce"}}, {"", {}}};
  for (const auto& [text, lines] : cases) {
    putFileBytes("napoveda.txt", text);
    help.open(folder);
    EXPECT_EQ(help.lines(), lines);
    EXPECT_EQ(fileBytes("napoveda.txt"), text);
  }
  // An unreadable file is an error and keeps its text.
  putFileBytes("napoveda.txt", "N\xE1pov\xEC" "da");
  ::chmod(at("napoveda.txt").c_str(), 0);
  expectAsUnprivileged([&] { return errorOf([&] { help.open(folder); }) == EACCES ? "" : "no EACCES"; });
  EXPECT_EQ(fileBytes("napoveda.txt"), "N\xE1pov\xEC" "da");
}

}  // namespace
