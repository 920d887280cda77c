// Start-up in its order, the splash, and the help and about windows.

#include <QApplication>
#include <QTimer>
#include <memory>

#include "help_file.h"
#include "program_windows.h"
#include "qt_app_fixture_test.h"
#include "start_up.h"
#include "store_fixture_test.h"

namespace {

class StartUp : public WindowTest<InTempDir> {
 protected:
  void TearDown() override {
    windows.reset();
    shutDownModules();
    WindowTest::TearDown();
  }
  void createWindows() { windows = std::make_unique<Windows>(); }

  std::unique_ptr<Windows> windows;
};

TEST_F(StartUp, InAnEmptyFolderCreatesTheFilesBeforeTheFirstWindow) {
  initialiseModules();
  EXPECT_EQ(std::filesystem::file_size("tc_slovnik.slk"), 0u);
  EXPECT_EQ(std::filesystem::file_size("ct_slovnik.slk"), 0u);
  EXPECT_EQ(std::filesystem::file_size("napoveda.txt"), 58u);
  createWindows();
  EXPECT_EQ(windows->napoveda->Memo1->lineCount(), 1);
  EXPECT_EQ(windows->napoveda->Memo1->line(0), fileBytes("napoveda.txt"));
  const Windows& w = *windows;
  for (QWidget* window : std::initializer_list<QWidget*>{w.okno.get(), w.okno_vlozeni.get(), w.ukaz_slovnik.get(),
                                                         w.about.get(), w.okno_editace.get(), w.Otazka.get(),
                                                         w.pri_otevreni.get(), w.napoveda.get()}) {
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible());
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(StartUp, ShowsAnExistingHelpFileLineByLineAndKeepsItAfterClosing) {
  putFileBytes("napoveda.txt", "Jak p\xF8" "ekl\xE1" "dat\r\n\r\nposledn\xED \xF8\xE1" "dek");
  initialiseModules();
  createWindows();
  windows->okno->Npovda1->trigger();
  EXPECT_TRUE(windows->napoveda->isVisible());
  windows->napoveda->zavrit->click();
  EXPECT_FALSE(windows->napoveda->isVisible());
  windows->napoveda->showModeless();
  EXPECT_EQ(windows->napoveda->Memo1->content(), "Jak p\xF8" "ekl\xE1" "dat\r\n\r\nposledn\xED \xF8\xE1" "dek\r\n");
  EXPECT_EQ(windows->napoveda->Memo1->lineCount(), 3);
  QTimer::singleShot(0, [this] { windows->about->Button1->click(); });
  windows->okno->About1->trigger();
  EXPECT_FALSE(windows->about->isVisible());
}

TEST_F(StartUp, ADictionaryThatCannotBeOpenedStopsItBeforeAnyWindow) {
  std::filesystem::create_directory("ct_slovnik.slk");
  EXPECT_THROW(initialiseModules(), IoError);
}

TEST_F(StartUp, AnErrorInACreationHandlerIsReportedAndTheWindowsStillCome) {
  initialiseModules();
  closeHelpFile();  // the help window's creation cannot read it now
  createWindows();
  ASSERT_NE(windows->napoveda, nullptr);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("napoveda.txt"), std::string::npos);
  EXPECT_EQ(windows->napoveda->Memo1->content(), "");
}

TEST_F(StartUp, AClickOnTheSplashClosesItBeforeItsTimer) {
  initialiseModules();
  createWindows();
  QTimer::singleShot(10, [this] { QTest::mouseClick(windows->pri_otevreni->Image1, Qt::LeftButton); });
  windows->pri_otevreni->showModal();
  EXPECT_FALSE(windows->pri_otevreni->isVisible());
  EXPECT_FALSE(windows->pri_otevreni->Timer1->isActive());
}

TEST_F(StartUp, ASplashWhoseTimeRanOutWhileWindowsWereBuiltClosesAtOnce) {
  initialiseModules();
  createWindows();
  QTest::qSleep(1600);
  windows->pri_otevreni->showModal();
  EXPECT_FALSE(windows->pri_otevreni->isVisible());
}

TEST_F(StartUp, EditaceSlovnikuShowsTheEditorUntilItIsClosed) {
  initialiseModules();
  createWindows();
  QWidget* shown = nullptr;
  QTimer::singleShot(0, [&] {
    shown = QApplication::activeModalWidget();
    if (shown != nullptr) shown->close();
  });
  windows->okno->Editaceslovnku1->trigger();
  EXPECT_EQ(shown, windows->okno_editace.get());
  EXPECT_FALSE(windows->okno_editace->isVisible());
}

}  // namespace
