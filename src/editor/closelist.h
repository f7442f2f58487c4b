#pragma once

#include <QStringList>

// Closing either main window unloads these windows, in this order, before it
// runs that window's Exit. A window that is not loaded is skipped.
namespace CloseList {

const QStringList &names();
void unloadAll();

} // namespace CloseList
