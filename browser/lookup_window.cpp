#include "lookup_window.h"

#include <QSignalBlocker>

#include "cp1250.h"
#include "found_text.h"
#include "lookup_request.h"
#include "qt_text.h"
#include "selected_text.h"
#include "word_forms_loading.h"

namespace {

constexpr int kClientWidth = 520;
constexpr int kClientHeight = 240;
constexpr int kStatusHeight = 19;

constexpr Dict kBothDictionaries[] = {kTarvikCzech, kCzechTarvik};

}  // namespace

LookupWindow::LookupWindow(DictionaryStore& store, WordFormsLoader& wordFormsLoader, QWidget* parent)
    : Window("Vyhledat", kClientWidth, kClientHeight, parent), store(store), wordFormsLoader(wordFormsLoader) {
  createControls();
  connectHandlers();
}

void LookupWindow::createControls() {
  text = new EditBox(this);
  text->setGeometry(8, 8, 504, 21);
  nameForScreenReader(text, "Hledané slovo");

  found = new QStandardItemModel(0, 4, this);
  found->setHorizontalHeaderLabels({QString::fromUtf8("Slovník"), "Heslo", QString::fromUtf8("Významy"), "Nalezeno"});
  results = new ModelGrid(this);
  results->setModel(found);
  results->setGeometry(8, 36, 504, 150);
  results->setRowHeights(16);
  results->setColWidth(0, 48);
  results->setColWidth(1, 115);
  results->setColWidth(2, 195);
  results->setColWidth(3, 122);
  nameForScreenReader(results, "Nalezená hesla");

  zavrit = addButton("Zavřít", QRect(423, 192, 89, 25));
  setCancelButton(zavrit);

  StatusBar1 = new StatusPanels({kClientWidth}, this);
  StatusBar1->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
  nameForScreenReader(StatusBar1, "Stav");

  setTabOrder(text, results);
  setTabOrder(results, zavrit);
}

void LookupWindow::connectHandlers() {
  onEvent(text, &EditBox::changed, this, &LookupWindow::relist);
  onEvent(text, &QLineEdit::returnPressed, this, &LookupWindow::showChosen);
  onEvent(results, &ModelGrid::chosen, this, &LookupWindow::showChosen);
  QObject::connect(zavrit, &QPushButton::clicked, this, &Window::close);
}

void LookupWindow::showFor(const std::string& word, const LookupOptions& lookupOptions) {
  options = lookupOptions;
  const WordsToLookUp words = wordsToLookUp(word);
  rememberWhenListed = true;
  {
    // Listed once below, also when the word is the one shown already.
    const QSignalBlocker quiet(text);
    text->setContent(words.second.empty() ? words.first : words.first + ' ' + words.second);
  }
  relist();
  if (!shownWord.empty() && shownWord != text->content()) {
    // The box shows the word looked up, not the word after it.
    const QSignalBlocker quiet(text);
    text->setContent(shownWord);
  }
  appear();
}

void LookupWindow::showForSelection(const LookupOptions& lookupOptions) {
  options = lookupOptions;
  found->setRowCount(0);
  places.clear();
  text->setContent("");
  StatusBar1->setPanelText(0, cp1250Text("Čte se vybraný text…"));
  takeSelectedText(this, [this](const std::string& selected) {
    if (wordsToLookUp(selected).first.empty()) {
      StatusBar1->setPanelText(0, cp1250Text("Ve výběru ani ve schránce není žádné slovo."));
      return;
    }
    showFor(selected, options);
  });
  appear();
}

void LookupWindow::appear() {
  if (!isVisible()) placeNearPointer();
  showModeless();
  results->setFocus();
}

void LookupWindow::relist() {
  if (list()) results->setSelectedRow(1);
}

bool LookupWindow::list() {
  found->setRowCount(0);
  places.clear();
  shownWord.clear();
  const WordsToLookUp words = wordsToLookUp(text->content());
  if (words.first.empty()) {
    StatusBar1->setPanelText(0, "");
    return true;
  }
  if (options.forms && !wordFormsLoader.loadInBackground(this, [this] { relist(); })) {
    StatusBar1->setPanelText(0, cp1250Text("Načítají se tvary slov…"));
    return false;
  }
  for (Dict dict : kBothDictionaries) listIn(dict, words.first, words.second);
  if (shownWord.empty()) shownWord = words.first;
  if (!places.empty()) {
    StatusBar1->setPanelText(0, "Nalezeno: " + std::to_string(places.size()));
  } else {
    for (Dict dict : kBothDictionaries) {
      const EntriesSnapshot records = store.entriesNow(dict);
      for (const Suggestion& s : store.suggestWords(words.first, dict))
        addRow(dict, records, s.position, howNear(s.distance));
    }
    const std::string count = std::to_string(places.size());
    StatusBar1->setPanelText(0, places.empty() ? "Nenalezeno" : cp1250Text("Nenalezeno, podobná hesla: ") + count);
  }
  if (rememberWhenListed) remember();
  return true;
}

// The two words as a phrase first, as a translation takes them.
void LookupWindow::listIn(Dict dict, const std::string& first, const std::string& second) {
  std::vector<FoundEntry> entries;
  if (!second.empty()) {
    const std::string phrase = first + ' ' + second;
    entries = store.findAllWords(phrase, dict, options);
    if (!entries.empty()) shownWord = phrase;
  }
  if (entries.empty()) entries = store.findAllWords(first, dict, options);
  const EntriesSnapshot records = store.entriesNow(dict);
  for (const FoundEntry& entry : entries) addRow(dict, records, entry.position, howFound(entry.how, entry.baseForm));
}

void LookupWindow::addRow(Dict dict, const EntriesSnapshot& records, long position, const std::string& how) {
  const long index = position - 1;
  if (index < 0 || index >= records.count()) return;
  const char* direction = dict == kTarvikCzech ? "T-Č" : "Č-T";
  found->appendRow({new QStandardItem(QString::fromUtf8(direction)), new QStandardItem(toQt(records.headword(index))),
                    new QStandardItem(toQt(meaningsOf(records, index))), new QStandardItem(toQt(how))});
  places.emplace_back(dict, position);
}

void LookupWindow::remember() {
  rememberWhenListed = false;
  if (shownWord.empty()) return;
  rememberedWord = shownWord;
  if (lookedUp) lookedUp(places.empty() ? kTarvikCzech : places.front().first, shownWord);
}

void LookupWindow::showChosen() {
  const int row = results->selectedRow();
  if (row == 0 || static_cast<std::size_t>(row) > places.size()) return;
  // A word typed over is looked up deliberately once the user takes an entry of it.
  if (shownWord != rememberedWord) remember();
  const auto [dict, position] = places[row - 1];
  close();
  if (showInBrowser) showInBrowser(dict, position);
}
