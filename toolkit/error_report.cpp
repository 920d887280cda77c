#include "error_report.h"

#include <QMessageBox>

#include "accessible_menus.h"
#include "cp1250.h"
#include "dictionary_store.h"
#include "lookup_history.h"
#include "qt_text.h"

void reportError(const std::exception& error) {
  if (Application* app = Application::instance(); app && app->reporter) {
    app->reporter(error.what());
    return;
  }
  // Messages carry file names, which are in the system's encoding.
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
                        QString::fromLocal8Bit(error.what()));
}

void reportProblem(const QString& message) {
  if (Application* app = Application::instance(); app && app->reporter) {
    app->reporter(message.toStdString());
    return;
  }
  QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), message);
}

void reportStoreWarnings() {
  Application* app = Application::instance();
  if (!app) return;
  if (app->watchedHistory)
    for (const std::string& warning : app->watchedHistory->takeWarnings()) reportProblem(QString::fromLocal8Bit(warning));
  if (!app->watched) return;
  QStringList unusableLines;
  for (const StoreWarning& warning : app->watched->takeWarnings()) {
    switch (warning.about) {
      case StoreWarning::About::dictionary:
        // Like error messages, they carry file names, which are in the system's encoding.
        reportProblem(QString::fromLocal8Bit(warning.text));
        break;
      case StoreWarning::About::irregularForms:
        unusableLines << QString::fromUtf8(warning.text);
        break;
      case StoreWarning::About::meaningChoices:
        reportProblem(QString::fromUtf8(warning.text));
        break;
    }
  }
  if (!unusableLines.isEmpty())
    reportProblem(toQt(cp1250Text("Tyto řádky nepravidelných tvarů slov nelze přečíst, proto se nepoužijí:")) + "\n" +
                  unusableLines.join("\n"));
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) { describeMenusToScreenReaders(); }

Application* Application::instance() { return dynamic_cast<Application*>(QCoreApplication::instance()); }

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    reportError(error);
  }
  return false;
}
