#include "editor/menubuilder.h"

#include <QActionEvent>

namespace Menus {

namespace {

// Keeps a submenu's own entry enabled exactly while one of its items is.
class SubmenuState : public QObject
{
public:
    explicit SubmenuState(QMenu *menu)
        : QObject(menu)
        , m_menu(menu)
    {
        menu->installEventFilter(this);
        update();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (watched == m_menu
            && (type == QEvent::ActionAdded || type == QEvent::ActionChanged
                || type == QEvent::ActionRemoved)) {
            // An item being removed is still in the list while this runs.
            const QAction *leaving = type == QEvent::ActionRemoved
                                         ? static_cast<QActionEvent *>(event)->action()
                                         : nullptr;
            update(leaving);
        }
        return false;
    }

private:
    void update(const QAction *leaving = nullptr)
    {
        bool usable = false;
        const auto actions = m_menu->actions();
        for (const QAction *a : actions) {
            if (a != leaving && !a->isSeparator() && a->isVisible() && a->isEnabled())
                usable = true;
        }
        m_menu->menuAction()->setEnabled(usable);
    }

    QMenu *m_menu;
};

} // namespace

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
    new SubmenuState(m);
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
