// The event behaviour the windows rely on, as the adapter shapes it.

#include <QAccessible>
#include <QActionGroup>
#include <QCheckBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

#include "controls.h"
#include "cp1250.h"
#include "io_error.h"
#include "qt_app_fixture_test.h"

namespace {

struct Recorder : QObject {
  int runs = 0;
  void handler() { ++runs; }
  void failing() { ++runs, throw IoError(ENOSPC, "Disk full: tc_slovnik.slk"); }
};

// From a connected slot and from a widget's own event handler alike.
struct ThrowingWidget : QWidget {
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw IoError(EIO, "Read beyond end of file: ct_slovnik.slk");
    return QWidget::event(e);
  }
};

using Adapter = WindowTest<>;

// An error leaving a handler is reported and the loop goes on. A menu tick
// belongs to the handler, and a radio button's runs on any selection.
TEST_F(Adapter, HandlersRunGuardedMenuTicksStayAndRadioButtonsRunOnSelection) {
  Recorder failing, onItem, onFirst, onSecond;
  QPushButton button;
  onEvent(&button, &QPushButton::clicked, &failing, &Recorder::failing);
  button.click();
  ThrowingWidget widget;
  QEvent event(QEvent::User);
  EXPECT_FALSE(QApplication::sendEvent(&widget, &event));
  button.click();
  EXPECT_EQ(errors, (std::vector<std::string>{"Disk full: tc_slovnik.slk", "Read beyond end of file: ct_slovnik.slk",
                                              "Disk full: tc_slovnik.slk"}));
  QMenu menu;
  QAction* item = menu.addAction("Hledat i podle výslovnosti");
  item->setCheckable(true);
  item->setChecked(true);
  onMenuItem(item, &onItem, &Recorder::handler);
  item->trigger();
  EXPECT_EQ(std::pair(item->isChecked(), onItem.runs), std::pair(true, 1));
  QWidget group;
  auto* first = new QRadioButton("Tarviksko - český", &group);
  auto* second = new QRadioButton("Česko - tarvikský", &group);
  first->setChecked(true);
  onSelected(first, &onFirst, &Recorder::handler);
  onSelected(second, &onSecond, &Recorder::handler);
  second->setChecked(true);  // by the program
  second->click();  // already selected: nothing
  first->click();
  EXPECT_EQ(std::pair(onFirst.runs, onSecond.runs), std::pair(1, 1));
}

// A screen reader hears which menu items are options and which choose one
// of a group, and their ticks as they change, in the tree of the menu bar.
TEST_F(Adapter, MenuItemsThatTickAreCheckBoxesOrRadioButtonsWithTheirTicks) {
  QMainWindow window;
  QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8("Slovník"));
  menu->addAction(QString::fromUtf8("Editace slovníku"));
  QAction* option = menu->addAction("Hledat i &tvary slov");
  option->setCheckable(true);
  menu->addSeparator();
  QActionGroup directions(&window);
  for (const char* caption : {"Do češtiny", "Do tarvikštiny"}) {
    QAction* item = directions.addAction(menu->addAction(QString::fromUtf8(caption)));
    item->setCheckable(true);
  }
  menu->actions()[3]->setChecked(true);
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window.menuBar())->child(0)->child(0);
  const auto said = [list] {
    std::string all;
    for (int i = 0; i < list->childCount(); ++i) {
      QAccessibleInterface* item = list->child(i);
      all += std::to_string(item->role()) + (item->state().checked ? "+" : "") + " " +
             item->text(QAccessible::Name).toStdString() + " @" + std::to_string(list->indexOfChild(item)) + "; ";
    }
    return all;
  };
  // Roles: 0x0C menu item, 0x2C check box, 0x15 separator, 0x2D radio button.
  EXPECT_EQ(said(), "12 Editace slovníku @0; 44 Hledat i tvary slov @1; 21  @2; 45+ Do češtiny @3; 45 Do tarvikštiny @4; ");
  list->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());  // as a reader presses it
  menu->actions()[4]->trigger();
  EXPECT_EQ(said(), "12 Editace slovníku @0; 44+ Hledat i tvary slov @1; 21  @2; 45 Do češtiny @3; 45+ Do tarvikštiny @4; ");
  EXPECT_EQ(list->parent()->object(), menu->menuAction());
  // A submenu hangs below its item, and names itself by its title.
  QMenu* exports = menu->addMenu("Export");
  QAccessibleInterface* opener = list->child(5);
  ASSERT_EQ(opener->childCount(), 1);
  EXPECT_EQ(opener->indexOfChild(opener->child(0)), 0);
  EXPECT_EQ(opener->child(0)->object(), exports);
  EXPECT_EQ(opener->child(0)->text(QAccessible::Name), "Export");
  EXPECT_EQ(opener->child(0)->parent()->object(), exports->menuAction());
}

// Boxes of one group are narrowed alike, as far as is still readable.
TEST_F(Adapter, CaptionsTooLongForTheirPlaceAreNarrowedNotCut) {
  EXPECT_EQ(programFont().pixelSize(), 11);
  QWidget window;
  window.setFont(programFont());
  const QString caption = QString::fromUtf8("Hledat i podle výslovnosti");
  QCheckBox instant(QString::fromUtf8("Hledat okamžitě"), &window), sound(caption, &window), hopeless(caption, &window);
  QCheckBox roomy(caption, &window);
  instant.resize(97, 17), sound.resize(145, 17), hopeless.resize(40, 17), roomy.resize(300, 17);
  fitCaptions({&instant, &sound});
  fitCaptions({&roomy, &hopeless});
  EXPECT_TRUE(sound.font().stretch() < QFont::Unstretched && sound.font().stretch() > 70);
  EXPECT_EQ(std::tuple(instant.font().stretch(), roomy.font().stretch()), std::tuple(sound.font().stretch(), 70));
}

// Panels stand edge to edge where their widths say, also after a new text
// has made the bar lay itself out again; a long text is narrowed to fit.
TEST_F(Adapter, StatusPanelsStartWhereTheWidthsBeforeThemEnd) {
  StatusPanels bar({150, 150, 50});
  bar.setGeometry(0, 0, 458, 19);
  bar.show();
  bar.setPanelText(2, cp1250Text("Ve slovníku není žádné slovíčko!"));
  QCoreApplication::sendPostedEvents();
  const QList<QLabel*> panels = bar.findChildren<QLabel*>();
  EXPECT_EQ(std::tuple(panels[0]->x(), panels[1]->x(), panels[2]->x(), panels[2]->width()),
            std::tuple(0, 150, 300, 158));
  EXPECT_LE(panels[2]->sizeHint().width(), panels[2]->width());
  bar.setPanelText(2, "Status");
  EXPECT_EQ(panels[2]->font().stretch(), QFont::Unstretched);
}

}  // namespace
