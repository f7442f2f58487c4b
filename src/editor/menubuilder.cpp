#include "editor/menubuilder.h"

namespace Menus {

QMenu *menu(QMenuBar *bar, const QString &caption, const QString &name)
{
    QMenu *m = bar->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

QMenu *subMenu(QMenu *parent, const QString &caption, const QString &name)
{
    QMenu *m = parent->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

QAction *item(QMenu *menu, const QString &caption, const QString &name,
              const QKeySequence &shortcut)
{
    auto *action = new QAction(caption, menu->parentWidget() ? menu->parentWidget() : menu);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setEnabled(false);
    menu->addAction(action);
    return action;
}

void items(QMenu *menu, std::initializer_list<std::pair<const char *, const char *>> list)
{
    for (const auto &[caption, name] : list) {
        if (!*caption)
            menu->addSeparator();
        else
            item(menu, QString::fromUtf8(caption), QString::fromUtf8(name));
    }
}

QAction *checkItem(QMenu *menu, const QString &caption, const QString &name, bool checked,
                   const QKeySequence &shortcut)
{
    QAction *action = item(menu, caption, name, shortcut);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

QAction *fixedCheckItem(QMenu *menu, const QString &caption, const QString &name)
{
    QAction *action = checkItem(menu, caption, name, true);
    action->setEnabled(true);
    QObject::connect(action, &QAction::triggered, action, [action] { action->setChecked(true); });
    return action;
}

void followEnabled(QAction *button, QAction *command)
{
    button->setEnabled(command->isEnabled());
    QObject::connect(command, &QAction::changed, button,
                     [button, command] { button->setEnabled(command->isEnabled()); });
}

void forward(QAction *button, QAction *command)
{
    followEnabled(button, command);
    QObject::connect(button, &QAction::triggered, command, [command] { command->trigger(); });
}

QAction *find(QWidget *window, const QString &name)
{
    return window->findChild<QAction *>(name);
}

} // namespace Menus
