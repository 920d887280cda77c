#pragma once

// The insertion window: one headword with up to five meanings into either
// dictionary and, when asked, each meaning back into the other one with the
// headword as its meaning. The boxes hold placeholders, not empty text: a
// meaning box still showing its own placeholder ("Význam 3" in box 3, byte
// for byte) gives no meaning; any other text does, an empty one included.
// The headword's placeholder is an ordinary headword.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <string>

#include "edit_box.h"
#include "dictionary_store.h"
#include "window.h"

class Tokno_vlozeni : public Window {
 public:
  explicit Tokno_vlozeni(DictionaryStore& store, QWidget* parent = nullptr);

  void ulozitClick();
  void zaskrtnuti();
  void zavrit_vkladaniClick();

  // The dictionary the headword goes to; its meanings go back to the other.
  Dict dictionary() const { return DoTSlovniku->isChecked() ? kTarvikCzech : kCzechTarvik; }

  EditBox* VSlovo;
  EditBox* VVyznam1;
  EditBox* VVyznam2;
  EditBox* VVyznam3;
  EditBox* VVyznam4;
  EditBox* VVyznam5;
  QPushButton* ulozit;
  QRadioButton* DoTSlovniku;
  QRadioButton* DoCSlovniku;
  QLabel* text_uvlozeni;
  QLabel* text_uvlozeni2;
  QPushButton* zavrit_vkladani;
  QCheckBox* dodruhehos;

 private:
  void createControls();
  void resetMeanings();
  std::array<EditBox*, kMeaningCount> meaningBoxes() const;

  DictionaryStore& store;
};
