#include "start_up.h"

#include "dictionary_store.h"
#include "help_file.h"

void initialiseModules() {
  openDictionaries();
  openHelpFile();
}

void shutDownModules() {
  closeDictionaries();
  closeHelpFile();
}
