// A power cut or a crash of the system at any moment of a change. Every
// change the store asks of the disk is recorded through the store's disk
// observer; from the record we build each state a crash could leave: what a
// sync covered is there, and of the rest any part may be lost, a write down
// to single 512-byte sectors of it, or leave zeros where it grew the file.
// Opening the dictionaries on that state must find each one, and the
// remembered meanings, wholly old or wholly new, and neither journal nor
// scratch file left. A start that finds a journal is crashed in turn at
// every moment of its own work.

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <set>

#include "meaning_choices.h"
#include "posix_file.h"
#include "store_fixture_test.h"
#include "tarvik_process.h"

namespace {

namespace fs = std::filesystem;
using Kind = DiskChange::Kind;
constexpr off_t kSector = 512;
// Up to this many states for one moment all are tried, beyond it as many at random.
constexpr std::size_t kStatesPerMoment = 1024;

// Files are numbered as they are created: the system gives the inode of a
// removed journal to the next one.
struct Change {
  Kind kind;
  int file = -1;
  std::string name, newName;
  off_t offset = 0;
  std::string bytes;
};

struct Disk {
  std::map<std::string, int> names;
  std::map<int, std::string> files;

  void apply(const Change& c, bool onlyZeros) {
    std::string& content = files[c.file];
    if (c.kind == Kind::create) names[c.name] = c.file, content.clear();
    if (c.kind == Kind::truncate) content.resize(c.offset);
    if (c.kind == Kind::write) {
      content.resize(std::max(content.size(), c.offset + c.bytes.size()));
      if (!onlyZeros) content.replace(c.offset, c.bytes.size(), c.bytes);
    }
    if (c.kind == Kind::remove) names.erase(c.name);
    if (c.kind == Kind::rename && names.contains(c.name)) names[c.newName] = names[c.name], names.erase(c.name);
  }
  std::string key() const {
    std::string key;
    for (const auto& [name, file] : names) key += name + '\0' + files.at(file) + '\0';
    return key;
  }
};

std::vector<Change>* recording = nullptr;  // null while nothing is recorded
std::map<ino_t, int> numberOf;
int nextNumber = 0;

int fileNumber(ino_t inode) {
  auto found = numberOf.find(inode);
  return found != numberOf.end() ? found->second : numberOf[inode] = nextNumber++;
}

void record(const DiskChange& c) {
  if (!recording) return;
  int file = c.kind == Kind::create ? numberOf[c.file] = nextNumber++ : fileNumber(c.file);
  if (c.kind != Kind::write) {
    recording->push_back({c.kind, file, c.name, c.newName, c.offset, ""});
    return;
  }
  for (off_t at = c.offset, end = c.offset + static_cast<off_t>(c.bytes.size()); at < end;) {
    off_t next = std::min(end, (at / kSector + 1) * kSector);
    recording->push_back({Kind::write, file, "", "", at, std::string(c.bytes.substr(at - c.offset, next - at))});
    at = next;
  }
}

// The files a change may touch, by name, before or after it; none where missing.
using Files = std::map<std::string, std::optional<std::string>>;

struct Tally {
  int tried = 0, states = 0, journals = 0, dropped = 0, duringRecovery = 0;
};

class CrashedWhileWriting : public TarvikFolder {
 protected:
  void TearDown() override {
    store.reset();
    TarvikFolder::TearDown();
  }

  // What `run` asks of the disk, each write cut at the sectors.
  template <typename Run>
  std::vector<Change> recorded(Run run) {
    std::vector<Change> changes;
    recording = &changes;
    run();
    recording = nullptr;
    return changes;
  }

  // Numbers the files afresh, for a recording that starts now.
  Disk diskNow() const {
    Disk disk;
    numberOf.clear();
    nextNumber = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      struct stat st;
      int file = fileNumber(::stat(entry.path().c_str(), &st) == 0 ? st.st_ino : 0);
      disk.names[entry.path().filename()] = file;
      disk.files[file] = fileBytes(entry.path());
    }
    return disk;
  }

  void putDisk(const Disk& disk) const {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) fs::remove(entry.path());
    for (const auto& [name, file] : disk.names) putFileBytes(at(name), disk.files.at(file));
  }

  std::string at(const std::string& name) const { return folder + '/' + name; }
  std::optional<std::string> fileIn(const std::string& name) const {
    return fs::exists(at(name)) ? std::optional(fileBytes(at(name))) : std::nullopt;
  }
  Files filesNow() const {
    return {{dictionaryFileName(kTarvikCzech), fileIn(dictionaryFileName(kTarvikCzech))},
            {dictionaryFileName(kCzechTarvik), fileIn(dictionaryFileName(kCzechTarvik))},
            {kChoicesFileName, fileIn(kChoicesFileName)}};
  }
  static std::size_t present(const Files& files) {
    return std::ranges::count_if(files, [](const auto& file) { return file.second.has_value(); });
  }

  // The next start on `disk`: each file is what it was or what the change
  // made it, the store reads it as on disk, and nothing is left over.
  // A start that finds a journal is itself crashed at every moment, once.
  void expectWhole(const Disk& disk, const std::string& where, Tally& tally, bool crashAgain) {
    putDisk(disk);
    bool journal = disk.names.contains("tc_slovnik.zurnal") || disk.names.contains("ct_slovnik.zurnal");
    Disk here = diskNow();
    std::vector<Change> recovery = recorded([&] { store.emplace(folder, record); });
    Files now = filesNow();
    for (const auto& [name, content] : now)
      EXPECT_TRUE(content == old[name] || content == fresh[name]) << name << " torn " << where;
    for (Dict dict : {kTarvikCzech, kCzechTarvik})
      EXPECT_TRUE(recordsOf(store->entriesNow(dict)) == now[dictionaryFileName(dict)]) << where;
    const bool oldChoices = now[kChoicesFileName] == old[kChoicesFileName];
    EXPECT_TRUE(store->meaningChoices().rules() == (oldChoices ? oldRules : freshRules)) << where;
    std::size_t warnings = store->takeWarnings().size();
    store.reset();
    EXPECT_TRUE(journal || warnings == 0) << where;
    EXPECT_EQ(diskNow().names.size(), present(now)) << "a journal or scratch file was left " << where;
    tally.journals += journal;
    tally.dropped += warnings > 0;
    if (journal && crashAgain) tally.duringRecovery += crashEverywhere(here, recovery, where + ", then ").states;
  }

  // Every state a crash could leave at each moment of `changes`.
  Tally crashEverywhere(const Disk& start, const std::vector<Change>& changes, const std::string& before) {
    Tally tally;
    std::set<std::string> seen;
    std::mt19937 random(20260101);
    std::vector<bool> grows;
    for (Disk all = start; const Change& c : changes) {
      grows.push_back(c.kind == Kind::write && c.offset + c.bytes.size() > all.files[c.file].size());
      all.apply(c, false);
    }
    for (std::size_t moment = 0; moment <= changes.size() && !HasFailure(); ++moment) {
      // What a later sync covers reached the disk; the rest may or may not.
      std::vector<bool> sure(moment);
      std::set<int> syncedFiles;
      bool syncedFolder = false;
      std::vector<std::size_t> open;
      std::size_t total = 1;
      for (std::size_t i = moment; i-- > 0;) {
        const Change& c = changes[i];
        if (c.kind == Kind::syncFolder) syncedFolder = true;
        if (c.kind == Kind::syncFile) syncedFiles.insert(c.file);
        bool onFile = c.kind == Kind::write || c.kind == Kind::truncate;
        sure[i] = onFile ? syncedFiles.contains(c.file) : syncedFolder;
        if (sure[i] || c.kind == Kind::syncFile || c.kind == Kind::syncFolder) continue;
        open.push_back(i);
        total = std::min(total * (grows[i] ? 3 : 2), kStatesPerMoment + 1);
      }
      bool everyOne = total <= kStatesPerMoment;
      for (std::size_t n = 0; n < std::min(total, kStatesPerMoment) && !HasFailure(); ++n) {
        // Each open change is lost (0), made (1) or, when it grew the file,
        // only grew it, with zeros (2).
        std::vector<int> fate(moment, 1);
        for (std::size_t code = n, k = 0; k < open.size(); ++k) {
          int ways = grows[open[k]] ? 3 : 2;
          fate[open[k]] = static_cast<int>(everyOne ? code % ways : random() % ways);
          code /= ways;
        }
        Disk disk = start;
        std::string where = before + "crashed after change " + std::to_string(moment) + " of " +
                            std::to_string(changes.size()) + " with each lost (0), made (1) or zeros (2): ";
        for (std::size_t i = 0; i < moment; ++i) {
          if (fate[i] != 0) disk.apply(changes[i], fate[i] == 2);
          where += std::to_string(fate[i]);
        }
        ++tally.tried;
        if (!seen.insert(disk.key()).second) continue;
        ++tally.states;
        expectWhole(disk, where, tally, before.empty());
      }
    }
    return tally;
  }

  std::optional<DictionaryStore> store;
  Files old, fresh;
  std::vector<ChoiceRule> oldRules, freshRules;
};

// tc holds W00..W11 in order, so that the fifth record straddles the first
// 512 bytes and an append the third; ct holds X29..X00, out of order, and
// its sorted copy fills eight sectors, more than every combination of which
// is tried. The journal of the import's five records fills two sectors.
// volby.txt, where a change starts with one, holds W01 after a hundred words
// and the two rules that the first meaning of W01 after W00 forgets: three
// sectors.
TEST_F(CrashedWhileWriting, EveryFileIsWhollyOldOrWhollyNewAtTheNextStart) {
  const struct {
    const char* name;
    void (*run)(DictionaryStore&);
    bool withChoices = false;
  } kinds[] = {
      {"editor write (writeEntry)",
       [](DictionaryStore& s) { s.writeEntry(kTarvikCzech, 4, entry("VODA", {"ZMENA"})); }},
      {"append (writeEntry at the end)",
       [](DictionaryStore& s) { s.writeEntry(kTarvikCzech, 12, entry("ZZ", {"NOVE"})); }},
      {"insertion with reverse (insertWord)",
       [](DictionaryStore& s) { s.insertWord("ZZ", GivenMeanings{"ZA", "ZB"}, kTarvikCzech, true); }},
      {"delete (deleteEntry)", [](DictionaryStore& s) { s.deleteEntry(0, kTarvikCzech); }},
      {"import (insertEntries)",
       [](DictionaryStore& s) {
         std::vector<Tslovicko> entries;
         for (const char* word : {"ZA", "ZB", "ZC", "ZD", "ZE"}) entries.push_back(entry(word, {"1"}));
         s.insertEntries(entries, kTarvikCzech);
       }},
      {"sort (sortDictionary)", [](DictionaryStore& s) { s.sortDictionary(kCzechTarvik); }},
      {"remembered meaning (rememberMeaning)",
       [](DictionaryStore& s) { s.rememberMeaning("W00", "W01", "M", kTarvikCzech, LookupOptions{}); }, true},
      {"first remembered meaning (add)",
       [](DictionaryStore& s) { s.meaningChoices().add(kCzechTarvik, "", "X05", "M"); }},
      {"forgetting the meanings (clear)", [](DictionaryStore& s) { s.meaningChoices().clear(); }, true},
  };
  std::string tc, ct, choices = "tc\tW01\tV\r\ntc\tW00\tW01\tV\r\n";
  for (int i = 0; i < 12; ++i) tc += rawRecord({"W" + std::to_string(100 + i).substr(1), "M"});
  for (int i = 29; i >= 0; --i) ct += rawRecord({"X" + std::to_string(100 + i).substr(1), "M"});
  for (int i = 0; i < 100; ++i) choices += "tc\tP" + std::to_string(100 + i).substr(1) + "\tW01\tV\r\n";
  for (const auto& kind : kinds) {
    putDisk({});
    old = {{dictionaryFileName(kTarvikCzech), tc},
           {dictionaryFileName(kCzechTarvik), ct},
           {kChoicesFileName, kind.withChoices ? std::optional(choices) : std::nullopt}};
    for (const auto& [name, content] : old)
      if (content) putFileBytes(at(name), *content);
    Disk start = diskNow();
    store.emplace(folder, record);
    oldRules = store->meaningChoices().rules();
    std::vector<Change> changes = recorded([&] { kind.run(*store); });
    freshRules = store->meaningChoices().rules();
    store.reset();
    fresh = filesNow();
    ASSERT_EQ(diskNow().names.size(), present(fresh)) << kind.name << " left a journal or scratch file";
    ASSERT_NE(fresh, old) << kind.name;
    Tally tally = crashEverywhere(start, changes, "");
    ASSERT_FALSE(HasFailure()) << kind.name;
    std::printf("%-36s %2zu changes, %5d crashes tried: %3d states, %2d with a journal (%d torn), "
                "%3d more from crashing its recovery\n",
                kind.name, changes.size(), tally.tried, tally.states, tally.journals, tally.dropped,
                tally.duringRecovery);
  }
}

}  // namespace
