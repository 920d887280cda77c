#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>

#include "qt_app_fixture_test.h"
#include "window.h"

namespace {

class Windows : public QtAppTest {};

TEST_F(Windows, EnterClicksTheFocusedButtonElseTheDefaultAndEscOnlyACancelButton) {
  Window window("Opravdu", 251, 137);
  auto* box = new QLineEdit(&window);
  QPushButton* yes = window.addButton("&Ano", QRect(16, 96, 97, 25));
  QPushButton* no = window.addButton("&Ne", QRect(128, 96, 105, 25));
  QSignalSpy yesClicks(yes, &QPushButton::clicked), noClicks(no, &QPushButton::clicked);
  window.showModeless();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_EQ(yesClicks.count() + noClicks.count(), 0);
  EXPECT_TRUE(window.isVisible());

  window.setDefaultButton(yes);
  window.setCancelButton(no);
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(yesClicks.count(), 1);
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_EQ(noClicks.count(), 1);
  no->setFocus();
  QTest::keyClick(no, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(noClicks.count(), 2);
  EXPECT_EQ(yesClicks.count(), 1);
}

// What counts as the user coming to a window: the list it shows is made
// again each time, so a count too many loses the user's place in it, and a
// message box over it would come back for ever. A closed window is only
// hidden, keeping what it holds, and never ends the program.
TEST_F(Windows, AreActivatedByAShowingOrAMoveFromAnotherOfTheirWindowsAndHiddenOnClose) {
  Window browser("Slovník", 407, 249);
  auto* word = new QLineEdit(&browser);
  word->setText("KO");
  Window help("Nápověda", 583, 219);
  QSignalSpy activations(&browser, &Window::activated);
  browser.showModeless();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&browser));
  EXPECT_EQ(activations.count(), 1);

  // To another program and back.
  QApplication::setActiveWindow(nullptr);
  QApplication::setActiveWindow(&browser);
  EXPECT_EQ(activations.count(), 1);

  // An error reported over the window.
  QMessageBox box(QMessageBox::Critical, "Slovník", "Read beyond end of file: tc_slovnik.slk");
  box.show();
  QApplication::setActiveWindow(&box);
  box.close();
  QApplication::setActiveWindow(&browser);
  EXPECT_EQ(activations.count(), 1);

  help.showModeless();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
  QApplication::setActiveWindow(nullptr);  // and on through another program
  QApplication::setActiveWindow(&browser);
  EXPECT_EQ(activations.count(), 2);

  browser.close();
  EXPECT_FALSE(browser.isVisible());
  QApplication::setActiveWindow(nullptr);
  browser.showModeless();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&browser));
  EXPECT_EQ(activations.count(), 3);
  EXPECT_EQ(word->text(), "KO");
  EXPECT_FALSE(browser.testAttribute(Qt::WA_QuitOnClose));
  help.close();
}

}  // namespace
