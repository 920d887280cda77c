#pragma once

// The program's ten windows, owned here and connected to one another: a
// window asks for another only through what the shell gives it.

#include <memory>

#include "about_window.h"
#include "browser_window.h"
#include "editor_window.h"
#include "help_window.h"
#include "insertion_window.h"
#include "lookup_window.h"
#include "main_window.h"
#include "other_windows.h"
#include "question_window.h"
#include "search_window.h"
#include "splash_window.h"

// The browser as the main window's demonstration drives it.
class BrowserForDemo final : public DemoBrowser {
 public:
  explicit BrowserForDemo(Tukaz_slovnik& browser) : browser(browser) {}

  void showEmptySearch() override;
  void typeIntoSearch(char c) override;
  void clickPrelozit() override;
  void close() override;

 private:
  Tukaz_slovnik& browser;
};

// Created in the fixed order of the members, each window's creation handler
// running inside its creation; an error there is reported while the next
// window is still created. Destroyed in the reverse order. The first
// question window is never shown: each question gets a new one.
class Windows final : public OtherWindows {
 public:
  // The windows that need them get the store, the word-form loader and the
  // history of looked-up words, which outlive them.
  Windows(DictionaryStore& store, WordFormsLoader& wordFormsLoader, LookupHistory& history);
  Windows(const Windows&) = delete;
  Windows& operator=(const Windows&) = delete;
  ~Windows();

  void showBrowser() override;
  void showHelp() override;
  void showEditor() override;
  void showAbout() override;
  bool ask(std::string_view question) override;
  void showSearch(Dict dict, const LookupOptions& options) override;

  // What another program asks of this one: the main window, as a start
  // shows it; a word, or the selection, in "Vyhledat".
  void showMainWindow();
  // From the moment the main window is asked for, splash first.
  bool mainWindowShown() const { return mainWindowAsked; }
  void lookUp(const std::string& text);
  void lookUpSelection();

  std::unique_ptr<Tokno> okno;
  std::unique_ptr<Tokno_vlozeni> okno_vlozeni;
  std::unique_ptr<Tukaz_slovnik> ukaz_slovnik;
  std::unique_ptr<Tabout> about;
  std::unique_ptr<Tokno_editace> okno_editace;
  std::unique_ptr<TOtazka> Otazka;
  std::unique_ptr<Tpri_otevreni> pri_otevreni;
  std::unique_ptr<Tnapoveda> napoveda;
  std::unique_ptr<SearchWindow> hledat;
  std::unique_ptr<LookupWindow> vyhledat;

 private:
  std::unique_ptr<BrowserForDemo> demoBrowser;
  bool mainWindowAsked = false;
};
