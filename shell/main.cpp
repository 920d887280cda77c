// The program: the modules that keep state for the whole run, then the
// windows in their fixed order, the splash, and the event loop until the
// main window closes.

#include <cstdio>
#include <memory>

#include "error_report.h"
#include "io_error.h"
#include "program_windows.h"
#include "start_up.h"
#include "word_forms_loading.h"

int main(int argc, char** argv) {
  Application app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8("Tarviksko - český slovník"));
  try {
    initialiseModules();
  } catch (const IoError& error) {
    // Nothing can work without the dictionaries and the help file: say why
    // and stop before any window exists.
    std::fprintf(stderr, "tarvik-slovnik: %s\n", error.what());
    reportError(error);
    return 3;
  }
  reportDictionaryWarnings();
  auto windows = std::make_unique<Windows>();
  windows->pri_otevreni->showModal();
  windows->okno->show();
  int status = app.exec();
  windows.reset();
  finishWordFormsLoading();
  shutDownModules();
  return status;
}
