#include <sys/stat.h>

#include "help_file.h"
#include "store_fixture_test.h"

namespace {

using HelpFile = InTempDir;

TEST_F(HelpFile, AMissingFileIsCreatedHoldingTheNoticeAnExistingOneIsOnlyRead) {
  openHelpFile();
  std::string notice = fileBytes("napoveda.txt");
  EXPECT_EQ(notice, "Soubor n\xE1pov\xEC" "dy nebyl nalezen a proto v n\xE1pov\xEC" "d\xEC nic nen\xED.");
  EXPECT_EQ(readHelpLines(), std::vector<std::string>{notice});
  closeHelpFile();
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"Prvn\xED\r\n\r\nposledn\xED bez konce", {"Prvn\xED", "", "posledn\xED bez konce"}}, {"", {}}};
  for (const auto& [text, lines] : cases) {
    putFileBytes("napoveda.txt", text);
    openHelpFile();
    EXPECT_EQ(readHelpLines(), lines);
    closeHelpFile();
    EXPECT_EQ(fileBytes("napoveda.txt"), text);
  }
  // An unreadable file is an error and keeps its text.
  putFileBytes("napoveda.txt", "N\xE1pov\xEC" "da");
  ::chmod("napoveda.txt", 0);
  expectAsUnprivileged([] { return errorOf([] { openHelpFile(); }) == EACCES ? "" : "no EACCES"; });
  EXPECT_EQ(fileBytes("napoveda.txt"), "N\xE1pov\xEC" "da");
}

}  // namespace
