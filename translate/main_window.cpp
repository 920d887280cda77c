#include "main_window.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QToolBar>

#include "cp1250.h"
#include "jpeg_image.h"
#include "qt_text.h"
#include "stored_choices.h"

QIcon toolPicture(int index) {
  static const char* const kNames[] = {"tb0_new",  "tb1_open",       "tb2_save",     "tb3_step",
                                       "tb4_all",  "tb5_dictionary", "tb6_to_czech", "tb7_to_tarvik"};
  return QIcon(QPixmap::fromImage(jpegResource(QString(":/pictures/%1.jpg").arg(kNames[index]))));
}

namespace {

constexpr int kClientWidth = 687;
constexpr int kClientHeight = 366;

QToolButton* toolButton(QToolBar* bar, int picture, const char* hint) {
  auto* button = new QToolButton(bar);
  button->setIcon(toolPicture(picture));
  button->setToolTip(QString::fromUtf8(hint));
  button->setAccessibleName(QString::fromUtf8(hint));
  button->setAutoRaise(true);
  bar->addWidget(button);
  return button;
}

void gap(QToolBar* bar, int pixels) {
  auto* space = new QWidget(bar);
  space->setFixedWidth(pixels);
  bar->addWidget(space);
}

Memo* textBox(QWidget* client, int top, const char* accessibleName, const char* text) {
  auto* box = new Memo(client);
  box->setGeometry(8, top, 673, 97);
  box->setAccessibleName(QString::fromUtf8(accessibleName));
  box->setContent(cp1250Text(text));
  return box;
}

QAction* menuItem(QMenu* menu, const char* caption, QKeySequence key = {}) {
  QAction* item = menu->addAction(QString::fromUtf8(caption));
  item->setShortcut(key);
  return item;
}

}  // namespace

Tokno::Tokno(DictionaryStore& store, WordFormsLoader& wordFormsLoader, LookupHistory& history, QWidget* parent)
    : QMainWindow(parent), store(store), wordFormsLoader(wordFormsLoader), history(history) {
  setWindowTitle(QString::fromUtf8("Tarviksko-český slovník"));
  setFont(programFont());
  auto* client = new QWidget(this);
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);
  createToolBar(client);
  createControls(client);
  createMenus();
  connectHandlers();
  resetGrid();
  move(237, 255);
  fixClientSize(this, kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

void Tokno::createToolBar(QWidget* client) {
  auto* bar = new QToolBar(client);
  bar->setGeometry(0, 0, kClientWidth, 29);
  bar->setIconSize(QSize(16, 16));
  bar->setMovable(false);
  gap(bar, 9);
  nove = toolButton(bar, 0, "Nový překlad");
  ToolButton1 = toolButton(bar, 1, "Otevřít originál");
  ToolButton2 = toolButton(bar, 2, "Uložit překlad");
  bar->addSeparator();
  ToolButton9 = toolButton(bar, 6, "Do češtiny");
  ToolButton9->setCheckable(true);
  nameDirectionButton(false);
  ToolButton6 = toolButton(bar, 3, "Přeložit postupně F4");
  ToolButton4 = toolButton(bar, 4, "Přeložit najednou F5");
  bar->addSeparator();
  ToolButton8 = toolButton(bar, 5, "Slovník");
  auto* stretch = new QWidget(bar);
  stretch->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  bar->addWidget(stretch);
  Gauge1 = new Gauge(bar);
  Gauge1->setFixedSize(152, 22);
  Gauge1->setToolTip(QString::fromUtf8("Stav přeložení"));
  Gauge1->setAccessibleName(QString::fromUtf8("Stav přeložení"));
  bar->addWidget(Gauge1);
}

void Tokno::createControls(QWidget* client) {
  Vstup = textBox(client, 32, "Vstup", "Vstup");
  vyberslov = new StringGrid(client);
  vyberslov->setGeometry(8, 134, 673, 110);
  vyberslov->setAccessibleName(QString::fromUtf8("Výběr významů"));
  vyberslov->setCellDescription([this](int col, int row) { return meaningCellName(col, row); });
  vyberslov->setMarkTooltip(QString::fromUtf8("Zapamatovaný význam"));
  vyberslov->setRowTotal(6);
  vyberslov->setFixedRows(2);
  vyberslov->setRowHeights(14);
  Vystup = textBox(client, 248, "Výstup", "Vystup");
  StatusBar1 = new StatusPanels({500, 50}, client);
  StatusBar1->setGeometry(0, kClientHeight - 19, kClientWidth, 19);
  StatusBar1->setAccessibleName(QString::fromUtf8("Stav"));
  StatusBar1->setPanelText(0, "Status");
  StatusBar1->setPanelText(1, cp1250Text("Do češtiny"));
  // It ticks from program start, a demonstration or not.
  Timer1 = new QTimer(this);
  Timer1->setInterval(1500);
  Timer1->start();
  setTabOrder(Vstup, vyberslov);
  setTabOrder(vyberslov, Vystup);
  Vstup->setFocus();
}

void Tokno::createMenus() {
  QMenu* soubor = menuBar()->addMenu(QString::fromUtf8("Soubor"));
  Noveklad1 = menuItem(soubor, "Nový řeklad", QKeySequence(Qt::CTRL | Qt::Key_N));
  Otevtoriginl1 = menuItem(soubor, "Otevřít originál", Qt::Key_F2);
  Uloizvystupdosouboru1 = menuItem(soubor, "Uložit překlad", Qt::Key_F3);
  soubor->addSeparator();
  Konec1 = menuItem(soubor, "Konec");

  QMenu* prelozit = menuBar()->addMenu(QString::fromUtf8("Přeložit"));
  Peloitpomalu1 = menuItem(prelozit, "Přeložit postupně", Qt::Key_F4);
  Peloitrychle1 = menuItem(prelozit, "Přeložit najednou", Qt::Key_F5);
  prelozit->addSeparator();
  rememberMeaningsItem = menuItem(prelozit, "Pamatovat si zvolené významy");
  rememberMeaningsItem->setCheckable(true);
  rememberMeaningsItem->setChecked(storedChoice(kRememberMeaningsChoice));
  forgetMeaningsItem = menuItem(prelozit, "Zapomenout zvolené významy");

  QMenu* slovnik = menuBar()->addMenu(QString::fromUtf8("Slovník"));
  Slovnk2 = menuItem(slovnik, "Slovník", QKeySequence(Qt::CTRL | Qt::Key_S));
  searchItem = menuItem(slovnik, "Hledat…", QKeySequence(Qt::CTRL | Qt::Key_F));
  Editaceslovnku1 = menuItem(slovnik, "Editace slovníku");
  Ulozitdotextovhosouboru1 = menuItem(slovnik, "Ulozit T-Č slovník do text. souboru");
  UloitCTslovnkdotextsouboru1 = menuItem(slovnik, "Uložit Č-T slovník do text. souboru");
  Podlev1 = menuItem(slovnik, "Hledat i podle výslovnosti");
  Podlev1->setCheckable(true);
  Podlev1->setChecked(true);
  wordFormsItem = menuItem(slovnik, "Hledat i tvary slov");
  withoutDiacriticsItem = menuItem(slovnik, "Hledat i bez diakritiky");
  for (auto [item, key] :
       {std::pair{wordFormsItem, kWordFormsChoice}, std::pair{withoutDiacriticsItem, kWithoutDiacriticsChoice}}) {
    item->setCheckable(true);
    item->setChecked(storedChoice(key));
  }
  slovnik->addSeparator();
  Doetiny1 = menuItem(slovnik, "Do češtiny");
  Dotarviktiny1 = menuItem(slovnik, "Do tarvikštiny");
  auto* directions = new QActionGroup(this);
  for (QAction* item : {Doetiny1, Dotarviktiny1}) {
    item->setCheckable(true);
    directions->addAction(item);
  }
  Doetiny1->setChecked(true);
  // Last, so that the items our users know keep their places.
  slovnik->addSeparator();
  rememberWordsItem = menuItem(slovnik, "Pamatovat si hledaná slova");
  rememberWordsItem->setCheckable(true);
  rememberWordsItem->setChecked(storedChoice(kRememberWordsChoice, true));
  history.setRecording(rememberWordsItem->isChecked());
  clearHistoryItem = menuItem(slovnik, "Vymazat historii hledání");

  QMenu* help = menuBar()->addMenu("Help");
  Npovda1 = menuItem(help, "Nápověda");
  About1 = menuItem(help, "About");
}

void Tokno::connectHandlers() {
  onMenuItem(Noveklad1, this, &Tokno::Noveklad1Click);
  onMenuItem(Otevtoriginl1, this, &Tokno::Otevtoriginl1Click);
  onMenuItem(Uloizvystupdosouboru1, this, &Tokno::Uloizvystupdosouboru1Click);
  onMenuItem(Konec1, this, &Tokno::Konec1Click);
  onMenuItem(Peloitpomalu1, this, &Tokno::prelozitClick);
  onMenuItem(Peloitrychle1, this, &Tokno::rychleprelozit);
  onMenuItem(Slovnk2, this, &Tokno::Slovnk2Click);
  onMenuItem(Editaceslovnku1, this, &Tokno::Editaceslovnku1Click);
  onMenuItem(Ulozitdotextovhosouboru1, this, &Tokno::Ulozitdotextovhosouboru1Click);
  onMenuItem(UloitCTslovnkdotextsouboru1, this, &Tokno::UloitCTslovnkdotextsouboru1Click);
  onMenuItem(Podlev1, this, &Tokno::Podlev1Click);
  onMenuItem(searchItem, this, &Tokno::searchItemClick);
  onMenuItem(wordFormsItem, this, &Tokno::wordFormsItemClick);
  onMenuItem(withoutDiacriticsItem, this, &Tokno::withoutDiacriticsItemClick);
  onMenuItem(rememberWordsItem, this, &Tokno::rememberWordsItemClick);
  onMenuItem(clearHistoryItem, this, &Tokno::clearHistoryItemClick);
  onMenuItem(rememberMeaningsItem, this, &Tokno::rememberMeaningsItemClick);
  onMenuItem(forgetMeaningsItem, this, &Tokno::forgetMeaningsItemClick);
  onMenuItem(Doetiny1, this, &Tokno::Doetiny1Click);
  onMenuItem(Dotarviktiny1, this, &Tokno::Dotarviktiny1Click);
  onMenuItem(Npovda1, this, &Tokno::Npovda1Click);
  onMenuItem(About1, this, &Tokno::About1Click);
  // A tool button runs its command by triggering the command's menu item, so
  // each command is connected once, above. The buttons do not show the
  // items' actions (QToolButton::setDefaultAction): a hint is not always the
  // item's caption, the menus show no pictures, and the translate buttons
  // are disabled on an empty text while F4 and F5 still work.
  for (auto [button, item] : {std::pair{nove, Noveklad1}, std::pair{ToolButton1, Otevtoriginl1},
                              std::pair{ToolButton2, Uloizvystupdosouboru1}, std::pair{ToolButton6, Peloitpomalu1},
                              std::pair{ToolButton4, Peloitrychle1}, std::pair{ToolButton8, Slovnk2}})
    connect(button, &QToolButton::clicked, item, &QAction::trigger);
  // The direction button stands for both direction items, and its own click
  // also changes its picture, which the items leave as it is.
  onEvent(ToolButton9, &QToolButton::clicked, this, &Tokno::ToolButton9Click);
  onEvent(Vstup, &Memo::changed, this, &Tokno::vstupnikontrola);
  onEvent(Vstup, &Memo::clicked, this, &Tokno::vymazatvstup);
  onEvent(vyberslov, &StringGrid::clicked, this, &Tokno::vymena);
  onEvent(Timer1, &QTimer::timeout, this, &Tokno::Timer1Timer);
}
