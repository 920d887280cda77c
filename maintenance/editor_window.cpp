#include "editor_window.h"

#include "cp1250.h"
#include "question_window.h"
#include "insertion_window.h"

namespace {

constexpr int kClientWidth = 316;
constexpr int kClientHeight = 227;
constexpr int kStatusHeight = 19;

std::string& field(Tslovicko& entry, int i) { return i == 0 ? entry.slovo : entry.vyznam(i); }

}  // namespace

Tokno_editace::Tokno_editace(DictionaryStore& store, QWidget* parent)
    : Window("Editace slovníku", kClientWidth, kClientHeight, parent), store(store) {
  createControls();
  connectHandlers();
  runGuarded([this] { priotevreni(); });
}

void Tokno_editace::createControls() {
  // Created in the order that Tab visits them.
  edit_slovo = editBox(this, QRect(8, 8, 121, 21), "Heslo");
  edit_vyznam1 = editBox(this, QRect(140, 8, 145, 21), "Význam 1");
  edit_vyznam2 = editBox(this, QRect(140, 38, 145, 21), "Význam 2");
  edit_vyznam3 = editBox(this, QRect(140, 68, 145, 21), "Význam 3");
  edit_vyznam4 = editBox(this, QRect(140, 98, 145, 21), "Význam 4");
  edit_vyznam5 = editBox(this, QRect(140, 128, 145, 21), "Význam 5");
  ScrollBar1 = new ScrollBar(this);
  ScrollBar1->setGeometry(291, 8, 17, 153);
  nameForScreenReader(ScrollBar1, "Listování slovníkem");
  nove = addButton("Nové slovíčko", QRect(8, 38, 121, 25));
  vymazat = addButton("Vymazat", QRect(8, 68, 121, 25));
  upravit = addButton("Upravit", QRect(8, 98, 121, 25));
  zavrit = addButton("Zavřít", QRect(8, 128, 121, 25));
  ct_slovnik = new QRadioButton(QString::fromUtf8("Česko - Tarvikský"), this);
  ct_slovnik->setGeometry(8, 172, 140, 17);
  tc_slovnik = new QRadioButton(QString::fromUtf8("Tarviksko - český"), this);
  tc_slovnik->setGeometry(160, 172, 148, 17);
  tc_slovnik->setChecked(true);
  makeRadioPair(ct_slovnik, tc_slovnik);
  StatusBar1 = new StatusPanels({150, 150}, this);
  StatusBar1->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
  nameForScreenReader(StatusBar1, "Stav");
  StatusBar1->setPanelText(0, cp1250Text("Počet slovíček"));
  StatusBar1->setPanelText(1, "Status");
}

void Tokno_editace::connectHandlers() {
  onEvent(ScrollBar1, &ScrollBar::changed, this, &Tokno_editace::priotevreni);
  onSelected(tc_slovnik, this, &Tokno_editace::prepnuti);
  onSelected(ct_slovnik, this, &Tokno_editace::prepnuti);
  onEvent(upravit, &QPushButton::clicked, this, &Tokno_editace::upravitClick);
  onEvent(vymazat, &QPushButton::clicked, this, &Tokno_editace::vymazatClick);
  onEvent(nove, &QPushButton::clicked, this, &Tokno_editace::noveClick);
  onEvent(zavrit, &QPushButton::clicked, this, &Tokno_editace::zavritClick);
}

std::array<EditBox*, kFieldCount> Tokno_editace::fieldBoxes() const {
  return {edit_slovo, edit_vyznam1, edit_vyznam2, edit_vyznam3, edit_vyznam4, edit_vyznam5};
}

void Tokno_editace::priotevreni() {
  // Only an entry on show can be written over or deleted: a load that fails
  // part way leaves empty boxes, which "Upravit" would write over the entry.
  vymazat->setEnabled(false);
  upravit->setEnabled(false);
  for (EditBox* box : fieldBoxes()) box->setContent("");
  StatusBar1->setPanelText(1, "Status");
  long count = store.entryCount(dictionary());
  if (count == 0) StatusBar1->setPanelText(1, cp1250Text("Ve slovníku není žádné slovíčko!"));
  StatusBar1->setPanelText(0, cp1250Text("Počet slovíček : ") + std::to_string(count));
  // The range is set before the entry is read: when the dictionary has
  // shrunk behind our back (the command line works on the same files), a
  // position past its end moves down to the last entry, whose load runs
  // inside this one, instead of reading beyond the end of the file.
  ScrollBar1->setEnabled(count > 0);
  ScrollBar1->setMax(static_cast<int>(count) - 1);
  if (count == 0) return;
  nactene_slovicko = store.readEntry(dictionary(), ScrollBar1->position());
  for (int i = 0; i < static_cast<int>(kFieldCount); ++i)
    fieldBoxes()[i]->setContent(field(nactene_slovicko, i));
  vymazat->setEnabled(true);
  upravit->setEnabled(true);
}

void Tokno_editace::prepnuti() {
  ScrollBar1->setPosition(0);
  priotevreni();
}

void Tokno_editace::upravitClick() {
  Tslovicko edited;
  for (int i = 0; i < static_cast<int>(kFieldCount); ++i)
    field(edited, i) = fitField(upcaseCzText(fieldBoxes()[i]->content()));
  store.writeEntry(dictionary(), ScrollBar1->position(), edited);
  StatusBar1->setPanelText(1, "Upraveno");
}

void Tokno_editace::vymazatClick() {
  if (!askQuestion("Opravdu smazat " + nactene_slovicko.slovo + "?")) return;
  store.deleteEntry(ScrollBar1->position(), dictionary());
  prepnuti();
  StatusBar1->setPanelText(1, cp1250Text("Smazáno"));
}

void Tokno_editace::noveClick() {
  insertion->DoTSlovniku->setChecked(tc_slovnik->isChecked());
  insertion->DoCSlovniku->setChecked(ct_slovnik->isChecked());
  insertion->showModal();
  prepnuti();
}

void Tokno_editace::zavritClick() { close(); }
