#include "platform/textfiles.h"

#include "platform/regularfile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <optional>

namespace TextFiles {

namespace {

// The 0x80-0x9F range of Windows-1252; the rest of the code page is Latin-1.
// The five unassigned bytes stand for the control characters of the same
// number, as browsers read them, so that they survive a round trip.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The Windows-1252 byte of c, or -1 when the code page has none.
int cp1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == c)
            return 0x80 + i;
    }
    return -1;
}

void appendReference(QByteArray *out, char32_t code)
{
    *out += "&#";
    *out += QByteArray::number(uint(code));
    *out += ';';
}

QByteArray encodeCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        const int b = cp1252Byte(c.unicode());
        if (b >= 0) {
            out += char(b);
        } else if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            appendReference(&out, QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else {
            appendReference(&out, c.unicode());
        }
    }
    return out;
}

// The encoding named by a charset label, if it is one we write.
std::optional<Encoding> encodingOf(QStringView label)
{
    if (label.compare(u"utf-8", Qt::CaseInsensitive) == 0)
        return Encoding::Utf8;
    if (label.compare(u"windows-1252", Qt::CaseInsensitive) == 0
        || label.compare(u"iso-8859-1", Qt::CaseInsensitive) == 0)
        return Encoding::Windows1252;
    return std::nullopt;
}

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

QString decodeCp1252(const QByteArray &bytes)
{
    QString out;
    out.resize(bytes.size());
    QChar *dst = out.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *dst++ = (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return out;
}

} // namespace

QString decode(const QByteArray &bytes, Encoding *used)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        if (used)
            *used = Encoding::Utf8;
        return text;
    }
    if (used)
        *used = Encoding::Windows1252;
    return decodeCp1252(bytes);
}

QByteArray encode(const QString &text, Encoding encoding)
{
    return encoding == Encoding::Windows1252 ? encodeCp1252(text) : text.toUtf8();
}

Encoding pageEncoding(const QString &page, Encoding fallback)
{
    const QStringView view(page);
    qsizetype at = 0;
    while ((at = view.indexOf(u"<meta", at, Qt::CaseInsensitive)) >= 0) {
        const qsizetype end = view.indexOf(u'>', at);
        const QStringView tag = view.mid(at, end < 0 ? -1 : end - at);
        // The first META that names a charset decides, as it does for a browser.
        if (const auto label = charsetLabel(tag))
            return encodingOf(*label).value_or(fallback);
        if (end < 0)
            break;
        at = end;
    }
    return fallback;
}

QString toCrLf(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 32);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            out += u"\r\n";
            if (i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
        } else if (c == u'\n') {
            out += u"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

bool read(const QString &path, QString *text, QString *error, Encoding *readAs)
{
    QByteArray bytes;
    if (!RegularFile::readAll(path, &bytes, error))
        return false;
    *text = decode(bytes, readAs);
    return true;
}

bool write(const QString &path, const QString &text, QString *error, Encoding encoding)
{
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk) is seen here and not lost
    // inside a flush that reports success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = encode(toCrLf(text), encoding);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            if (error)
                *error = file.errorString();
            file.cancelWriting();
            return false;
        }
        done += n;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace TextFiles
