#pragma once

// The meaning grid of the step-by-step translation: for one line, a column
// per word or two-word phrase, holding the item in capitals (row 0), its
// first meaning (row 1, the one chosen) and its other meanings (rows 2 to 5).
// One procedure fills both the window's grid and the command line's copy.

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary_store.h"

constexpr int kGridRows = 6;
constexpr int kGridResetColumns = 12;

// 8.5 pixels a character, a tie rounded to the even neighbour.
inline int meaningColumnWidth(std::string_view text) {
  return static_cast<int>(std::nearbyint(8.5 * static_cast<double>(text.size())));
}

// The punctuation around an item that was found without it ("(MUŽ)" as
// MUŽ): it goes back around whichever meaning is chosen.
struct ItemPunctuation {
  std::string before, after;
};

// Fills `grid` for `line`, whose cells the caller has emptied, and gives the
// punctuation of each column's item. Grid offers colCount, setColCount (a
// count below 1 taken as 1), cell, setCell, colWidth and setColWidth; cells
// outside the column count keep their text. Words a tab apart are two items,
// as in the translation.
template <typename Grid>
std::vector<ItemPunctuation> fillMeaningGrid(DictionaryStore& store, Grid& grid, std::string_view line, Dict dict,
                                             const LookupOptions& options) {
  std::vector<ItemPunctuation> punctuation;
  std::string spaced = std::string(line) + ' ';
  std::replace(spaced.begin(), spaced.end(), '\t', ' ');
  int words = countWords(std::string_view(spaced).substr(0, line.size()));
  int base = 1;
  // The column count stays one ahead of the items filled. The spare column
  // goes at the end, and one more when the last item was a phrase.
  for (int i = 1; i - 1 < words;) {
    PhraseAtResult item = store.phraseAt(i, spaced, dict, options);
    grid.setColCount(countWords(spaced) - base + 1);
    std::string heading = upcaseCzText(item.result);
    int col = i - base;
    grid.setCell(col, 0, heading);
    grid.setColWidth(col, meaningColumnWidth(heading));
    WordInText found = store.findWordInText(heading, dict, options);
    punctuation.resize(col + 1);
    punctuation[col] = {found.before, found.after};
    for (int row = 1; row < kGridRows; ++row) {
      const std::string& meaning = found.word.meanings[row - 1];
      grid.setCell(col, row, meaning);
      if (meaningColumnWidth(meaning) > grid.colWidth(col)) grid.setColWidth(col, meaningColumnWidth(meaning));
    }
    base += item.taken;
    i += 1 + item.taken;
  }
  grid.setColCount(grid.colCount() - 1);
  if (grid.cell(grid.colCount() - 1, 0).empty()) grid.setColCount(grid.colCount() - 1);
  return punctuation;
}

using GridColumn = std::array<std::string, kGridRows>;

// The columns a freshly reset grid shows after a step over `line`.
std::vector<GridColumn> meaningColumns(DictionaryStore& store, std::string_view line, Dict dict, const LookupOptions& options);
