// The insertion window driven through its boxes and buttons; what it did is
// read back from the dictionary files themselves.

#include "cp1250.h"
#include "maintenance_fixture_test.h"
#include "insertion_window.h"

namespace {

class Insertion : public MaintenanceTest {
 protected:
  void SetUp() override {
    MaintenanceTest::SetUp();
    window = new Tokno_vlozeni;
  }
  void TearDown() override {
    delete window;
    MaintenanceTest::TearDown();
  }

  // Replaces the box's text as a user would: select everything, then type
  // over it, or delete it when `utf8` is empty.
  static void fillIn(QLineEdit* box, const char* utf8) {
    box->selectAll();
    if (*utf8 == '\0')
      QTest::keyClick(box, Qt::Key_Delete);
    else
      typeText(box, QString::fromUtf8(utf8));
  }
  QLineEdit* meaningBox(int slot) const {
    return std::array{window->VVyznam1, window->VVyznam2, window->VVyznam3, window->VVyznam4,
                      window->VVyznam5}[slot - 1];
  }
  std::vector<QString> boxTexts() const {
    std::vector<QString> texts{window->VSlovo->text()};
    for (int slot = 1; slot <= 5; ++slot) texts.push_back(meaningBox(slot)->text());
    return texts;
  }
  static std::vector<QString> placeholders(const char* headword) {
    std::vector<QString> texts{QString::fromUtf8(headword)};
    for (int slot = 1; slot <= 5; ++slot) texts.push_back(QString::fromUtf8("Význam %1").arg(slot));
    return texts;
  }
  static std::string records(std::initializer_list<std::initializer_list<std::string>> entries) {
    std::string bytes;
    for (auto fields : entries) bytes += rawRecord(fields);
    return bytes;
  }

  Tokno_vlozeni* window = nullptr;
};

const std::string kTc = "tc_slovnik.slk";
const std::string kCt = "ct_slovnik.slk";

// The other dictionary is neither written nor sorted when no box changed or
// the reverse entries are not wanted; Enter presses neither button.
TEST_F(Insertion, WithoutMeaningsOrReverseEntriesOnlyTheChosenDictionaryChanges) {
  EXPECT_EQ(boxTexts(), placeholders("Tarvikské slovo"));
  fill(kCzechTarvik, {entry("ZZ"), entry("AA")});
  std::string ctBefore = fileBytes(kCt);
  window->showModeless();
  window->VSlovo->setFocus();
  QTest::keyClick(window->VSlovo, Qt::Key_Return);
  EXPECT_EQ(entryCount(kTarvikCzech), 0);
  fillIn(window->VSlovo, "ko");
  window->ulozit->click();
  window->dodruhehos->click();
  fillIn(window->VSlovo, "ra");
  fillIn(window->VVyznam1, "voda");
  window->ulozit->click();
  EXPECT_EQ(fileBytes(kTc), records({{"KO"}, {"RA", "VODA"}}));
  EXPECT_EQ(fileBytes(kCt), ctBefore);
  EXPECT_TRUE(errors.empty());
}

TEST_F(Insertion, EachChangedBoxGoesBackAsAnEntryOfTheOtherDictionaryAndSortedIn) {
  fill(kTarvikCzech, {entry("ZZ", {"KONEC"})});
  fill(kCzechTarvik, {entry("AA"), entry("VODA", {"KO"}), entry("ZZ")});
  fillIn(window->VSlovo, "ra");
  const char* meanings[] = {"voda", "řeka", "auto", "pít", "zed"};
  for (int slot = 1; slot <= 5; ++slot) fillIn(meaningBox(slot), meanings[slot - 1]);
  window->ulozit->click();
  EXPECT_EQ(fileBytes(kTc), records({{"RA", "VODA", "\xD8" "EKA", "AUTO", "P\xCDT", "ZED"}, {"ZZ", "KONEC"}}));
  // VODA had room for RA, which joins it in front; \xD8 (Ř) sorts after Z.
  EXPECT_EQ(fileBytes(kCt), records({{"AA"}, {"AUTO", "RA"}, {"P\xCDT", "RA"}, {"VODA", "RA", "KO"},
                                      {"ZED", "RA"}, {"ZZ"}, {"\xD8" "EKA", "RA"}}));
}

// Only a box's own placeholder, byte for byte, means "no meaning".
TEST_F(Insertion, EmptiedBoxesAndPlaceholderLookAlikesAreMeanings) {
  fillIn(window->VSlovo, "ko");
  fillIn(window->VVyznam1, "");
  fillIn(window->VVyznam2, "význam 2");  // a small v
  fillIn(window->VVyznam3, "Význam 4");  // box 4's placeholder, in box 3
  fillIn(window->VVyznam4, "Vyznam 4");  // no accent
  window->ulozit->click();
  EXPECT_EQ(fileBytes(kTc), records({{"KO", "", "V\xDDZNAM 2", "V\xDDZNAM 4", "VYZNAM 4"}}));
  EXPECT_EQ(fileBytes(kCt), records({{"", "KO"}, {"VYZNAM 4", "KO"}, {"V\xDDZNAM 2", "KO"}, {"V\xDDZNAM 4", "KO"}}));
}

// Texts keep their first twenty characters; a placeholder headword is stored.
TEST_F(Insertion, TheCzechDirectionSwapsTheDictionariesAndTheHeadwordPlaceholder) {
  fillIn(window->VSlovo, "voda");
  fillIn(window->VVyznam2, "abcdefghijklmnopqrstuvwxy");
  window->DoCSlovniku->click();
  EXPECT_EQ(window->VVyznam2->text(), "abcdefghijklmnopqrstuvwxy");
  window->ulozit->click();
  EXPECT_EQ(fileBytes(kCt), records({{cp1250Text("ČESKÉ SLOVO"), "", "ABCDEFGHIJKLMNOPQRST"}}));
  EXPECT_EQ(fileBytes(kTc), records({{"ABCDEFGHIJKLMNOPQRST", cp1250Text("ČESKÉ SLOVO")}}));
  // Ready for the next word, in the same direction and options.
  EXPECT_EQ(boxTexts(), placeholders("České slovo"));
  EXPECT_TRUE(window->DoCSlovniku->isChecked() && window->dodruhehos->isChecked());
  window->DoTSlovniku->setChecked(true);  // by the program, as the editor does
  EXPECT_EQ(window->VSlovo->text(), QString::fromUtf8("Tarvikské slovo"));
}

TEST_F(Insertion, AFailurePartWayChangesNoDictionaryAndKeepsTheUsersTexts) {
  fill(kCzechTarvik, {entry("ZZ")});
  std::filesystem::create_directory("pomocny.slk");  // no dictionary can be rewritten
  fillIn(window->VSlovo, "ko");
  fillIn(window->VVyznam1, "voda");
  fillIn(window->VVyznam2, "auto");
  window->ulozit->click();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("pomocny.slk"), std::string::npos);
  // The reverse entries go in together or not at all.
  EXPECT_EQ(fileBytes(kCt), records({{"ZZ"}}));
  EXPECT_EQ(entryCount(kTarvikCzech), 0);
  EXPECT_EQ(boxTexts(), (std::vector<QString>{"ko", "voda", "auto", QString::fromUtf8("Význam 3"),
                                              QString::fromUtf8("Význam 4"), QString::fromUtf8("Význam 5")}));
}

TEST_F(Insertion, ClosedAndShownAgainTheWindowKeepsItsBoxes) {
  whenShown<Tokno_vlozeni>([this](Tokno_vlozeni& shown) {
    fillIn(shown.VVyznam2, "řeka");
    shown.DoCSlovniku->click();
    fillIn(shown.VSlovo, "voda");
    shown.dodruhehos->click();
    shown.zavrit_vkladani->click();
  });
  window->showModal();
  whenShown<Tokno_vlozeni>([](Tokno_vlozeni& shown) {
    EXPECT_EQ(shown.VSlovo->text(), "voda");
    EXPECT_EQ(shown.VVyznam2->text(), QString::fromUtf8("řeka"));
    EXPECT_TRUE(shown.DoCSlovniku->isChecked());
    EXPECT_FALSE(shown.dodruhehos->isChecked());
    shown.close();  // the title bar's close button
  });
  window->showModal();
  EXPECT_EQ(entryCount(kTarvikCzech) + entryCount(kCzechTarvik), 0);
}

}  // namespace
