#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <initializer_list>
#include <utility>

// Menus are declared item by item with their captions, names and keys. An
// item starts disabled: it becomes usable only when a command is bound to it,
// so a command that is not built yet can never pretend to work.
namespace Menus {

QMenu *menu(QMenuBar *bar, const QString &caption, const QString &name);
// A submenu is usable only while one of its items is: with every item
// disabled or hidden (an empty Recent list) it is disabled itself.
QMenu *subMenu(QMenu *parent, const QString &caption, const QString &name);
QAction *item(QMenu *menu, const QString &caption, const QString &name,
              const QKeySequence &shortcut = QKeySequence());
// Several plain items in a row: caption and name, an empty caption a separator.
void items(QMenu *menu, std::initializer_list<std::pair<const char *, const char *>> list);
QAction *checkItem(QMenu *menu, const QString &caption, const QString &name, bool checked,
                   const QKeySequence &shortcut = QKeySequence());

// A checked item with no command: choosing it leaves the check mark as it is.
QAction *fixedCheckItem(QMenu *menu, const QString &caption, const QString &name);

template <class Receiver, class Method>
QAction *bind(QAction *action, Receiver *receiver, Method method)
{
    action->setEnabled(true);
    QObject::connect(action, &QAction::triggered, receiver, [receiver, method] {
        (receiver->*method)();
    });
    return action;
}

// Enables an item whose command is connected by the caller.
inline QAction *bind(QAction *action)
{
    action->setEnabled(true);
    return action;
}

// A button that is usable exactly while the command is.
void followEnabled(QAction *button, QAction *command);

// A button that runs exactly what the menu item runs, and is usable with it.
void forward(QAction *button, QAction *command);

// Finds an item of a window by its name, in any menu.
QAction *find(QWidget *window, const QString &name);

} // namespace Menus
