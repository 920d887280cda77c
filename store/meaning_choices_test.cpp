#include "meaning_choices.h"

#include <thread>

#include "store_fixture_test.h"

namespace {

class Choices : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    fill(kTarvikCzech, {entry("KO", {"VODA", "RYBNIK", "MOKRO"}), entry("RA", {"SLUNCE", "DEN"}), entry("TA", {"TEDY"})});
  }
  std::string translated(std::string_view line, bool withChoices = true) {
    return store->translateText(line, kTarvikCzech, LookupOptions{}, false, withChoices).result;
  }
  bool remember(std::string_view previous, std::string_view item, std::string_view meaning) {
    return store->rememberMeaning(previous, item, meaning, kTarvikCzech, LookupOptions{});
  }
};

// A rule after the word before wins over the word alone, at a line's start
// there is no word before, and each rule lasts to the next start.
TEST_F(Choices, TheWordBeforeWinsAndTheFirstMeaningForgets) {
  EXPECT_TRUE(remember("RA", "(ko)", "MOKRO"));
  EXPECT_TRUE(remember("", "ko", "RYBNIK"));
  EXPECT_FALSE(remember("", "ko", "OHEN"));  // a meaning the entry lacks
  EXPECT_EQ(fileBytes("volby.txt"), "tc\tKO\tRYBNIK\r\ntc\tRA\tKO\tMOKRO\r\n");
  reopen();
  EXPECT_EQ(translated("ko ra ko ta ko"), "RYBNIK SLUNCE MOKRO TEDY RYBNIK ");
  EXPECT_EQ(translated("ko ra ko ta ko", false), "VODA SLUNCE VODA TEDY VODA ");
  ChosenMeaning chosen = store->chosenMeaning("ra", "ko,", kTarvikCzech, {"VODA", "RYBNIK", "MOKRO"});
  EXPECT_EQ(chosen.slot, 2);
  EXPECT_TRUE(chosen.remembered && chosen.afterPrevious);

  // MOKRO leaves the dictionary: its rule is skipped for the word alone's.
  store->writeEntry(kTarvikCzech, 0, entry("KO", {"VODA", "RYBNIK"}));
  EXPECT_EQ(translated("ra ko"), "SLUNCE RYBNIK ");
  EXPECT_EQ(store->unusableChoices(LookupOptions{}),
            (std::vector<ChoiceRule>{{kTarvikCzech, "RA", "KO", "MOKRO"}}));

  EXPECT_TRUE(remember("RA", "KO", "VODA"));
  EXPECT_EQ(fileBytes("volby.txt"), "");
  EXPECT_EQ(translated("ta ko ra ko"), "TEDY VODA SLUNCE VODA ");
}

TEST_F(Choices, UsesTheRestOfADamagedFileAndKeepsItsLines) {
  const std::string damaged = "xx\tKO\tVODA\r\ntc\tKO\r\nct\tA\tB\tC\tD\r\ntc\tKO\t" + std::string(21, 'M') + "\r\n";
  putFileBytes("volby.txt", "tc\tko\tRYBNIK\r\n" + damaged + "\r\ntc\tta\tra\tDEN\r\n");
  EXPECT_EQ(translated("ko ta ra"), "RYBNIK TEDY DEN ");
  std::vector<std::string> lines;
  for (const StoreWarning& w : store->takeWarnings()) {
    EXPECT_EQ(w.about, StoreWarning::About::meaningChoices);
    lines.push_back(w.text.substr(w.text.find("volby.txt, line"), 17));
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"volby.txt, line 2", "volby.txt, line 3", "volby.txt, line 4",
                                             "volby.txt, line 5"}));
  EXPECT_TRUE(store->meaningChoices().add(kTarvikCzech, "", "ra", "DEN"));
  EXPECT_EQ(fileBytes("volby.txt"), "tc\tKO\tRYBNIK\r\ntc\tRA\tDEN\r\ntc\tTA\tRA\tDEN\r\n" + damaged);
  EXPECT_TRUE(store->takeWarnings().empty());  // each is said once
}

// A file too large is neither read nor written over, and says so once.
TEST_F(Choices, RefusesAFileOfTooManyRules) {
  putFileBytes("volby.txt", "tc\tKO\tRYBNIK\r\n");
  std::filesystem::resize_file(dir / "volby.txt", 10'000'000);
  EXPECT_TRUE(store->meaningChoices().refused());  // asked first, as tarvik choices does
  EXPECT_EQ(translated("ko"), "VODA ");
  EXPECT_FALSE(remember("", "ko", "MOKRO"));
  EXPECT_EQ(store->takeWarnings().size(), 1u);
  EXPECT_EQ(std::filesystem::file_size(dir / "volby.txt"), 10'000'000u);
  store->meaningChoices().clear();
  EXPECT_FALSE(std::filesystem::exists(dir / "volby.txt"));
}

// A kill or a power cut at any moment leaves the old file or the new one.
// The copy another program is writing is no crash's leftover: were it
// removed, that program's rename would fail, or carry off the copy a third
// one had only begun.
TEST_F(Choices, ReplacesTheFileOnlyByACopyAlreadyOnDisk) {
  remember("", "ko", "MOKRO");
  std::vector<DiskChange> changes;
  store.reset();
  store.emplace(dir.string(), [&](const DiskChange& c) { changes.push_back(c); });
  changes.clear();  // the dictionaries' own
  remember("ta", "ko", "RYBNIK");
  expectReplacedOnlyBySyncedCopy(changes, "volby.txt");
  EXPECT_EQ(fileBytes("volby.txt"), "tc\tKO\tRYBNIK\r\ntc\tTA\tKO\tRYBNIK\r\n");

  FileHandle writing = Folder(dir.string()).lockedFile("volby.txt.novy", 0600);
  putFileBytes("volby.txt", "tc\tKO\tVODA\r\n");  // its program's previous change
  EXPECT_EQ(store->meaningChoices().rules().size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(dir / "volby.txt.novy"));
}

// Programs changing the rules at once each start from the others' changes.
TEST_F(Choices, ProgramsChangingTheRulesAtOnceLoseNoneOfThem) {
  std::vector<std::thread> programs;
  for (int p = 0; p < 3; ++p)
    programs.emplace_back([this, p] {
      Folder folder(dir.string());
      MeaningChoices choices(folder);
      for (int i = 0; i < 30; ++i) choices.add(kTarvikCzech, "", "W" + std::to_string(p * 100 + i), "M");
    });
  for (std::thread& program : programs) program.join();
  EXPECT_EQ(store->meaningChoices().rules().size(), 90u);
  EXPECT_FALSE(std::filesystem::exists(dir / "volby.txt.novy"));
}

}  // namespace
