#include "word_forms_loading.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>

#include "cp1250.h"
#include "error_report.h"
#include "qt_text.h"
#include "word_forms.h"

// An exception cannot leave the worker by itself: QtConcurrent would turn it
// into one that has lost its message.
struct WordFormsLoader::Outcome {
  bool loaded = false;
  std::exception_ptr error;
};

namespace {

void reportMissingData(WordForms& forms) {
  QString message = toQt(cp1250Text("Chybí český slovník Hunspell (hunspell-cs), tvary slov se proto nehledají.\n"
                                    "Nainstalujte jej příkazem: sudo apt install hunspell-cs"));
  const std::string problem = forms.problem();
  if (!problem.empty()) message += "\n\n" + QString::fromLocal8Bit(problem);
  reportProblem(message);
}

}  // namespace

WordFormsLoader::WordFormsLoader(WordForms& forms) : forms(forms) {}

WordFormsLoader::~WordFormsLoader() { running.waitForFinished(); }

void WordFormsLoader::end(const Outcome& outcome) {
  stage = Stage::ended;
  // The lines of tvary.txt the loading could not use follow as the store's
  // warnings, once this has run.
  runGuarded([&] {
    if (outcome.error) std::rethrow_exception(outcome.error);
    if (!outcome.loaded) reportMissingData(forms);
  });
  for (auto& [context, whenEnded] : std::exchange(waiting, {}))
    if (context) runGuarded(whenEnded);
}

bool WordFormsLoader::loadInBackground(QObject* context, std::function<void()> whenEnded) {
  if (stage == Stage::ended) return true;
  if (whenEnded) waiting.emplace_back(context, std::move(whenEnded));
  if (stage == Stage::notStarted) {
    stage = Stage::running;
    auto* ended = new QFutureWatcher<Outcome>();
    watcher.reset(ended);
    QObject::connect(ended, &QFutureWatcherBase::finished, ended, [this, ended] { end(ended->result()); });
    QFuture<Outcome> loading = QtConcurrent::run([&forms = forms]() -> Outcome {
      try {
        return {forms.prepare(), nullptr};
      } catch (...) {
        return {false, std::current_exception()};
      }
    });
    running = loading;
    ended->setFuture(loading);
  }
  return false;
}
