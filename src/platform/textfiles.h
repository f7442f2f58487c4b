#pragma once

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

// Text files as the program reads and writes them. In: by the byte order
// mark, else in the encoding the page declares, else UTF-8 (plain ASCII
// when every byte is), else what a detector finds, Windows-1252 as the last
// resort; bytes that are not valid in the encoding are kept. Out: in the encoding the
// file was read in (or the page now declares), with the byte order mark and
// line ends it had; new files UTF-8 with CR LF. Every write is an atomic
// replace, so a failed write leaves the old file whole.
namespace TextFiles {

enum class LineEnd { CrLf, Lf, Cr };

// How a file's text was stored, carried from its read to its write.
struct Format {
    // The converter's name ("UTF-8", "UTF-16LE", "windows-1252", "KOI8-R").
    QString encoding = QStringLiteral("UTF-8");
    bool byteOrderMark = false;
    // Files with one kind of line end keep it; mixed ones get CR LF.
    LineEnd lineEnd = LineEnd::CrLf;
    // Whether the text ended with a line break: a page that did not gets
    // none added when it is saved.
    bool finalLineEnd = true;
    // The encoding the text declared when it was read (empty: none). A page
    // that declares another one since is written in that one.
    QString declared;
    // Whether the file held bytes that are not valid in its encoding: they
    // are in the text as kept bytes (TextEncodings::kKeptBytes) and are
    // written back as they were.
    bool keptBytes = false;
};

// Reads the whole file; on failure (a file that cannot be read, or one that
// holds NUL bytes and is no UTF-16 or UTF-32 text) returns false and a
// readable reason. format, when given, receives how the file was stored.
bool read(const QString &path, QString *text, QString *error = nullptr,
          Format *format = nullptr);

// Writes text in format (see encode) through a Replacement.
bool write(const QString &path, const QString &text, QString *error = nullptr,
           const Format &format = Format());

// How every file is replaced: written to a temporary file beside it, which
// is renamed over it only when everything was written. Where none can be
// made there (a folder the user cannot write) but the file itself can be
// written, the bytes are held until commit() and written into the file in
// place; a failure then says that the old file may be damaged.
class Replacement
{
public:
    explicit Replacement(const QString &path);
    ~Replacement();

    bool open();
    bool write(const char *data, qint64 size);
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    bool commit();
    // Leaves the old file as it was.
    void cancel();
    // Why the last call failed.
    QString errorString() const { return m_error; }

private:
    bool fail(const QString &why);

    QSaveFile m_save;
    QFile m_inPlace;
    QByteArray m_held;
    bool m_holding = false;
    QString m_error;
};

// Decoding used by read(). Returns false, with the reason, for bytes that are
// no text (NUL bytes outside UTF-16 and UTF-32).
bool decode(const QByteArray &bytes, QString *text, Format *format = nullptr,
            QString *error = nullptr);

// As above for texts that are shown, never refused.
QString decode(const QByteArray &bytes, Format *format = nullptr);

// The bytes of text with every line break in format's line end, in the
// encoding writeEncoding() picks, with the byte order mark when the format
// has one (UTF-16 and UTF-32 always). A character the encoding cannot hold
// becomes a numeric character reference ("&#8212;").
QByteArray encode(const QString &text, const Format &format);

// The encoding text is written in: the one it declares now when that is not
// the one it declared when read, else the one it was read in.
QString writeEncoding(const QString &text, const Format &format);

// The encoding a page declares (its first META naming a charset, found as a
// browser's prescan finds it, past comments, script and style text and
// attribute values; else the XML declaration at its start) as a converter
// name, when the system has a converter for it; else empty.
QString declaredEncoding(const QString &page);

// Every CR LF, lone CR and lone LF becomes lineEnd.
QString withLineEnds(const QString &text, LineEnd lineEnd);
inline QString toCrLf(const QString &text)
{
    return withLineEnds(text, LineEnd::CrLf);
}

// The line end of text: the one kind it has; CR LF when it has none or mixes them.
LineEnd lineEndOf(QStringView text);

} // namespace TextFiles
