#pragma once

// The yes/no question. Every question gets a window of its own, because the
// window takes its question only when it is created.

#include <QLabel>
#include <QPushButton>
#include <string>
#include <string_view>

#include "window.h"

class TOtazka : public Window {
 public:
  // `dotaz` is in Windows-1250.
  explicit TOtazka(std::string_view dotaz = {}, QWidget* parent = nullptr);

  void nazacatku();
  void BitBtn1Click();
  void BitBtn2Click();

  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
  QLabel* text_dotaz;

  std::string dotaz;
  // True only when "&Ano" closed the window. Closing it any other way (Esc,
  // "&Ne", the title bar, Alt+F4) is no.
  bool odpoved = false;
};

// Asks `dotaz` in a new window, centred on the screen, and returns the
// answer once the window has closed.
bool askQuestion(std::string_view dotaz);
