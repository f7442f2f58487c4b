#pragma once

#include "platform/textfiles.h"

class DocumentState;

#include <QString>

// Reading and writing the document file, shared by both main windows.
namespace DocumentFiles {

inline const QString filter =
    QStringLiteral("HTML Files (*.html)|*.html|HTM Files (*.htm)|*.htm");

// Reads the whole file. On failure says so (the path and the reason) and
// returns false, so the caller can leave the document as it was. format
// receives how the file was stored, for its write.
bool read(const QString &path, QString *text, TextFiles::Format *format = nullptr);

// Which window shows a page: the source window keeps every byte of it, the
// composer's engine cannot.
enum class Shown { InSource, InComposer };

// Tells, once for the page at path, that it holds bytes that are not valid in
// its encoding and what becomes of them where it is shown; nothing when it
// holds none.
void tellKeptBytes(const QString &path, const TextFiles::Format &format, Shown where);

// Says that path could not be opened, and why.
void reportOpenFailure(const QString &path, const QString &reason);

// Writes the page followed by CR LF, unless it already ends with a line
// break or its file had none at the end, so opening and saving leaves a
// file byte for byte the same. A failed
// write leaves the old file whole and is reported. The page is written as
// it was read (format), in the encoding it now declares when that changed.
bool write(const QString &path, const QString &text, const TextFiles::Format &format);

// Every save of a document: writes text to path as write does, in the
// document's format, once the document agrees to replace the file there
// (see DocumentState::mayReplace), and notes the file it wrote. False when
// nothing was written.
bool save(DocumentState &document, const QString &path, const QString &text);

} // namespace DocumentFiles
