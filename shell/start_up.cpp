#include "start_up.h"

std::unique_ptr<DictionaryStore> openProgramStore(const std::string& folder) {
  auto store = std::make_unique<DictionaryStore>(folder);
  store->openHelpFile();
  return store;
}
