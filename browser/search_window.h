#pragma once

// "Hledat": finds the entries of a dictionary by headword, or by words of
// their meanings, also without diacritics and by Czech word forms, and says
// how it found each. For a headword found in no way it offers the nearest
// headwords. Enter or a double click on an entry shows it in the browser.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <functional>
#include <string>
#include <vector>

#include "controls.h"
#include "dictionary_store.h"
#include "edit_box.h"
#include "model_grid.h"
#include "window.h"

class WordFormsLoader;

class SearchWindow : public Window {
 public:
  SearchWindow(DictionaryStore& store, WordFormsLoader& wordFormsLoader, QWidget* parent = nullptr);

  // Shows the window on `dict` with `options` ticked, its text ready to be
  // typed over.
  void showFor(Dict dict, const LookupOptions& options);

  // Lists what the text finds, with row 1 selected.
  void search();
  // Lists it again, keeping the selected row: the dictionary may have
  // changed while the user was in another window.
  void searchAgain();
  void showChosen();

  Dict dictionary() const { return tarvikCzech->isChecked() ? kTarvikCzech : kCzechTarvik; }
  LookupOptions options() const {
    return {.byPronunciation = byPronunciation,
            .forms = wordForms->isChecked(),
            .ignoreDiacritics = withoutDiacritics->isChecked()};
  }

  // Given by the shell: shows record `position` of `dict` in the browser.
  std::function<void(Dict dict, long position)> showInBrowser;

  EditBox* text;
  ModelGrid* results;
  QRadioButton* tarvikCzech;
  QRadioButton* czechTarvik;
  QRadioButton* headwords;
  QRadioButton* meanings;
  QCheckBox* wordForms;
  QCheckBox* withoutDiacritics;
  QPushButton* zavrit;
  StatusPanels* StatusBar1;

 private:
  void createControls();
  void connectHandlers();
  // Fills the list; false when the word forms are still loading.
  bool list();
  void addRow(const EntriesSnapshot& records, long position, const std::string& how);

  DictionaryStore& store;
  WordFormsLoader& wordFormsLoader;

  // Taken from the translation: the window has no box of its own for it.
  bool byPronunciation = true;
  QStandardItemModel* found;
  std::vector<long> positions;  // of the rows' records, counted from 1
};
