// StringGrid and ModelGrid share their selection rules (GridSelection), so
// one suite walks both; what only one of them does follows below it.

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QImage>
#include <string>
#include <utility>

#include "model_grid.h"
#include "qt_app_fixture_test.h"
#include "string_grid.h"

namespace {

QString word(int col, int row) { return QString("w%1%2").arg(col).arg(row); }

// Rows of words under one heading row, as the browser lists a dictionary.
struct Words : QAbstractTableModel {
  void setRows(int count) {
    beginResetModel();
    rows = count;
    endResetModel();
  }
  int rowCount(const QModelIndex&) const override { return rows; }
  int columnCount(const QModelIndex&) const override { return 3; }
  QVariant data(const QModelIndex& index, int role) const override {
    return role != Qt::DisplayRole ? QVariant() : (++asked, word(index.column(), index.row() + 1));
  }
  QVariant headerData(int section, Qt::Orientation, int role) const override {
    return role != Qt::DisplayRole ? QVariant() : QString::fromUtf8(section == 1 ? "Významy v češtině" : "Slova");
  }
  int rows = 0;
  mutable long asked = 0;
};

// Each grid with three columns and, below its headings, four rows to choose
// from: rows first..last. Row r is the model's row r - kModelRow. Every
// choice must notify exactly once: the main window swaps a meaning on each.
struct Strings {
  static constexpr bool kDragFollowsPointer = true;
  static constexpr int kModelRow = 0;
  Strings() {
    grid.setColCount(3);
    setRows(4);
    grid.setFixedRows(2);
    for (int cell = 0; cell < 18; ++cell) grid.setCell(cell % 3, cell / 3, word(cell % 3, cell / 3).toStdString());
  }
  QWidget* headings() { return grid.viewport(); }
  void setRows(int count) { grid.setRowTotal(first + count), last = first + count - 1; }
  StringGrid grid;
  int first = 2, last = 5;
};

struct Models {
  static constexpr bool kDragFollowsPointer = false;
  static constexpr int kModelRow = 1;
  Models() {
    setRows(4);
    grid.setModel(&words);
  }
  QWidget* headings() { return grid.horizontalHeader()->viewport(); }
  void setRows(int count) { words.setRows(count), last = count; }
  Words words;
  ModelGrid grid;
  int first = 1, last = 4;
};

template <typename G>
class Grids : public ::testing::Test {
 protected:
  Grids() {
    grid.setRowHeights(14);
    for (int col = 0; col < 3; ++col) grid.setColWidth(col, 64);
    grid.resize(300, 150);
    grid.show();
    QObject::connect(&grid, &std::remove_reference_t<decltype(grid)>::clicked, [this] { ++notices; });
  }

  QModelIndex index(int col, int row) const { return grid.model()->index(row - G::kModelRow, col); }
  QPoint centre(int col, int row) const { return grid.visualRect(index(col, row)).center(); }
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
    std::pair<int, int> shown(grid.currentIndex().column(), grid.currentIndex().row() + G::kModelRow);
    EXPECT_EQ(shown, std::pair(grid.selectedCol(), grid.selectedRow()));
    return {grid.selectedCol(), grid.selectedRow()};
  }

  QApplication& app = qtApp();
  G g;
  decltype(G::grid)& grid = g.grid;
  int notices = 0;
};

using GridTypes = ::testing::Types<Strings, Models>;
TYPED_TEST_SUITE(Grids, GridTypes);

TYPED_TEST(Grids, EachMouseChoiceNotifiesOnceAndHeadingsAnswerNone) {
  const int first = this->g.first;
  this->click(1, first + 1);
  this->click(1, first + 1);  // the selected cell again
  EXPECT_EQ(this->notices, 2);
  QTest::mouseClick(this->g.headings(), Qt::LeftButton, {}, QPoint(2 * 64 + 20, 7));
  QTest::mouseClick(this->grid.viewport(), Qt::RightButton, {}, this->centre(0, first + 2));
  QTest::mouseClick(this->grid.viewport(), Qt::LeftButton, {}, QPoint(3 * 64 + 20, this->centre(0, first + 2).y()));
  EXPECT_EQ(this->notices, 2);
  EXPECT_EQ(this->selected(), std::pair(1, first + 1));

  QTest::mouseDClick(this->grid.viewport(), Qt::LeftButton, {}, this->centre(0, first + 2));  // a click more
  QTest::mouseRelease(this->grid.viewport(), Qt::LeftButton, {}, this->centre(0, first + 2));
  EXPECT_EQ(this->notices, 3);

  this->drag(this->centre(0, first), this->centre(2, first + 2));  // once, where the drag ends
  EXPECT_EQ(this->notices, 4);
  EXPECT_EQ(this->selected(), TypeParam::kDragFollowsPointer ? std::pair(2, first + 2) : std::pair(0, first));

  // The release of a press made before the grid was disabled chooses nothing.
  QTest::mousePress(this->grid.viewport(), Qt::LeftButton, {}, this->centre(1, first));
  this->grid.setEnabled(false);
  this->grid.setEnabled(true);
  QTest::mouseRelease(this->grid.viewport(), Qt::LeftButton, {}, this->centre(1, first));
  EXPECT_EQ(this->notices, 4);
}

TYPED_TEST(Grids, EachKeyMoveNotifiesOnceAndStopsAtTheHeadingsAndEdges) {
  const int first = this->g.first, last = this->g.last;
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    std::pair<int, int> selected;
    int notices;
  } presses[] = {
      {Qt::Key_Down, {}, {0, first + 1}, 1}, {Qt::Key_Right, {}, {1, first + 1}, 2},
      {Qt::Key_Up, {}, {1, first}, 3},       {Qt::Key_Up, {}, {1, first}, 3},
      {Qt::Key_PageDown, {}, {1, last}, 4},  {Qt::Key_End, {}, {2, last}, 5},
      {Qt::Key_Right, {}, {2, last}, 5},     {Qt::Key_PageUp, {}, {2, first}, 6},
      {Qt::Key_Home, {}, {0, first}, 7},     {Qt::Key_Left, {}, {0, first}, 7},
      {Qt::Key_End, Qt::ControlModifier, {2, last}, 8},
      {Qt::Key_Home, Qt::ControlModifier, {0, first}, 9},
  };
  for (const auto& press : presses) {
    this->key(press.key, press.modifiers);
    EXPECT_EQ(this->selected(), press.selected) << "after " << (&press - presses) << " presses";
    EXPECT_EQ(this->notices, press.notices) << "after " << (&press - presses) << " presses";
  }
  QTest::keyClicks(&this->grid, "w");  // Qt would jump to the next word beginning with it
  EXPECT_EQ(this->notices, 9);
  EXPECT_EQ(this->selected(), std::pair(0, first));
}

// New counts of rows move the selection silently.
TYPED_TEST(Grids, TheProgramNotifiesOnlyANewValueAndKeepsBelowTheHeadings) {
  const int first = this->g.first;
  this->grid.setSelectedRow(first);
  this->grid.setSelectedCol(0);
  this->grid.setSelectedRow(0);  // a heading: the nearest row, already selected
  EXPECT_EQ(this->notices, 0);
  this->grid.setSelectedCol(2);
  this->grid.setSelectedCol(2);
  this->grid.setSelectedRow(99);
  EXPECT_EQ(this->notices, 2);
  EXPECT_EQ(this->selected(), std::pair(2, this->g.last));
  this->g.setRows(2);
  EXPECT_EQ(this->notices, 2);
  EXPECT_EQ(this->selected(), std::pair(2, first + 1));
}

using StringGrids = Grids<Strings>;

TEST_F(StringGrids, DragsStayBelowTheHeadingsWhereBordersWidenColumns) {
  drag(centre(0, 4), centre(1, 0));
  drag(centre(1, 1), centre(1, 4));  // from a heading: nothing
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(selected(), std::pair(1, 2));
  drag(QPoint(63, centre(0, 3).y()), QPoint(93, centre(0, 3).y()));  // among the rows, a click
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(grid.colWidth(0), 64);
  drag(QPoint(64, centre(0, 0).y()), QPoint(94, centre(0, 0).y()));
  EXPECT_EQ(grid.colWidth(0), 94);
  EXPECT_EQ(notices, 2);
}

TEST_F(StringGrids, CellsShowWindows1250AndOutliveSmallerCounts) {
  grid.setSelectedCol(2);
  grid.setSelectedRow(5);
  grid.setColCount(2);
  grid.setFixedRows(9);
  EXPECT_EQ(grid.fixedRows(), 5);
  EXPECT_EQ(selected(), std::pair(1, 5));
  click(0, 4);  // a row become a heading answers no click
  EXPECT_EQ(notices, 2);

  grid.setCell(2, 3, "\x9A" "kola \x8A" "ev\xE8\xED" "k");
  grid.setColCount(0);
  EXPECT_EQ(grid.colCount(), 1);
  grid.setColCount(3);
  EXPECT_EQ(grid.cell(2, 3), "\x9A" "kola \x8A" "ev\xE8\xED" "k");
  EXPECT_EQ(grid.item(3, 2)->text(), QStringLiteral(u"škola Ševčík"));
  EXPECT_EQ(grid.cell(7, 4), "");
}

// Pixels of the viewport: rows 0 and 1 are headings, 14 px each.
TEST_F(StringGrids, HeadingsAreSkyBlueAndRowsWhiteWithLinesOnlyBetweenColumns) {
  const QImage image = grid.viewport()->grab().toImage();
  EXPECT_EQ(image.pixelColor(94, 27), QColor(166, 202, 240));
  EXPECT_EQ(image.pixelColor(94, 28), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(94, 3 * 14), QColor(Qt::white));
  EXPECT_NE(image.pixelColor(63, 3 * 14 + 7), QColor(Qt::white));
}

using ModelGrids = Grids<Models>;

TEST_F(ModelGrids, ShowsTheModelBelowItsHeadingRowAndAsksOnlyForTheRowsOnShow) {
  EXPECT_EQ(grid.cell(1, 0), "V\xFDznamy v \xE8" "e\x9Atin\xEC");
  EXPECT_EQ(grid.cell(1, 4), "w14");
  EXPECT_EQ(grid.cell(1, 5), "");
  EXPECT_TRUE(grid.horizontalHeader()->isVisible());
  g.words.setRows(1000000);
  g.words.asked = 0;
  grid.setSelectedRow(500000);
  grid.grab();  // paints every row on show
  EXPECT_GT(g.words.asked, 0);
  EXPECT_LT(g.words.asked, 200);
  grid.scrollToBottom();
  grid.setSelectedRow(500000);  // not moved, yet brought into view again
  EXPECT_TRUE(grid.viewport()->rect().contains(grid.visualRect(index(0, 500000))));
  EXPECT_EQ(notices, 1);
}

TEST_F(ModelGrids, ADragMarksARangeAndNoRowMayBeChosen) {
  drag(centre(0, 1), centre(1, 3));
  EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 6);
  key(Qt::Key_Down);  // a key move leaves the range
  EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 1);
  grid.selectNoRow();
  grid.selectNoRow();
  grid.setSelectedCol(1);  // kept for the next row chosen
  EXPECT_EQ(notices, 3);
  EXPECT_TRUE(grid.selectionModel()->selectedIndexes().isEmpty());
  key(Qt::Key_Down);  // from nothing, the first row
  EXPECT_EQ(selected(), std::pair(1, 1));

  g.words.setRows(0);
  EXPECT_EQ(grid.rowTotal(), 1);
  grid.setSelectedRow(1);
  key(Qt::Key_Down);
  EXPECT_EQ(grid.selectedRow(), 0);
  EXPECT_EQ(notices, 4);
  g.words.setRows(5);  // rows again: still nothing until someone chooses
  EXPECT_EQ(grid.selectedRow(), 0);
}

}  // namespace
