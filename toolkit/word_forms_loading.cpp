#include "word_forms_loading.h"

#include <QFutureWatcher>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>
#include <utility>
#include <vector>

#include "cp1250.h"
#include "error_report.h"
#include "qt_text.h"
#include "word_forms.h"

namespace {

enum class Stage { notStarted, running, ended };

// Touched on the UI thread only; the worker runs nothing but prepareWordForms.
Stage stage = Stage::notStarted;
QFuture<void> running;
std::vector<std::pair<QPointer<QObject>, std::function<void()>>> waiting;

// An exception cannot leave the worker by itself: QtConcurrent would turn it
// into one that has lost its message.
struct Outcome {
  bool loaded = false;
  std::exception_ptr error;
};

Outcome load() {
  try {
    return {prepareWordForms(), nullptr};
  } catch (...) {
    return {false, std::current_exception()};
  }
}

void reportMissingData() {
  QString message = toQt(cp1250Text("Chybí český slovník Hunspell (hunspell-cs), tvary slov se proto nehledají.\n"
                                    "Nainstalujte jej příkazem: sudo apt install hunspell-cs"));
  const std::string problem = wordFormsProblem();
  if (!problem.empty()) message += "\n\n" + QString::fromLocal8Bit(problem);
  reportProblem(message);
}

void reportUnreadLines() {
  std::vector<std::string> lines = takeWordFormsWarnings();
  if (lines.empty()) return;
  QString message = toQt(cp1250Text("Tyto řádky nepravidelných tvarů slov nelze přečíst, proto se nepoužijí:"));
  for (const std::string& line : lines) message += "\n" + QString::fromUtf8(line);
  reportProblem(message);
}

void end(const Outcome& outcome) {
  stage = Stage::ended;
  if (outcome.error)
    runGuarded([&] { std::rethrow_exception(outcome.error); });
  else if (!outcome.loaded)
    reportMissingData();
  reportUnreadLines();
  for (auto& [context, whenEnded] : std::exchange(waiting, {}))
    if (context) runGuarded(whenEnded);
}

}  // namespace

bool loadWordFormsInBackground(QObject* context, std::function<void()> whenEnded) {
  if (stage == Stage::ended) return true;
  if (whenEnded) waiting.emplace_back(context, std::move(whenEnded));
  if (stage == Stage::notStarted) {
    stage = Stage::running;
    auto* watcher = new QFutureWatcher<Outcome>(qApp);
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [watcher] {
      watcher->deleteLater();
      end(watcher->result());
    });
    QFuture<Outcome> loading = QtConcurrent::run(load);
    running = loading;
    watcher->setFuture(loading);
  }
  return false;
}

void finishWordFormsLoading() { running.waitForFinished(); }
