#pragma once

#include <QStringList>

class QMainWindow;

// A window's menu bar as lines "caption|name[|shortcut][|checked]", nested
// items indented by two blanks and separators as "-", for comparing a whole
// menu tree with a table.
QStringList menuTree(QMainWindow *window);
