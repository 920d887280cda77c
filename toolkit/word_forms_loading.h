#pragma once

// Czech word forms take about a third of a second to load, so a window that
// needs them starts the loading on a worker thread and stays responsive; a
// look-up that comes first waits for it inside the store. The user hears of
// missing data once a run, with what to install, and of lines of the
// irregular-forms file that could not be read.

#include <QObject>
#include <functional>

// True when the loading has ended, with the data found or not. Otherwise the
// loading starts unless it runs already, and `whenEnded` runs on this thread
// once it has ended, unless `context` is gone by then.
bool loadWordFormsInBackground(QObject* context = nullptr, std::function<void()> whenEnded = {});

// Waits for a loading that still runs, so that the program never ends under
// it; main() calls it last.
void finishWordFormsLoading();
