#pragma once

// Start-up and shutdown of the program, in their fixed order.

// The modules that keep state for the whole run: the dictionaries, the help
// file, the translation walk. An IoError here means the program cannot run.
void initialiseModules();
// The windows, in their fixed order; the first is the main window. Each
// window's creation handler runs inside its creation, and an error there is
// reported while the next window is still created.
void createWindows();
void destroyWindows();
void shutDownModules();
