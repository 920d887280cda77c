#include "splash_window.h"

#include <QGuiApplication>
#include <QScreen>

#include "controls.h"

Tpri_otevreni::Tpri_otevreni(QWidget* parent) : Window("", 300, 200, parent) {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  Image1 = new Picture(":/pictures/splash.jpg", QRect(0, 0, 300, 200), this);
  Image1->setAccessibleName(QString::fromUtf8("Tarviksko - český slovník"));
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - QPoint(150, 100));
  // Armed at creation, not at showing: the ticks wait for the event loop, so
  // when the later windows take long to build, the splash closes as soon as
  // it is shown.
  Timer1 = new QTimer(this);
  Timer1->setInterval(1500);
  onEvent(Timer1, &QTimer::timeout, this, &Tpri_otevreni::Timer1Timer);
  onEvent(Image1, &Picture::clicked, this, &Tpri_otevreni::kliknuti);
  Timer1->start();
}

void Tpri_otevreni::Timer1Timer() {
  Timer1->stop();
  close();
}

void Tpri_otevreni::kliknuti() {
  Timer1->stop();
  close();
}
