// Translating the input box: all at once, or one line per step with the
// line highlighted, laid out in the meaning grid (meaning_choice.cpp) and
// the gauge moving on.

#include <cmath>

#include "cp1250.h"
#include "main_window.h"

namespace {

std::string completionMessage(bool anyUntranslated) {
  return cp1250Text(anyUntranslated ? "Text nebyl přeložen celý nebo vůbec" : "Text byl přeložen celý");
}

}  // namespace

void Tokno::resetWalk() {
  walk.currentLine = -1;
  walk.nextLineStart = 0;
  walk.doneLength = 0;
  setProgress(0);
}

void Tokno::setProgress(int percent) { Gauge1->setValue(percent); }

void Tokno::rychleprelozit() {
  setProgress(100);
  Vstup->selectEverything();
  resetGrid();
  Vystup->clearLines();
  bool anyUntranslated = false;
  for (int i = 0, lines = Vstup->lineCount(); i < lines; ++i) {
    LineTranslation line = store.translateText(Vstup->line(i), direction(), lookupOptions(), false, withChoices());
    Vystup->appendLine(line.result);
    if (line.untranslatedCount > 0) anyUntranslated = true;
  }
  StatusBar1->setPanelText(0, completionMessage(anyUntranslated));
}

void Tokno::prelozitClick() {
  emptyGrid();
  // Past the last line (also when lines were deleted under the walk) the
  // walk starts again at the first line.
  if (walk.currentLine >= Vstup->lineCount() - 1) {
    walk.currentLine = 0;
    walk.nextLineStart = 0;
  } else {
    ++walk.currentLine;
  }
  selectCurrentLine();
  vybyrani();
  updateProgress();
  if (Vystup->lineCount() - 1 < walk.currentLine) Vystup->appendLine("");
  LineTranslation line =
      store.translateText(Vstup->line(walk.currentLine), direction(), lookupOptions(), false, withChoices());
  Vystup->setLine(walk.currentLine, line.result);
  StatusBar1->setPanelText(0, completionMessage(line.untranslatedCount > 0));
}

void Tokno::selectCurrentLine() {
  int length = static_cast<int>(Vstup->line(walk.currentLine).size());
  Vstup->select(walk.nextLineStart, length + 2);
  walk.nextLineStart += length + 2;
}

void Tokno::updateProgress() {
  walk.totalLength = Vstup->contentLength();
  walk.doneLength += static_cast<int>(Vstup->line(walk.currentLine).size()) + 2;
  // An empty input has no progress to show; the gauge stays as it is.
  if (walk.totalLength > 0) {
    // nearbyint rounds a tie to the even neighbour.
    walk.percentDone = static_cast<int>(
        std::nearbyint(100.0 / (static_cast<double>(walk.totalLength) / walk.doneLength)));
    if (walk.percentDone <= 100) setProgress(walk.percentDone);
  }
  if (walk.currentLine == Vstup->lineCount() - 1) setProgress(100);
}
