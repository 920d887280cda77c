// The event behaviour the windows rely on, as the adapter shapes it.

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

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

using Adapter = WindowTest<>;

// From a connected slot and from a widget's own event handler alike.
struct ThrowingWidget : QWidget {
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw IoError(EIO, "Read beyond end of file: ct_slovnik.slk");
    return QWidget::event(e);
  }
};

TEST_F(Adapter, AnErrorLeavingAHandlerIsReportedAndTheLoopGoesOn) {
  Recorder recorder;
  QPushButton button;
  onEvent(&button, &QPushButton::clicked, &recorder, &Recorder::failing);
  button.click();
  button.click();
  ThrowingWidget widget;
  QEvent event(QEvent::User);
  EXPECT_FALSE(QApplication::sendEvent(&widget, &event));
  EXPECT_EQ(recorder.runs, 2);
  EXPECT_EQ(errors, (std::vector<std::string>{"Disk full: tc_slovnik.slk", "Disk full: tc_slovnik.slk",
                                              "Read beyond end of file: ct_slovnik.slk"}));
}

TEST_F(Adapter, MenuTicksBelongToTheHandlerAndRadioButtonsRunOnAnySelection) {
  Recorder onItem, onFirst, onSecond;
  QMenu menu;
  QAction* item = menu.addAction("Hledat i podle výslovnosti");
  item->setCheckable(true);
  item->setChecked(true);
  onMenuItem(item, &onItem, &Recorder::handler);
  item->trigger();  // the handler does not touch the tick, so it stays
  EXPECT_TRUE(item->isChecked());
  EXPECT_EQ(onItem.runs, 1);

  QWidget group;
  auto* first = new QRadioButton("Tarviksko - český", &group);
  auto* second = new QRadioButton("Česko - tarvikský", &group);
  first->setChecked(true);
  onSelected(first, &onFirst, &Recorder::handler);
  onSelected(second, &onSecond, &Recorder::handler);
  second->setChecked(true);  // by the program
  second->click();  // already selected: nothing
  first->click();
  EXPECT_EQ(onSecond.runs, 1);
  EXPECT_EQ(onFirst.runs, 1);
}

TEST_F(Adapter, TextsTooLongForTheirPlaceAreNarrowedNotCut) {
  const QString hint = QString::fromUtf8("Pokud má slovo méně jak 5 významů tak neměňte hodnoty u");
  QLabel label(hint);
  label.setFont(programFont());
  label.resize(QFontMetrics(label.font()).horizontalAdvance(hint) * 9 / 10, 15);
  condenseToFit(&label);
  EXPECT_LE(QFontMetrics(label.font()).horizontalAdvance(hint), label.width());
  EXPECT_EQ(label.font().pixelSize(), 11);

  // Boxes of one group are narrowed alike, as far as is still readable.
  QWidget window;
  window.setFont(programFont());
  QCheckBox instant(QString::fromUtf8("Hledat okamžitě"), &window);
  instant.setGeometry(256, 188, 97, 17);
  QCheckBox sound(QString::fromUtf8("Hledat i podle výslovnosti"), &window);
  sound.setGeometry(256, 208, 145, 17);
  QCheckBox hopeless(sound.text(), &window);
  hopeless.setGeometry(0, 0, 40, 17);
  fitCaptions({&instant, &sound});
  fitCaptions({&hopeless});
  EXPECT_LT(sound.font().stretch(), QFont::Unstretched);
  EXPECT_EQ(instant.font().stretch(), sound.font().stretch());
  EXPECT_EQ(hopeless.font().stretch(), 70);
}

// Panels stand edge to edge where their widths say, also after a new text
// has made the bar lay itself out again; a long text is narrowed to fit.
TEST_F(Adapter, StatusPanelsStartWhereTheWidthsBeforeThemEnd) {
  StatusPanels bar({150, 150, 50});
  bar.setGeometry(0, 0, 458, 19);
  bar.show();
  bar.setPanelText(2, cp1250Text("Ve slovníku není žádné slovíčko!"));
  QCoreApplication::sendPostedEvents();
  QList<QLabel*> panels = bar.findChildren<QLabel*>();
  std::vector<std::pair<int, int>> spans;
  for (QLabel* panel : panels) spans.emplace_back(panel->x(), panel->width());
  EXPECT_EQ(spans, (std::vector<std::pair<int, int>>{{0, 150}, {150, 150}, {300, 158}}));
  EXPECT_LE(panels[2]->sizeHint().width(), panels[2]->width());
  bar.setPanelText(2, "Status");
  EXPECT_EQ(panels[2]->font().stretch(), QFont::Unstretched);
}

}  // namespace
