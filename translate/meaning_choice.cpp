// The meaning grid: every word or two-word phrase of the stepped line in a
// column, with all its meanings; a click on a meaning puts it into the line.
// With "Pamatovat si zvolené významy" on, a click is remembered (volby.txt)
// and the next filling puts the remembered meaning first, marked.
// The translation (translation_walk.cpp) resets, empties and fills the grid;
// of the walk, the grid knows only the line the last step translated.

#include "cp1250.h"
#include "meaning_grid.h"
#include "main_window.h"
#include "meaning_choices.h"

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
  vyberslov->clearMarks();
  gridPunctuation.clear();
}

void Tokno::emptyGrid() {
  emptyColumns(*vyberslov, vyberslov->colCount());
  vyberslov->clearMarks();
}

void Tokno::vybyrani() {
  vyberslov->setEnabled(true);
  gridPunctuation = fillMeaningGrid(store, *vyberslov, Vstup->line(walk.currentLine), direction(), lookupOptions());
  if (withChoices()) putRememberedMeanings();
}

namespace {

// The word before column `col`, as the translation reads it: none at the
// start of the line.
std::string previousItem(const StringGrid& grid, int col) { return col > 0 ? grid.cell(col - 1, 0) : std::string(); }

std::array<std::string, kMeaningCount> meaningsOf(const StringGrid& grid, int col) {
  std::array<std::string, kMeaningCount> meanings;
  for (int slot = 0; slot < kMeaningCount; ++slot) meanings[slot] = grid.cell(col, slot + 1);
  return meanings;
}

}  // namespace

// Right after the filling, rows 1 to 5 hold each entry's meanings in its own
// order, which is what the rules are weighed against.
void Tokno::putRememberedMeanings() {
  for (int col = 0; col < vyberslov->colCount(); ++col) {
    const std::string item = vyberslov->cell(col, 0);
    if (item.empty()) continue;
    ChosenMeaning chosen = store.chosenMeaning(previousItem(*vyberslov, col), item, direction(),
                                               meaningsOf(*vyberslov, col));
    if (!chosen.remembered) continue;
    const int row = chosen.slot + 1;
    const std::string meaning = vyberslov->cell(col, row);
    vyberslov->setCell(col, row, vyberslov->cell(col, 1));
    vyberslov->setCell(col, 1, meaning);
    vyberslov->setCellMarked(col, 1, true);
  }
}

void Tokno::vymena() {
  if (!vyberslov->isEnabled()) return;
  int col = vyberslov->selectedCol();
  int row = vyberslov->selectedRow();
  std::string chosen = vyberslov->cell(col, row);
  if (!chosen.empty()) {
    vyberslov->setCell(col, row, vyberslov->cell(col, 1));
    vyberslov->setCell(col, 1, chosen);
    vyberslov->setCellMarked(col, 1, false);
  }
  dosadit();
  // The translation shows the choice first: a disk that refuses to keep
  // it then costs the rule, not the choice.
  if (!chosen.empty() && withChoices()) rememberChoice(col, chosen);
}

// Marked only when a rule now gives the very meaning chosen: going back to
// the entry's first meaning forgot the rules, and a choice that could not be
// kept leaves an older rule that may give another.
void Tokno::rememberChoice(int col, const std::string& chosen) {
  const std::string item = vyberslov->cell(col, 0);
  const std::string previous = previousItem(*vyberslov, col);
  store.rememberMeaning(previous, item, chosen, direction(), lookupOptions());
  const FoundWord found = store.findWordInText(item, direction(), lookupOptions()).word;
  const ChosenMeaning now = store.chosenMeaning(previous, item, direction(), found.meanings);
  vyberslov->setCellMarked(col, 1, now.remembered && found.meanings[now.slot] == chosen);
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
// "DROM, význam 2: ČLOVĚK"; a remembered one says so: "DROM, zvolený
// význam (zapamatovaný): MANŽEL".
std::string Tokno::meaningCellName(int col, int row) const {
  const std::string text = vyberslov->cell(col, row);
  const std::string shown = text.empty() ? cp1250Text("prázdné") : text;
  const std::string place = "Slovo " + std::to_string(col + 1);
  if (row == 0) return place + ": " + shown;
  const std::string word = vyberslov->cell(col, 0);
  std::string meaning = row == 1 ? cp1250Text("zvolený význam") : cp1250Text("význam ") + std::to_string(row);
  if (vyberslov->cellMarked(col, row)) meaning += cp1250Text(" (zapamatovaný)");
  return (word.empty() ? place : word) + ", " + meaning + ": " + shown;
}
