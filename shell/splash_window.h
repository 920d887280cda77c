#pragma once

// The splash window shown while the program starts: a picture without a
// frame, closed by its timer or by a click.

#include <QTimer>

#include "picture.h"
#include "window.h"

class Tpri_otevreni : public Window {
 public:
  explicit Tpri_otevreni(QWidget* parent = nullptr);

  void Timer1Timer();
  void kliknuti();

  Picture* Image1;
  QTimer* Timer1;
};
