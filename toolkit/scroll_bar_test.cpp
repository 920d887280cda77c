// The scroll bar as the editor pages with it: reached by Tab, one entry per
// arrow or page, and a notification for every move, not for a non-move.

#include <QLineEdit>
#include <vector>

#include "qt_app_fixture_test.h"
#include "scroll_bar.h"

namespace {

TEST(ScrollBar, IsReachedByTabAndReportsEveryMoveOfOneEntryPerStep) {
  qtApp();
  QWidget window;
  auto* box = new QLineEdit(&window);
  auto* bar = new ScrollBar(&window);
  bar->setGeometry(100, 0, 17, 153);
  bar->setMax(9);
  std::vector<int> seen;
  QObject::connect(bar, &ScrollBar::changed, [&] { seen.push_back(bar->position()); });
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), bar);
  QTest::keyClick(bar, Qt::Key_Down);
  QTest::keyClick(bar, Qt::Key_PageDown);
  bar->setPosition(7);
  bar->setPosition(7);
  bar->setMax(4);  // a smaller maximum moves the position too
  bar->setMax(6);
  bar->setMax(-3);
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 7, 4, 0}));
}

}  // namespace
