// The program: the store of the working folder, then the word-form loader
// and the windows in their fixed order, the splash, and the event loop until the
// main window closes. Asked for a look-up, it hands the word to the program
// that runs already, or becomes that program and shows only "Vyhledat".

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "desktop_bus.h"
#include "error_report.h"
#include "io_error.h"
#include "lookup_history.h"
#include "lookup_request.h"
#include "program_windows.h"
#include "start_up.h"
#include "tables_ahead.h"
#include "version.h"
#include "word_forms_loading.h"

namespace {

const char kUsage[] =
    "Usage: tarvik-slovnik [--lookup WORD | --lookup-selection | --help | --version]\n"
    "\n"
    "Tarviksko - český slovník: a two-way dictionary and word-by-word translator\n"
    "between Czech and Tarvik, in windows. It works on the dictionaries of the\n"
    "current folder, tc_slovnik.slk and ct_slovnik.slk, and creates missing ones\n"
    "empty. tarvik-slovnik-start sets up the data folder\n"
    "($XDG_DATA_HOME/tarvik-slovnik, else ~/.local/share/tarvik-slovnik) with the\n"
    "sample dictionaries on the first start, and starts the program there.\n"
    "\n"
    "  --lookup WORD        show WORD's entries in \"Vyhledat\", in the program\n"
    "                       that runs already, or in one started for it\n"
    "  --lookup-selection   the same with the word selected last in any program\n"
    "                       (the primary selection, else the clipboard)\n"
    "  -h, --help           print this text and exit\n"
    "  --version            print the version and exit\n"
    "\n"
    "See man tarvik-slovnik; tarvik is the command line over the same files.\n";

// How the program was asked to start. `service` is the bus starting it for
// a request that follows (the D-Bus service file names it).
struct StartRequest {
  enum Kind { plain, lookUp, lookUpSelection, service } kind = plain;
  std::string word;  // as given, for lookUp
};

std::optional<StartRequest> readStartRequest(int argc, char** argv) {
  StartRequest start;
  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument == "--lookup-selection") {
      start.kind = StartRequest::lookUpSelection;
    } else if (argument == "--service") {
      start.kind = StartRequest::service;
    } else if (argument == "--lookup" || argument.starts_with("--lookup=")) {
      if (argument == "--lookup" && ++i == argc) return std::nullopt;
      start.kind = StartRequest::lookUp;
      start.word = argument == "--lookup" ? argv[i] : argument.substr(std::string_view("--lookup=").size());
    }
  }
  return start;
}

// Started for a look-up, the program shows no main window, and ends once
// none of its windows shows any more: when "Vyhledat" closes, or the browser
// it opened. A program the bus started for nothing ends after a while. Once
// the main window is asked for, the program ends with it, as any start does:
// the splash before it shows no window in between.
class EndWhenNothingShows : public QObject {
 public:
  explicit EndWhenNothingShows(const Windows& windows) : windows(windows) {
    qApp->installEventFilter(this);
    QTimer::singleShot(kIdleMs, this, &EndWhenNothingShows::endIfNothingShows);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
      QTimer::singleShot(0, this, &EndWhenNothingShows::endIfNothingShows);
    return false;
  }

 private:
  static constexpr int kIdleMs = 30000;
  void endIfNothingShows() {
    if (windows.mainWindowShown()) return;
    const QWidgetList shown = QApplication::topLevelWidgets();
    if (std::none_of(shown.begin(), shown.end(), [](QWidget* w) { return w->isVisible(); })) QApplication::quit();
  }

  const Windows& windows;
};

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

std::string composed(const std::string& utf8) {
  return QString::fromUtf8(utf8).normalized(QString::NormalizationForm_C).toStdString();
}

// A look-up goes to the program that runs; true when it went, or when the
// word was refused, with `status` set.
bool handedOff(const StartRequest& start, int* status) {
  if (start.kind == StartRequest::lookUp) {
    const LookupRequest request = readLookupMessage(start.word);
    if (!request.ok) {
      std::fprintf(stderr, "tarvik-slovnik: cannot look up \"%s\": %s\n", start.word.c_str(), request.refusal.c_str());
      *status = 2;
      return true;
    }
  }
  const bool selection = start.kind == StartRequest::lookUpSelection;
  const HandOff handOver = handOff(selection ? kLookupSelectionAction : kLookupAction, start.word);
  if (handOver.outcome == HandOff::done) {
    *status = 0;
    return true;
  }
  if (handOver.outcome == HandOff::refused) {
    std::fprintf(stderr, "tarvik-slovnik: the running program refused the look-up: %s\n", qPrintable(handOver.why));
    *status = 2;
    return true;
  }
  std::fprintf(stderr, "tarvik-slovnik: no running program to hand the look-up to (%s); looking it up here\n",
               qPrintable(handOver.why));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::optional<int> status = answerWithoutWindows(argc, argv)) return *status;
  const std::optional<StartRequest> start = readStartRequest(argc, argv);
  if (!start) {
    std::fputs("tarvik-slovnik: --lookup needs a word\n", stderr);
    std::fputs(kUsage, stderr);
    return 2;
  }
  Application app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8("Tarviksko - český slovník"));
  const bool forLookUp = start->kind == StartRequest::lookUp || start->kind == StartRequest::lookUpSelection;
  if (int status = 0; forLookUp && handedOff(*start, &status)) return status;
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
  // The user's, wherever the dictionaries are; read at its first use.
  LookupHistory history(userDataFolder());
  app.reportWarningsOf(store.get(), &history);
  reportStoreWarnings();
  int status;
  {
    TablesAhead tablesAhead(*store);  // ends after the windows, waiting for its workers
    // Ends after the windows, waiting for a loading still under way.
    WordFormsLoader wordFormsLoader(store->wordForms());
    auto windows = std::make_unique<Windows>(*store, wordFormsLoader, history);
    Windows* shown = windows.get();
    // Run after the request's reply has gone, outside the bus's dispatch,
    // and guarded as every handler is.
    auto later = [shown](std::function<void()> request) {
      QTimer::singleShot(0, shown->okno.get(), [request = std::move(request)] { runGuarded(request); });
    };
    DesktopService desktop({
        .activate = [=] { later([shown] { shown->showMainWindow(); }); },
        .lookUp = [=](const std::string& text) { later([shown, text] { shown->lookUp(text); }); },
        .lookUpSelection = [=] { later([shown] { shown->lookUpSelection(); }); },
    });
    switch (start->kind) {
      case StartRequest::plain:
        shown->showMainWindow();
        break;
      case StartRequest::lookUp:
        runGuarded([&] { shown->lookUp(readLookupMessage(composed(start->word)).text); });
        break;
      case StartRequest::lookUpSelection:
        runGuarded([&] { shown->lookUpSelection(); });
        break;
      case StartRequest::service:
        break;
    }
    // Gone before the windows, which it watches.
    std::optional<EndWhenNothingShows> ending;
    if (start->kind != StartRequest::plain) ending.emplace(*shown);
    // A second program leaves the requests to the first; the bus started
    // this one for a request, so without the name it would wait for nothing.
    if (!desktop.offer() && start->kind == StartRequest::service) {
      std::fputs("tarvik-slovnik: the session bus gave the program's name to another program\n", stderr);
      return 1;
    }
    status = app.exec();
  }
  app.reportWarningsOf(nullptr);
  return status;
}
