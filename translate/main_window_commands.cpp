// The main window's commands besides translating: texts in and out,
// direction, the look-up options, the dictionary exports and the editor.

#include "cp1250.h"
#include "file_dialogs.h"
#include "text_file.h"
#include "main_window.h"
#include "meaning_choices.h"
#include "stored_choices.h"
#include "word_forms_loading.h"

namespace {

const std::string kTextFilter = cp1250Text("Textové soubory|*.txt");

}  // namespace

void Tokno::Noveklad1Click() {
  Vstup->setContent("Vstup");
  Vystup->setContent(cp1250Text("Výstup"));
  resetWalk();
  resetGrid();
}

void Tokno::Slovnk2Click() { others->showBrowser(); }

void Tokno::Otevtoriginl1Click() {
  std::optional<ChosenFile> file = askFileToOpen(this, kTextFilter);
  if (!file) return;
  Vstup->setContent("");
  StatusBar1->setPanelText(0, cp1250Text("Otevřen soubor ") + file->shown);
  loadTextFile(file->path);
  resetWalk();
}

void Tokno::loadTextFile(const std::string& path) {
  for (const std::string& line : readTextFile(Folder(), path)) Vstup->appendLine(line);
}

void Tokno::Uloizvystupdosouboru1Click() {
  std::optional<ChosenFile> file = askFileToSave(this, kTextFilter, "preklad.txt");
  if (!file) return;
  saveFileName = file->path;
  StatusBar1->setPanelText(0, cp1250Text("Uloženo do souboru ") + file->shown);
  saveTextFile(Vystup->content(), saveFileName);
}

void Tokno::saveTextFile(const std::string& text, const std::string& path) {
  // The text's lines are CR LF apart already; the last gets its own.
  writeTextFile(Folder(), path, joinTextLines({text}));
}

void Tokno::Konec1Click() { close(); }

void Tokno::Editaceslovnku1Click() { others->showEditor(); }

void Tokno::Npovda1Click() { others->showHelp(); }

void Tokno::About1Click() { others->showAbout(); }

void Tokno::Ulozitdotextovhosouboru1Click() {
  store.exportDictionary(kTarvikCzech);
  StatusBar1->setPanelText(0, cp1250Text("Slovník byl uložen od souboru tc_slovnik.txt"));
}

void Tokno::UloitCTslovnkdotextsouboru1Click() {
  store.exportDictionary(kCzechTarvik);
  StatusBar1->setPanelText(0, cp1250Text("Slovník byl uložen od souboru ct_slovnik.txt"));
}

void Tokno::Podlev1Click() { Podlev1->setChecked(!Podlev1->isChecked()); }

void Tokno::searchItemClick() { others->showSearch(direction(), lookupOptions()); }

void Tokno::wordFormsItemClick() {
  const bool on = !wordFormsItem->isChecked();
  wordFormsItem->setChecked(on);
  storeChoice(kWordFormsChoice, on);
  loadWordFormsIfUsed();
}

void Tokno::withoutDiacriticsItemClick() {
  const bool on = !withoutDiacriticsItem->isChecked();
  withoutDiacriticsItem->setChecked(on);
  storeChoice(kWithoutDiacriticsChoice, on);
}

// Off, the words looked up are no longer added; those already kept stay
// until the history is cleared.
void Tokno::rememberWordsItemClick() {
  const bool on = !rememberWordsItem->isChecked();
  rememberWordsItem->setChecked(on);
  storeChoice(kRememberWordsChoice, on);
  history.setRecording(on);
}

void Tokno::clearHistoryItemClick() { history.clear(); }

// Off, the grid's clicks are no longer remembered nor the remembered
// meanings used; those kept stay in volby.txt for when it is on again.
void Tokno::rememberMeaningsItemClick() {
  const bool on = !rememberMeaningsItem->isChecked();
  rememberMeaningsItem->setChecked(on);
  storeChoice(kRememberMeaningsChoice, on);
}

// Months of choices may go at once, so it asks first.
void Tokno::forgetMeaningsItemClick() {
  if (!others->ask(cp1250Text("Opravdu zapomenout všechny zvolené významy?"))) return;
  store.meaningChoices().clear();
  vyberslov->clearMarks();
  StatusBar1->setPanelText(0, cp1250Text("Zvolené významy byly zapomenuty"));
}

// Word forms remembered from the last run load once the window is up, never
// before it: the start of the program does not wait for them. Only Czech
// words have forms, so a translation to Czech needs none, nor hears that
// their data is missing.
void Tokno::loadWordFormsIfUsed() {
  if (wordFormsItem->isChecked() && holdsCzechWords(direction(), false)) wordFormsLoader.loadInBackground();
}

void Tokno::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  loadWordFormsIfUsed();
}

// The direction is the tick of the menu items; the tool button, its hint and
// the status panel mirror it. The button's picture is the button's own.
void Tokno::showDirection(bool toTarvik) {
  const char* caption = toTarvik ? "Do tarvikštiny" : "Do češtiny";
  (toTarvik ? Dotarviktiny1 : Doetiny1)->setChecked(true);
  ToolButton9->setChecked(toTarvik);
  ToolButton9->setToolTip(QString::fromUtf8(caption));
  nameDirectionButton(toTarvik);
  StatusBar1->setPanelText(1, cp1250Text(caption));
  resetWalk();
  loadWordFormsIfUsed();
}

// A screen reader hears the direction that is on, whichever way it reads the
// button's down state: its hint names the direction too, but only on hover.
void Tokno::nameDirectionButton(bool toTarvik) {
  ToolButton9->setAccessibleName(QString::fromUtf8(toTarvik ? "Směr překladu: do tarvikštiny"
                                                             : "Směr překladu: do češtiny"));
}

void Tokno::Doetiny1Click() { showDirection(false); }

void Tokno::Dotarviktiny1Click() { showDirection(true); }

void Tokno::ToolButton9Click() {
  bool toTarvik = ToolButton9->isChecked();
  ToolButton9->setIcon(toolPicture(toTarvik ? 7 : 6));
  showDirection(toTarvik);
}

// Only the tool buttons follow the text. The menu items, and with them F4
// and F5, stay enabled whatever the box holds, as our users know them: on an
// empty box all at once leaves the output empty and a step writes an empty
// line, so there is nothing to keep the keys from.
void Tokno::vstupnikontrola() {
  bool any = Vstup->contentLength() > 0;
  ToolButton6->setEnabled(any);
  ToolButton4->setEnabled(any);
}

void Tokno::vymazatvstup() {
  // Only the placeholder goes: a text of the user's that happens to start
  // with the same five letters stays.
  if (Vstup->content() == "Vstup") Vstup->setContent("");
}
