#include "word_recall.h"

#include <QAbstractItemView>
#include <QKeyEvent>

#include "qt_text.h"

WordRecall::WordRecall(QLineEdit* box)
    : QObject(box), box(box), words(new QStringListModel(this)), completer(new QCompleter(words, this)) {
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setModelSorting(QCompleter::UnsortedModel);
  box->setCompleter(completer);
  box->installEventFilter(this);
  connect(box, &QLineEdit::textEdited, this, [this] { at = -1; });
}

void WordRecall::setWords(const std::vector<std::string>& list) {
  QStringList shown;
  for (const std::string& word : list) shown << toQt(word);
  words->setStringList(shown);
  at = -1;
}

bool WordRecall::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box || event->type() != QEvent::KeyPress || completer->popup()->isVisible()) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  if (key->key() == Qt::Key_Down && modifiers == Qt::AltModifier) {
    completer->setCompletionPrefix(QString());
    completer->complete();
    return true;
  }
  if ((key->key() != Qt::Key_Up && key->key() != Qt::Key_Down) || modifiers != Qt::NoModifier) return false;
  step(key->key() == Qt::Key_Up ? 1 : -1);
  return true;
}

void WordRecall::step(int by) {
  const QStringList list = words->stringList();
  const QString shown = box->text();
  int next = at + by;
  while (next >= 0 && next < list.size() && list[next] == shown) next += by;
  if (next < -1 || next >= list.size()) return;
  if (at == -1) typed = shown;
  at = std::max(next, -1);
  box->setText(at == -1 ? typed : list[at]);
}
