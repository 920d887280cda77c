#pragma once

// The help file napoveda.txt in the working folder: opened at start-up and
// held open for reading until the end of the run; created with a notice
// when it does not exist, so that the help window always has a text.

#include <string>
#include <vector>

inline constexpr const char* kHelpFileName = "napoveda.txt";

// Opens the help file, first creating it with the notice when it is missing.
// An existing file is never emptied: one that cannot be read is an IoError.
void openHelpFile();
// Every line of the held file, from its start.
std::vector<std::string> readHelpLines();
void closeHelpFile();
