#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// The rich-text format of help pages and restore points: RTF. The reader
// takes the subset simple pages use (paragraphs, line breaks, tabs, bold,
// italic, underline, font size, alignment, indent and spacing, \'hh and \uN
// escapes, escaped braces and backslash) and skips font tables, colour
// tables, pictures and ignorable groups. Bytes that do not start with "{\rtf"
// are plain text.
namespace RichText {

bool isRtf(const QByteArray &bytes);

// Replaces the document's content; the document's default font stays, so
// text without an explicit size takes the size of the control showing it.
void read(const QByteArray &bytes, QTextDocument *document);
bool readFile(const QString &path, QTextDocument *document, QString *error = nullptr);

// The text alone, every paragraph and line break as CR LF, characters such
// as non-breaking spaces unchanged.
QString toPlainText(const QByteArray &bytes);
bool readPlainTextFile(const QString &path, QString *text, QString *error = nullptr);

// RTF that reads back as text: every line break (CR LF, lone CR or lone LF)
// becomes a paragraph, so the text reads back with CR LF; everything else,
// braces, backslashes and any Unicode character included, comes back as is.
// Pure ASCII, so word processors read it in any code page.
QString fromPlainText(const QString &text);
// Written through a temporary file renamed over the target.
bool writePlainTextFile(const QString &path, const QString &text, QString *error = nullptr);

} // namespace RichText
