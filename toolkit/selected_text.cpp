#include "selected_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>
#include <memory>

#include "error_report.h"
#include "lookup_request.h"
#include "qt_text.h"

namespace {

// How long Wayland may take to hand the selection over to a window that
// just took the focus.
constexpr int kOfferWaitMs = 400;

QString selectedNow() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  QString text;
  if (clipboard->supportsSelection()) text = clipboard->text(QClipboard::Selection);
  if (text.trimmed().isEmpty()) text = clipboard->text(QClipboard::Clipboard);
  // Leading white space left in would use up the part that is read.
  qsizetype first = 0;
  while (first < text.size() && text.at(first).isSpace()) ++first;
  return text.mid(first, static_cast<qsizetype>(kScannedBytes));
}

}  // namespace

void takeSelectedText(QWidget* window, std::function<void(const std::string& text)> use) {
  if (QGuiApplication::platformName() != "wayland") {
    use(fromQt(selectedNow()));
    return;
  }
  // What the window was offered before it lost the focus may be gone, or
  // stale: only an offer after its new showing counts.
  window->hide();
  struct Waiting {
    std::function<void(const std::string&)> use;
    QTimer timer;
    QMetaObject::Connection changed, timeout;
    bool answered = false;
  };
  auto waiting = std::make_shared<Waiting>();
  waiting->use = std::move(use);
  auto answer = [waiting, guard = QPointer<QWidget>(window)](bool evenIfEmpty) {
    if (waiting->answered || guard.isNull()) return;
    const QString text = selectedNow();
    if (text.isEmpty() && !evenIfEmpty) return;
    waiting->answered = true;
    waiting->timer.stop();
    // The connections hold `waiting`: cut them, or it would hold itself.
    QObject::disconnect(waiting->changed);
    QObject::disconnect(waiting->timeout);
    runGuarded([&] { waiting->use(fromQt(text)); });
  };
  waiting->changed = QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed, window,
                                      [answer] { answer(false); });
  waiting->timer.setSingleShot(true);
  waiting->timeout = QObject::connect(&waiting->timer, &QTimer::timeout, window, [answer] { answer(true); });
  waiting->timer.start(kOfferWaitMs);
}
