// tarvik killed at random moments while it changes a dictionary of 200,000
// records: afterwards each dictionary file is byte for byte the old one or
// the new one, never shorter, never a mixture, and the next run works. A
// scratch file left behind by the kill is allowed; the next start removes it.
// So is a journal, and the next start finishes its change.

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <random>

#include "store_fixture_test.h"
#include "tarvik_process.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Sorted, as the program keeps its files: W000000.. in tc, C000000.. in ct,
// so that a headword A.. sorts first and Z.. last in both. Only the reverse
// entries go to ct, which is smaller so that copying it costs little.
std::string dictionaryBytes(char letter, int records) {
  std::string bytes;
  char headword[16];
  for (int i = 0; i < records; ++i) {
    std::snprintf(headword, sizeof headword, "%c%06d", letter, i);
    bytes += rawRecord({headword, "VYZNAM" + std::to_string(i % 977), i % 3 ? "" : "DALSI"});
  }
  return bytes;
}

struct Operation {
  const char* name;
  std::vector<std::string> args;
  int trials;
};

std::array<std::string, 2> dictionaries(const std::string& folder) {
  return {readBytes(folder + "/tc_slovnik.slk"), readBytes(folder + "/ct_slovnik.slk")};
}

class KilledWhileWriting : public TarvikFolder {
 protected:
  // The dictionaries are made once for all the trials of this binary.
  static void SetUpTestSuite() {
    original = makeScratchFolder("kill-original");
    writeBytes(original + "/tc_slovnik.slk", dictionaryBytes('W', 200000));
    writeBytes(original + "/ct_slovnik.slk", dictionaryBytes('C', 20000));
    std::string lines;
    for (int i = 0; i < 300; ++i)  // one joins an existing record, one sorts before every record
      lines += "W" + std::to_string(100000 + i * 7) + " - NOVE\r\nB" + std::to_string(i) + " - NOVE\r\n";
    writeBytes(original + "/import.txt", lines);
  }
  static void TearDownTestSuite() { removeFolder(original); }

  void copyOriginal() {
    for (const char* name : {"tc_slovnik.slk", "ct_slovnik.slk"})
      fs::copy_file(original + "/" + name, folder + "/" + name, fs::copy_options::overwrite_existing);
    for (const char* name : {"pomocny.slk", "tc_slovnik.zurnal", "ct_slovnik.zurnal"}) fs::remove(folder + "/" + name);
  }

  static std::string original;
};

std::string KilledWhileWriting::original;

TEST_F(KilledWhileWriting, EveryFileIsWhollyOldOrWhollyNew) {
  const Operation operations[] = {
      {"insert sorting first (rewrites and renames)", {"insert", "A0", "NOVY"}, 50},
      {"insert sorting last (appends in place)", {"insert", "ZZ", "NOVY"}, 30},
      {"insert with reverse entries (both files)", {"insert", "--reverse", "A1", "AHOJ", "ANO"}, 40},
      {"import of 600 lines", {"import", original + "/import.txt"}, 40},
      {"delete of the first record", {"delete", "0"}, 40},
  };
  const std::array<std::string, 2> old = dictionaries(original);
  std::mt19937 random(20261206);
  for (const Operation& operation : operations) {
    // Two runs without a kill: the new content, the same both times, and
    // the longer duration, since other work on the machine slows some runs.
    std::array<std::string, 2> fresh;
    long duration = 0;
    for (int run = 0; run < 2; ++run) {
      copyOriginal();
      Clock::time_point start = Clock::now();
      runOk(operation.args);
      duration = std::max<long>(duration, (Clock::now() - start) / std::chrono::microseconds(1));
      std::array<std::string, 2> now = dictionaries(folder);
      ASSERT_TRUE(run == 0 || now == fresh) << operation.name << " gave two different results";
      fresh = std::move(now);
    }
    ASSERT_TRUE(fresh != old) << operation.name << " changed nothing";

    int seen[2] = {0, 0}, scratchLeft = 0, journalLeft = 0;  // old, new
    // A little past the end too: a kill that comes too late finds the new files.
    std::uniform_int_distribution<long> delay(0, duration * 6 / 5);
    bool filesAreOld = false;
    for (int t = 0; t < operation.trials; ++t) {
      // Copying 25 MB is much of a trial's cost: skip it when the last
      // trial left the files as they were (and so left no scratch file).
      if (!filesAreOld) copyOriginal();
      runTarvik({.args = operation.args, .dir = folder, .killAfter = delay(random)});
      std::array<std::string, 2> now = dictionaries(folder);
      for (int file = 0; file < 2; ++file)
        ASSERT_TRUE(now[file] == old[file] || now[file] == fresh[file])
            << operation.name << ", trial " << t << ": file " << file << " is " << now[file].size()
            << " bytes, neither the old nor the new content";
      ++seen[now != old];
      bool leftScratch = fs::exists(folder + "/pomocny.slk");
      scratchLeft += leftScratch;
      std::array<bool, 2> leftJournal = {fs::exists(folder + "/tc_slovnik.zurnal"),
                                         fs::exists(folder + "/ct_slovnik.zurnal")};
      journalLeft += leftJournal[0] || leftJournal[1];
      filesAreOld = now == old && !leftJournal[0] && !leftJournal[1];

      // The next start takes up what the kill left: always after a scratch
      // file or a journal was left behind, and in every fifth trial
      // otherwise, since each run reads the whole dictionary.
      if (leftScratch || leftJournal[0] || leftJournal[1] || t % 5 == 0) {
        std::string count = runOk({"count"});
        // A whole journal finishes its change; one the kill cut short was
        // made before the dictionary was touched, and goes unapplied.
        std::array<std::string, 2> after = dictionaries(folder);
        for (int file = 0; file < 2; ++file) {
          if (leftJournal[file] && after[file] == fresh[file]) now[file] = fresh[file];
          EXPECT_TRUE(after[file] == now[file]) << operation.name << ", trial " << t << ": file " << file;
        }
        ASSERT_EQ(count.substr(0, count.find('\t')), std::to_string(now[0].size() / 126));
        runOk({"insert", leftScratch ? "A00" : "ZZZ", "DALSI"});
        EXPECT_EQ(readBytes(folder + "/tc_slovnik.slk").size(), now[0].size() + 126);
        for (const char* name : {"pomocny.slk", "tc_slovnik.zurnal", "ct_slovnik.zurnal"})
          EXPECT_FALSE(fs::exists(folder + "/" + name)) << name;
        filesAreOld = false;
      }
    }
    // Kills spread over the whole run should find both old and new files; on
    // a machine busy enough to stretch the runs they may not, which makes the
    // trials weaker but not wrong.
    std::printf("%-46s %3d trials over %5.0f ms: %3d old, %3d new, %3d left pomocny.slk, %3d a journal\n",
                operation.name, operation.trials, duration / 1000.0, seen[0], seen[1], scratchLeft, journalLeft);
  }
}

}  // namespace
