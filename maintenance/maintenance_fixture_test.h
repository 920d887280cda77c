#pragma once

// Shared by the tests of the maintenance windows: the windows that start-up
// creates, over dictionaries in a fresh temporary folder, and a way to act
// in a modal window while its showing runs.

#include <QApplication>
#include <QTimer>
#include <functional>

#include "edit_box.h"
#include "question_window.h"
#include "qt_app_fixture_test.h"
#include "store_fixture_test.h"

using MaintenanceTest = WindowTest<StoreTest>;

// Replaces the box's text as a user would: select everything, then type
// over it, or delete it when `utf8` is empty.
inline void typeOver(QLineEdit* box, const char* utf8) {
  box->selectAll();
  *utf8 == '\0' ? QTest::keyClick(box, Qt::Key_Delete) : typeText(box, QString::fromUtf8(utf8));
}

// A headword box and its five meaning boxes, read as an entry.
inline Tslovicko shownIn(std::initializer_list<EditBox*> boxes) {
  Tslovicko e;
  int field = 0;
  for (EditBox* box : boxes) (field == 0 ? e.slovo : e.vyznam(field)) = box->content(), ++field;
  return e;
}

// Runs `act` on the modal window of type W as soon as it is on show, active
// and focused as for a user. A window that `act` leaves open is closed, and
// the test fails, so that a wrong window or a missed answer cannot hang it.
template <typename W>
void whenShown(std::function<void(W&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* window = dynamic_cast<W*>(modal)) {
      EXPECT_TRUE(QTest::qWaitForWindowActive(window));
      act(*window);
      EXPECT_FALSE(window->isVisible()) << "the window was left open";
    } else {
      ADD_FAILURE() << "not the expected window on show";
    }
    if (modal != nullptr && modal->isVisible()) modal->close();
  });
}
