#include "error_report.h"

#include <QMessageBox>

#include "accessible_menus.h"
#include "dictionary_store.h"

namespace {

ErrorReporter& customReporter() {
  static ErrorReporter reporter;
  return reporter;
}

}  // namespace

void setErrorReporter(ErrorReporter reporter) { customReporter() = std::move(reporter); }

void reportError(const std::exception& error) {
  if (customReporter()) {
    customReporter()(error.what());
    return;
  }
  // Messages carry file names, which are in the system's encoding.
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
                        QString::fromLocal8Bit(error.what()));
}

void reportProblem(const QString& message) {
  if (customReporter()) {
    customReporter()(message.toStdString());
    return;
  }
  QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), message);
}

void reportDictionaryWarnings() {
  // Like error messages, they carry file names, which are in the system's encoding.
  for (const std::string& warning : takeDictionaryWarnings()) reportProblem(QString::fromLocal8Bit(warning));
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) { describeMenusToScreenReaders(); }

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    reportError(error);
  }
  return false;
}
