// The program: the dictionaries opened in the working folder, the main
// window, the event loop until the main window closes.

#include <QMessageBox>
#include <cstdio>

#include "error_report.h"
#include "psoubory.h"
#include "vzhled.h"

int main(int argc, char** argv) {
  try {
    initTranslationModule();
    openDictionaries();
  } catch (const IoError& error) {
    std::fprintf(stderr, "tarvik-slovnik: %s\n", error.what());
    Application app(argc, argv);
    QMessageBox::critical(nullptr, QString::fromUtf8("Tarviksko - český slovník"), QString::fromLocal8Bit(error.what()));
    return 3;
  }
  Application app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8("Tarviksko - český slovník"));
  okno = new Tokno;
  okno->show();
  int status = app.exec();
  delete okno;
  closeDictionaries();
  return status;
}
