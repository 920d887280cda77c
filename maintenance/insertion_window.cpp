#include "insertion_window.h"

#include "controls.h"
#include "cp1250.h"

namespace {

constexpr int kClientWidth = 324;
constexpr int kClientHeight = 233;

std::string meaningPlaceholder(int slot) { return cp1250Text("Význam ") + static_cast<char>('0' + slot); }

std::string headwordPlaceholder(Dict dict) {
  return cp1250Text(dict == kTarvikCzech ? "Tarvikské slovo" : "České slovo");
}

QLabel* hintLine(QWidget* window, int top, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text), window);
  label->setGeometry(8, top, kClientWidth - 16, 15);
  condenseToFit(label);
  return label;
}

}  // namespace

Tokno_vlozeni::Tokno_vlozeni(DictionaryStore& store, QWidget* parent)
    : Window("Vložit slovíčko", kClientWidth, kClientHeight, parent), store(store) {
  createControls();
  onEvent(ulozit, &QPushButton::clicked, this, &Tokno_vlozeni::ulozitClick);
  onEvent(zavrit_vkladani, &QPushButton::clicked, this, &Tokno_vlozeni::zavrit_vkladaniClick);
  onSelected(DoTSlovniku, this, &Tokno_vlozeni::zaskrtnuti);
  onSelected(DoCSlovniku, this, &Tokno_vlozeni::zaskrtnuti);
}

void Tokno_vlozeni::createControls() {
  // Created in the order that Tab visits them.
  VSlovo = editBox(this, QRect(8, 8, 145, 21), "Heslo");
  VSlovo->setContent(headwordPlaceholder(kTarvikCzech));
  VVyznam1 = editBox(this, QRect(168, 8, 148, 21), "Význam 1");
  VVyznam2 = editBox(this, QRect(168, 38, 148, 21), "Význam 2");
  VVyznam3 = editBox(this, QRect(168, 68, 148, 21), "Význam 3");
  VVyznam4 = editBox(this, QRect(168, 98, 148, 21), "Význam 4");
  VVyznam5 = editBox(this, QRect(168, 128, 148, 21), "Význam 5");
  resetMeanings();
  ulozit = addButton("Vložit slovíčko", QRect(8, 38, 145, 25));
  zavrit_vkladani = addButton("Zavřít", QRect(8, 68, 145, 25));
  DoTSlovniku = new QRadioButton(QString::fromUtf8("Tarviksko - český"), this);
  DoTSlovniku->setGeometry(8, 102, 150, 17);
  DoTSlovniku->setChecked(true);
  DoCSlovniku = new QRadioButton(QString::fromUtf8("Česko - tarvikský"), this);
  DoCSlovniku->setGeometry(8, 122, 150, 17);
  makeRadioPair(DoTSlovniku, DoCSlovniku);
  dodruhehos = new QCheckBox(QString::fromUtf8("Vložit do druhého slovníku"), this);
  dodruhehos->setGeometry(8, 160, 300, 17);
  dodruhehos->setChecked(true);
  text_uvlozeni = hintLine(this, 192, "Pokud má slovo méně jak 5 významů tak neměňte hodnoty u");
  text_uvlozeni2 = hintLine(this, 208, "přebejvajících editačních okýnek.");
}

std::array<EditBox*, kMeaningCount> Tokno_vlozeni::meaningBoxes() const {
  return {VVyznam1, VVyznam2, VVyznam3, VVyznam4, VVyznam5};
}

void Tokno_vlozeni::resetMeanings() {
  for (int slot = 1; slot <= kMeaningCount; ++slot) meaningBoxes()[slot - 1]->setContent(meaningPlaceholder(slot));
}

void Tokno_vlozeni::ulozitClick() {
  GivenMeanings given;
  for (int slot = 1; slot <= kMeaningCount; ++slot) {
    std::string text = meaningBoxes()[slot - 1]->content();
    if (text != meaningPlaceholder(slot)) given[slot - 1] = text;
  }
  // A failure part way leaves the entries inserted so far in their
  // dictionaries and the boxes as the user filled them, for another try.
  store.insertWord(VSlovo->content(), given, dictionary(), dodruhehos->isChecked());
  zaskrtnuti();
  resetMeanings();
}

void Tokno_vlozeni::zaskrtnuti() { VSlovo->setContent(headwordPlaceholder(dictionary())); }

void Tokno_vlozeni::zavrit_vkladaniClick() { close(); }
