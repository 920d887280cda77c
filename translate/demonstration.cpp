// The scripted demonstration: one step of the script per tick of Timer1,
// each acting on the controls through their own handlers, as a user would.

#include <string_view>

#include "main_window.h"

namespace {

void typeIntoInput(Memo* box, char c) {
  box->setContent(box->content() + c);
  box->select(box->contentLength(), 0);
}

// The characters typed at steps first.., one a step.
bool typedAt(std::uint32_t step, std::uint32_t first, std::string_view text, char* c) {
  if (step < first || step >= first + text.size()) return false;
  *c = text[step - first];
  return true;
}

}  // namespace

void Tokno::startDemo() {
  Vstup->setContent("");
  demoStep = 1;
  StatusBar1->setPanelText(0, "Demo");
  // A demonstration that ran to its end stopped the timer; a new one needs
  // it ticking again. A running timer is left alone, so the first tick comes
  // within its interval.
  if (!Timer1->isActive()) Timer1->start();
  Timer1Timer();
}

void Tokno::Timer1Timer() {
  if (demoStep <= kLastDemoStep) playDemoStep(demoStep);
  ++demoStep;
}

void Tokno::playDemoStep(std::uint32_t step) {
  char c = 0;
  if (typedAt(step, 1, "drom pa lu", &c) || typedAt(step, 12, "tesa ?", &c)) {
    typeIntoInput(Vstup, c);
    return;
  }
  if (typedAt(step, 32, "vor dan", &c)) {
    demoBrowser->typeIntoSearch(c);
    return;
  }
  switch (step) {
    case 11: Vstup->appendLine(""); break;
    case 18: case 25: ToolButton6->setDown(true); break;
    case 19: case 26: ToolButton6->setDown(false); break;
    case 20: case 27: prelozitClick(); break;
    case 21: vyberslov->setSelectedRow(3); break;
    case 22: vyberslov->setSelectedRow(2); break;
    case 23: vyberslov->setSelectedRow(4); break;
    case 24:
      vyberslov->setSelectedCol(1);
      vyberslov->setSelectedRow(2);
      break;
    case 29: ToolButton8->setDown(true); break;
    case 30: ToolButton8->setDown(false); break;
    case 31: demoBrowser->showEmptySearch(); break;
    case 39: demoBrowser->clickPrelozit(); break;
    case 41:
      demoBrowser->close();
      Noveklad1Click();
      StatusBar1->setPanelText(0, "Konec dema");
      break;
    case 42: Timer1->stop(); break;
    default: break;  // 0, 28 and 40 do nothing
  }
}
