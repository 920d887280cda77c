#pragma once

// Shared by the tests of the maintenance windows: the windows that start-up
// creates, over dictionaries in a fresh temporary folder, and a way to act
// in a modal window while its showing runs.

#include <QApplication>
#include <QTimer>
#include <functional>

#include "question_window.h"
#include "qt_app_fixture_test.h"
#include "store_fixture_test.h"

// Failures show an entry's fields instead of a dump of its bytes.
inline void PrintTo(const Tslovicko& e, std::ostream* out) {
  *out << '{' << e.slovo << " | " << e.vyznam1 << " | " << e.vyznam2 << " | " << e.vyznam3 << " | " << e.vyznam4
       << " | " << e.vyznam5 << '}';
}

using MaintenanceTest = WindowTest<StoreTest>;

// Runs `act` on the modal window of type W as soon as it is on show, active
// and focused as for a user. A window that `act` leaves open is closed, and
// the test fails, so that a wrong window or a missed answer cannot hang it.
template <typename W>
void whenShown(std::function<void(W&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* window = dynamic_cast<W*>(modal);
    if (window == nullptr) {
      ADD_FAILURE() << "not the expected window on show";
      if (modal != nullptr) modal->close();
      return;
    }
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    act(*window);
    if (window->isVisible()) {
      ADD_FAILURE() << "the window was left open";
      window->close();
    }
  });
}
