#pragma once

// The dictionary browser: lists one of the two dictionaries, one row for
// each meaning, looks a word up on demand ("Přeložit") and by prefix while
// the user types, for Tarvik words also by the way a Czech reader says them,
// and shows the pronunciation of the selected Tarvik word. It only reads the
// dictionaries.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "controls.h"
#include "model_grid.h"
#include "dictionary_store.h"
#include "lookup_history.h"
#include "window.h"

class MeaningList;

class Tukaz_slovnik : public Window {
 public:
  // Created hidden, already listing tc_slovnik for its placeholder text. A
  // failure of that first listing is reported and the window exists anyway.
  Tukaz_slovnik(DictionaryStore& store, LookupHistory& history, QWidget* parent = nullptr);

  void zaskrtnuti();
  void prelozitClick();
  void rememberWord();
  void stiskklavesy();
  void clicknavypis();
  void zavritClick();
  void lookUpOnActivation();

  // Shows the browser on `dict` with the record at `position` (counted from
  // 1) selected and its headword in the search box.
  void showEntry(Dict dict, long position);

  Dict direction() const { return docestiny->isChecked() ? kTarvikCzech : kCzechTarvik; }

  QLineEdit* najit;
  QPushButton* prelozit;
  QPushButton* zavrit;
  QRadioButton* dotarvikstiny;
  QRadioButton* docestiny;
  ModelGrid* vypis_slovicek;
  StatusPanels* StatusBar1;
  QCheckBox* okamzite;
  QCheckBox* podlevyslovnosti;

  // The state "Hledat i podle výslovnosti" had when the direction last
  // changed to "Do Tarvikštiny", given back to it with "Do Češtiny". Lives
  // as long as the window, which is for the run.
  bool ulozenavyslovnost = true;

 private:
  void createControls();
  void connectHandlers();
  // Selects the first row of the entry at `position` (counted from 1, 0 for
  // none found), or no row when the entry has none.
  void selectEntry(long position);

  DictionaryStore& store;
  LookupHistory& history;
  MeaningList* slova;
  // Set by showEntry for the activation that follows its showing, whose
  // look-up of the headword would select the first record holding it, or
  // one that merely sounds like it, instead of the record chosen.
  bool entryShown = false;
};
