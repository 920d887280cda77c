// StringGrid and ModelGrid share their selection rules (GridSelection), so
// one suite walks both; what only one of them does follows below it.

#include <QHeaderView>
#include <QImage>
#include <QStandardItemModel>
#include <tuple>

#include "model_grid.h"
#include "qt_app_fixture_test.h"
#include "string_grid.h"

namespace {

// Each grid with three columns and, below its headings, four rows to choose
// from: rows kFirst..last(). Row r is the model's row r - kModelRow. Every
// choice must notify exactly once: the main window swaps a meaning on each.
struct Strings {
  static constexpr int kFirst = 2, kModelRow = 0;
  Strings() { grid.setColCount(3), setRows(4), grid.setFixedRows(2); }
  void setRows(int count) { grid.setRowTotal(kFirst + count); }
  StringGrid grid;
};

// Under one heading row, as the browser lists a dictionary.
struct Models {
  static constexpr int kFirst = 1, kModelRow = 1;
  Models() {
    words.setHorizontalHeaderLabels({"", QString::fromUtf8("Významy v češtině")});
    words.setItem(3, 1, new QStandardItem("w14")), grid.setModel(&words);
    for (int col = 0; col < 3; ++col) grid.setColWidth(col, 64);  // as a StringGrid's are from the start
  }
  void setRows(int count) { words.setRowCount(count); }
  QStandardItemModel words{4, 3};
  ModelGrid grid;
};

template <typename G>
class Grids : public QtAppTest {
 protected:
  Grids() {
    grid.setRowHeights(14);
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
  void key(QKeyCombination key) { QTest::keyClick(&grid, key.key(), key.keyboardModifiers()); }
  // Notices so far and the selection, which must agree with what the user
  // sees highlighted.
  std::tuple<int, int, int> seen() const {
    EXPECT_EQ(std::pair(grid.currentIndex().column(), grid.currentIndex().row() + G::kModelRow),
              std::pair(grid.selectedCol(), grid.selectedRow()));
    return {notices, grid.selectedCol(), grid.selectedRow()};
  }

  G g;
  decltype(G::grid)& grid = g.grid;
  int notices = 0;
};

using GridTypes = ::testing::Types<Strings, Models>;
TYPED_TEST_SUITE(Grids, GridTypes);

TYPED_TEST(Grids, EachMouseChoiceNotifiesOnceAndHeadingsAnswerNone) {
  const int first = TypeParam::kFirst;
  QWidget* cells = this->grid.viewport();
  this->click(1, first + 1);
  this->click(1, first + 1);  // the selected cell again
  QWidget* headings = TypeParam::kModelRow ? this->grid.horizontalHeader()->viewport() : cells;
  QTest::mouseClick(headings, Qt::LeftButton, {}, QPoint(2 * 64 + 20, 7));
  QTest::mouseClick(cells, Qt::RightButton, {}, this->centre(0, first + 2));
  QTest::mouseClick(cells, Qt::LeftButton, {}, QPoint(3 * 64 + 20, this->centre(0, first + 2).y()));
  EXPECT_EQ(this->seen(), std::tuple(2, 1, first + 1));
  QTest::mouseDClick(cells, Qt::LeftButton, {}, this->centre(0, first + 2));  // a click more
  QTest::mouseRelease(cells, Qt::LeftButton, {}, this->centre(0, first + 2));
  this->drag(this->centre(0, first), this->centre(2, first + 2));  // once, where the drag ends
  EXPECT_EQ(this->seen(), TypeParam::kModelRow == 0 ? std::tuple(4, 2, first + 2) : std::tuple(4, 0, first));
  // The release of a press made before the grid was disabled chooses nothing.
  QTest::mousePress(cells, Qt::LeftButton, {}, this->centre(1, first));
  this->grid.setEnabled(false);
  this->grid.setEnabled(true);
  QTest::mouseRelease(cells, Qt::LeftButton, {}, this->centre(1, first));
  EXPECT_EQ(this->notices, 4);
}

TYPED_TEST(Grids, EachKeyOrProgramMoveNotifiesOnceAndStopsAtTheHeadingsAndEdges) {
  const int first = TypeParam::kFirst, last = this->grid.rowTotal() - 1;
  const std::pair<QKeyCombination, std::tuple<int, int, int>> presses[] = {
      {Qt::Key_Down, {1, 0, first + 1}}, {Qt::Key_Right, {2, 1, first + 1}}, {Qt::Key_Up, {3, 1, first}},
      {Qt::Key_Up, {3, 1, first}},       {Qt::Key_PageDown, {4, 1, last}},   {Qt::Key_End, {5, 2, last}},
      {Qt::Key_Right, {5, 2, last}},     {Qt::Key_PageUp, {6, 2, first}},    {Qt::Key_Home, {7, 0, first}},
      {Qt::Key_Left, {7, 0, first}},     {Qt::CTRL | Qt::Key_End, {8, 2, last}},
      {Qt::CTRL | Qt::Key_Home, {9, 0, first}},
  };
  for (auto [key, seen] : presses) {
    this->key(key);
    EXPECT_EQ(this->seen(), seen) << "key " << key.toCombined();
  }
  this->grid.setSelectedRow(first);
  this->grid.setSelectedCol(0);
  this->grid.setSelectedRow(0);  // a heading: the nearest row, already selected
  this->grid.setSelectedCol(2);
  this->grid.setSelectedCol(2);
  this->grid.setSelectedRow(99);
  EXPECT_EQ(this->seen(), std::tuple(11, 2, last));
  this->g.setRows(2);  // silently
  EXPECT_EQ(this->seen(), std::tuple(11, 2, first + 1));
}

using StringGrids = Grids<Strings>;

// Pixels of the viewport first: rows 0 and 1 are headings, 14 px each.
TEST_F(StringGrids, HeadingsAreSkyBlueDragsStayBelowThemAndCellsShowWindows1250AndOutliveSmallerCounts) {
  const QImage image = grid.viewport()->grab().toImage();
  EXPECT_EQ(image.pixelColor(94, 27), QColor(166, 202, 240));
  EXPECT_EQ(image.pixelColor(94, 28), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(94, 3 * 14), QColor(Qt::white));  // lines only between columns
  EXPECT_NE(image.pixelColor(63, 3 * 14 + 7), QColor(Qt::white));
  drag(centre(0, 4), centre(1, 0));
  drag(centre(1, 1), centre(1, 4));  // from a heading: nothing
  EXPECT_EQ(seen(), std::tuple(1, 1, 2));
  drag(QPoint(63, centre(0, 2).y()), QPoint(93, centre(0, 2).y()));  // among the rows, a click
  drag(QPoint(64, centre(0, 0).y()), QPoint(94, centre(0, 0).y()));  // in the headings, a border
  EXPECT_EQ(std::pair(notices, grid.colWidth(0)), std::pair(2, 94));
  grid.setSelectedCol(2);
  grid.setSelectedRow(5);
  grid.setColCount(2);
  grid.setFixedRows(9);
  EXPECT_EQ(grid.fixedRows(), 5);
  click(0, 4);  // a row become a heading answers no click
  EXPECT_EQ(seen(), std::tuple(4, 1, 5));
  grid.setCell(2, 3, "\x9A" "kola \x8A" "ev\xE8\xED" "k");
  grid.setColCount(0);
  EXPECT_EQ(grid.colCount(), 1);
  grid.setColCount(3);
  EXPECT_EQ(grid.cell(2, 3), "\x9A" "kola \x8A" "ev\xE8\xED" "k");
  EXPECT_EQ(grid.item(3, 2)->text(), QStringLiteral(u"škola Ševčík"));
}

using ModelGrids = Grids<Models>;

// No row chosen is row 0; a selection not moved is still brought into view.
TEST_F(ModelGrids, ShowTheModelBelowItsHeadingRowAndMarkARangeByADrag) {
  EXPECT_EQ(grid.cell(1, 0), "V\xFDznamy v \xE8" "e\x9Atin\xEC");
  EXPECT_EQ(grid.cell(1, 4), "w14");
  EXPECT_EQ(grid.cell(1, 5), "");
  drag(centre(0, 1), centre(1, 3));
  EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 6);
  key(Qt::Key_Down);  // a key move leaves the range
  EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 1);
  grid.selectNoRow();
  grid.selectNoRow();
  grid.setSelectedCol(1);  // kept for the next row chosen
  EXPECT_TRUE(grid.selectionModel()->selectedIndexes().isEmpty());
  key(Qt::Key_PageDown);  // from nothing, the first row
  EXPECT_EQ(seen(), std::tuple(4, 1, 1));
  g.setRows(0);
  grid.setSelectedRow(1);
  key(Qt::Key_Down);
  g.setRows(100);  // rows again: still nothing until someone chooses
  EXPECT_EQ(std::pair(notices, grid.selectedRow()), std::pair(4, 0));
  grid.setSelectedRow(50);
  grid.scrollToBottom();
  grid.setSelectedRow(50);
  EXPECT_TRUE(grid.viewport()->rect().contains(grid.visualRect(index(0, 50))));
  EXPECT_EQ(notices, 5);
}

}  // namespace
