#pragma once

// "Hledat": finds the entries of a dictionary by headword, or by words of
// their meanings, also without diacritics and by Czech word forms, and says
// how it found each. For a headword found in no way it offers the nearest
// headwords. Enter or a double click on an entry shows it in the browser.
//
// The text box offers the words looked up before in the chosen direction
// (word_recall.h). A word counts as looked up once the user settles on it,
// never for each letter typed: on Enter, on choosing an entry to show, and on
// leaving the window with a text that found entries.

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
#include "lookup_history.h"
#include "model_grid.h"
#include "window.h"
#include "word_recall.h"

class WordFormsLoader;

class SearchWindow : public Window {
 public:
  SearchWindow(DictionaryStore& store, WordFormsLoader& wordFormsLoader, LookupHistory& history,
               QWidget* parent = nullptr);

  // Shows the window on `dict` with `options` ticked, its text ready to be
  // typed over.
  void showFor(Dict dict, const LookupOptions& options);

  // Lists what the text finds, with row 1 selected.
  void search();
  // Lists it again, keeping the selected row: the dictionary may have
  // changed while the user was in another window.
  void searchAgain();
  void showChosen();
  // Enter in the text box.
  void searchSettled();
  void rememberFound();
  // Offers the words of the chosen direction looked up so far, in this
  // window or elsewhere.
  void offerHistory();

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
  void remember();

  DictionaryStore& store;
  WordFormsLoader& wordFormsLoader;
  LookupHistory& history;
  WordRecall* recall;

  // Taken from the translation: the window has no box of its own for it.
  bool byPronunciation = true;
  QStandardItemModel* found;
  std::vector<long> positions;  // of the rows' records, counted from 1
  bool foundSome = false;       // entries, not merely near headwords
  // The text last remembered, with its direction: Enter and then leaving the
  // window is one look-up.
  std::string remembered;
};
