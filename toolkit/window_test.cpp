#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <string>

#include "controls.h"
#include "qt_app_fixture_test.h"
#include "window.h"

namespace {

class Windows : public QtAppTest {};

TEST_F(Windows, EnterClicksTheFocusedButtonElseTheDefaultAndEscOnlyACancelButton) {
  Window window("Opravdu", 251, 137);
  auto* box = new QLineEdit(&window);
  QPushButton *yes = window.addButton("&Ano", QRect(16, 96, 97, 25)), *no = window.addButton("&Ne", QRect(128, 96, 105, 25));
  std::string clicks;
  QObject::connect(yes, &QPushButton::clicked, [&] { clicks += 'y'; });
  QObject::connect(no, &QPushButton::clicked, [&] { clicks += 'n'; });
  window.showModeless();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_TRUE(window.isVisible());
  window.setDefaultButton(yes);
  window.setCancelButton(no);
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClick(box, Qt::Key_Escape);
  no->setFocus();
  QTest::keyClick(no, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(clicks, "ynn");
}

// A screen reader reads a caption without its mnemonic's "&", and the
// mnemonic still presses its button.
TEST_F(Windows, ButtonsAreSpokenByTheirCaptionsWithoutTheMnemonicThatStillWorks) {
  Window window("Opravdu", 251, 137);
  QPushButton* yes = window.addButton("&Ano", QRect(16, 96, 97, 25));
  auto* option = choice<QCheckBox>(&window, "Hledat i &tvary slov", QRect(8, 8, 140, 19), false);
  const auto spoken = [](QObject* button) { return QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name); };
  EXPECT_EQ(spoken(yes) + "|" + spoken(option), QString::fromUtf8("Ano|Hledat i tvary slov"));
  int clicks = 0;
  QObject::connect(yes, &QPushButton::clicked, [&] { ++clicks; });
  window.showModeless();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(window.focusWidget(), Qt::Key_A, Qt::AltModifier);
  QTest::keyClick(window.focusWidget(), Qt::Key_T, Qt::AltModifier);
  // A mnemonic clicks as the mouse would, pressed for a moment.
  EXPECT_TRUE(QTest::qWaitFor([&] { return clicks == 1 && option->isChecked(); }));
}

// What counts as the user coming to a window: the list it shows is made
// again each time, so a count too many loses the user's place in it, and a
// message box over it would come back for ever. A closed window is only
// hidden and never ends the program.
TEST_F(Windows, AreActivatedByAShowingOrAMoveFromAnotherOfTheirWindowsAndHiddenOnClose) {
  Window browser("Slovník", 407, 249), help("Nápověda", 583, 219);
  QSignalSpy activations(&browser, &Window::activated);
  const auto show = [](Window& window) { return window.showModeless(), QTest::qWaitForWindowActive(&window); };
  ASSERT_TRUE(show(browser));
  QApplication::setActiveWindow(nullptr);  // to another program and back
  QApplication::setActiveWindow(&browser);
  QMessageBox box(QMessageBox::Critical, "Slovník", "Read beyond end of file: tc_slovnik.slk");
  box.show();
  QApplication::setActiveWindow(&box);
  box.close();
  QApplication::setActiveWindow(&browser);
  EXPECT_EQ(activations.count(), 1);
  ASSERT_TRUE(show(help));
  QApplication::setActiveWindow(nullptr);  // and on through another program
  QApplication::setActiveWindow(&browser);
  EXPECT_EQ(activations.count(), 2);
  browser.close();
  QApplication::setActiveWindow(nullptr);
  ASSERT_TRUE(show(browser));
  EXPECT_EQ(activations.count(), 3);
  EXPECT_FALSE(browser.testAttribute(Qt::WA_QuitOnClose));
}

}  // namespace
