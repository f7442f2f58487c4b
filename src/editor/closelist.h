#pragma once

#include <QStringList>

// Closing either main window unloads these windows, in this order, before it
// runs that window's Exit. A window that is not loaded is skipped.
namespace CloseList {

const QStringList &names();
void unloadAll();

// The Exit question both main windows ask; true when the user said Yes.
bool confirmExit();
// Says that Exit stopped because the document it offered to save is
// still unsaved.
void tellExitStopped();
// Ends the program at once. The crash flag is cleared when crashFile is
// empty or was deleted; a file that cannot be deleted leaves the flag.
void endProgram(const QString &crashFile);

} // namespace CloseList
