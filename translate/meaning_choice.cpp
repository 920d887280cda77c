// The meaning grid: every word or two-word phrase of the stepped line in a
// column, with all its meanings; a click on a meaning puts it into the line.
// The translation (translation_walk.cpp) resets, empties and fills the grid;
// of the walk, the grid knows only the line the last step translated.

#include "cp1250.h"
#include "meaning_grid.h"
#include "main_window.h"

namespace {

void emptyColumns(StringGrid& grid, int columns) {
  for (int col = 0; col < columns; ++col)
    for (int row = 0; row < kGridRows; ++row) grid.setCell(col, row, "");
}

}  // namespace

void Tokno::resetGrid() {
  vyberslov->setEnabled(false);
  vyberslov->setColCount(1);
  emptyColumns(*vyberslov, kGridResetColumns);
  vyberslov->setColCount(kGridResetColumns);
  gridPunctuation.clear();
}

void Tokno::emptyGrid() { emptyColumns(*vyberslov, vyberslov->colCount()); }

void Tokno::vybyrani() {
  vyberslov->setEnabled(true);
  gridPunctuation = fillMeaningGrid(store, *vyberslov, Vstup->line(walk.currentLine), direction(), lookupOptions());
}

void Tokno::vymena() {
  if (!vyberslov->isEnabled()) return;
  int col = vyberslov->selectedCol();
  int row = vyberslov->selectedRow();
  std::string chosen = vyberslov->cell(col, row);
  if (!chosen.empty()) {
    vyberslov->setCell(col, row, vyberslov->cell(col, 1));
    vyberslov->setCell(col, 1, chosen);
  }
  dosadit();
}

void Tokno::dosadit() {
  std::string line;
  for (int col = 0; col < vyberslov->colCount(); ++col) {
    std::string meaning = vyberslov->cell(col, 1);
    if (meaning.empty()) {
      line += vyberslov->cell(col, 0);
    } else if (col < static_cast<int>(gridPunctuation.size())) {
      line += gridPunctuation[col].before + meaning + gridPunctuation[col].after;
    } else {
      line += meaning;
    }
    line += ' ';
  }
  Vystup->setLine(walk.currentLine, line);
}

// A screen reader reads the grid a cell at a time, so each meaning names
// the word it belongs to: "Slovo 1: DROM", "DROM, zvolený význam: MUŽ",
// "DROM, význam 2: ČLOVĚK".
std::string Tokno::meaningCellName(int col, int row) const {
  const std::string text = vyberslov->cell(col, row);
  const std::string shown = text.empty() ? cp1250Text("prázdné") : text;
  const std::string place = "Slovo " + std::to_string(col + 1);
  if (row == 0) return place + ": " + shown;
  const std::string word = vyberslov->cell(col, 0);
  const std::string meaning = row == 1 ? cp1250Text("zvolený význam") : cp1250Text("význam ") + std::to_string(row);
  return (word.empty() ? place : word) + ", " + meaning + ": " + shown;
}
