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
  // The selection, which must agree with what the user sees highlighted.
  std::pair<int, int> selected() const {
    EXPECT_EQ(grid.currentIndex().column(), grid.selectedCol());
    EXPECT_EQ(grid.currentIndex().row() + 1, grid.selectedRow());
    return {grid.selectedCol(), grid.selectedRow()};
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

TEST_F(LongList, ShowsTheModelBelowAHeadingRowAndAsksOnlyForTheRowsOnShow) {
  EXPECT_EQ(grid.cell(1, 0), "V\xFDznamy v \xE8" "e\x9Atin\xEC");
  EXPECT_EQ(grid.cell(1, 40), "M39");
  EXPECT_EQ(grid.cell(1, 41), "");
  words.setRows(1000000);
  words.asked = 0;
  grid.setSelectedRow(500000);
  grid.grab();  // paints every row on show
  EXPECT_GT(words.asked, 0);
  EXPECT_LT(words.asked, 200);
  EXPECT_TRUE(rowOnShow(500000));
  EXPECT_TRUE(grid.horizontalHeader()->isVisible());
}

// The program's choices notify only a move, but always bring the row into
// view; new content keeps the selection quietly.
TEST_F(LongList, TheProgramNotifiesOnlyAMove) {
  grid.setSelectedRow(2);
  grid.scrollToBottom();
  grid.setSelectedRow(2);
  EXPECT_TRUE(rowOnShow(2));
  grid.setSelectedCol(1);
  grid.setSelectedRow(30);
  words.setRows(10);
  EXPECT_EQ(selected(), std::pair(1, 10));
  EXPECT_EQ(notices, 3);
}

TEST_F(LongList, ClicksDragsAndKeysNotifyOncePerChoice) {
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre(1, 3));
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre(1, 3));
  QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, centre(0, 5));
  QTest::mouseClick(grid.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(selected(), std::pair(1, 3));

  // A drag marks a range, notifies once and keeps the pressed cell selected.
  QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, centre(0, 2));
  QTest::mouseMove(grid.viewport(), centre(1, 4));
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centre(1, 4));
  EXPECT_EQ(notices, 3);
  EXPECT_EQ(selected(), std::pair(0, 2));
  EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 6);

  key(Qt::Key_Up);  // a key move leaves the range
  EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 1);
  key(Qt::Key_Up);  // never onto the headings
  EXPECT_EQ(notices, 4);
  key(Qt::Key_PageDown);
  EXPECT_GT(grid.selectedRow(), 3);
  key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(selected(), std::pair(1, 40));
  EXPECT_TRUE(rowOnShow(40));
  key(Qt::Key_A);  // no search by letters
  EXPECT_EQ(notices, 6);
}

TEST_F(LongList, WithoutRowsOrWithNoRowChosenNothingIsSelected) {
  grid.setSelectedCol(1);
  grid.selectNoRow();
  EXPECT_EQ(notices, 2);
  EXPECT_TRUE(grid.selectionModel()->selectedIndexes().isEmpty());
  key(Qt::Key_Down);  // from nothing, the first row, in the kept column
  EXPECT_EQ(selected(), std::pair(1, 1));

  words.setRows(0);
  EXPECT_EQ(grid.rowTotal(), 1);
  EXPECT_EQ(grid.selectedRow(), 0);
  grid.setSelectedRow(1);
  key(Qt::Key_Down);
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(grid.selectedRow(), 0);
  EXPECT_EQ(notices, 3);
  words.setRows(5);  // rows again: still nothing until someone chooses
  EXPECT_EQ(grid.selectedRow(), 0);
}

}  // namespace
