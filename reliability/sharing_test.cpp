// A long-running program (the windows) keeps the dictionaries open while
// tarvik changes them in between two of its look-ups: in place, by a new
// copy renamed over the old one, and by deletion. Each next look-up sees the
// change, and the program's own writes go to the file tarvik left.

#include <gtest/gtest.h>

#include <filesystem>

#include "dictionary_store.h"
#include "tarvik_process.h"

namespace {

Tslovicko entry(std::string headword, std::string meaning) {
  Tslovicko e;
  e.slovo = std::move(headword);
  e.vyznam1 = std::move(meaning);
  return e;
}

class SharedWithTarvik : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = makeScratchFolder("shared");
    previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    openDictionaries();
  }
  void TearDown() override {
    closeDictionaries();
    std::filesystem::current_path(previous);
    removeFolder(folder);
  }

  Finished tarvik(const std::vector<std::string>& args) {
    Launch launch;
    launch.args = args;
    launch.dir = folder;
    return runTarvik(launch);
  }

  std::string folder;
  std::filesystem::path previous;
};

TEST_F(SharedWithTarvik, EachLookupSeesWhatTarvikWroteSinceThePreviousOne) {
  insertEntry(entry("KO", "VODA"), kTarvikCzech);
  insertEntry(entry("RA", "SLUNCE"), kTarvikCzech);
  ASSERT_EQ(findWord("ko", kTarvikCzech, false).meanings[0], "VODA");

  // Same size, same file: only the content and the time stamp tell.
  ASSERT_EQ(tarvik({"insert", "KO", "PIVO"}).exitCode, 0);
  EXPECT_EQ(findWord("ko", kTarvikCzech, false).meanings[0], "PIVO");
  EXPECT_EQ(findWord("ko", kTarvikCzech, false).meanings[1], "VODA");

  ASSERT_EQ(tarvik({"insert", "A", "PRVNI"}).exitCode, 0);  // sorts first: a new file
  EXPECT_EQ(findWord("a", kTarvikCzech, false).position, 1);
  EXPECT_EQ(findPrefix("r", kTarvikCzech), 3);

  ASSERT_EQ(tarvik({"delete", "0"}).exitCode, 0);
  EXPECT_FALSE(findWord("a", kTarvikCzech, false).found);
  EXPECT_EQ(entryCount(kTarvikCzech), 2);

  insertWord("B", {std::string("DRUHY")}, kTarvikCzech, false);
  Finished listed = tarvik({"list"});
  EXPECT_EQ(listed.out, "0\tB\tDRUHY\t\t\t\t\n1\tKO\tPIVO\tVODA\t\t\t\n2\tRA\tSLUNCE\t\t\t\t\n");
}

}  // namespace
