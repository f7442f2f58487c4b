#pragma once

#include "editor/recentfiles.h"

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

} // namespace ComposerCommandMap
