// A long-running program (the windows) keeps the dictionaries open while
// tarvik changes them in between two of its look-ups: in place, by a new
// copy renamed over the old one, and by deletion. Each next look-up sees the
// change, and the program's own writes go to the file tarvik left.

#include "store_fixture_test.h"
#include "tarvik_process.h"

namespace {

using SharedWithTarvik = StoreTest;

TEST_F(SharedWithTarvik, EachLookupSeesWhatTarvikWroteSinceThePreviousOne) {
  auto tarvik = [this](std::vector<std::string> args) { return runTarvik({args, dir.string()}).exitCode; };
  store->insertEntry(entry("KO", {"VODA"}), kTarvikCzech);
  store->insertEntry(entry("RA", {"SLUNCE"}), kTarvikCzech);
  ASSERT_EQ(store->findWord("ko", kTarvikCzech, false).meanings[0], "VODA");

  // Same size, same file: only the content and the time stamp tell.
  ASSERT_EQ(tarvik({"insert", "KO", "PIVO"}), 0);
  EXPECT_EQ(store->findWord("ko", kTarvikCzech, false).meanings[0], "PIVO");
  ASSERT_EQ(tarvik({"insert", "A", "PRVNI"}), 0);  // sorts first: a new file
  EXPECT_EQ(store->findWord("a", kTarvikCzech, false).position, 1);
  EXPECT_EQ(store->findPrefix("r", kTarvikCzech), 3);
  ASSERT_EQ(tarvik({"delete", "0"}), 0);
  EXPECT_FALSE(store->findWord("a", kTarvikCzech, false).found);
  EXPECT_EQ(store->entryCount(kTarvikCzech), 2);

  store->insertWord("B", {std::string("DRUHY")}, kTarvikCzech, false);
  EXPECT_EQ(fileBytes("tc_slovnik.slk"),
            rawRecord({"B", "DRUHY"}) + rawRecord({"KO", "PIVO", "VODA"}) + rawRecord({"RA", "SLUNCE"}));
}

}  // namespace
