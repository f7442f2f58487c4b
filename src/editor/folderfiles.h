#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// The program's own data folders (templates, crash, restore points, tools): which
// names may stand for a file in them, and what they hold.
namespace FolderFiles {

// A name that stays inside its folder: no path separator, no "..", no NUL
// or other control character. The empty name is safe; callers decide
// whether they accept it.
bool isSafeName(const QString &name);

// Says that a name was refused.
void reportInvalidName();

// The names of the regular files in folder that filters admit (besides
// QDir::Files), in sort order. Never a FIFO, socket, device or file of
// /proc, /sys or /dev, not even through a link: reading one would hang the
// program. Empty when the folder is missing.
QStringList regularFiles(const QString &folder, QDir::Filters filters,
                         QDir::SortFlags sort = QDir::Name | QDir::IgnoreCase);

// The regular files of folder whose names end in one of suffixes (any case),
// hidden files included, in order of name.
QStringList files(const QString &folder, const QStringList &suffixes);

// Every blank of text removed.
QString withoutBlanks(const QString &text);

} // namespace FolderFiles
