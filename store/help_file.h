#pragma once

// The help file napoveda.txt in the dictionaries' folder: opened at start-up and
// held open for reading until the end of the run; created with a notice
// when it does not exist, so that the help window always has a text.

#include <string>
#include <vector>

#include "posix_file.h"

inline constexpr const char* kHelpFileName = "napoveda.txt";

class HelpFile {
 public:
  // Opens the help file of `folder`, first creating it with the notice when
  // it is missing. An existing file is never emptied: one that cannot be
  // read is an IoError.
  void open(const Folder& folder);
  // Every line of the held file, from its start.
  std::vector<std::string> lines() const;

 private:
  FileHandle file;
};
