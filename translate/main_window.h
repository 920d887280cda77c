#pragma once

// The main window: the input box Vstup, the meaning grid vyberslov and the
// output box Vystup, with the commands that translate, open and save texts,
// switch the direction and export the dictionaries.

#include <QAction>
#include <QMainWindow>
#include <QTimer>
#include <QToolButton>
#include <cstdint>
#include <string>

#include "controls.h"
#include "memo.h"
#include "dictionary_store.h"
#include "lookup_history.h"
#include "meaning_grid.h"
#include "word_forms_loading.h"
#include "other_windows.h"
#include "string_grid.h"

// The walk of the step-by-step translation through the input box. Offsets
// and lengths count a line break as two characters.
struct TranslationWalk {
  int currentLine = -1;   // the line the last step translated; -1 after a reset
  int nextLineStart = 0;  // where the next step's line starts, for highlighting
  int doneLength = 0;     // the stepped lines' lengths, each with its line break
  int totalLength = 0;    // the whole input text at the last step
  int percentDone = 0;
};

// Keys of the look-up choices kept between runs.
constexpr const char* kWordFormsChoice = "lookup/wordForms";
constexpr const char* kWithoutDiacriticsChoice = "lookup/withoutDiacritics";
// On until the user turns it off.
constexpr const char* kRememberWordsChoice = "lookup/rememberWords";
// Off until the user turns it on.
constexpr const char* kRememberMeaningsChoice = "translate/rememberMeanings";

// Picture `index` of the main window's eight tool-bar pictures.
QIcon toolPicture(int index);

class Tokno : public QMainWindow {
 public:
  // Sets the history's recording to the choice kept from the last run.
  Tokno(DictionaryStore& store, WordFormsLoader& wordFormsLoader, LookupHistory& history, QWidget* parent = nullptr);

  // Commands: menu items, tool buttons and keys run these.
  void Noveklad1Click();
  void Slovnk2Click();
  void Otevtoriginl1Click();
  void Uloizvystupdosouboru1Click();
  void Konec1Click();
  void Npovda1Click();
  void About1Click();
  void Ulozitdotextovhosouboru1Click();
  void UloitCTslovnkdotextsouboru1Click();
  void Editaceslovnku1Click();
  void Podlev1Click();
  void searchItemClick();
  void wordFormsItemClick();
  void withoutDiacriticsItemClick();
  void rememberWordsItemClick();
  void clearHistoryItemClick();
  void rememberMeaningsItemClick();
  void forgetMeaningsItemClick();
  void Doetiny1Click();
  void Dotarviktiny1Click();
  void ToolButton9Click();
  void vstupnikontrola();
  void vymazatvstup();

  // Translation, all at once and step by step.
  void rychleprelozit();
  void prelozitClick();
  void selectCurrentLine();

  // The meaning grid, which each step empties, enables and fills.
  void vybyrani();
  void vymena();
  void dosadit();
  // Disabled, with the twelve empty columns of program start.
  void resetGrid();
  // Every cell empty, the columns as they are.
  void emptyGrid();
  // The meanings the user chose before, put into row 1 of a freshly filled
  // grid as a click would put them, and marked.
  void putRememberedMeanings();
  // The grid's choice of `chosen` for column `col`, kept and marked.
  void rememberChoice(int col, const std::string& chosen);
  // What a screen reader says of a cell of the grid (Windows-1250).
  std::string meaningCellName(int col, int row) const;

  // The demonstration.
  void startDemo();
  void Timer1Timer();

  void resetWalk();
  void loadTextFile(const std::string& path);
  void saveTextFile(const std::string& text, const std::string& path);

  Dict direction() const { return Doetiny1->isChecked() ? kTarvikCzech : kCzechTarvik; }
  bool byPronunciation() const { return Podlev1->isChecked(); }
  // The demonstration plays its script as written and leaves the user's
  // remembered meanings alone.
  bool withChoices() const { return rememberMeaningsItem->isChecked() && demoStep > kLastDemoStep; }
  LookupOptions lookupOptions() const {
    return {.byPronunciation = byPronunciation(),
            .forms = wordFormsItem->isChecked(),
            .ignoreDiacritics = withoutDiacriticsItem->isChecked()};
  }

  Memo* Vstup;
  StringGrid* vyberslov;
  Memo* Vystup;
  StatusPanels* StatusBar1;
  Gauge* Gauge1;
  QToolButton* nove;
  QToolButton* ToolButton1;
  QToolButton* ToolButton2;
  QToolButton* ToolButton9;
  QToolButton* ToolButton6;
  QToolButton* ToolButton4;
  QToolButton* ToolButton8;
  QAction* Noveklad1;
  QAction* Otevtoriginl1;
  QAction* Uloizvystupdosouboru1;
  QAction* Konec1;
  QAction* Peloitpomalu1;
  QAction* Peloitrychle1;
  QAction* rememberMeaningsItem;
  QAction* forgetMeaningsItem;
  QAction* Slovnk2;
  QAction* Editaceslovnku1;
  QAction* Ulozitdotextovhosouboru1;
  QAction* UloitCTslovnkdotextsouboru1;
  QAction* Podlev1;
  QAction* searchItem;
  QAction* wordFormsItem;
  QAction* withoutDiacriticsItem;
  QAction* rememberWordsItem;
  QAction* clearHistoryItem;
  QAction* Doetiny1;
  QAction* Dotarviktiny1;
  QAction* Npovda1;
  QAction* About1;
  QTimer* Timer1;
  std::string saveFileName;

  TranslationWalk walk;
  // Of the grid's columns since the last filling.
  std::vector<ItemPunctuation> gridPunctuation;
  // The demonstration's position in its script; above the last step when
  // none runs.
  static constexpr std::uint32_t kLastDemoStep = 42;
  std::uint32_t demoStep = 100;

  // Given by the shell once every window exists.
  OtherWindows* others = nullptr;
  DemoBrowser* demoBrowser = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void createControls(QWidget* client);
  void createToolBar(QWidget* client);
  void createMenus();
  void connectHandlers();
  void setProgress(int percent);
  void showDirection(bool toTarvik);
  void loadWordFormsIfUsed();
  void nameDirectionButton(bool toTarvik);
  void playDemoStep(std::uint32_t step);
  void updateProgress();

  DictionaryStore& store;
  WordFormsLoader& wordFormsLoader;
  LookupHistory& history;
};
