#include "meaning_list.h"

#include <algorithm>
#include <climits>

#include "qt_text.h"

void MeaningList::setHeadings(std::string_view first, std::string_view second) {
  headings[0] = first;
  headings[1] = second;
  emit headerDataChanged(Qt::Horizontal, 0, 1);
}

void MeaningList::list(Dict dict) {
  EntriesSnapshot now = store.entriesNow(dict);
  // The same records as those listed: every row on show is still right, and
  // a million of them are not counted again at each activation.
  if (now.sameAs(entries)) return;
  beginResetModel();
  entries = std::move(now);
  const long count = entries.count();
  filledBefore.assign(count + 1, 0);
  for (long i = 0; i < count; ++i) filledBefore[i + 1] = filledBefore[i] + entries.meaningCount(i);
  endResetModel();
}

int MeaningList::meaningRows() const { return static_cast<int>(std::min<std::uint32_t>(filledBefore.back(), INT_MAX)); }

std::optional<int> MeaningList::firstRowOf(long position) const {
  if (meaningRows() == 0 || position > recordCount()) return std::nullopt;
  if (position < 1) return 1;
  const long index = position - 1;
  if (filledBefore[index + 1] == filledBefore[index]) return std::nullopt;
  return static_cast<int>(filledBefore[index]) + 1;
}

std::string_view MeaningList::text(int col, int row) const {
  if (row < 1 || row > meaningRows() || col < 0 || col > 1) return {};
  // The record holding the row is the last one with fewer filled meanings
  // before it than the row's number.
  const auto after = std::upper_bound(filledBefore.begin(), filledBefore.end(), static_cast<std::uint32_t>(row - 1));
  const long index = (after - filledBefore.begin()) - 1;
  if (col == 0) return entries.headword(index);
  int skip = row - 1 - static_cast<int>(filledBefore[index]);
  for (int slot = 1; slot <= kMeaningCount; ++slot) {
    std::string_view meaning = entries.meaning(index, slot);
    if (!meaning.empty() && skip-- == 0) return meaning;
  }
  return {};
}

int MeaningList::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : meaningRows(); }

int MeaningList::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant MeaningList::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return toQt(text(index.column(), index.row() + 1));
}

QVariant MeaningList::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section > 1) return {};
  return toQt(headings[section]);
}

Qt::ItemFlags MeaningList::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
