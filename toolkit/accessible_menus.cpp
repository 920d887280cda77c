#include "accessible_menus.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWindow>

namespace {

// "&Soubor" is read "Soubor"; "&&" stands for one ampersand.
QString withoutMnemonic(const QString& caption) {
  QString text;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    text += caption[i];
  }
  return text;
}

QMenu* menuHolding(QAction* item) {
  for (QObject* holder : item->associatedObjects())
    if (auto* menu = qobject_cast<QMenu*>(holder)) return menu;
  return nullptr;
}

class MenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  MenuItem(QMenu* menu, QAction* item) : menu(menu), item(item) {
    // Screen readers keep the states they were told; a tick changed by a
    // key or by the program is told to them.
    QObject::connect(item, &QAction::toggled, item, [item] {
      QAccessible::State changed;
      changed.checked = true;
      QAccessibleStateChangeEvent event(item, changed);
      QAccessible::updateAccessibility(&event);
    });
  }

  bool isValid() const override { return !menu.isNull() && !item.isNull(); }
  QObject* object() const override { return item; }
  QWindow* window() const override {
    const QWidget* native = menu->windowHandle() != nullptr ? menu.data() : menu->nativeParentWidget();
    return native != nullptr ? native->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu); }
  QAccessibleInterface* child(int index) const override {
    return index == 0 && item->menu() != nullptr ? QAccessible::queryAccessibleInterface(item->menu()) : nullptr;
  }
  int childCount() const override { return item->menu() != nullptr ? 1 : 0; }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && item->menu() != nullptr && child->object() == item->menu() ? 0 : -1;
  }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return withoutMnemonic(item->text());
    if (kind == QAccessible::Accelerator) return item->shortcut().toString(QKeySequence::NativeText);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return menu->actionGeometry(item).translated(menu->mapToGlobal(QPoint(0, 0))); }
  QAccessible::Role role() const override {
    if (item->isSeparator()) return QAccessible::Separator;
    if (!item->isCheckable()) return QAccessible::MenuItem;
    const QActionGroup* group = item->actionGroup();
    return group != nullptr && group->isExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = !menu->isVisible() || !item->isVisible();
    state.focused = menu->activeAction() == item;
    state.disabled = item->isSeparator() || !item->isEnabled();
    state.checkable = item->isCheckable();
    state.checked = item->isChecked();
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  QStringList actionNames() const override {
    if (item->isSeparator()) return {};
    return {item->menu() != nullptr ? showMenuAction() : pressAction()};
  }
  void doAction(const QString& action) override {
    if (!item->isEnabled()) return;
    if (action == pressAction()) item->trigger();
    if (action == showMenuAction()) menu->setActiveAction(item);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<QMenu> menu;
  QPointer<QAction> item;
};

// Qt's own interface of a menu counts only plain menu items and separators
// as its children, so it has to be replaced along with the items.
class Menu : public QAccessibleWidget {
 public:
  explicit Menu(QMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

  int childCount() const override { return static_cast<int>(menu()->actions().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QAction*> items = menu()->actions();
    return index >= 0 && index < items.size() ? QAccessible::queryAccessibleInterface(items[index]) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return static_cast<int>(menu()->actions().indexOf(qobject_cast<QAction*>(child->object())));
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    QAction* item = menu()->actionAt(menu()->mapFromGlobal(QPoint(x, y)));
    return item != nullptr && !item->isSeparator() ? QAccessible::queryAccessibleInterface(item) : nullptr;
  }
  QString text(QAccessible::Text kind) const override {
    const QString text = QAccessibleWidget::text(kind);
    return text.isEmpty() && kind == QAccessible::Name ? withoutMnemonic(menu()->title()) : text;
  }
  // The item that opens the menu, in the menu bar or in another menu.
  QAccessibleInterface* parent() const override {
    QAction* opener = menu()->menuAction();
    QList<QObject*> holders = opener->associatedObjects();
    holders.prepend(menu()->parentWidget());
    for (QObject* holder : holders) {
      auto* widget = qobject_cast<QWidget*>(holder);
      if (qobject_cast<QMenu*>(widget) == nullptr && qobject_cast<QMenuBar*>(widget) == nullptr) continue;
      const int index = static_cast<int>(widget->actions().indexOf(opener));
      if (index < 0) continue;
      if (QAccessibleInterface* owner = QAccessible::queryAccessibleInterface(widget)) return owner->child(index);
    }
    return QAccessibleWidget::parent();
  }

 private:
  QMenu* menu() const { return static_cast<QMenu*>(widget()); }
};

QAccessibleInterface* menuInterface(const QString& className, QObject* object) {
  if (className == QLatin1String("QMenu")) return new Menu(static_cast<QMenu*>(object));
  if (className != QLatin1String("QAction")) return nullptr;
  auto* item = static_cast<QAction*>(object);
  // The menu bar's items are Qt's; they are not ticked.
  QMenu* menu = menuHolding(item);
  return menu != nullptr ? new MenuItem(menu, item) : nullptr;
}

}  // namespace

void describeMenusToScreenReaders() { QAccessible::installFactory(menuInterface); }
