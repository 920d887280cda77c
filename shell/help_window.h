#pragma once

// The help window: the text of napoveda.txt beside a picture, and the
// button that starts the demonstration.

#include <QPushButton>
#include <functional>

#include "memo.h"
#include "picture.h"
#include "window.h"

class DictionaryStore;

class Tnapoveda : public Window {
 public:
  explicit Tnapoveda(DictionaryStore& store, QWidget* parent = nullptr);

  void otevreni();
  void zavritClick();
  void demoClick();

  Picture* Image1;
  Memo* Memo1;
  QPushButton* zavrit;
  QPushButton* demo;

  // What "Demo" starts, given by the shell.
  std::function<void()> startDemo;

 private:
  DictionaryStore& store;
};
