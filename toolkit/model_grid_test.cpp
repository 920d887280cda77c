#include "model_grid.h"

#include <gtest/gtest.h>

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "qt_app_fixture_test.h"

namespace {

// Two columns of words under two headings; each row is "W<row>" and "M<row>".
class Words : public QAbstractTableModel {
 public:
  void setRows(int count) {
    beginResetModel();
    rows = count;
    endResetModel();
  }
  int rowCount(const QModelIndex& = {}) const override { return rows; }
  int columnCount(const QModelIndex& = {}) const override { return 2; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole) return {};
    ++asked;
    return QString("%1%2").arg(index.column() == 0 ? "W" : "M").arg(index.row());
  }
  QVariant headerData(int section, Qt::Orientation, int role) const override {
    if (role != Qt::DisplayRole) return {};
    return section == 0 ? QString::fromUtf8("Tarvikské slova") : QString::fromUtf8("Významy v češtině");
  }
  mutable long asked = 0;

 private:
  int rows = 0;
};

class LongList : public ::testing::Test {
 protected:
  LongList() {
    words.setRows(40);
    grid.setModel(&words);
    grid.setRowHeights(16);
    grid.setColWidth(0, 120);
    grid.setColWidth(1, 120);
    grid.resize(260, 145);
    grid.show();
    QObject::connect(&grid, &ModelGrid::clicked, [this] { ++notices; });
  }

  // Row 0 is the heading row, outside the model's rows.
  QPoint centre(int col, int row) const { return grid.visualRect(words.index(row - 1, col)).center(); }
  void key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(&grid, static_cast<Qt::Key>(key), modifiers);
  }
  std::pair<int, int> selected() const { return {grid.selectedCol(), grid.selectedRow()}; }
  // What the user sees, which must agree with selected().
  std::pair<int, int> highlighted() const {
    QModelIndex current = grid.currentIndex();
    return {current.column(), current.row() + 1};
  }
  bool rowOnShow(int row) const {
    QRect cell = grid.visualRect(words.index(row - 1, 0));
    return grid.viewport()->rect().contains(cell);
  }

  QApplication& app = qtApp();
  Words words;
  ModelGrid grid;
  int notices = 0;
};

TEST_F(LongList, ShowsTheModelBelowAHeadingRowThatStaysOnTop) {
  EXPECT_EQ(grid.rowTotal(), 41);
  EXPECT_EQ(grid.cell(0, 0), "Tarviksk\xE9 slova");
  EXPECT_EQ(grid.cell(1, 0), "V\xFDznamy v \xE8" "e\x9Atin\xEC");
  EXPECT_EQ(grid.cell(0, 1), "W0");
  EXPECT_EQ(grid.cell(1, 40), "M39");
  EXPECT_EQ(grid.cell(1, 41), "");
  EXPECT_EQ(grid.cell(2, 1), "");
  grid.setSelectedRow(40);
  EXPECT_TRUE(rowOnShow(40));
  EXPECT_TRUE(grid.horizontalHeader()->isVisible());
  EXPECT_EQ(grid.horizontalHeader()->height(), 16);
}

TEST_F(LongList, AsksTheModelOnlyForTheRowsOnShow) {
  words.setRows(1000000);
  words.asked = 0;
  grid.setSelectedRow(500000);
  grid.grab();  // paints every row on show
  EXPECT_GT(words.asked, 0);
  EXPECT_LT(words.asked, 200);
  EXPECT_TRUE(rowOnShow(500000));
}

TEST_F(LongList, SettingTheSelectionNotifiesOnlyAMove) {
  EXPECT_EQ(selected(), std::pair(0, 1));
  grid.setSelectedRow(3);
  EXPECT_EQ(notices, 1);
  grid.setSelectedRow(3);
  EXPECT_EQ(notices, 1);
  grid.setSelectedCol(1);
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(highlighted(), std::pair(1, 3));
  grid.setSelectedRow(1000);  // to the nearest row, never the headings
  EXPECT_EQ(selected(), std::pair(1, 40));
  grid.setSelectedRow(0);
  EXPECT_EQ(selected(), std::pair(1, 1));
  EXPECT_EQ(notices, 4);
}

TEST_F(LongList, SettingTheSameRowStillBringsItIntoView) {
  grid.setSelectedRow(2);
  grid.scrollToBottom();
  ASSERT_FALSE(rowOnShow(2));
  grid.setSelectedRow(2);
  EXPECT_TRUE(rowOnShow(2));
  EXPECT_EQ(notices, 1);
}

TEST_F(LongList, AClickNotifiesAlsoOnTheSelectedCell) {
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre(1, 3));
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre(1, 3));
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(selected(), std::pair(1, 3));
  EXPECT_EQ(highlighted(), std::pair(1, 3));
  QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, centre(0, 5));
  QTest::mouseClick(grid.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(selected(), std::pair(1, 3));
}

TEST_F(LongList, ADragMarksARangeAndKeepsThePressedCellSelected) {
  QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, centre(0, 2));
  QTest::mouseMove(grid.viewport(), centre(1, 3));
  QTest::mouseMove(grid.viewport(), centre(1, 4));
  EXPECT_EQ(notices, 0);
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centre(1, 4));
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(selected(), std::pair(0, 2));
  EXPECT_EQ(highlighted(), std::pair(0, 2));
  EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 6);
  key(Qt::Key_Down);  // a key move leaves the range
  EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 1);
}

TEST_F(LongList, KeysMoveTheSelectionButNeverOntoTheHeadings) {
  key(Qt::Key_Up);
  EXPECT_EQ(notices, 0);
  key(Qt::Key_Down);
  key(Qt::Key_PageDown);
  EXPECT_GT(grid.selectedRow(), 3);
  key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(selected(), std::pair(1, 40));
  EXPECT_TRUE(rowOnShow(40));
  key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(selected(), std::pair(0, 1));
  EXPECT_EQ(notices, 4);
  key(Qt::Key_A);  // no search by letters
  EXPECT_EQ(notices, 4);
}

TEST_F(LongList, ANewModelContentKeepsTheSelectionQuietly) {
  grid.setSelectedRow(30);
  grid.setSelectedCol(1);
  notices = 0;
  words.setRows(35);
  EXPECT_EQ(selected(), std::pair(1, 30));
  EXPECT_EQ(highlighted(), std::pair(1, 30));
  words.setRows(10);
  EXPECT_EQ(selected(), std::pair(1, 10));
  EXPECT_EQ(highlighted(), std::pair(1, 10));
  EXPECT_EQ(notices, 0);
}

TEST_F(LongList, WithoutRowsNothingIsSelectedAndNothingFails) {
  words.setRows(0);
  EXPECT_EQ(grid.rowTotal(), 1);
  EXPECT_EQ(grid.selectedRow(), 0);
  EXPECT_FALSE(grid.currentIndex().isValid());
  grid.setSelectedRow(1);
  key(Qt::Key_Down);
  key(Qt::Key_End, Qt::ControlModifier);
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(grid.selectedRow(), 0);
  EXPECT_EQ(notices, 0);
  EXPECT_EQ(grid.cell(0, 1), "");

  words.setRows(5);  // rows again: still nothing until someone chooses
  EXPECT_EQ(grid.selectedRow(), 0);
  grid.setSelectedRow(4);
  EXPECT_EQ(selected(), std::pair(0, 4));
  EXPECT_EQ(notices, 1);
}

TEST_F(LongList, TheProgramMayChooseNoRow) {
  grid.setSelectedCol(1);
  grid.selectNoRow();
  grid.selectNoRow();
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(grid.selectedRow(), 0);
  EXPECT_TRUE(grid.selectionModel()->selectedIndexes().isEmpty());
  key(Qt::Key_Down);  // from nothing, the first row, in the kept column
  EXPECT_EQ(selected(), std::pair(1, 1));
  EXPECT_EQ(notices, 3);
}

}  // namespace
