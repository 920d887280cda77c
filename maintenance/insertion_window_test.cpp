// The insertion window driven through its boxes and buttons; what it did is
// read back from the dictionary files themselves. How an entry joins a
// dictionary is the store's to test; here, what the window hands it.

#include "cp1250.h"
#include "maintenance_fixture_test.h"
#include "insertion_window.h"

namespace {

const std::string kTc = "tc_slovnik.slk";
const std::string kCt = "ct_slovnik.slk";

class Insertion : public MaintenanceTest {
 protected:
  void SetUp() override {
    MaintenanceTest::SetUp();
    window = std::make_unique<Tokno_vlozeni>(*store);
  }

  Tslovicko shown() const {
    return shownIn({window->VSlovo, window->VVyznam1, window->VVyznam2, window->VVyznam3, window->VVyznam4,
                    window->VVyznam5});
  }
  // The headword, the meanings given, then the placeholders of the others.
  static Tslovicko boxes(const char* headword, std::vector<const char*> given = {}) {
    static const char* const kPlaceholders[] = {"Význam 1", "Význam 2", "Význam 3", "Význam 4", "Význam 5"};
    Tslovicko e = entry(cp1250Text(headword));
    for (int slot = 1; slot <= 5; ++slot)
      e.vyznam(slot) = cp1250Text(slot <= static_cast<int>(given.size()) ? given[slot - 1] : kPlaceholders[slot - 1]);
    return e;
  }

  std::unique_ptr<Tokno_vlozeni> window;
};

// Only a box's own placeholder, byte for byte, means "no meaning"; an
// emptied box is an empty meaning. Each meaning goes back as an entry.
TEST_F(Insertion, EveryTextButTheBoxsOwnPlaceholderIsAMeaningAndGoesBack) {
  EXPECT_EQ(shown(), boxes("Tarvikské slovo"));
  typeOver(window->VSlovo, "ko");
  typeOver(window->VVyznam1, "");
  typeOver(window->VVyznam2, "význam 2");  // a small v
  typeOver(window->VVyznam3, "Význam 4");  // box 4's placeholder, in box 3
  typeOver(window->VVyznam4, "Vyznam 4");  // no accent
  window->ulozit->click();
  EXPECT_EQ(fileBytes(kTc), rawRecord({"KO", "", "V\xDDZNAM 2", "V\xDDZNAM 4", "VYZNAM 4"}));
  EXPECT_EQ(fileBytes(kCt), rawRecord({"", "KO"}) + rawRecord({"VYZNAM 4", "KO"}) + rawRecord({"V\xDDZNAM 2", "KO"}) +
                                rawRecord({"V\xDDZNAM 4", "KO"}));
  EXPECT_EQ(shown(), boxes("Tarvikské slovo"));  // ready for the next word
}

// A placeholder headword is an ordinary headword.
TEST_F(Insertion, TheCzechDirectionSwapsTheDictionariesAndTheHeadwordPlaceholder) {
  fill(kTarvikCzech, {entry("ZZ")});
  std::string tcBefore = fileBytes(kTc);
  typeOver(window->VSlovo, "voda");
  typeOver(window->VVyznam2, "ko");
  window->DoCSlovniku->click();
  EXPECT_EQ(shown(), boxes("České slovo", {"Význam 1", "ko"}));
  window->dodruhehos->click();
  window->ulozit->click();
  EXPECT_EQ(fileBytes(kCt), rawRecord({cp1250Text("ČESKÉ SLOVO"), "", "KO"}));
  EXPECT_EQ(fileBytes(kTc), tcBefore);
  // The next word goes the same way, with the same options.
  EXPECT_EQ(shown(), boxes("České slovo"));
  EXPECT_TRUE(window->DoCSlovniku->isChecked() && !window->dodruhehos->isChecked());
  window->DoTSlovniku->setChecked(true);  // by the program, as the editor does
  EXPECT_EQ(window->VSlovo->text(), QString::fromUtf8("Tarvikské slovo"));
}

TEST_F(Insertion, AFailurePartWayChangesNoDictionaryAndKeepsTheUsersTexts) {
  fill(kCzechTarvik, {entry("ZZ")});
  std::filesystem::create_directory(dir / "pomocny.slk");  // no dictionary can be rewritten
  typeOver(window->VSlovo, "ko");
  typeOver(window->VVyznam1, "voda");
  typeOver(window->VVyznam2, "auto");
  window->ulozit->click();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("pomocny.slk"), std::string::npos);
  EXPECT_EQ(fileBytes(kCt), rawRecord({"ZZ"}));
  EXPECT_EQ(store->entryCount(kTarvikCzech), 0);
  EXPECT_EQ(shown(), boxes("ko", {"voda", "auto"}));
}

}  // namespace
