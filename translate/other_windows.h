#pragma once

// The windows the main window opens but does not own. The shell owns every
// window and hands the main window these two views of the others, so that
// translating needs neither the browser nor the dictionary maintenance.

#include <string_view>

#include "dictionary_store.h"

class OtherWindows {
 public:
  // Beside the main window.
  virtual void showBrowser() = 0;
  virtual void showHelp() = 0;
  // "Hledat", starting from the translation's dictionary and options.
  virtual void showSearch(Dict dict, const LookupOptions& options) = 0;
  // Each returns when its window is closed.
  virtual void showEditor() = 0;
  virtual void showAbout() = 0;
  // Asks the yes/no question `question` (Windows-1250); true for yes.
  virtual bool ask(std::string_view question) = 0;

 protected:
  ~OtherWindows() = default;
};

// The dictionary browser as the demonstration plays it: only what a user
// watching the demonstration sees done to it.
class DemoBrowser {
 public:
  // Shows the browser beside the main window with an empty search box.
  virtual void showEmptySearch() = 0;
  // Types `c` at the end of the search box, as a key press would.
  virtual void typeIntoSearch(char c) = 0;
  virtual void clickPrelozit() = 0;
  virtual void close() = 0;

 protected:
  ~DemoBrowser() = default;
};
