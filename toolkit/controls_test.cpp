// The event behaviour the windows rely on, as the adapter shapes it.

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include "controls.h"
#include "cp1250.h"
#include "io_error.h"
#include "qt_app_fixture_test.h"

namespace {

struct Recorder : QObject {
  int runs = 0;
  void handler() { ++runs; }
  void failing() {
    ++runs;
    throw IoError(ENOSPC, "Disk full: tc_slovnik.slk");
  }
};

class Adapter : public QtAppTest {
 protected:
  void SetUp() override {
    setErrorReporter([this](const std::string& message) { reported.push_back(message); });
  }
  void TearDown() override { setErrorReporter(nullptr); }
  std::vector<std::string> reported;
  Recorder recorder;
};

TEST_F(Adapter, AnErrorLeavingAHandlerIsReportedAndTheLoopGoesOn) {
  QPushButton button;
  onEvent(&button, &QPushButton::clicked, &recorder, &Recorder::failing);
  button.click();
  button.click();
  EXPECT_EQ(recorder.runs, 2);
  EXPECT_EQ(reported, (std::vector<std::string>{"Disk full: tc_slovnik.slk", "Disk full: tc_slovnik.slk"}));
}

// An event handler of a widget (not a connected slot) that throws.
struct ThrowingWidget : QWidget {
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw IoError(EIO, "Read beyond end of file: ct_slovnik.slk");
    return QWidget::event(e);
  }
};

TEST_F(Adapter, TheApplicationCatchesWhatAnEventHandlerThrows) {
  ThrowingWidget widget;
  QEvent event(QEvent::User);
  EXPECT_FALSE(QApplication::sendEvent(&widget, &event));
  EXPECT_EQ(reported, std::vector<std::string>{"Read beyond end of file: ct_slovnik.slk"});
}

TEST_F(Adapter, AMenuItemsTickBelongsToItsHandler) {
  QMenu menu;
  QAction* item = menu.addAction("Hledat i podle výslovnosti");
  item->setCheckable(true);
  item->setChecked(true);
  onMenuItem(item, &recorder, &Recorder::handler);
  item->trigger();  // the handler does not touch the tick, so it stays
  EXPECT_TRUE(item->isChecked());
  EXPECT_EQ(recorder.runs, 1);
}

TEST_F(Adapter, RadioButtonsRunTheirHandlerWhenSelectedByAnyone) {
  QWidget group;
  auto* first = new QRadioButton("Tarviksko - český", &group);
  auto* second = new QRadioButton("Česko - tarvikský", &group);
  first->setChecked(true);
  Recorder onFirst, onSecond;
  onSelected(first, &onFirst, &Recorder::handler);
  onSelected(second, &onSecond, &Recorder::handler);
  second->setChecked(true);  // by the program
  EXPECT_EQ(onSecond.runs, 1);
  EXPECT_FALSE(first->isChecked());
  second->click();  // already selected: nothing
  EXPECT_EQ(onSecond.runs, 1);
  first->click();
  EXPECT_EQ(onFirst.runs, 1);
  EXPECT_EQ(onFirst.runs + onSecond.runs, 2);
}

TEST_F(Adapter, ALabelTooNarrowForItsTextGetsANarrowerFont) {
  const QString hint = QString::fromUtf8("Pokud má slovo méně jak 5 významů tak neměňte hodnoty u");
  QLabel label(hint);
  label.setFont(programFont());
  int full = QFontMetrics(label.font()).horizontalAdvance(hint);
  label.resize(full * 9 / 10, 15);
  condenseToFit(&label);
  EXPECT_LT(label.font().stretch(), QFont::Unstretched);
  EXPECT_LE(QFontMetrics(label.font()).horizontalAdvance(hint), label.width());
  EXPECT_EQ(label.font().pixelSize(), 11);

  QLabel roomy(hint);
  roomy.setFont(programFont());
  roomy.resize(full + 10, 15);
  condenseToFit(&roomy);
  EXPECT_EQ(roomy.font().stretch(), QFont::Unstretched);
}

// Room for the caption beside the box, as the style measures it.
int captionRoom(const QCheckBox& box) {
  return box.width() - box.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box) -
         box.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &box);
}

int captionWidth(const QCheckBox& box) { return QFontMetrics(box.font()).horizontalAdvance(box.text()); }

TEST_F(Adapter, CaptionsTooLongForTheirBoxesAreNarrowedAllAlike) {
  QWidget window;
  window.setFont(programFont());
  QCheckBox instant(QString::fromUtf8("Hledat okamžitě"), &window);
  instant.setGeometry(256, 188, 97, 17);
  QCheckBox sound(QString::fromUtf8("Hledat i podle výslovnosti"), &window);
  sound.setGeometry(256, 208, 145, 17);
  QCheckBox roomy(QString::fromUtf8("Do Češtiny"), &window);
  roomy.setGeometry(8, 192, 200, 17);
  fitCaptions({&instant, &sound});
  fitCaptions({&roomy});
  EXPECT_LE(captionWidth(instant), captionRoom(instant));
  EXPECT_LE(captionWidth(sound), captionRoom(sound));
  EXPECT_EQ(instant.font().stretch(), sound.font().stretch());
  EXPECT_EQ(roomy.font().stretch(), 100);
  EXPECT_EQ(roomy.font().pixelSize(), 11);

  QCheckBox hopeless(QString::fromUtf8("Hledat i podle výslovnosti"), &window);
  hopeless.setGeometry(0, 0, 40, 17);
  fitCaptions({&hopeless});  // narrowed as far as is still readable, then left
  EXPECT_EQ(hopeless.font().stretch(), 70);
}

TEST_F(Adapter, StatusPanelsHoldWindows1250Texts) {
  StatusPanels panels({500, 50});
  panels.setPanelText(1, "Do \xE8" "e\x9Atiny");
  EXPECT_EQ(panels.panelText(1), "Do \xE8" "e\x9Atiny");
  EXPECT_EQ(panels.panelText(0), "");
}

TEST_F(Adapter, AStatusTextWiderThanItsPanelIsDrawnNarrowerNotCut) {
  StatusPanels panels({150, 150});
  panels.setGeometry(0, 0, 316, 19);
  panels.setPanelText(1, cp1250Text("Ve slovníku není žádné slovíčko!"));
  panels.show();
  QLabel* last = panels.findChildren<QLabel*>().at(1);
  EXPECT_LE(last->sizeHint().width(), last->width());
  panels.setPanelText(1, "Status");
  EXPECT_EQ(last->font().stretch(), QFont::Unstretched);
}

}  // namespace
