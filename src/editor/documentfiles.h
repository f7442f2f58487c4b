#pragma once

#include "platform/textfiles.h"

#include <QString>

// Reading and writing the document file, shared by both main windows.
namespace DocumentFiles {

inline const QString filter =
    QStringLiteral("HTML Files (*.html)|*.html|HTM Files (*.htm)|*.htm");

// Reads the whole file. On failure says so (the path and the reason) and
// returns false, so the caller can leave the document as it was. readAs
// receives the encoding the file was read in.
bool read(const QString &path, QString *text, TextFiles::Encoding *readAs = nullptr);

// Says that path could not be opened, and why.
void reportOpenFailure(const QString &path, const QString &reason);

// Writes the page followed by CR LF, unless it already ends with a line
// break, so opening and saving leaves a file byte for byte the same. A failed
// write leaves the old file whole and is reported. The page is written in
// the encoding it declares, else in readIn, the one it was read in.
bool write(const QString &path, const QString &text, TextFiles::Encoding readIn);

} // namespace DocumentFiles
