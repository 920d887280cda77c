#pragma once

// The browser's list of a dictionary: under the two headings, one row for
// each filled meaning, the records in file order and within a record its
// meanings vyznam1 to vyznam5, empty ones skipped; column 0 the headword,
// column 1 the meaning. A record without a filled meaning has no row.
//
// Rows are counted as the grid counts them: row 0 holds the headings, the
// first meaning is row 1. The list holds the records of its last listing
// and a table of the filled meanings before each record, so that a row's
// text and a record's first row are found without reading the dictionary.

#include <QAbstractTableModel>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary_store.h"

class MeaningList : public QAbstractTableModel {
 public:
  explicit MeaningList(DictionaryStore& store, QObject* parent = nullptr)
      : QAbstractTableModel(parent), store(store) {}

  void setHeadings(std::string_view first, std::string_view second);
  // Lists the dictionary as it stands now.
  void list(Dict dict);

  // Rows below the headings: countMeanings of the listing.
  int meaningRows() const;
  // The first row of the record at `position`, counted from 1 as the lookups
  // count: countMeaningsBefore(position - 1) + 1. Position 0 ("not found")
  // gives row 1. Nothing when that row does not hold the record's meaning:
  // the record has no filled meaning, was not listed, or the list is empty.
  std::optional<int> firstRowOf(long position) const;
  // Windows-1250 text of a cell below the headings.
  std::string_view text(int col, int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  long recordCount() const { return static_cast<long>(filledBefore.size()) - 1; }

  DictionaryStore& store;
  std::string headings[2];
  EntriesSnapshot entries;
  // filledBefore[i]: filled meanings in records 0 to i - 1; one more entry
  // than there are records, the last being the number of rows.
  std::vector<std::uint32_t> filledBefore{0};
};
