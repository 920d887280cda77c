#pragma once

// No exception may cross Qt's event loop (Qt treats one leaving a slot or an
// event handler as undefined behaviour). Every handler a window connects goes
// through onEvent(), and Application catches whatever an event handler lets
// through: the error is shown in a message box and the loop goes on. This is
// the only place in the windows that catches IoError.

#include <QApplication>
#include <QObject>
#include <exception>
#include <functional>
#include <string>

class DictionaryStore;
class LookupHistory;

using ErrorReporter = std::function<void(const std::string& message)>;

void reportError(const std::exception& error);
// Something the user should know that stops nothing, such as data missing
// for an option; the reporter for tests gets it in UTF-8.
void reportProblem(const QString& message);
// Shows each thing the store got past without stopping, as a problem: a
// damaged journal dropped when a dictionary was opened or taken up, lines of
// tvary.txt that could not be used; and a damaged history of looked-up words
// set aside.
void reportStoreWarnings();

template <typename Handler>
void runGuarded(Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    reportError(error);
  }
  reportStoreWarnings();
}

// Connects `signal` to the handler `(receiver->*handler)()`; the signal's
// arguments are not passed on.
template <typename Sender, typename Signal, typename Receiver>
QMetaObject::Connection onEvent(Sender* sender, Signal signal, Receiver* receiver, void (Receiver::*handler)()) {
  return QObject::connect(sender, signal, receiver,
                          [receiver, handler] { runGuarded([&] { (receiver->*handler)(); }); });
}

// The program's application: it also gives screen readers the menus' ticks
// (accessible_menus.h), and knows where reports go.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
  // The running Application, or null under another QApplication.
  static Application* instance();

  // Replaces the message box, for tests; an empty reporter restores it.
  void setErrorReporter(ErrorReporter replacement) { reporter = std::move(replacement); }
  // The store and history whose warnings reportStoreWarnings() shows; null
  // for none.
  void reportWarningsOf(DictionaryStore* store, LookupHistory* history = nullptr) {
    watched = store;
    watchedHistory = history;
  }

 private:
  friend void reportError(const std::exception& error);
  friend void reportProblem(const QString& message);
  friend void reportStoreWarnings();
  ErrorReporter reporter;
  DictionaryStore* watched = nullptr;
  LookupHistory* watchedHistory = nullptr;
};
