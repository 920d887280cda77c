#include "browser_window.h"

#include "cp1250.h"
#include "meaning_list.h"

namespace {

constexpr int kClientWidth = 407;
constexpr int kClientHeight = 249;
constexpr int kStatusHeight = 19;

}  // namespace

Tukaz_slovnik::Tukaz_slovnik(DictionaryStore& store, LookupHistory& history, QWidget* parent)
    : Window("Slovník", kClientWidth, kClientHeight, parent), store(store), history(history) {
  placeAt(345, 234);
  createControls();
  connectHandlers();
  // Start-up goes on past a failed first listing; the error is shown.
  runGuarded([this] { zaskrtnuti(); });
}

void Tukaz_slovnik::createControls() {
  najit = new QLineEdit(QString::fromUtf8("Najít text"), this);
  najit->setGeometry(8, 8, 185, 21);
  nameForScreenReader(najit, "Hledané slovo");
  prelozit = addButton("Přeložit", QRect(200, 8, 89, 25));
  zavrit = addButton("Zavřít", QRect(296, 8, 89, 25));

  slova = new MeaningList(store, this);
  vypis_slovicek = new ModelGrid(this);
  vypis_slovicek->setModel(slova);
  vypis_slovicek->setGeometry(8, 40, 393, 145);
  vypis_slovicek->setRowHeights(16);
  vypis_slovicek->setColWidth(0, 185);
  vypis_slovicek->setColWidth(1, 185);
  nameForScreenReader(vypis_slovicek, "Seznam slovíček");

  dotarvikstiny = choice<QRadioButton>(this, "Do Tarvikštiny", QRect(8, 192, 113, 25), false);
  docestiny = choice<QRadioButton>(this, "Do Češtiny", QRect(128, 192, 105, 25), true);
  okamzite = choice<QCheckBox>(this, "Hledat okamžitě", QRect(256, 188, 97, 17), true);
  podlevyslovnosti = choice<QCheckBox>(this, "Hledat i podle výslovnosti", QRect(256, 208, 145, 17), true);
  fitCaptions({dotarvikstiny, docestiny});
  fitCaptions({okamzite, podlevyslovnosti});

  StatusBar1 = new StatusPanels({150, 150, 50}, this);
  StatusBar1->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
  nameForScreenReader(StatusBar1, "Stav");
  StatusBar1->setPanelText(0, "Nenalezeno");
  StatusBar1->setPanelText(1, cp1250Text("Počet slovíček"));
  StatusBar1->setPanelText(2, cp1250Text("Výslovnost"));

  QWidget* order[] = {najit, prelozit, zavrit, dotarvikstiny, docestiny, vypis_slovicek, okamzite, podlevyslovnosti};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  makeRadioPair(dotarvikstiny, docestiny);
}

void Tukaz_slovnik::connectHandlers() {
  onEvent(najit, &QLineEdit::textChanged, this, &Tukaz_slovnik::stiskklavesy);
  onEvent(prelozit, &QPushButton::clicked, this, &Tukaz_slovnik::prelozitClick);
  onEvent(prelozit, &QPushButton::clicked, this, &Tukaz_slovnik::rememberWord);
  onEvent(zavrit, &QPushButton::clicked, this, &Tukaz_slovnik::zavritClick);
  onSelected(dotarvikstiny, this, &Tukaz_slovnik::zaskrtnuti);
  onSelected(docestiny, this, &Tukaz_slovnik::zaskrtnuti);
  onEvent(vypis_slovicek, &ModelGrid::clicked, this, &Tukaz_slovnik::clicknavypis);
  onEvent(this, &Window::activated, this, &Tukaz_slovnik::lookUpOnActivation);
}
