#pragma once

// Start-up and shutdown of the program, in their fixed order; the windows
// come and go between the two (program_windows.h).

// The modules that keep state for the whole run: the dictionaries and the
// help file. An IoError here means the program cannot run.
void initialiseModules();
void shutDownModules();
