// The program: the store of the working folder, then the word-form loader
// and the windows in their fixed order, the splash, and the event loop until the
// main window closes.

#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

#include "error_report.h"
#include "io_error.h"
#include "program_windows.h"
#include "start_up.h"
#include "tables_ahead.h"
#include "version.h"
#include "word_forms_loading.h"

namespace {

const char kUsage[] =
    "Usage: tarvik-slovnik [--help | --version]\n"
    "\n"
    "Tarviksko - český slovník: a two-way dictionary and word-by-word translator\n"
    "between Czech and Tarvik, in windows. It works on the dictionaries of the\n"
    "current folder, tc_slovnik.slk and ct_slovnik.slk, and creates missing ones\n"
    "empty. tarvik-slovnik-start sets up the data folder\n"
    "($XDG_DATA_HOME/tarvik-slovnik, else ~/.local/share/tarvik-slovnik) with the\n"
    "sample dictionaries on the first start, and starts the program there.\n"
    "\n"
    "  -h, --help   print this text and exit\n"
    "  --version    print the version and exit\n"
    "\n"
    "See man tarvik-slovnik; tarvik is the command line over the same files.\n";

// Answered before the Application exists, so that neither needs a display
// nor touches a dictionary. Every other argument goes to Qt, as it always did.
std::optional<int> answerWithoutWindows(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument == "--version") {
      std::printf("tarvik-slovnik %s\n", kVersion);
      return 0;
    }
    if (argument == "--help" || argument == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  return std::nullopt;
}

// Qt's own dialogs (the file dialogs, the buttons of message boxes) speak
// Czech with the rest of the program where Debian's translations of Qt are
// installed (qt6-translations-l10n, recommended by the package); without
// them they stay English.
void speakCzechInQtsDialogs(QApplication& app) {
  auto* czech = new QTranslator(&app);
  if (czech->load("qtbase_cs", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(czech);
  else
    delete czech;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::optional<int> status = answerWithoutWindows(argc, argv)) return *status;
  Application app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8("Tarviksko - český slovník"));
  speakCzechInQtsDialogs(app);
  std::unique_ptr<DictionaryStore> store;
  try {
    store = openProgramStore(".");
  } catch (const IoError& error) {
    // Nothing can work without the dictionaries and the help file: say why
    // and stop before any window exists.
    std::fprintf(stderr, "tarvik-slovnik: %s\n", error.what());
    reportError(error);
    return 3;
  }
  app.reportWarningsOf(store.get());
  reportStoreWarnings();
  int status;
  {
    TablesAhead tablesAhead(*store);  // ends after the windows, waiting for its workers
    // Ends after the windows, waiting for a loading still under way.
    WordFormsLoader wordFormsLoader(store->wordForms());
    auto windows = std::make_unique<Windows>(*store, wordFormsLoader);
    windows->pri_otevreni->showModal();
    windows->okno->show();
    status = app.exec();
  }
  app.reportWarningsOf(nullptr);
  return status;
}
