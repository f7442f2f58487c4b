#pragma once

#include "editor/recentfiles.h"

#include <QString>

#include <functional>

class QMainWindow;
class QMenu;

// The composer's menu bar: every menu and item with its caption, name and
// key, the dialog openers for the composer, and the window openers. Items
// whose commands the composer binds itself are left to it (found by name).
namespace ComposerCommandMap {

struct Menus {
    QMenu *file = nullptr;
    QMenu *edit = nullptr;
    QMenu *view = nullptr;
    QMenu *insert = nullptr;
    QMenu *format = nullptr;
    QMenu *table = nullptr;
    QMenu *options = nullptr;
    QMenu *style = nullptr;
    QMenu *tools = nullptr;
    QMenu *help = nullptr;
    RecentFiles::Menu recent{};
};

Menus build(QMainWindow *window);

// How a composer window reaches its editing controls.
struct Editing {
    std::function<void(int)> execOwn;      // ExecCommand on this window's txtComp
    std::function<void(int)> execDefault;  // ExecCommand on the main window's txtComp
    std::function<void(bool)> showDetails; // this window's txtComp
    std::function<void(bool)> snapToGrid;  // the main window's txtComp
    std::function<void(const QString &)> setHint;  // panel 1 of the status bar
};

// Binds the editing command family, Show Details and Snap to their items,
// and builds the toolbar and the format bar.
void bindEditing(QMainWindow *window, const Editing &editing);

// The toolbar's command: runs the item of the button with this key, compared
// exactly; any other key does nothing.
void toolbarClick(QMainWindow *window, const QString &key);

} // namespace ComposerCommandMap
