#include <sys/stat.h>

#include "help_file.h"
#include "store_fixture_test.h"

namespace {

using HelpFile = InTempDir;

TEST_F(HelpFile, AMissingFileIsCreatedHoldingTheNotice) {
  openHelpFile();
  std::string notice = fileBytes("napoveda.txt");
  EXPECT_EQ(notice.size(), 58u);
  EXPECT_EQ(notice.substr(0, 10), "Soubor n\xE1p");
  EXPECT_EQ(notice.back(), '.');
  EXPECT_EQ(readHelpLines(), std::vector<std::string>{notice});
  closeHelpFile();
}

TEST_F(HelpFile, AnExistingFileIsReadLineByLineAndNeverChanged) {
  putFileBytes("napoveda.txt", "Prvn\xED\r\n\r\nposledn\xED bez konce");
  openHelpFile();
  EXPECT_EQ(readHelpLines(), (std::vector<std::string>{"Prvn\xED", "", "posledn\xED bez konce"}));
  closeHelpFile();
  putFileBytes("napoveda.txt", "");
  openHelpFile();
  EXPECT_TRUE(readHelpLines().empty());
  closeHelpFile();
  EXPECT_EQ(fileBytes("napoveda.txt"), "");
}

TEST_F(HelpFile, AnUnreadableFileIsAnErrorAndKeepsItsText) {
  putFileBytes("napoveda.txt", "N\xE1pov\xEC" "da");
  ::chmod("napoveda.txt", 0);
  EXPECT_EXIT(
      {
        dropRootForTest();
        try {
          openHelpFile();
        } catch (const IoError& e) {
          std::_Exit(e.code().value() == EACCES ? 0 : 1);
        }
        std::_Exit(2);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(fileBytes("napoveda.txt"), "N\xE1pov\xEC" "da");
}

}  // namespace
