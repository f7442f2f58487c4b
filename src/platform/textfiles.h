#pragma once

#include <QString>

// Text files as the program reads and writes them: UTF-8 without BOM out,
// UTF-8 in with a Windows-1252 fallback for files from older editors, CR LF
// line ends, and an atomic replace so a failed write leaves the old file whole.
namespace TextFiles {

// Reads the whole file; on failure returns false and a readable reason.
bool read(const QString &path, QString *text, QString *error = nullptr);

// Writes text with every line break as CR LF, through a temporary file that is
// renamed over the target only when everything was written.
bool write(const QString &path, const QString &text, QString *error = nullptr);

// Decoding used by read(): valid UTF-8 (BOM dropped) or else Windows-1252.
QString decode(const QByteArray &bytes);

// Every CR LF, lone CR and lone LF becomes CR LF.
QString toCrLf(const QString &text);

} // namespace TextFiles
