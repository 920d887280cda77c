#pragma once

// Shared by the tests of widgets: the one QApplication a process needs, and
// typing any character as a user would. Without a display the offscreen
// platform is used.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <ostream>
#include <string>
#include <vector>

#include "error_report.h"

inline Application& qtApp() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tarvik_test";
  static char* argv[] = {name, nullptr};
  // Never deleted: a static QApplication would be destroyed after Qt's own
  // statics (the input device QTest registers) and crash at exit.
  static Application* app = new Application(argc, argv);
  return *app;
}

// Failures show the text instead of a dump of UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

class QtAppTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { qtApp(); }
};

// A window test over `Base` (a temporary folder, open dictionaries): the
// error messages the user would see are collected in `errors` instead, and
// the choices kept between runs start empty, away from the user's own.
template <typename Base = ::testing::Test>
class WindowTest : public Base {
 protected:
  void SetUp() override {
    Base::SetUp();
    qtApp();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    qtApp().setErrorReporter([this](const std::string& message) { errors.push_back(message); });
  }
  void TearDown() override {
    qtApp().setErrorReporter(nullptr);
    qtApp().reportWarningsOf(nullptr);
    Base::TearDown();
  }

  std::vector<std::string> errors;
  QTemporaryDir settingsDir;
};

// QTest::keyClicks sends only Latin-1 (it goes through toLatin1()), so Czech
// letters, and anything beyond, are typed here: one key press per character,
// a surrogate pair being one character.
inline void typeText(QWidget* widget, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    qsizetype units = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, units), Qt::NoModifier);
    i += units - 1;
  }
}
