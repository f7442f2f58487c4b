#pragma once

#include <QString>
#include <QStringList>

// The program's own data folders (templates, crash, restore points): which
// names may stand for a file in them, and what they hold.
namespace FolderFiles {

// A name that stays inside its folder: no path separator, no "..", no NUL
// or other control character. The empty name is safe; callers decide
// whether they accept it.
bool isSafeName(const QString &name);

// Says that a name was refused.
void reportInvalidName();

// The files of folder whose names end in one of suffixes (any case), hidden
// files included, in order of name. Empty when the folder is missing.
QStringList files(const QString &folder, const QStringList &suffixes);

// Every blank of text removed.
QString withoutBlanks(const QString &text);

} // namespace FolderFiles
