// The program: the modules that keep state for the whole run, then the
// windows in their fixed order, the splash, and the event loop until the
// main window closes.

#include <cstdio>

#include "error_report.h"
#include "io_error.h"
#include "splash_window.h"
#include "start_up.h"
#include "main_window.h"

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
  createWindows();
  pri_otevreni->showModal();
  okno->show();
  int status = app.exec();
  destroyWindows();
  shutDownModules();
  return status;
}
