#pragma once

#include <QString>

// The folder that holds the executable and its data (misc, templates, Crash,
// tools, ...). Names inside it are matched without regard to case.
namespace ProgramFolder {

QString path();
// Tests point the program at a temporary copy; an empty path restores the default.
void setPathForTests(const QString &folder);

// The path of a file or folder below the program folder. Each segment of
// relative (separated by '/' or '\') takes the spelling of an existing entry
// that matches it case-insensitively, otherwise the spelling given.
QString resolve(const QString &relative);

} // namespace ProgramFolder
