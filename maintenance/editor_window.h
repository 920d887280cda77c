#pragma once

// The dictionary editor: pages through one dictionary entry by entry, writes
// the boxes back over the current entry, deletes it after a question, and
// opens the insertion window for new entries. The scroll bar's position is
// the index of the current entry, and every change of it loads that entry.

#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "controls.h"
#include "edit_box.h"
#include "dictionary_store.h"
#include "scroll_bar.h"
#include "window.h"

class Tokno_vlozeni;

class Tokno_editace : public Window {
 public:
  // Loads the first entry of tc_slovnik; a failure to read it is reported
  // and leaves the boxes empty.
  explicit Tokno_editace(DictionaryStore& store, QWidget* parent = nullptr);

  void priotevreni();
  void prepnuti();
  void upravitClick();
  void vymazatClick();
  void noveClick();
  void zavritClick();

  Dict dictionary() const { return tc_slovnik->isChecked() ? kTarvikCzech : kCzechTarvik; }

  EditBox* edit_slovo;
  EditBox* edit_vyznam1;
  EditBox* edit_vyznam2;
  EditBox* edit_vyznam3;
  EditBox* edit_vyznam4;
  EditBox* edit_vyznam5;
  QPushButton* vymazat;
  QPushButton* upravit;
  QPushButton* zavrit;
  ScrollBar* ScrollBar1;
  QRadioButton* tc_slovnik;
  QRadioButton* ct_slovnik;
  StatusPanels* StatusBar1;
  QPushButton* nove;

  // The record the last load read. The deletion question names its
  // headword: what the user saw, not what is typed over it.
  Tslovicko nactene_slovicko;
  // Where "Nové slovíčko" inserts; given by the shell.
  Tokno_vlozeni* insertion = nullptr;

 private:
  void createControls();
  void connectHandlers();
  // edit_slovo, then edit_vyznam1 to edit_vyznam5: field i of an entry.
  std::array<EditBox*, kFieldCount> fieldBoxes() const;

  DictionaryStore& store;
};
