#pragma once

// The yes/no question. A caller sets the question with nastav_dotaz(), has a
// new confirmation window ask it with askQuestion(), and reads the answer
// from odpoved. Every question gets a window of its own, because the window
// takes its question only when it is created.

#include <QLabel>
#include <QPushButton>
#include <string>
#include <string_view>

#include "window.h"

// The question the next confirmation window asks, in Windows-1250.
extern std::string dotaz;
// The answer to the newest question: true only when "&Ano" closed its
// window. Closing it any other way (Esc, "&Ne", the title bar, Alt+F4) is no.
extern bool odpoved;

void nastav_dotaz(std::string_view text);

class TOtazka : public Window {
 public:
  explicit TOtazka(QWidget* parent = nullptr);

  void nazacatku();
  void BitBtn1Click();
  void BitBtn2Click();

  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
  QLabel* text_dotaz;
};

// The newest confirmation window; start-up creates the first one, which is
// never shown.
extern TOtazka* Otazka;

// Asks dotaz in a new window that replaces Otazka (the old one is released),
// and returns when the window has closed.
void askQuestion();
