#pragma once

// The about window: the program's title lines, version and authors.

#include <QPushButton>

#include "picture.h"
#include "window.h"

class Tabout : public Window {
 public:
  explicit Tabout(QWidget* parent = nullptr);

  void Button1Click();

  Picture* Image1;
  QPushButton* Button1;
};
