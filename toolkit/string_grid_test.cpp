#include "string_grid.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <string>
#include <utility>

#include "qt_app_fixture_test.h"

namespace {

// Three words of a line, as the main window shows them: two heading rows,
// then four meanings to choose from. Every choice of a meaning must notify
// exactly once: a second notification would swap the meaning back.
class MeaningGrid : public ::testing::Test {
 protected:
  MeaningGrid() {
    grid.setColCount(3);
    grid.setRowTotal(6);
    grid.setFixedRows(2);
    grid.setRowHeights(14);
    grid.resize(300, 150);
    grid.show();
    QObject::connect(&grid, &StringGrid::clicked, [this] { ++notices; });
  }

  QPoint centre(int col, int row) const { return grid.visualRect(grid.model()->index(row, col)).center(); }
  void click(int col, int row) { QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre(col, row)); }
  void drag(QPoint from, QPoint to) {
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(grid.viewport(), to);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, to);
  }
  void key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(&grid, static_cast<Qt::Key>(key), modifiers);
  }
  // The selection, which must agree with what the user sees highlighted.
  std::pair<int, int> selected() const {
    EXPECT_EQ(grid.currentColumn(), grid.selectedCol());
    EXPECT_EQ(grid.currentRow(), grid.selectedRow());
    return {grid.selectedCol(), grid.selectedRow()};
  }

  QApplication& app = qtApp();
  StringGrid grid;
  int notices = 0;
};

TEST_F(MeaningGrid, EachMouseChoiceOfAMeaningNotifiesOnce) {
  click(1, 3);
  click(1, 3);  // the selected cell again
  EXPECT_EQ(notices, 2);
  click(2, 0);  // headings, the right button and the empty area: nothing
  QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, centre(0, 4));
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(3 * 64 + 20, centre(0, 4).y()));
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(selected(), std::pair(1, 3));

  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, centre(0, 4));  // a click more
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centre(0, 4));
  EXPECT_EQ(notices, 3);

  drag(centre(0, 2), centre(2, 4));  // once, where the drag ends
  EXPECT_EQ(notices, 4);
  EXPECT_EQ(selected(), std::pair(2, 4));
  drag(centre(0, 4), centre(1, 0));  // over the headings: stays on the meanings
  EXPECT_EQ(selected(), std::pair(1, 2));
  drag(centre(1, 1), centre(1, 4));  // from a heading: nothing
  EXPECT_EQ(notices, 5);
  EXPECT_EQ(selected(), std::pair(1, 2));

  // A border among the meanings is an ordinary click; in the headings it widens the column.
  drag(QPoint(63, centre(0, 3).y()), QPoint(93, centre(0, 3).y()));
  EXPECT_EQ(notices, 6);
  EXPECT_EQ(grid.colWidth(0), 64);
  drag(QPoint(64, centre(0, 0).y()), QPoint(94, centre(0, 0).y()));
  EXPECT_EQ(grid.colWidth(0), 94);
  EXPECT_EQ(notices, 6);
}

TEST_F(MeaningGrid, EachKeyMoveNotifiesOnceAndStopsAtTheHeadingsAndEdges) {
  struct Press {
    int key;
    Qt::KeyboardModifiers modifiers;
    std::pair<int, int> selected;
    int notices;
  };
  const Press presses[] = {
      {Qt::Key_Down, {}, {0, 3}, 1},     {Qt::Key_Right, {}, {1, 3}, 2},    {Qt::Key_Up, {}, {1, 2}, 3},
      {Qt::Key_Up, {}, {1, 2}, 3},       {Qt::Key_PageDown, {}, {1, 5}, 4}, {Qt::Key_End, {}, {2, 5}, 5},
      {Qt::Key_Right, {}, {2, 5}, 5},    {Qt::Key_PageUp, {}, {2, 2}, 6},   {Qt::Key_Home, {}, {0, 2}, 7},
      {Qt::Key_PageUp, {}, {0, 2}, 7},   {Qt::Key_End, Qt::ControlModifier, {2, 5}, 8},
      {Qt::Key_Home, Qt::ControlModifier, {0, 2}, 9},
  };
  for (const Press& press : presses) {
    key(press.key, press.modifiers);
    EXPECT_EQ(selected(), press.selected) << "after " << (&press - presses) << " presses";
    EXPECT_EQ(notices, press.notices) << "after " << (&press - presses) << " presses";
  }
  grid.setCell(0, 4, "kolo");  // Qt would jump to a cell beginning with the letters
  QTest::keyClicks(&grid, "ko");
  EXPECT_EQ(notices, 9);
  EXPECT_EQ(selected(), std::pair(0, 2));
}

TEST_F(MeaningGrid, TheProgramNotifiesOnlyANewValueAndKeepsToTheMeanings) {
  grid.setSelectedRow(2);
  grid.setSelectedCol(0);
  grid.setSelectedRow(0);  // a heading: the nearest meaning, already selected
  EXPECT_EQ(notices, 0);
  grid.setSelectedCol(2);
  grid.setSelectedCol(2);
  grid.setSelectedRow(99);
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(selected(), std::pair(2, 5));

  grid.setColCount(2);  // shrinking counts move the selection silently
  grid.setRowTotal(4);
  grid.setFixedRows(9);
  EXPECT_EQ(grid.fixedRows(), 3);
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(selected(), std::pair(1, 3));

  click(0, 2);  // a row become a heading answers no click
  grid.setEnabled(false);  // nor does a disabled grid, but the program still may
  click(1, 3);
  key(Qt::Key_Down);
  EXPECT_EQ(notices, 2);
  grid.setSelectedCol(0);
  EXPECT_EQ(notices, 3);
}

TEST_F(MeaningGrid, CellsShowWindows1250AndSurviveTheColumnCountChanging) {
  grid.setCell(2, 3, "\x9A" "kola \x8A" "ev\xE8\xED" "k");
  grid.setColCount(0);
  EXPECT_EQ(grid.colCount(), 1);
  EXPECT_EQ(grid.cell(2, 3), "\x9A" "kola \x8A" "ev\xE8\xED" "k");
  grid.setColCount(3);
  EXPECT_EQ(grid.item(3, 2)->text(), QStringLiteral(u"škola Ševčík"));
  EXPECT_EQ(grid.cell(7, 4), "");
}

// Pixels of the viewport: rows 0 and 1 are headings, 14 px each.
TEST_F(MeaningGrid, HeadingsAreSkyBlueAndMeaningsWhiteWithoutLinesBetweenThem) {
  const QImage image = grid.viewport()->grab().toImage();
  EXPECT_EQ(image.pixelColor(94, 27), QColor(166, 202, 240));
  EXPECT_EQ(image.pixelColor(94, 28), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(94, 3 * 14), QColor(Qt::white));
  EXPECT_NE(image.pixelColor(63, 3 * 14 + 7), QColor(Qt::white));
}

}  // namespace
