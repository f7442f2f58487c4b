#include "platform/textfiles.h"

#include "platform/regularfile.h"
#include "platform/textencodings.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
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

bool isTagSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// One tag's attributes as a browser's prescan reads them, from just after
// its name; end receives the place after the tag.
struct TagAttributes {
    std::optional<QStringView> charset;
    std::optional<QStringView> httpEquiv;
    std::optional<QStringView> content;
};

TagAttributes readAttributes(QStringView page, qsizetype at, qsizetype *end)
{
    TagAttributes attrs;
    const qsizetype n = page.size();
    qsizetype i = at;
    while (i < n) {
        while (i < n && (isTagSpace(page.at(i)) || page.at(i) == u'/'))
            ++i;
        if (i >= n || page.at(i) == u'>')
            break;
        const qsizetype nameStart = i;
        while (i < n && !isTagSpace(page.at(i)) && page.at(i) != u'=' && page.at(i) != u'>'
               && (page.at(i) != u'/' || i == nameStart))
            ++i;
        const QStringView name = page.sliced(nameStart, i - nameStart);
        while (i < n && isTagSpace(page.at(i)))
            ++i;
        QStringView value;
        if (i < n && page.at(i) == u'=') {
            ++i;
            while (i < n && isTagSpace(page.at(i)))
                ++i;
            if (i < n && (page.at(i) == u'"' || page.at(i) == u'\'')) {
                const qsizetype close = page.indexOf(page.at(i), i + 1);
                const qsizetype stop = close < 0 ? n : close;
                value = page.sliced(i + 1, stop - i - 1);
                i = qMin(n, stop + 1);
            } else {
                const qsizetype valueStart = i;
                while (i < n && !isTagSpace(page.at(i)) && page.at(i) != u'>')
                    ++i;
                value = page.sliced(valueStart, i - valueStart);
            }
        }
        // The first of each attribute counts.
        if (name.compare(u"charset", Qt::CaseInsensitive) == 0 && !attrs.charset)
            attrs.charset = value;
        else if (name.compare(u"http-equiv", Qt::CaseInsensitive) == 0 && !attrs.httpEquiv)
            attrs.httpEquiv = value;
        else if (name.compare(u"content", Qt::CaseInsensitive) == 0 && !attrs.content)
            attrs.content = value;
    }
    *end = qMin(n, i + 1);
    return attrs;
}

std::optional<QStringView> metaCharset(const TagAttributes &attrs)
{
    if (attrs.charset)
        return attrs.charset->trimmed();
    if (attrs.httpEquiv && attrs.content
        && attrs.httpEquiv->trimmed().compare(u"content-type", Qt::CaseInsensitive) == 0)
        return charsetLabel(*attrs.content);
    return std::nullopt;
}

// The first META that names a charset decides, as it does for a browser;
// comments, script and style text and attribute values are passed over.
std::optional<QStringView> metaLabel(QStringView page)
{
    const qsizetype n = page.size();
    qsizetype at = 0;
    while ((at = page.indexOf(u'<', at)) >= 0) {
        if (page.sliced(at).startsWith(u"<!--")) {
            const qsizetype close = page.indexOf(u"-->", at + 4);
            if (close < 0)
                break;
            at = close + 3;
            continue;
        }
        qsizetype i = at + 1;
        const bool endTag = i < n && page.at(i) == u'/';
        if (endTag)
            ++i;
        if (i >= n || !page.at(i).isLetter()) {
            // "<!DOCTYPE", "<?xml", "</ >": to the next '>'; a lone '<' is text.
            const bool markup = i < n && (endTag || page.at(i) == u'!' || page.at(i) == u'?');
            at = markup ? page.indexOf(u'>', i) : i;
            if (at < 0)
                break;
            continue;
        }
        const qsizetype nameStart = i;
        while (i < n && !isTagSpace(page.at(i)) && page.at(i) != u'/' && page.at(i) != u'>')
            ++i;
        const QStringView name = page.sliced(nameStart, i - nameStart);
        qsizetype end = 0;
        const TagAttributes attrs = readAttributes(page, i, &end);
        at = end;
        if (endTag)
            continue;
        if (name.compare(u"meta", Qt::CaseInsensitive) == 0) {
            if (const auto label = metaCharset(attrs))
                return label;
        } else if (name.compare(u"script", Qt::CaseInsensitive) == 0
                   || name.compare(u"style", Qt::CaseInsensitive) == 0) {
            const QString close = QStringLiteral("</") + name.toString();
            at = page.indexOf(close, at, Qt::CaseInsensitive);
            if (at < 0)
                break;
        }
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

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

// Whether at most a quarter of the bytes beyond ASCII were kept in text.
bool fewKept(QStringView text, const QByteArray &bytes)
{
    const auto kept = std::count_if(text.begin(), text.end(), Enc::isKeptByte);
    const auto high = std::count_if(bytes.begin(), bytes.end(),
                                    [](char c) { return uchar(c) >= 0x80; });
    return kept * 4 <= high;
}

// The text of bytes without a byte order mark.
QString decodeUnmarked(const QByteArray &bytes, Format *f)
{
    // The encoding the page declares is used whatever the page holds, as a
    // browser uses it: bytes that are not valid in it are kept.
    const QString declared = declaredEncoding(QString::fromLatin1(bytes));
    if (auto text = Enc::decodeKeepingBytes(bytes, declared)) {
        f->encoding = declared;
        return *text;
    }
    if (auto text = exactly(bytes, declared)) {
        f->encoding = declared;
        return *text;
    }
    if (auto text = exactly(bytes, QStringLiteral("UTF-8"))) {
        // An undeclared page of plain ASCII may be read as anything that
        // holds ASCII, so it stays ASCII, with references for the rest.
        f->encoding = declared.isEmpty() && isAscii(bytes) ? QStringLiteral("US-ASCII")
                                                           : QStringLiteral("UTF-8");
        return *text;
    }
    // The detector's guess holds when most bytes beyond ASCII are valid in it.
    const QString detected = Enc::detect(bytes);
    if (auto text = Enc::decodeKeepingBytes(bytes, detected);
        text && fewKept(*text, bytes)) {
        f->encoding = detected;
        return *text;
    }
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
        // Bytes after a UTF-8 mark that are no UTF-8 are kept; broken
        // UTF-16/32 is read as well as it goes rather than refused.
        out = Enc::isUtf16Or32(name) ? Enc::decode(rest, name)
                                     : Enc::decodeKeepingBytes(rest, name);
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
    f.keptBytes = Enc::holdsKeptBytes(*out) && Enc::canKeepBytes(f.encoding);
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
