// An insertion or an import changes each dictionary file once, in one step:
// when it cannot finish, the file is exactly as it was before. Every change
// is tried under each way the system refuses a write.

#include <sys/stat.h>

#include <optional>
#include <tuple>

#include "store_fixture_test.h"

namespace {

constexpr long kRecord = kRecordSize;

// roomLeft: the bytes the disk takes past the 100 records before it is full;
// inPlace: the change needs no rewrite, so works in a folder that may not be written.
struct Change { void (*run)(DictionaryStore&); long roomLeft; bool inPlace; };

// The last record appended must not leave part of itself behind; a change
// that sorts must fail before its new record is written anywhere; the three
// reverse entries used to be written, each with its sort, one by one.
const Change kChanges[] = {
    {[](DictionaryStore& store) { store.writeEntry(kTarvikCzech, 100, entry("ZZ", {"1"})); }, kRecord / 2, true},
    {[](DictionaryStore& store) { store.insertWord("ZZ", GivenMeanings{"1"}, kTarvikCzech, false); }, kRecord / 2, true},
    {[](DictionaryStore& store) { store.insertWord("AA", GivenMeanings{"1"}, kTarvikCzech, false); }, -50 * kRecord, false},
    {[](DictionaryStore& store) { store.insertWord("KO", GivenMeanings{"A1", "A2", "A3"}, kTarvikCzech, true); }, 2 * kRecord + 10, false},
    {[](DictionaryStore& store) {
       std::vector<Tslovicko> entries(20);
       for (int i = 0; i < 20; ++i) entries[i] = entry("Z" + std::to_string(i), {"1"});
       store.insertEntries(entries, kTarvikCzech);
     }, 5 * kRecord, true},
    {[](DictionaryStore& store) { store.sortDictionary(kCzechTarvik); }, -50 * kRecord, false},
    {[](DictionaryStore& store) { store.deleteEntry(0, kTarvikCzech); }, -50 * kRecord, false},
};

// tc_slovnik.slk holds W00..W99 in order, so that A.. sorts first and Z..
// last; ct_slovnik.slk holds them backwards.
class RefusedChanges : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    for (int i = 0; i < 100; ++i) {
      tcStart += rawRecord({(i < 10 ? "W0" : "W") + std::to_string(i), "M"});
      ctStart = rawRecord({(i < 10 ? "W0" : "W") + std::to_string(i), "M"}) + ctStart;
    }
    putFileBytes("tc_slovnik.slk", tcStart);
    putFileBytes("ct_slovnik.slk", ctStart);
    ::chmod(at("tc_slovnik.slk").c_str(), 0666);
    ::chmod(at("ct_slovnik.slk").c_str(), 0666);
  }

  std::string bytesNow() const { return fileBytes("tc_slovnik.slk") + "|" + fileBytes("ct_slovnik.slk"); }
  std::string shownNow() { return recordsOf(store->entriesNow(kTarvikCzech)) + "|" + recordsOf(store->entriesNow(kCzechTarvik)); }

  // Runs every change from the same start and says, by its row, what went wrong.
  std::string complaintsFor(int refusal, bool inPlaceWorks, bool diskFull) {
    const std::string start = tcStart + "|" + ctStart;
    std::string complaints;
    for (const Change& change : kChanges) {
      store.reset();
      putFileBytes("tc_slovnik.slk", tcStart);
      putFileBytes("ct_slovnik.slk", ctStart);
      store.emplace(dir.string());
      auto complain = [&](bool wrong, const std::string& what) {
        if (wrong) complaints += std::to_string(&change - kChanges) + ": " + what + "\n";
      };
      int error;
      {
        std::optional<FileSizeLimit> limit;
        if (diskFull) limit.emplace(100 * kRecord + change.roomLeft);
        error = errorOf([&] { change.run(*store); });
      }
      bool refused = !(inPlaceWorks && change.inPlace);
      complain(error != (refused ? refusal : 0), "error " + std::to_string(error));
      complain(refused != (bytesNow() == start), "files changed or not");
      complain(shownNow() != bytesNow(), "the store shows what the files do not hold");
      complain(!store->findWord("w05", kTarvikCzech, false).found, "look-up failed");
      complain(std::filesystem::exists(dir / kScratchName), "scratch file left");
      complain(diskFull && (errorOf([&] { change.run(*store); }) != 0 || bytesNow() == start || shownNow() != bytesNow()),
               "not done once the disk had room");
    }
    return complaints;
  }

  std::string tcStart, ctStart;
};

TEST_F(RefusedChanges, AFullDiskLeavesEveryFileAsItWas) {
  EXPECT_EQ(complaintsFor(EFBIG, false, true), "");
  FileSizeLimit limit(5000);
  EXPECT_EQ(messageOf([&] { store->deleteEntry(0, kTarvikCzech); }), "File too large: pomocny.slk (the new copy of tc_slovnik.slk)");
}

// Files that may not be written serve reads and refuse every change; in a
// folder that may not be written only the changes in place succeed.
TEST_F(RefusedChanges, FilesOrAFolderThatMayNotBeWrittenRefuseWhatNeedsThem) {
  store.reset();
  for (auto [files, folder, inPlaceWorks] : {std::tuple{0444, 0777, false}, std::tuple{0666, 0555, true}}) {
    ::chmod(at("tc_slovnik.slk").c_str(), files), ::chmod(at("ct_slovnik.slk").c_str(), files);
    ::chmod(dir.c_str(), folder);
    expectAsUnprivileged([&] { return complaintsFor(EACCES, inPlaceWorks, false); });
  }
  ::chmod(dir.c_str(), 0777);
}

using Importing = StoreTest;

TEST_F(Importing, MergesIntoRecordsItAddedItselfAndSortsOnce) {
  fill(kTarvikCzech, {entry("W05", {"M"}), entry("ZZ")});
  store->insertEntries({entry("ko", {"1"}), entry("ra", {"2"}), entry("ko", {"3"}), entry("w05", {"N"})}, kTarvikCzech);
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), rawRecord({"KO", "3", "1"}) + rawRecord({"RA", "2"}) +
                                             rawRecord({"W05", "N", "M"}) + rawRecord({"ZZ"}));
  EXPECT_FALSE(std::filesystem::exists(dir / kScratchName));
  // The index was left in step with the file: a change by another program shows.
  std::ofstream(dir / "tc_slovnik.slk", std::ios::binary | std::ios::app) << rawRecord({"PIVO", "BRA"});
  EXPECT_EQ(store->findWord("pivo", kTarvikCzech, false).position, 5);
}

}  // namespace
