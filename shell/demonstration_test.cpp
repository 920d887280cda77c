// The demonstration played tick by tick through the real windows.

#include <memory>

#include "cp1250.h"
#include "program_windows.h"
#include "qt_app_fixture_test.h"
#include "start_up.h"
#include "store_fixture_test.h"

namespace {

class Demonstration : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    qtApp();
    initialiseModules();
    // The demonstration's words, as the sample dictionary has them.
    for (const Tslovicko& e : {entry("DAN", {"DEN"}), entry("DROM", {"MU\x8E", "\xC8LOV\xCCK", "MAN\x8E" "EL"}),
                               entry("PA", {"J\xCDT"}), entry("PA LU", {"JDE DOM\xD9", "VRAC\xCD SE"}),
                               entry("TESA", {"KDO"}), entry("VOR", {"DOBR\xDD"}), entry("VOR DAN", {"DOBR\xDD DEN"})})
      writeEntry(kTarvikCzech, entryCount(kTarvikCzech), e);
    windows = std::make_unique<Windows>();
    okno = windows->okno.get();
  }
  void TearDown() override {
    windows.reset();
    shutDownModules();
    InTempDir::TearDown();
  }
  // Plays ticks until the script has reached `step`.
  void playTo(std::uint32_t step) {
    while (okno->demoStep <= step) okno->Timer1Timer();
  }
  std::string status() const { return okno->StatusBar1->panelText(0); }

  std::unique_ptr<Windows> windows;
  Tokno* okno = nullptr;
};

// Moving through the grid as a user would, and ending with the windows as new.
TEST_F(Demonstration, PlaysThroughTheWindowsAndLeavesThemAsNew) {
  windows->napoveda->showModeless();
  windows->napoveda->demo->click();
  EXPECT_FALSE(windows->napoveda->isVisible());
  EXPECT_EQ(okno->Vstup->content(), "d");
  EXPECT_EQ(status(), "Demo");
  playTo(17);
  EXPECT_EQ(okno->Vstup->content(), "drom pa lu\r\ntesa ?");
  EXPECT_TRUE(okno->ToolButton6->isEnabled() && okno->ToolButton4->isEnabled());
  playTo(20);
  EXPECT_EQ(okno->Vystup->line(0), "MU\x8E JDE DOM\xD9 ");
  playTo(21);  // row 3 of the first column: MANŽEL in, MUŽ out
  EXPECT_EQ(okno->Vystup->line(0), "MAN\x8E" "EL JDE DOM\xD9 ");
  EXPECT_EQ(okno->vyberslov->cell(0, 3), "MU\x8E");
  playTo(23);  // row 2, then the empty row 4: rebuilt, nothing swapped
  EXPECT_EQ(okno->Vystup->line(0), "\xC8LOV\xCCK JDE DOM\xD9 ");
  playTo(24);  // the phrase's column, row 2
  EXPECT_EQ(okno->Vystup->line(0), "\xC8LOV\xCCK VRAC\xCD SE ");
  playTo(27);
  EXPECT_EQ(okno->Vystup->line(1), "KDO ? ");
  playTo(38);
  EXPECT_TRUE(windows->ukaz_slovnik->isVisible());
  EXPECT_EQ(windows->ukaz_slovnik->najit->text(), "vor dan");
  playTo(42);
  EXPECT_EQ(okno->Vstup->content(), "Vstup");
  EXPECT_EQ(okno->Vystup->content(), cp1250Text("Výstup"));
  EXPECT_FALSE(okno->vyberslov->isEnabled());
  EXPECT_EQ(okno->vyberslov->cell(0, 0), "");
  EXPECT_EQ(okno->Gauge1->value(), 0);
  EXPECT_FALSE(windows->ukaz_slovnik->isVisible());
  EXPECT_FALSE(okno->Timer1->isActive());
  okno->Timer1Timer();  // idle ticks change nothing but the counter
  EXPECT_EQ(status(), "Konec dema");
}

TEST_F(Demonstration, StepsTheWalkFromWhereTheUserLeftIt) {
  okno->Vstup->setContent("tesa");
  okno->prelozitClick();  // the walk stands at line 0
  okno->startDemo();
  playTo(20);
  EXPECT_EQ(okno->walk.currentLine, 1);
  EXPECT_EQ(okno->Vystup->line(1), "KDO ? ");
}

TEST_F(Demonstration, ASecondStartPlaysTheWholeScriptAgain) {
  okno->startDemo();
  playTo(42);
  okno->startDemo();
  EXPECT_TRUE(okno->Timer1->isActive());
  playTo(17);
  EXPECT_EQ(okno->Vstup->content(), "drom pa lu\r\ntesa ?");
  playTo(42);
  EXPECT_EQ(status(), "Konec dema");
  okno->startDemo();  // a start while one runs begins again from the first step
  playTo(3);
  okno->startDemo();
  EXPECT_EQ(okno->Vstup->content(), "d");
}

}  // namespace
