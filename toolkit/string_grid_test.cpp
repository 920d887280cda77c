#include "string_grid.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <string>
#include <utility>

#include "qt_app_fixture_test.h"

namespace {

// Three words of a line, as the main window shows them: the word, the chosen
// meaning, and four other meanings to choose from.
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
  void key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(&grid, static_cast<Qt::Key>(key), modifiers);
  }
  std::pair<int, int> selected() const { return {grid.selectedCol(), grid.selectedRow()}; }
  // What the user sees highlighted, which must agree with selected().
  std::pair<int, int> highlighted() const { return {grid.currentColumn(), grid.currentRow()}; }

  QApplication& app = qtApp();
  StringGrid grid;
  int notices = 0;
};

using Clicking = MeaningGrid;
using Keys = MeaningGrid;
using Dragging = MeaningGrid;
using SettingTheSelection = MeaningGrid;
using Cells = MeaningGrid;
using Look = MeaningGrid;
using Resizing = MeaningGrid;

TEST_F(Clicking, EachClickOnAMeaningNotifiesOnce) {
  click(1, 3);
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(selected(), std::pair(1, 3));
  EXPECT_EQ(highlighted(), std::pair(1, 3));
  click(1, 3);
  EXPECT_EQ(notices, 2);
  click(2, 5);
  EXPECT_EQ(notices, 3);
  EXPECT_EQ(selected(), std::pair(2, 5));
}

TEST_F(Clicking, HeadingsRightButtonAndEmptyAreaRaiseNothing) {
  click(1, 3);
  click(2, 0);
  click(2, 1);
  QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, centre(0, 4));
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(3 * 64 + 20, centre(0, 4).y()));
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(selected(), std::pair(1, 3));
  EXPECT_EQ(highlighted(), std::pair(1, 3));
}

TEST_F(Clicking, DoubleClickIsTwoClicks) {
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre(0, 4));
  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, centre(0, 4));
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centre(0, 4));
  EXPECT_EQ(notices, 2);
}

TEST_F(Clicking, RowsBecomingHeadingsStopAnsweringClicks) {
  grid.setFixedRows(3);
  click(0, 2);
  EXPECT_EQ(notices, 0);
  EXPECT_EQ(selected(), std::pair(0, 3));
}

TEST_F(Clicking, DisabledGridIgnoresMouseAndKeysButNotTheProgram) {
  grid.setEnabled(false);
  click(1, 4);
  key(Qt::Key_Down);
  EXPECT_EQ(notices, 0);
  EXPECT_EQ(selected(), std::pair(0, 2));
  grid.setSelectedRow(4);
  EXPECT_EQ(notices, 1);
}

// The main window swaps the clicked meaning into row 1 and selects the first
// other meaning again. A second notification for the same click would swap
// the meanings back.
TEST_F(Clicking, HandlerMayChangeCellsAndMoveTheSelection) {
  for (int row = 0; row < 6; ++row) grid.setCell(1, row, std::string(1, static_cast<char>('a' + row)));
  int handled = 0;
  QObject::connect(&grid, &StringGrid::clicked, [&] {
    ++handled;
    const int col = grid.selectedCol();
    const std::string chosen = grid.cell(col, grid.selectedRow());
    grid.setCell(col, grid.selectedRow(), grid.cell(col, 1));
    grid.setCell(col, 1, chosen);
    grid.setSelectedRow(2);
  });
  click(1, 4);
  // The click, then the move back to row 2, which swaps row 2 in turn.
  EXPECT_EQ(handled, 2);
  EXPECT_EQ(grid.cell(1, 1), "c");
  EXPECT_EQ(grid.cell(1, 2), "e");
  EXPECT_EQ(grid.cell(1, 4), "b");
  EXPECT_EQ(selected(), std::pair(1, 2));
}

TEST_F(Keys, ArrowsMoveOnceAndStopAtTheHeadingsAndEdges) {
  key(Qt::Key_Down);
  key(Qt::Key_Right);
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(selected(), std::pair(1, 3));
  key(Qt::Key_Up);
  key(Qt::Key_Up);
  EXPECT_EQ(notices, 3);
  EXPECT_EQ(selected(), std::pair(1, 2));
  EXPECT_EQ(highlighted(), std::pair(1, 2));
  key(Qt::Key_Right);
  key(Qt::Key_Right);
  EXPECT_EQ(notices, 4);
  EXPECT_EQ(selected(), std::pair(2, 2));
}

TEST_F(Keys, PageHomeAndEndJumpWithinTheMeanings) {
  const std::pair<Qt::Key, Qt::KeyboardModifiers> presses[] = {
      {Qt::Key_PageDown, {}}, {Qt::Key_End, {}},     {Qt::Key_PageUp, {}},
      {Qt::Key_Home, {}},     {Qt::Key_End, Qt::ControlModifier}, {Qt::Key_Home, Qt::ControlModifier}};
  const std::pair<int, int> expected[] = {{0, 5}, {2, 5}, {2, 2}, {0, 2}, {2, 5}, {0, 2}};
  for (int i = 0; i < 6; ++i) {
    key(presses[i].first, presses[i].second);
    EXPECT_EQ(selected(), expected[i]) << "press " << i;
    EXPECT_EQ(notices, i + 1) << "press " << i;
  }
  key(Qt::Key_Home);
  key(Qt::Key_PageUp);
  EXPECT_EQ(notices, 6);
}

TEST_F(Keys, LettersDoNotMoveTheSelection) {
  // Qt would jump to a cell starting with the typed letters, in this column.
  grid.setCell(0, 4, "kolo");
  QTest::keyClicks(&grid, "ko");
  EXPECT_EQ(notices, 0);
  EXPECT_EQ(highlighted(), std::pair(0, 2));
}

TEST_F(Dragging, NotifiesOnceWhereTheDragEnds) {
  QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, centre(0, 2));
  QTest::mouseMove(grid.viewport(), centre(1, 3));
  QTest::mouseMove(grid.viewport(), centre(2, 4));
  EXPECT_EQ(notices, 0);
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centre(2, 4));
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(selected(), std::pair(2, 4));
}

TEST_F(Dragging, StaysOnTheMeaningsWhenDraggedOverTheHeadings) {
  QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, centre(0, 4));
  QTest::mouseMove(grid.viewport(), centre(1, 0));
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centre(1, 0));
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(selected(), std::pair(1, 2));
  EXPECT_EQ(highlighted(), std::pair(1, 2));
}

TEST_F(Dragging, FromAHeadingChoosesNothing) {
  QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, centre(1, 1));
  QTest::mouseMove(grid.viewport(), centre(1, 4));
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centre(1, 4));
  EXPECT_EQ(notices, 0);
  EXPECT_EQ(selected(), std::pair(0, 2));
}

TEST_F(SettingTheSelection, NotifiesOnlyWhenTheValueChanges) {
  grid.setSelectedRow(2);
  grid.setSelectedCol(0);
  EXPECT_EQ(notices, 0);
  grid.setSelectedRow(4);
  EXPECT_EQ(notices, 1);
  grid.setSelectedCol(2);
  grid.setSelectedCol(2);
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(highlighted(), std::pair(2, 4));
}

TEST_F(SettingTheSelection, ValuesOutsideTheMeaningsGoToTheNearest) {
  grid.setSelectedRow(0);
  EXPECT_EQ(notices, 0);
  EXPECT_EQ(selected(), std::pair(0, 2));
  grid.setSelectedRow(99);
  grid.setSelectedCol(-1);
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(selected(), std::pair(0, 5));
}

TEST_F(SettingTheSelection, FollowsShrinkingCountsSilently) {
  grid.setSelectedCol(2);
  grid.setSelectedRow(5);
  grid.setColCount(2);
  grid.setRowTotal(4);
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(selected(), std::pair(1, 3));
  EXPECT_EQ(highlighted(), std::pair(1, 3));
  grid.setFixedRows(9);
  EXPECT_EQ(grid.fixedRows(), 3);
  EXPECT_EQ(selected(), std::pair(1, 3));
}

TEST_F(Cells, SurviveTheColumnCountShrinkingAndGrowing) {
  grid.setCell(2, 3, "voda");
  grid.setColCount(1);
  EXPECT_EQ(grid.cell(2, 3), "voda");
  grid.setCell(2, 4, "vodka");
  grid.setColCount(3);
  EXPECT_EQ(grid.item(3, 2)->text(), "voda");
  EXPECT_EQ(grid.item(4, 2)->text(), "vodka");
  EXPECT_EQ(grid.cell(7, 4), "");
}

TEST_F(Cells, ColumnCountIsAtLeastOne) {
  grid.setColCount(0);
  EXPECT_EQ(grid.colCount(), 1);
  grid.setColCount(-3);
  EXPECT_EQ(grid.colCount(), 1);
}

TEST_F(Cells, ShowWindows1250TextAsUnicode) {
  grid.setCell(0, 0, "\xD8" "EKA");
  grid.setCell(1, 4, "\x9A" "kola \x8A" "ev\xE8\xED" "k");
  EXPECT_EQ(grid.item(0, 0)->text(), QStringLiteral(u"ŘEKA"));
  EXPECT_EQ(grid.item(4, 1)->text(), QStringLiteral(u"škola Ševčík"));
  EXPECT_EQ(grid.cell(0, 0), "\xD8" "EKA");
}

// Pixels of the viewport: rows 0 and 1 are headings, 14 px each.
TEST_F(Look, HeadingsAreSkyBlueAndMeaningsWhiteWithoutLinesBetweenThem) {
  const QImage image = grid.viewport()->grab().toImage();
  const int x = 64 + 30;  // middle of column 1, away from the selected cell
  EXPECT_EQ(image.pixelColor(x, 27), QColor(166, 202, 240));
  EXPECT_EQ(image.pixelColor(x, 28), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(x, 3 * 14 - 1), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(x, 3 * 14), QColor(Qt::white));
  EXPECT_NE(image.pixelColor(64 - 1, 3 * 14 + 7), QColor(Qt::white));
  EXPECT_NE(image.pixelColor(64 - 1, 7), QColor(166, 202, 240));
}

TEST_F(Resizing, DraggingABorderInTheHeadingsWidensTheColumn) {
  const QPoint border(grid.colWidth(0), centre(0, 0).y());
  QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, border);
  QTest::mouseMove(grid.viewport(), border + QPoint(30, 0));
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, border + QPoint(30, 0));
  EXPECT_EQ(grid.colWidth(0), 64 + 30);
  EXPECT_EQ(notices, 0);
}

TEST_F(Resizing, ABorderInTheMeaningsIsAnOrdinaryClick) {
  const QPoint border(grid.colWidth(0) - 1, centre(0, 3).y());
  QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, border);
  QTest::mouseMove(grid.viewport(), border + QPoint(30, 0));
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, border + QPoint(30, 0));
  EXPECT_EQ(grid.colWidth(0), 64);
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(selected(), std::pair(1, 3));
}

}  // namespace
