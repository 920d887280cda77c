// The browser's handlers: the direction, the lookup with its listing, the
// search as the user types, the pronunciation of the selected row, and a
// record chosen in another window.

#include <utility>

#include "cp1250.h"
#include "browser_window.h"
#include "meaning_list.h"
#include "qt_text.h"

void Tukaz_slovnik::zaskrtnuti() {
  if (docestiny->isChecked()) {
    slova->setHeadings(cp1250Text("Tarvikské slova"), cp1250Text("Významy v češtině"));
    podlevyslovnosti->setEnabled(true);
    podlevyslovnosti->setChecked(ulozenavyslovnost);
  } else {
    slova->setHeadings(cp1250Text("České slova"), cp1250Text("Významy v tarvikštině"));
    ulozenavyslovnost = podlevyslovnosti->isChecked();
    podlevyslovnosti->setEnabled(false);
    podlevyslovnosti->setChecked(false);
  }
  prelozitClick();
}

void Tukaz_slovnik::prelozitClick() {
  const Dict dict = direction();
  const bool byPronunciation = podlevyslovnosti->isChecked();
  const std::string text = fromQt(najit->text());
  slova->list(dict);
  FoundWord found = store.findWord(text, dict, byPronunciation);
  // A pronunciation key writes a doubled letter once, so a word typed as it
  // sounds with the letter doubled is found only through its spelling.
  if (!found.found && byPronunciation && dict == kTarvikCzech)
    found = store.findWord(spellTarvik(text), dict, byPronunciation);
  StatusBar1->setPanelText(0, found.found ? "Nalezeno" : "Nenalezeno");
  StatusBar1->setPanelText(1, cp1250Text("Počet slovíček : ") + std::to_string(store.entryCount(dict)));
  selectEntry(found.position);
  clicknavypis();
}

void Tukaz_slovnik::rememberWord() { history.remember(direction(), fromQt(najit->text())); }

void Tukaz_slovnik::stiskklavesy() {
  if (!okamzite->isChecked()) return;
  const Dict dict = direction();
  const std::string text = fromQt(najit->text());
  long position = store.findPrefix(text, dict);
  if (position == 0 && podlevyslovnosti->isChecked() && dict == kTarvikCzech)
    position = store.findPrefix(spellTarvik(text), dict);
  if (position != 0) selectEntry(position);
  StatusBar1->setPanelText(0, cp1250Text(position != 0 ? "Nalezena část" : "Část nenalezena"));
}

void Tukaz_slovnik::selectEntry(long position) {
  if (std::optional<int> row = slova->firstRowOf(position))
    vypis_slovicek->setSelectedRow(*row);
  else
    vypis_slovicek->selectNoRow();
}

void Tukaz_slovnik::clicknavypis() {
  const int row = vypis_slovicek->selectedRow();
  // The Tarvik word: the headword going to Czech, the meaning going to Tarvik.
  const int tarvikColumn = direction() == kTarvikCzech ? 0 : 1;
  StatusBar1->setPanelText(2, row == 0 ? std::string() : pronounceTarvik(slova->text(tarvikColumn, row)));
}

void Tukaz_slovnik::zavritClick() { close(); }

void Tukaz_slovnik::lookUpOnActivation() {
  if (!std::exchange(entryShown, false)) prelozitClick();
}

void Tukaz_slovnik::showEntry(Dict dict, long position) {
  (dict == kTarvikCzech ? docestiny : dotarvikstiny)->setChecked(true);
  najit->setText(toQt(store.readEntry(dict, position - 1).slovo));
  prelozitClick();
  selectEntry(position);
  clicknavypis();
  entryShown = !isActiveWindow();
  showModeless();
}
