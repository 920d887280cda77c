#pragma once

// "Vyhledat": the small window a look-up from another program opens. It
// shows a word's entries in both dictionaries, found with the options of the
// main window, and says how each was found; for a word found in neither, the
// nearest headwords. The word can be typed over. Enter shows the chosen entry
// in the browser; Esc closes the window.

#include <QPushButton>
#include <QStandardItemModel>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls.h"
#include "dictionary_store.h"
#include "edit_box.h"
#include "model_grid.h"
#include "window.h"

class WordFormsLoader;

class LookupWindow : public Window {
 public:
  LookupWindow(DictionaryStore& store, WordFormsLoader& wordFormsLoader, QWidget* parent = nullptr);

  // Looks up the first word of `text` (Windows-1250), or its first two
  // where they are a headword, and shows the window near the pointer with
  // the entries, the focus on the list.
  void showFor(const std::string& text, const LookupOptions& options);
  // The same with the word the user selected last, in any program.
  void showForSelection(const LookupOptions& options);

  // Opens the selected entry in the browser and closes this window.
  void showChosen();

  // Given by the shell: shows record `position` of `dict` in the browser.
  std::function<void(Dict dict, long position)> showInBrowser;
  // Given by the shell: a word the user looked up, with the dictionary that
  // answered first.
  std::function<void(Dict dict, const std::string& word)> lookedUp;

  EditBox* text;
  ModelGrid* results;
  QPushButton* zavrit;
  StatusPanels* StatusBar1;

 private:
  void createControls();
  void connectHandlers();
  void appear();
  // Fills the list for the text in the box; false when the word forms are
  // still loading, and it fills the list again once they are there.
  bool list();
  void relist();
  void listIn(Dict dict, const std::string& first, const std::string& second);
  void addRow(Dict dict, const EntriesSnapshot& records, long position, const std::string& how);
  void remember();

  DictionaryStore& store;
  WordFormsLoader& wordFormsLoader;
  LookupOptions options;
  QStandardItemModel* found;
  std::vector<std::pair<Dict, long>> places;  // of the rows' records, counted from 1
  // The word the list shows: what the box holds without the rest of a text.
  std::string shownWord;
  // A look-up from outside is remembered once its list is there.
  bool rememberWhenListed = false;
  std::string rememberedWord;
};
