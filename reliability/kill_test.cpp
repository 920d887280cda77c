// tarvik killed at random moments while it changes a dictionary of 200,000
// records, or remembered meanings of 60,000 rules: afterwards each file is
// byte for byte the old one or the new one, never shorter, never a mixture,
// and the next run works. A scratch file left behind by the kill is allowed;
// the next start removes it. So is a journal, and the next start finishes
// its change.

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <optional>
#include <random>
#include <utility>

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

// Rules of each shape, a word alone in tc and a word after another in ct,
// not in the order the program writes them: a new file differs throughout.
std::string choicesBytes(int rules) {
  std::string bytes;
  for (int i = 0; i < rules; ++i)
    bytes += i % 2 ? "tc\tSLOVO" + std::to_string(i) + "\tVYZNAM" + std::to_string(i % 7) + "\r\n"
                   : "ct\tPRED" + std::to_string(i) + "\tSLOVO" + std::to_string(i) + "\tVYZNAM\r\n";
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

  // Two runs of `operation` without a kill, each after `prepare`: what
  // `files` reads after it, the same both times, and the longer duration in
  // microseconds, since other work on the machine slows some runs.
  template <typename Prepare, typename Files>
  auto unkilled(const Operation& operation, Prepare prepare, Files files) {
    std::pair<decltype(files()), long> fresh{};
    for (int run = 0; run < 2; ++run) {
      prepare();
      Clock::time_point start = Clock::now();
      runOk(operation.args);
      fresh.second = std::max<long>(fresh.second, (Clock::now() - start) / std::chrono::microseconds(1));
      auto now = files();
      EXPECT_TRUE(run == 0 || now == fresh.first) << operation.name << " gave two different results";
      fresh.first = std::move(now);
    }
    return fresh;
  }

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
    auto [fresh, duration] = unkilled(operation, [&] { copyOriginal(); }, [&] { return dictionaries(folder); });
    ASSERT_TRUE(!HasFailure() && fresh != old) << operation.name << " changed nothing";

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

// The rules are read, and all written again, by a run that lasts tens of
// milliseconds; a clear removes the file.
TEST_F(KilledWhileWriting, TheRememberedMeaningsAreWhollyOldOrWhollyNew) {
  const Operation operations[] = {
      {"choices --add after a word", {"choices", "--add", "--after", "PRED", "SLOVO", "VYZNAM"}, 40},
      {"choices --clear", {"choices", "--clear"}, 10},
  };
  const std::string path = folder + "/volby.txt", scratch = path + ".novy";
  const std::optional<std::string> old = choicesBytes(60000);
  auto prepare = [&] {
    writeBytes(path, *old);
    fs::remove(scratch);
  };
  auto choices = [&] { return fs::exists(path) ? std::optional(readBytes(path)) : std::nullopt; };
  std::mt19937 random(20261207);
  for (const Operation& operation : operations) {
    auto [fresh, duration] = unkilled(operation, prepare, choices);
    ASSERT_TRUE(!HasFailure() && fresh != old) << operation.name << " changed nothing";
    int seen[2] = {0, 0}, scratchLeft = 0;  // old, new
    std::uniform_int_distribution<long> delay(0, duration * 6 / 5);
    for (int t = 0; t < operation.trials; ++t) {
      prepare();
      runTarvik({.args = operation.args, .dir = folder, .killAfter = delay(random)});
      const std::optional<std::string> now = choices();
      ASSERT_TRUE(now == old || now == fresh) << operation.name << ", trial " << t << ": volby.txt is "
                                              << (now ? std::to_string(now->size()) + " bytes" : "missing");
      ++seen[now != old];
      scratchLeft += fs::exists(scratch);
      // The next run uses every rule the file holds, one a line, and
      // removes the copy the kill left.
      Finished next = tarvik({"choices"});
      EXPECT_EQ(next.exitCode, 0) << next.err;
      EXPECT_EQ(next.err, "");
      EXPECT_EQ(std::ranges::count(next.out, '\n'), now ? std::ranges::count(*now, '\n') : 0);
      ASSERT_FALSE(HasFailure() || fs::exists(scratch)) << operation.name << ", trial " << t;
    }
    std::printf("%-46s %3d trials over %5.0f ms: %3d old, %3d new, %3d left volby.txt.novy\n", operation.name,
                operation.trials, duration / 1000.0, seen[0], seen[1], scratchLeft);
  }
}

}  // namespace
