#include "help_window.h"

#include "controls.h"
#include "dictionary_store.h"
#include "help_file.h"

Tnapoveda::Tnapoveda(DictionaryStore& store, QWidget* parent) : Window("Nápověda", 583, 219, parent), store(store) {
  placeAt(292, 202);
  Image1 = new Picture(":/pictures/help.jpg", QRect(8, 8, 225, 150), this);
  Image1->setAccessibleName(QString::fromUtf8("Obrázek nápovědy"));
  Memo1 = new Memo(this);
  Memo1->setGeometry(248, 8, 321, 201);
  Memo1->setAccessibleName(QString::fromUtf8("Nápověda"));
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->setAttribute(Qt::WA_InputMethodEnabled, false);
  Memo1->setFrameShape(QFrame::NoFrame);
  Memo1->viewport()->setBackgroundRole(QPalette::Window);
  zavrit = addButton("Zavřít", QRect(120, 168, 113, 41));
  demo = addButton("Demo", QRect(8, 168, 105, 41));
  onEvent(zavrit, &QPushButton::clicked, this, &Tnapoveda::zavritClick);
  onEvent(demo, &QPushButton::clicked, this, &Tnapoveda::demoClick);
  runGuarded([this] { otevreni(); });
}

void Tnapoveda::otevreni() {
  Memo1->clearLines();
  for (const std::string& line : store.readHelpLines()) Memo1->appendLine(line);
}

void Tnapoveda::zavritClick() { hide(); }

void Tnapoveda::demoClick() {
  hide();
  startDemo();
}
