#pragma once

#include <QString>

// Text files as the program reads and writes them: UTF-8 in with a
// Windows-1252 fallback for files from older editors; out in UTF-8 without
// BOM or, for pages, in the encoding the page declares; CR LF line ends, and
// an atomic replace so a failed write leaves the old file whole.
namespace TextFiles {

// ISO-8859-1 pages are written as Windows-1252, which is how browsers read
// that label, so the bytes of such a page survive a round trip.
enum class Encoding { Utf8, Windows1252 };

// Reads the whole file; on failure returns false and a readable reason.
// readAs, when given, receives the encoding the bytes were decoded from.
bool read(const QString &path, QString *text, QString *error = nullptr,
          Encoding *readAs = nullptr);

// Writes text with every line break as CR LF, through a temporary file that is
// renamed over the target only when everything was written.
bool write(const QString &path, const QString &text, QString *error = nullptr,
           Encoding encoding = Encoding::Utf8);

// Decoding used by read(): valid UTF-8 (BOM dropped) or else Windows-1252.
QString decode(const QByteArray &bytes, Encoding *used = nullptr);

// The bytes of text in encoding; a character it cannot hold becomes a numeric
// character reference ("&#8212;").
QByteArray encode(const QString &text, Encoding encoding);

// The encoding a page's own META element names (charset, or the content type
// of http-equiv), when it is one we write; else fallback.
Encoding pageEncoding(const QString &page, Encoding fallback);

// Every CR LF, lone CR and lone LF becomes CR LF.
QString toCrLf(const QString &text);

} // namespace TextFiles
