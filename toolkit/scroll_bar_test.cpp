// The scroll bar as the editor pages with it: one entry per step, and a
// notification for every move, nested when a handler moves it again.

#include <QLineEdit>
#include <QWheelEvent>
#include <vector>

#include "qt_app_fixture_test.h"
#include "scroll_bar.h"

namespace {

// A scroll bar after a text box in the Tab order, on a window.
class ScrollBars : public QtAppTest {
 protected:
  void SetUp() override {
    bar.setGeometry(100, 0, 17, 153);
    bar.setMax(9);
    QObject::connect(&bar, &ScrollBar::changed, [this] { seen.push_back(bar.position()); });
  }
  QWidget window;
  QLineEdit* box = new QLineEdit(&window);
  ScrollBar& bar = *new ScrollBar(&window);
  std::vector<int> seen;
};

// One entry per arrow, page, trough press or wheel notch; a smaller maximum
// moves the position too, and a non-move is no report.
TEST_F(ScrollBars, ReportEveryMoveOfOneEntryPerStep) {
  QTest::keyClick(&bar, Qt::Key_Down);
  QTest::keyClick(&bar, Qt::Key_PageDown);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(8, 140));
  QPointF at(8, 60);
  QWheelEvent notch(at, bar.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&bar, &notch);
  QTest::keyClick(&bar, Qt::Key_End);
  QTest::keyClick(&bar, Qt::Key_PageUp);
  bar.setPosition(7);
  bar.setPosition(7);
  bar.setMax(4);
  bar.setMax(6);
  bar.setMax(-3);
  EXPECT_EQ(bar.max(), 0);
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 9, 8, 7, 4, 0}));
}

TEST_F(ScrollBars, AreReachedByTabAndPagedByArrowKeys) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), &bar);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(bar.position(), 1);
}

TEST_F(ScrollBars, AMoveInsideAHandlerIsHandledBeforeTheHandlerGoesOn) {
  bar.setPosition(8);
  seen.clear();
  std::vector<std::string> order;
  QObject::connect(&bar, &ScrollBar::changed, [&] {
    int at = bar.position();
    order.push_back("start " + std::to_string(at));
    if (at == 8) bar.setMax(2);
    order.push_back("end " + std::to_string(at));
  });
  bar.setPosition(8);  // unchanged: nothing
  bar.setPosition(9);
  bar.setPosition(8);
  EXPECT_EQ(order, (std::vector<std::string>{"start 9", "end 9", "start 8", "start 2", "end 2", "end 8"}));
  EXPECT_EQ(bar.position(), 2);
}

}  // namespace
