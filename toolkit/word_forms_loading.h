#pragma once

// Czech word forms take about a third of a second to load, so a window that
// needs them starts the loading on a worker thread and stays responsive; a
// look-up that comes first waits for it inside the store. The user hears of
// missing data once a run, with what to install; lines of the irregular-forms
// file that could not be read come with the store's other warnings.

#include <QFuture>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class WordForms;

// One for the program, owned by the shell and lent to the windows that look
// for word forms.
class WordFormsLoader {
 public:
  explicit WordFormsLoader(WordForms& forms);
  // Waits for a loading that still runs, so that the program never ends
  // under it.
  ~WordFormsLoader();
  WordFormsLoader(const WordFormsLoader&) = delete;
  WordFormsLoader& operator=(const WordFormsLoader&) = delete;

  // True when the loading has ended, with the data found or not. Otherwise
  // the loading starts unless it runs already, and `whenEnded` runs on this
  // thread once it has ended, unless `context` is gone by then.
  bool loadInBackground(QObject* context = nullptr, std::function<void()> whenEnded = {});

 private:
  struct Outcome;
  void end(const Outcome& outcome);

  enum class Stage { notStarted, running, ended };

  WordForms& forms;
  // Touched on the UI thread only; the worker runs nothing but the loading.
  Stage stage = Stage::notStarted;
  QFuture<void> running;
  std::unique_ptr<QObject> watcher;
  std::vector<std::pair<QPointer<QObject>, std::function<void()>>> waiting;
};
