#pragma once

// Shared by the toolkit's tests: the one QApplication that widgets need, and
// typing any character as a user would.

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QtTest/QTest>
#include <ostream>

// Failures show the text instead of a dump of UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

// Widgets outlive no test, but the application must outlive them all, so it
// is made once and never destroyed.
class QtAppTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QApplication::instance() != nullptr) return;
    // Plain ctest has no display to offer.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "toolkit_test";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
  }
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
