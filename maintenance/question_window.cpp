#include "question_window.h"

#include <QPainter>
#include <QPainterPath>

#include "controls.h"
#include "qt_text.h"

namespace {

constexpr int kClientWidth = 251;
constexpr int kClientHeight = 137;
constexpr int kMargin = 16;
constexpr int kGlyphSize = 18;

QIcon glyph(void (*draw)(QPainter&)) {
  QPixmap picture(kGlyphSize, kGlyphSize);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter);
  return QIcon(picture);
}

void drawCheckMark(QPainter& painter) {
  painter.setPen(QPen(QColor(0, 128, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath mark;
  mark.moveTo(3, 9.5);
  mark.lineTo(7, 14);
  mark.lineTo(15, 4);
  painter.drawPath(mark);
}

void drawNoEntry(QPainter& painter) {
  painter.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
  painter.drawEllipse(QRectF(2.5, 2.5, 13, 13));
  painter.drawLine(QPointF(5, 5), QPointF(13, 13));
}

QPushButton* withGlyph(QPushButton* button, void (*draw)(QPainter&)) {
  button->setIcon(glyph(draw));
  button->setIconSize(QSize(kGlyphSize, kGlyphSize));
  return button;
}

}  // namespace

TOtazka::TOtazka(std::string_view dotaz, QWidget* parent)
    : Window("Opravdu", kClientWidth, kClientHeight, parent), dotaz(dotaz) {
  text_dotaz = new QLabel(this);
  text_dotaz->setTextFormat(Qt::PlainText);  // a headword such as <B> is text, not markup
  text_dotaz->setWordWrap(false);
  QFont bold = programFont(13);
  bold.setBold(true);
  text_dotaz->setFont(bold);
  text_dotaz->move(kMargin, 32);
  BitBtn1 = withGlyph(addButton("&Ano", QRect(16, 96, 97, 25)), drawCheckMark);
  BitBtn2 = withGlyph(addButton("&Ne", QRect(128, 96, 105, 25)), drawNoEntry);
  setDefaultButton(BitBtn1);
  setCancelButton(BitBtn2);
  BitBtn1->setFocus();
  onEvent(BitBtn1, &QPushButton::clicked, this, &TOtazka::BitBtn1Click);
  onEvent(BitBtn2, &QPushButton::clicked, this, &TOtazka::BitBtn2Click);
  runGuarded([this] { nazacatku(); });
}

void TOtazka::nazacatku() {
  text_dotaz->setText(toQt(dotaz));
  text_dotaz->adjustSize();
  // The question stands on one line however wide the font draws it: the
  // window grows rather than cut off the headword.
  int needed = kMargin + text_dotaz->width() + kMargin;
  if (needed > kClientWidth) fixClientSize(this, needed, kClientHeight);
}

void TOtazka::BitBtn1Click() {
  odpoved = true;
  close();
}

void TOtazka::BitBtn2Click() {
  odpoved = false;
  close();
}

bool askQuestion(std::string_view dotaz) {
  TOtazka question(dotaz);
  question.placeAtScreenCentre();
  question.showModal();
  return question.odpoved;
}
