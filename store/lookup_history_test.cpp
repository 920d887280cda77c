#include "lookup_history.h"

#include <regex>

#include "cp1250.h"
#include "store_fixture_test.h"

namespace {

class History : public InTempDir {
 protected:
  std::vector<std::string> words(LookupHistory& history) {
    std::vector<std::string> all;
    for (const HistoryEntry& e : history.entries()) all.push_back((e.dict == kTarvikCzech ? "tc " : "ct ") + e.word);
    return all;
  }
};

// A second program (here a second history on the folder) reads what the
// first wrote.
TEST_F(History, KeepsTheLastThousandNewestFirstBetweenRuns) {
  std::string full;
  for (std::size_t i = 0; i < kHistoryLength; ++i) full += "2026-01-01T00:00:00Z tc W" + std::to_string(i) + "\r\n";
  putFileBytes("historie.txt", full);
  LookupHistory history(dir.string());
  history.remember(kCzechTarvik, cp1250Text("  žena\t"));
  EXPECT_TRUE(std::regex_search(fileBytes("historie.txt"),
                                std::regex("^20\\d\\d-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ ct \x9E" "ena\r\n"
                                           "2026-01-01T00:00:00Z tc W0\r\n")));
  LookupHistory again(dir.string());
  const std::vector<std::string> read = words(again);
  ASSERT_EQ(read.size(), kHistoryLength);
  EXPECT_EQ(read.back(), "tc W998");
  EXPECT_EQ(again.entries(), history.entries());
}

// The folder, missing, is made for the first word.
TEST_F(History, MovesARepeatUpInItsNewSpellingAndRemembersNothingBlankOrWhileOff) {
  const std::string folder = at("data/tarvik-slovnik");
  LookupHistory history(folder);
  EXPECT_TRUE(history.entries().empty());
  history.remember(kTarvikCzech, "drom");
  history.remember(kTarvikCzech, "della");
  history.remember(kCzechTarvik, "drom");
  history.remember(kTarvikCzech, " DROM ");
  history.remember(kTarvikCzech, "   ");
  history.remember(kTarvikCzech, std::string(kHistoryWordLength + 1, 'A'));
  EXPECT_EQ(words(history), (std::vector<std::string>{"tc DROM", "ct drom", "tc della"}));
  EXPECT_EQ(history.wordsFor(kTarvikCzech), (std::vector<std::string>{"DROM", "della"}));
  const std::string before = ::fileBytes(folder + "/historie.txt");
  history.setRecording(false);
  history.remember(kTarvikCzech, "shee");
  EXPECT_EQ(::fileBytes(folder + "/historie.txt"), before);
  // A clear by another program is seen by this one.
  LookupHistory(folder).clear();
  history.setRecording(true);
  history.remember(kTarvikCzech, "shee");
  EXPECT_EQ(words(history), std::vector<std::string>{"tc shee"});
  EXPECT_TRUE(history.takeWarnings().empty());
}

TEST_F(History, SetsADamagedFileAsideAndSaysSoOnce) {
  const std::string good = "2026-12-07T18:57:33Z tc DROM\r\n";
  std::string tooMany;
  for (std::size_t i = 0; i <= kHistoryLength; ++i) tooMany += good;
  const std::pair<std::string, std::string> cases[] = {
      {good + "2026-02-30T18:57:33Z tc DROM\r\n", "line 2 is damaged"},
      {good + "2026-12-07T18:57:33Z xx DROM\r\n", "line 2 is damaged"},
      {"2026-12-07T18:57:33Z tc DR\x01OM\r\n", "line 1 is damaged"},
      {good + "\r\n", "line 2 is damaged"},
      {tooMany, "it holds more than 1000 words"},
      {std::string(200000, 'x'), "it is larger than a history of 1000 words can be"},
  };
  for (const auto& [content, problem] : cases) {
    putFileBytes("historie.txt", content);
    LookupHistory history(dir.string());
    EXPECT_TRUE(history.entries().empty()) << problem;
    EXPECT_EQ(history.takeWarnings(),
              std::vector<std::string>{"The history of looked-up words " + at("historie.txt") + " could not be read (" +
                                       problem + "): it starts afresh, and the old file is kept as " +
                                       at("historie.txt.poskozeny") + "."});
    EXPECT_EQ(fileBytes("historie.txt.poskozeny"), content);
    history.remember(kTarvikCzech, "della");
    EXPECT_EQ(history.entries().size(), 1u);
    EXPECT_TRUE(history.takeWarnings().empty());
  }
}

// The second look-up must not write over what the first could not read.
TEST_F(History, IsNotWrittenOverWhenItCannotBeRead) {
  const std::string kept = "2026-12-07T18:57:33Z tc DROM\r\n";
  putFileBytes("historie.txt", kept);
  std::filesystem::permissions(dir / "historie.txt", std::filesystem::perms::none);
  expectAsUnprivileged([&]() -> std::string {
    LookupHistory history(dir.string());
    int first = errorOf([&] { history.remember(kTarvikCzech, "della"); });
    int second = errorOf([&] { history.remember(kTarvikCzech, "della"); });
    return first == EACCES && second == EACCES ? "" : "remembered over a history it could not read";
  });
  EXPECT_EQ(fileBytes("historie.txt"), kept);
}

// A kill or a power cut at any moment leaves the old file or the new one:
// the file itself is never written, only a copy synced before it replaces
// the file; and a copy a crash left is gone at the next use.
TEST_F(History, ReplacesTheFileOnlyByACopyAlreadyOnDisk) {
  LookupHistory(dir.string()).remember(kTarvikCzech, "drom");
  putFileBytes("historie.txt.novy", "left by a crash");
  std::vector<DiskChange> changes;
  LookupHistory history(dir.string(), [&](const DiskChange& c) { changes.push_back(c); });
  history.remember(kTarvikCzech, "della");
  EXPECT_FALSE(std::filesystem::exists(dir / "historie.txt.novy"));
  expectReplacedOnlyBySyncedCopy(changes, "historie.txt");
  EXPECT_EQ(words(history), (std::vector<std::string>{"tc della", "tc drom"}));
}

}  // namespace
