#include "meaning_grid.h"

namespace {

// A grid without a window: cells live apart from the column count, as they
// do in the window's grid.
class MemoryGrid {
 public:
  int colCount() const { return columns; }
  void setColCount(int count) { columns = count < 1 ? 1 : count; }
  std::string cell(int col, int row) const {
    auto found = cells.find(col);
    return found == cells.end() ? std::string() : found->second[row];
  }
  void setCell(int col, int row, std::string_view text) { cells[col][row] = text; }
  int colWidth(int col) const {
    auto found = widths.find(col);
    return found == widths.end() ? 0 : found->second;
  }
  void setColWidth(int col, int pixels) { widths[col] = pixels; }

 private:
  int columns = kGridResetColumns;
  std::map<int, GridColumn> cells;
  std::map<int, int> widths;
};

}  // namespace

std::vector<GridColumn> meaningColumns(DictionaryStore& store, std::string_view line, Dict dict,
                                       const LookupOptions& options) {
  MemoryGrid grid;
  fillMeaningGrid(store, grid, line, dict, options);
  std::vector<GridColumn> shown;
  for (int col = 0; col < grid.colCount(); ++col) {
    GridColumn column;
    for (int row = 0; row < kGridRows; ++row) column[row] = grid.cell(col, row);
    shown.push_back(column);
  }
  return shown;
}
