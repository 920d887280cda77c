#pragma once

// The words looked up before, offered in a text box the way a shell offers
// its history: Up steps back through them, newest first, and Down forward
// again, to the text as it was typed; as the user types, a list under the
// box offers those that start with the text, and Alt+Down lists them all.
// A word taken changes the text as typing would, so the box's change
// handler runs; only typing ends a walk through them.

#include <QCompleter>
#include <QLineEdit>
#include <QStringListModel>
#include <string>
#include <vector>

class WordRecall : public QObject {
 public:
  explicit WordRecall(QLineEdit* box);

  // Windows-1250, newest first.
  void setWords(const std::vector<std::string>& words);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Moves `by` (+1 older, -1 newer) to the next word that differs from the
  // text shown, or back to the typed text past the newest.
  void step(int by);

  QLineEdit* box;
  QStringListModel* words;
  QCompleter* completer;
  QString typed;
  int at = -1;  // the word shown; -1 for the text as typed
};
