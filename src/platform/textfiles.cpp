#include "platform/textfiles.h"

#include "platform/regularfile.h"
#include "platform/textencodings.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <fcntl.h>
#include <unistd.h>

namespace TextFiles {

namespace {

namespace Enc = TextEncodings;

const QString kNotText = QStringLiteral(
    "The file holds NUL bytes and is no UTF-16 or UTF-32 text, so it is not a page.");

// The label after "charset" in a META tag ("charset=x" or the content type's
// "; charset=x"), or nothing when the tag names no charset.
std::optional<QStringView> charsetLabel(QStringView tag)
{
    qsizetype at = 0;
    while ((at = tag.indexOf(u"charset", at, Qt::CaseInsensitive)) >= 0) {
        qsizetype i = at + 7;
        at = i;
        while (i < tag.size() && tag.at(i).isSpace())
            ++i;
        if (i >= tag.size() || tag.at(i) != u'=')
            continue;
        ++i;
        while (i < tag.size() && (tag.at(i).isSpace() || tag.at(i) == u'"'
                                  || tag.at(i) == u'\''))
            ++i;
        const qsizetype start = i;
        while (i < tag.size() && (tag.at(i).isLetterOrNumber() || tag.at(i) == u'-'
                                  || tag.at(i) == u'_' || tag.at(i) == u'.'
                                  || tag.at(i) == u':'))
            ++i;
        return tag.mid(start, i - start);
    }
    return std::nullopt;
}

// The first META that names a charset decides, as it does for a browser.
std::optional<QStringView> metaLabel(QStringView page)
{
    qsizetype at = 0;
    while ((at = page.indexOf(u"<meta", at, Qt::CaseInsensitive)) >= 0) {
        const qsizetype end = page.indexOf(u'>', at);
        const QStringView tag = page.mid(at, end < 0 ? -1 : end - at);
        if (const auto label = charsetLabel(tag))
            return label;
        if (end < 0)
            break;
        at = end;
    }
    return std::nullopt;
}

// The encoding="..." of an XML declaration at the very start of page.
std::optional<QStringView> xmlLabel(QStringView page)
{
    if (page.startsWith(QChar(0xFEFF)))
        page = page.mid(1);
    if (!page.startsWith(u"<?xml"))
        return std::nullopt;
    const qsizetype end = page.indexOf(u"?>");
    const QStringView decl = page.mid(0, end < 0 ? -1 : end);
    const qsizetype at = decl.indexOf(u"encoding");
    if (at < 0)
        return std::nullopt;
    qsizetype i = at + 8;
    while (i < decl.size() && decl.at(i).isSpace())
        ++i;
    if (i >= decl.size() || decl.at(i) != u'=')
        return std::nullopt;
    ++i;
    while (i < decl.size() && decl.at(i).isSpace())
        ++i;
    if (i >= decl.size() || (decl.at(i) != u'"' && decl.at(i) != u'\''))
        return std::nullopt;
    const QChar quote = decl.at(i);
    const qsizetype close = decl.indexOf(quote, i + 1);
    if (close < 0)
        return std::nullopt;
    return decl.mid(i + 1, close - i - 1);
}

// Text without control characters, mostly ASCII as markup is: how UTF-16 or
// UTF-32 without a mark is told from binary data.
bool looksLikeMarkup(const QString &text)
{
    qsizetype ascii = 0;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f')
            return false;
        if (c.unicode() < 0x80)
            ++ascii;
    }
    return ascii * 2 >= text.size();
}

// Bytes that decode to text in the named encoding and back to the same bytes.
std::optional<QString> exactly(const QByteArray &bytes, const QString &name)
{
    if (name.isEmpty() || Enc::isUtf16Or32(name))
        return std::nullopt;
    auto text = Enc::decode(bytes, name);
    if (text && Enc::encode(*text, name) != bytes)
        text.reset();
    return text;
}

// The text of bytes without a byte order mark.
QString decodeUnmarked(const QByteArray &bytes, Format *f)
{
    // A declared encoding counts only when the bytes are valid in it; else
    // the page is read in a way that keeps every byte.
    const QString declared = declaredEncoding(QString::fromLatin1(bytes));
    for (const QString &name : {declared, QStringLiteral("UTF-8")}) {
        if (auto text = exactly(bytes, name)) {
            f->encoding = name;
            return *text;
        }
    }
    const QString detected = Enc::detect(bytes);
    if (auto text = exactly(bytes, detected)) {
        f->encoding = detected;
        return *text;
    }
    f->encoding = QStringLiteral("windows-1252");
    return *Enc::decode(bytes, f->encoding);
}

// UTF-16 or UTF-32 without a byte order mark: plain text in one of them.
std::optional<QString> decodeWideUnmarked(const QByteArray &bytes, Format *f)
{
    for (const char *name : {"UTF-32LE", "UTF-32BE", "UTF-16LE", "UTF-16BE"}) {
        const QString n = QString::fromLatin1(name);
        const int unit = n.startsWith(u"UTF-32") ? 4 : 2;
        if (bytes.size() % unit != 0)
            continue;
        auto text = Enc::decode(bytes, n);
        if (text && looksLikeMarkup(*text)) {
            f->encoding = n;
            return text;
        }
    }
    return std::nullopt;
}

} // namespace

bool decode(const QByteArray &bytes, QString *text, Format *format, QString *error)
{
    Format f;
    std::optional<QString> out;
    if (const auto mark = Enc::fromByteOrderMark(bytes)) {
        const auto &[name, length] = *mark;
        const QByteArray rest = bytes.mid(length);
        out = Enc::decode(rest, name);
        // Broken UTF-16/32 is read as well as it goes rather than refused;
        // text after a UTF-8 mark that is no UTF-8 is read whole, mark and all.
        if (!out && Enc::isUtf16Or32(name))
            out = QStringDecoder(name.toLatin1().constData(),
                                 QStringConverter::Flag::ConvertInitialBom)(rest);
        if (out) {
            f.encoding = name;
            f.byteOrderMark = true;
        }
    }
    if (!out && bytes.contains('\0'))
        out = decodeWideUnmarked(bytes, &f);
    else if (!out)
        out = decodeUnmarked(bytes, &f);
    if (!out || out->contains(QChar(0))) {
        if (error)
            *error = kNotText;
        return false;
    }
    f.lineEnd = lineEndOf(*out);
    f.finalLineEnd = out->endsWith(u'\n') || out->endsWith(u'\r');
    f.declared = declaredEncoding(*out);
    *text = *out;
    if (format)
        *format = f;
    return true;
}

QString decode(const QByteArray &bytes, Format *format)
{
    QString text;
    if (decode(bytes, &text, format))
        return text;
    if (format)
        *format = Format{QStringLiteral("windows-1252")};
    return *TextEncodings::decode(bytes, QStringLiteral("windows-1252"));
}

QString declaredEncoding(const QString &page)
{
    const QStringView view(page);
    if (const auto label = metaLabel(view))
        return TextEncodings::canonicalName(*label);
    if (const auto label = xmlLabel(view))
        return TextEncodings::canonicalName(*label);
    return QString();
}

QString writeEncoding(const QString &text, const Format &format)
{
    const QString now = declaredEncoding(text);
    if (now.isEmpty() || now.compare(format.declared, Qt::CaseInsensitive) == 0)
        return format.encoding;
    // "UTF-16" says nothing of the byte order: the one read stays.
    if (now == u"UTF-16" || now == u"UTF-32")
        return format.encoding.startsWith(now) ? format.encoding : now + QStringLiteral("LE");
    return now;
}

QByteArray encode(const QString &text, const Format &format)
{
    const QString name = writeEncoding(text, format);
    const bool unicode = name.startsWith(u"UTF-");
    // UTF-16 and UTF-32 are read only by their mark, so a page that turns to
    // one of them gets it.
    const bool mark = name == format.encoding
                          ? format.byteOrderMark
                          : unicode && (format.byteOrderMark || TextEncodings::isUtf16Or32(name));
    QByteArray out = mark ? TextEncodings::byteOrderMark(name) : QByteArray();
    out += TextEncodings::encode(withLineEnds(text, format.lineEnd), name);
    return out;
}

LineEnd lineEndOf(QStringView text)
{
    bool crlf = false, lf = false, cr = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 < n && text.at(i + 1) == u'\n') {
                crlf = true;
                ++i;
            } else {
                cr = true;
            }
        } else if (c == u'\n') {
            lf = true;
        }
    }
    if (lf && !crlf && !cr)
        return LineEnd::Lf;
    if (cr && !crlf && !lf)
        return LineEnd::Cr;
    return LineEnd::CrLf;
}

QString withLineEnds(const QString &text, LineEnd lineEnd)
{
    const QStringView brk = lineEnd == LineEnd::CrLf ? QStringView(u"\r\n")
                            : lineEnd == LineEnd::Lf ? QStringView(u"\n")
                                                     : QStringView(u"\r");
    QString out;
    out.reserve(text.size() + text.size() / 32);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            out += brk;
            if (i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
        } else if (c == u'\n') {
            out += brk;
        } else {
            out += c;
        }
    }
    return out;
}

bool read(const QString &path, QString *text, QString *error, Format *format)
{
    QByteArray bytes;
    if (!RegularFile::readAll(path, &bytes, error))
        return false;
    return decode(bytes, text, format, error);
}

bool write(const QString &path, const QString &text, QString *error, const Format &format)
{
    Replacement file(path);
    if (file.open() && file.write(encode(text, format)) && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

namespace {

// Whether the running user may make files in the folder of path.
bool folderWritable(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    return ::faccessat(AT_FDCWD, folder.constData(), W_OK, AT_EACCESS) == 0;
}

} // namespace

Replacement::Replacement(const QString &path) : m_save(path), m_inPlace(path) {}

Replacement::~Replacement()
{
    cancel();
}

bool Replacement::fail(const QString &why)
{
    m_error = why;
    return false;
}

bool Replacement::open()
{
    // Unbuffered, so a short write (a full disk) is seen here and not lost
    // inside a flush that reports success.
    if (m_save.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return true;
    const QString why = m_save.errorString();
    // ReadWrite keeps the old content until commit() writes the new one.
    if (folderWritable(m_save.fileName()) || !QFileInfo(m_save.fileName()).isFile()
        || !m_inPlace.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return fail(why);
    m_holding = true;
    return true;
}

bool Replacement::write(const char *data, qint64 size)
{
    if (m_holding) {
        m_held.append(data, qsizetype(size));
        return true;
    }
    qint64 done = 0;
    while (done < size) {
        const qint64 n = m_save.write(data + done, size - done);
        if (n <= 0) {
            fail(m_save.errorString());
            m_save.cancelWriting();
            return false;
        }
        done += n;
    }
    return true;
}

bool Replacement::commit()
{
    if (!m_holding)
        return m_save.commit() || fail(m_save.errorString());
    m_holding = false;
    const bool written = m_inPlace.write(m_held) == m_held.size()
                         && m_inPlace.resize(m_held.size()) && m_inPlace.flush();
    const QString why = m_inPlace.errorString();
    m_inPlace.close();
    m_held.clear();
    if (!written)
        return fail(QStringLiteral("%1 (the file was written in place and may now be "
                                   "damaged)").arg(why));
    return true;
}

void Replacement::cancel()
{
    if (m_save.isOpen())
        m_save.cancelWriting();
    m_inPlace.close();
    m_held.clear();
    m_holding = false;
}

} // namespace TextFiles
