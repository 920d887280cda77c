#include "about_window.h"

#include <QLabel>

#include "controls.h"

namespace {

QLabel* line(QWidget* window, const char* text, int x, int y, int pixels, bool bold) {
  auto* label = new QLabel(QString::fromUtf8(text), window);
  QFont font = programFont(pixels);
  font.setBold(bold);
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

Tabout::Tabout(QWidget* parent) : Window("About", 343, 256, parent) {
  placeAt(425, 272);
  line(this, "Tarviksko - český", 152, 8, 16, true);
  line(this, "Česko - tarvikský", 152, 32, 16, true);
  line(this, "translátor/slovník", 168, 56, 13, true);
  Image1 = new Picture(":/pictures/about.jpg", QRect(8, 24, 129, 121), this);
  Image1->setAccessibleName(QString::fromUtf8("Znak slovníku"));
  line(this, "verze 2.00", 208, 72, 11, false);
  for (QLabel* credit : {line(this, "Napsal tým Tarviksko-českého slovníku.", 8, 160, 11, false),
                         line(this, "Slova a připomínky: slovnik@tarviksko.example", 8, 182, 11, false)}) {
    credit->setFixedWidth(327);
    credit->setAlignment(Qt::AlignHCenter);
  }
  Button1 = addButton("OK", QRect(96, 216, 145, 25));
  setDefaultButton(Button1);
  onEvent(Button1, &QPushButton::clicked, this, &Tabout::Button1Click);
}

void Tabout::Button1Click() { close(); }
