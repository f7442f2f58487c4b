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

// A byte that is not valid in the text's encoding is kept in the text as the
// private-use character kKeptBytes + byte, which encode() writes back as that
// byte. A character of this range that the file itself holds is kept the same
// way, byte by byte, so every file reads back to its own bytes.
constexpr char16_t kKeptBytes = 0xF700;
inline bool isKeptByte(QChar c)
{
    return (c.unicode() & 0xFF00) == kKeptBytes;
}

bool holdsKeptBytes(QStringView text);

// Whether bytes can be kept in text read in name: not in UTF-16 and UTF-32,
// nor in encodings that shift between states; there the range is plain text.
bool canKeepBytes(const QString &name);

// The text of bytes in encoding name; no result when the bytes are not valid
// in it. A leading U+FEFF is kept as a character.
std::optional<QString> decode(const QByteArray &bytes, const QString &name);

// As decode(), but every byte that is not valid in name is kept (see
// kKeptBytes), as a browser reads a page in its encoding whatever it holds.
// No result when the system cannot convert name or cannot keep bytes in it
// (encodings that shift between states, UTF-16 and UTF-32).
std::optional<QString> decodeKeepingBytes(const QByteArray &bytes, const QString &name);

// The bytes of text in encoding name; a character it cannot hold becomes a
// numeric character reference, a kept byte the byte it stands for.
QByteArray encode(const QString &text, const QString &name);

// text with each kept byte as U+FFFD, as a browser shows a byte it cannot read.
QString withKeptBytesShown(const QString &text);

// The byte order mark of a Unicode encoding ("UTF-16LE": FF FE).
QByteArray byteOrderMark(const QString &name);

// The encoding a byte order mark at the start of bytes names, and the mark's length.
std::optional<std::pair<QString, int>> fromByteOrderMark(const QByteArray &bytes);

// The encoding the detector finds for bytes, when the system can convert it.
QString detect(const QByteArray &bytes);

} // namespace TextEncodings
