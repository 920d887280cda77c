#include "program_windows.h"

#include "qt_text.h"

void BrowserForDemo::showEmptySearch() {
  browser.showModeless();
  browser.najit->setText("");
}

void BrowserForDemo::typeIntoSearch(char c) {
  QLineEdit* search = browser.najit;
  search->setText(search->text() + toQt(std::string(1, c)));
  search->setCursorPosition(static_cast<int>(search->text().size()));
}

// The handler alone, not a click: the demonstration's words are no look-ups
// of the user's, to be remembered.
void BrowserForDemo::clickPrelozit() { browser.prelozitClick(); }

void BrowserForDemo::close() { browser.close(); }

// The order is spelt out in both directions rather than left to the order of
// the declarations, which a tidy-up could change.
Windows::Windows(DictionaryStore& store, WordFormsLoader& wordFormsLoader, LookupHistory& history) {
  okno = std::make_unique<Tokno>(store, wordFormsLoader, history);
  okno_vlozeni = std::make_unique<Tokno_vlozeni>(store);
  ukaz_slovnik = std::make_unique<Tukaz_slovnik>(store, history);
  about = std::make_unique<Tabout>();
  okno_editace = std::make_unique<Tokno_editace>(store);
  Otazka = std::make_unique<TOtazka>();
  pri_otevreni = std::make_unique<Tpri_otevreni>();
  napoveda = std::make_unique<Tnapoveda>(store);
  hledat = std::make_unique<SearchWindow>(store, wordFormsLoader, history);
  vyhledat = std::make_unique<LookupWindow>(store, wordFormsLoader);
  demoBrowser = std::make_unique<BrowserForDemo>(*ukaz_slovnik);
  okno->others = this;
  okno->demoBrowser = demoBrowser.get();
  okno_editace->insertion = okno_vlozeni.get();
  napoveda->startDemo = [this] { okno->startDemo(); };
  hledat->showInBrowser = [this](Dict dict, long position) { ukaz_slovnik->showEntry(dict, position); };
  vyhledat->showInBrowser = hledat->showInBrowser;
  vyhledat->lookedUp = [&history](Dict dict, const std::string& word) { history.remember(dict, word); };
}

Windows::~Windows() {
  vyhledat.reset();
  hledat.reset();
  napoveda.reset();
  pri_otevreni.reset();
  Otazka.reset();
  okno_editace.reset();
  about.reset();
  ukaz_slovnik.reset();
  okno_vlozeni.reset();
  okno.reset();
}

void Windows::showBrowser() { ukaz_slovnik->showModeless(); }

void Windows::showHelp() { napoveda->showModeless(); }

void Windows::showEditor() { okno_editace->showModal(); }

void Windows::showAbout() { about->showModal(); }

bool Windows::ask(std::string_view question) { return askQuestion(question); }

void Windows::showSearch(Dict dict, const LookupOptions& options) { hledat->showFor(dict, options); }

void Windows::showMainWindow() {
  // The first showing is the start's, splash first.
  if (!mainWindowAsked) {
    mainWindowAsked = true;
    pri_otevreni->showModal();
    okno->show();
    return;
  }
  okno->show();
  okno->raise();
  okno->activateWindow();
}

void Windows::lookUp(const std::string& text) { vyhledat->showFor(text, okno->lookupOptions()); }

void Windows::lookUpSelection() { vyhledat->showForSelection(okno->lookupOptions()); }
