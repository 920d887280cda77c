// Start-up in its order, the splash, and the help and about windows.

#include <QTimer>

#include "browser_window.h"
#include "editor_window.h"
#include "help_file.h"
#include "about_window.h"
#include "help_window.h"
#include "splash_window.h"
#include "question_window.h"
#include "qt_app_fixture_test.h"
#include "start_up.h"
#include "store_fixture_test.h"
#include "insertion_window.h"
#include "main_window.h"

namespace {

class StartUp : public WindowTest<InTempDir> {
 protected:
  void TearDown() override {
    destroyWindows();
    shutDownModules();
    WindowTest::TearDown();
  }
};

TEST_F(StartUp, InAnEmptyFolderCreatesTheFilesBeforeTheFirstWindow) {
  initialiseModules();
  EXPECT_EQ(std::filesystem::file_size("tc_slovnik.slk"), 0u);
  EXPECT_EQ(std::filesystem::file_size("ct_slovnik.slk"), 0u);
  EXPECT_EQ(std::filesystem::file_size("napoveda.txt"), 58u);
  EXPECT_EQ(okno, nullptr);
  createWindows();
  EXPECT_EQ(napoveda->Memo1->lineCount(), 1);
  EXPECT_EQ(napoveda->Memo1->line(0), fileBytes("napoveda.txt"));
  for (QWidget* window : std::initializer_list<QWidget*>{okno, okno_vlozeni, ukaz_slovnik, about, okno_editace,
                                                         Otazka, pri_otevreni, napoveda}) {
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible());
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(StartUp, ShowsAnExistingHelpFileLineByLineAndKeepsItAfterClosing) {
  putFileBytes("napoveda.txt", "Jak p\xF8" "ekl\xE1" "dat\r\n\r\nposledn\xED \xF8\xE1" "dek");
  initialiseModules();
  createWindows();
  okno->Npovda1->trigger();
  EXPECT_TRUE(napoveda->isVisible());
  napoveda->zavrit->click();
  EXPECT_FALSE(napoveda->isVisible());
  napoveda->showModeless();
  EXPECT_EQ(napoveda->Memo1->content(), "Jak p\xF8" "ekl\xE1" "dat\r\n\r\nposledn\xED \xF8\xE1" "dek\r\n");
  EXPECT_EQ(napoveda->Memo1->lineCount(), 3);
  QTimer::singleShot(0, [] { about->Button1->click(); });
  okno->About1->trigger();
  EXPECT_FALSE(about->isVisible());
}

TEST_F(StartUp, ADictionaryThatCannotBeOpenedStopsItBeforeAnyWindow) {
  std::filesystem::create_directory("ct_slovnik.slk");
  EXPECT_THROW(initialiseModules(), IoError);
  EXPECT_EQ(okno, nullptr);
}

TEST_F(StartUp, AnErrorInACreationHandlerIsReportedAndTheWindowsStillCome) {
  initialiseModules();
  closeHelpFile();  // the help window's creation cannot read it now
  createWindows();
  ASSERT_NE(napoveda, nullptr);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("napoveda.txt"), std::string::npos);
  EXPECT_EQ(napoveda->Memo1->content(), "");
}

TEST_F(StartUp, AClickOnTheSplashClosesItBeforeItsTimer) {
  initialiseModules();
  createWindows();
  QTimer::singleShot(10, [] { QTest::mouseClick(pri_otevreni->Image1, Qt::LeftButton); });
  pri_otevreni->showModal();
  EXPECT_FALSE(pri_otevreni->isVisible());
  EXPECT_FALSE(pri_otevreni->Timer1->isActive());
}

TEST_F(StartUp, ASplashWhoseTimeRanOutWhileWindowsWereBuiltClosesAtOnce) {
  initialiseModules();
  createWindows();
  QTest::qSleep(1600);
  pri_otevreni->showModal();
  EXPECT_FALSE(pri_otevreni->isVisible());
}

}  // namespace
