#include "support/menutree.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

QStringList describe(QMenu *menu, const QString &indent)
{
    QStringList out;
    const auto actions = menu->actions();
    for (QAction *a : actions) {
        if (a->isSeparator()) {
            out << indent + "-";
            continue;
        }
        QString line = indent + a->text() + "|" + a->objectName();
        if (!a->shortcut().isEmpty())
            line += "|" + a->shortcut().toString();
        if (a->isChecked())
            line += "|checked";
        out << line;
        // The Recent items change with the stored list; they are not part of the tree.
        if (a->menu() && a->objectName() != "mnuRecent")
            out << describe(a->menu(), indent + "  ");
    }
    return out;
}

} // namespace

QStringList menuTree(QMainWindow *window)
{
    QStringList tree;
    const auto tops = window->menuBar()->actions();
    for (QAction *top : tops) {
        tree << top->text() + "|" + top->objectName();
        tree << describe(top->menu(), "  ");
    }
    return tree;
}
