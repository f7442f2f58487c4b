#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>

// The character encodings behind TextFiles: names, converters and the
// detector for pages that do not say what they are.
namespace TextEncodings {

// The converter name for a charset label ("utf8" -> "UTF-8", "koi8-r" ->
// "KOI8-R"), read the way browsers read labels: the Latin-1 labels mean
// Windows-1252 and GB2312 means GBK. "UTF-16" and "UTF-32" stand for either
// byte order. Empty when the system has no converter for the label.
QString canonicalName(QStringView label);

bool isUtf16Or32(QStringView name);

// The text of bytes in encoding name; no result when the bytes are not valid
// in it. A leading U+FEFF is kept as a character.
std::optional<QString> decode(const QByteArray &bytes, const QString &name);

// The bytes of text in encoding name; a character it cannot hold becomes a
// numeric character reference.
QByteArray encode(const QString &text, const QString &name);

// The byte order mark of a Unicode encoding ("UTF-16LE": FF FE).
QByteArray byteOrderMark(const QString &name);

// The encoding a byte order mark at the start of bytes names, and the mark's length.
std::optional<std::pair<QString, int>> fromByteOrderMark(const QByteArray &bytes);

// The encoding the detector finds for bytes, when the system can convert it.
QString detect(const QByteArray &bytes);

} // namespace TextEncodings
