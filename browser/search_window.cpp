#include "search_window.h"

#include <algorithm>

#include "cp1250.h"
#include "found_text.h"
#include "qt_text.h"
#include "word_forms_loading.h"

namespace {

constexpr int kClientWidth = 457;
constexpr int kClientHeight = 300;
constexpr int kStatusHeight = 19;

}  // namespace

SearchWindow::SearchWindow(DictionaryStore& store, WordFormsLoader& wordFormsLoader, LookupHistory& history,
                           QWidget* parent)
    : Window("Hledat", kClientWidth, kClientHeight, parent),
      store(store),
      wordFormsLoader(wordFormsLoader),
      history(history) {
  placeAt(380, 200);
  createControls();
  connectHandlers();
}

void SearchWindow::createControls() {
  text = new EditBox(this);
  text->setGeometry(8, 8, 441, 21);
  nameForScreenReader(text, "Hledaný text");
  recall = new WordRecall(text);

  found = new QStandardItemModel(0, 3, this);
  found->setHorizontalHeaderLabels({"Heslo", QString::fromUtf8("Významy"), "Nalezeno"});
  results = new ModelGrid(this);
  results->setModel(found);
  results->setGeometry(8, 36, 441, 170);
  results->setRowHeights(16);
  results->setColWidth(0, 115);
  results->setColWidth(1, 167);
  results->setColWidth(2, 140);
  nameForScreenReader(results, "Nalezená hesla");

  tarvikCzech = choice<QRadioButton>(this, "Tarviksko-český", QRect(8, 212, 120, 19), true);
  czechTarvik = choice<QRadioButton>(this, "Česko-tarvikský", QRect(128, 212, 120, 19), false);
  headwords = choice<QRadioButton>(this, "Hesla", QRect(272, 212, 72, 19), true);
  meanings = choice<QRadioButton>(this, "Významy", QRect(344, 212, 80, 19), false);
  wordForms = choice<QCheckBox>(this, "Hledat i tvary slov", QRect(8, 236, 140, 19), false);
  withoutDiacritics = choice<QCheckBox>(this, "Hledat i bez diakritiky", QRect(156, 236, 170, 19), false);
  fitCaptions({tarvikCzech, czechTarvik, headwords, meanings});
  fitCaptions({wordForms, withoutDiacritics});
  zavrit = addButton("Zavřít", QRect(360, 236, 89, 25));
  setCancelButton(zavrit);

  StatusBar1 = new StatusPanels({kClientWidth}, this);
  StatusBar1->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
  nameForScreenReader(StatusBar1, "Stav");

  QWidget* order[] = {text,     results,   tarvikCzech,       czechTarvik, headwords,
                      meanings, wordForms, withoutDiacritics, zavrit};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  makeRadioPair(tarvikCzech, czechTarvik);
  makeRadioPair(headwords, meanings);
}

void SearchWindow::connectHandlers() {
  onEvent(text, &EditBox::changed, this, &SearchWindow::search);
  onEvent(text, &QLineEdit::returnPressed, this, &SearchWindow::searchSettled);
  for (QRadioButton* button : {tarvikCzech, czechTarvik, headwords, meanings})
    onSelected(button, this, &SearchWindow::search);
  for (QRadioButton* button : {tarvikCzech, czechTarvik}) onSelected(button, this, &SearchWindow::offerHistory);
  onEvent(wordForms, &QCheckBox::toggled, this, &SearchWindow::search);
  onEvent(withoutDiacritics, &QCheckBox::toggled, this, &SearchWindow::search);
  onEvent(results, &ModelGrid::chosen, this, &SearchWindow::showChosen);
  QObject::connect(zavrit, &QPushButton::clicked, this, &Window::close);
  onEvent(this, &Window::activated, this, &SearchWindow::searchAgain);
  onEvent(this, &Window::activated, this, &SearchWindow::offerHistory);
  onEvent(this, &Window::left, this, &SearchWindow::rememberFound);
}

void SearchWindow::showFor(Dict dict, const LookupOptions& options) {
  byPronunciation = options.byPronunciation;
  (dict == kTarvikCzech ? tarvikCzech : czechTarvik)->setChecked(true);
  wordForms->setChecked(options.forms);
  withoutDiacritics->setChecked(options.ignoreDiacritics);
  text->selectAll();
  text->setFocus();
  showModeless();
  // After the showing: a history that cannot be read keeps no search from the user.
  offerHistory();
}

void SearchWindow::searchSettled() {
  search();
  remember();
}

void SearchWindow::rememberFound() {
  if (foundSome) remember();
}

void SearchWindow::remember() {
  const std::string word = text->content();
  std::string now = static_cast<char>(dictionary()) + word;
  if (word.find_first_not_of(' ') == std::string::npos || now == remembered) return;
  history.remember(dictionary(), word);
  remembered = std::move(now);
  offerHistory();
}

void SearchWindow::offerHistory() { recall->setWords(history.wordsFor(dictionary())); }

void SearchWindow::search() {
  if (list()) results->setSelectedRow(1);
}

void SearchWindow::searchAgain() {
  const int row = results->selectedRow();
  if (list()) results->setSelectedRow(std::max(row, 1));
}

bool SearchWindow::list() {
  found->setRowCount(0);
  positions.clear();
  foundSome = false;
  // The data loads off this thread; the search runs again once it is there.
  // Only Czech words have forms: Czech headwords, and the meanings of Tarvik ones.
  const bool formsApply = wordForms->isChecked() && holdsCzechWords(dictionary(), !headwords->isChecked());
  if (formsApply && !wordFormsLoader.loadInBackground(this, [this] { search(); })) {
    StatusBar1->setPanelText(0, cp1250Text("Načítají se tvary slov…"));
    return false;
  }
  const std::string word = text->content();
  if (word.find_first_not_of(' ') == std::string::npos) {
    StatusBar1->setPanelText(0, "");
    return true;
  }
  const Dict dict = dictionary();
  std::vector<FoundEntry> entries =
      headwords->isChecked() ? store.findAllWords(word, dict, options()) : store.searchMeanings(word, dict, options());
  const EntriesSnapshot records = store.entriesNow(dict);
  for (const FoundEntry& entry : entries) addRow(records, entry.position, howFound(entry.how, entry.baseForm));
  if (!entries.empty()) {
    foundSome = true;
    StatusBar1->setPanelText(0, "Nalezeno: " + std::to_string(entries.size()));
    return true;
  }
  // Headwords near the text, not meanings: a mistyped headword is the miss
  // they can mend.
  std::vector<Suggestion> near;
  if (headwords->isChecked()) near = store.suggestWords(word, dict);
  for (const Suggestion& s : near)
    addRow(records, s.position, howNear(s.distance));
  const std::string count = std::to_string(near.size());
  StatusBar1->setPanelText(0, near.empty() ? "Nenalezeno" : cp1250Text("Nenalezeno, podobná hesla: ") + count);
  return true;
}

void SearchWindow::addRow(const EntriesSnapshot& records, long position, const std::string& how) {
  // A record written after the search looked is not in the snapshot.
  const long index = position - 1;
  if (index < 0 || index >= records.count()) return;
  found->appendRow({new QStandardItem(toQt(records.headword(index))), new QStandardItem(toQt(meaningsOf(records, index))),
                    new QStandardItem(toQt(how))});
  positions.push_back(position);
}

void SearchWindow::showChosen() {
  const int row = results->selectedRow();
  if (row == 0) return;
  if (showInBrowser) showInBrowser(dictionary(), positions[row - 1]);
  remember();
}
