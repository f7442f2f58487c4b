#pragma once

#include <QString>

// Reading and writing the document file, shared by both main windows.
namespace DocumentFiles {

inline const QString filter =
    QStringLiteral("HTML Files (*.html)|*.html|HTM Files (*.htm)|*.htm");

// Reads the whole file. On failure says so (the path and the reason) and
// returns false, so the caller can leave the document as it was.
bool read(const QString &path, QString *text);

// Says that path could not be opened, and why.
void reportOpenFailure(const QString &path, const QString &reason);

// Writes the page followed by CR LF, unless it already ends with a line
// break, so opening and saving leaves a file byte for byte the same. A failed
// write leaves the old file whole and is reported.
bool write(const QString &path, const QString &text);

} // namespace DocumentFiles
