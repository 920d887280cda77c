#pragma once

// What the program opens before any window and closes after the last (the
// windows come and go between: program_windows.h).

#include <memory>
#include <optional>
#include <string>

#include "dictionary_store.h"

// The store of `folder` (the program's is its working folder), its help
// file open. An IoError here means the program cannot run.
std::unique_ptr<DictionaryStore> openProgramStore(const std::string& folder);
