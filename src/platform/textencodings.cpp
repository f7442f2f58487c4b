#include "platform/textencodings.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#include <uchardet.h>

#include <algorithm>
#include <memory>

namespace TextEncodings {

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

// One byte a character; a character without its byte becomes a reference.
QByteArray encodeSingleByte(QStringView text, int (*byteOf)(char16_t))
{
    QByteArray out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        const int b = byteOf(c.unicode());
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

QByteArray encodeCp1252(QStringView text)
{
    return encodeSingleByte(text, cp1252Byte);
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

bool isCp1252(QStringView name)
{
    return name == u"windows-1252";
}

bool isUtf8(QStringView name)
{
    return name == u"UTF-8";
}

constexpr auto kFlags = QStringConverter::Flag::Stateless
                        | QStringConverter::Flag::ConvertInitialBom;

// Characters the encoding cannot hold become references. Blocks are tried
// whole and only a failing block character by character, so the cost stays
// linear. Each try has a fresh encoder: an error, once seen, stays.
QByteArray encodeWithReferences(QStringView text, const QByteArray &name)
{
    constexpr qsizetype kBlock = 256;
    const auto tryEncode = [&name](QStringView part) -> std::optional<QByteArray> {
        QStringEncoder encoder(name.constData(), kFlags);
        QByteArray bytes = encoder(part);
        if (encoder.hasError())
            return std::nullopt;
        return bytes;
    };
    QByteArray out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype from = 0; from < n;) {
        qsizetype to = qMin(n, from + kBlock);
        if (to < n && text.at(to - 1).isHighSurrogate())
            ++to;
        const QStringView block = text.mid(from, to - from);
        if (const auto whole = tryEncode(block)) {
            out += *whole;
        } else {
            for (qsizetype i = 0; i < block.size();) {
                const qsizetype len = block.at(i).isHighSurrogate() && i + 1 < block.size()
                                              && block.at(i + 1).isLowSurrogate()
                                          ? 2
                                          : 1;
                const QStringView one = block.mid(i, len);
                if (const auto bytes = tryEncode(one))
                    out += *bytes;
                else
                    appendReference(&out, one.toUcs4().value(0));
                i += len;
            }
        }
        from = to;
    }
    return out;
}


// Plain ASCII, for pages that never said what else they may hold.
bool isAscii(QStringView name)
{
    return name == u"US-ASCII";
}

QByteArray encodeAscii(QStringView text)
{
    return encodeSingleByte(text, [](char16_t c) { return c < 0x80 ? int(c) : -1; });
}

QByteArray encodeRun(QStringView text, const QString &name)
{
    if (isCp1252(name))
        return encodeCp1252(text);
    if (isAscii(name))
        return encodeAscii(text);
    if (isUtf8(name))
        return text.toUtf8();
    const QByteArray label = name.toLatin1();
    QStringEncoder encoder(label.constData(), kFlags);
    if (!encoder.isValid())
        return text.toUtf8();
    const QByteArray whole = encoder(text);
    if (!encoder.hasError())
        return whole;
    return encodeWithReferences(text, label);
}

// Bytes that decode in name to text without the kept range, which encodes
// back to the same bytes.
std::optional<QString> exactly(QByteArrayView bytes, const QString &name)
{
    QStringDecoder decoder(name.toLatin1().constData(), kFlags);
    QString text = decoder(bytes);
    if (decoder.hasError() || holdsKeptBytes(text) || encode(text, name) != bytes)
        return std::nullopt;
    return text;
}

void appendKept(QString *out, uchar byte)
{
    *out += QChar(kKeptBytes + byte);
}

// The length of the valid UTF-8 sequence at p, or 0 when there is none. The
// kept range (U+F700 to U+F7FF: EF 9C 80 to EF 9F BF) counts as invalid.
int utf8SequenceLength(const uchar *p, qsizetype available)
{
    const uchar c = p[0];
    if (c < 0x80)
        return 1;
    int length = 0;
    uchar low = 0x80, high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        low = c == 0xE0 ? 0xA0 : 0x80;
        high = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        low = c == 0xF0 ? 0x90 : 0x80;
        high = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (available < length || p[1] < low || p[1] > high)
        return 0;
    if (c == 0xEF && p[1] >= 0x9C && p[1] <= 0x9F)
        return 0;
    for (int k = 2; k < length; ++k) {
        if ((p[k] & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

QString decodeUtf8Keeping(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype run = 0;
    const auto flush = [&](qsizetype to) {
        if (to > run)
            out += QStringDecoder("UTF-8", kFlags)(QByteArrayView(bytes).sliced(run, to - run));
    };
    for (qsizetype i = 0; i < n;) {
        if (const int length = utf8SequenceLength(p + i, n - i)) {
            i += length;
            continue;
        }
        flush(i);
        appendKept(&out, p[i]);
        run = ++i;
    }
    flush(n);
    return out;
}

// A piece that does not read whole is read character by character: the
// longest valid character (up to four bytes) at each place, else one kept byte.
void appendByCharacters(QString *out, QByteArrayView piece, const QString &name)
{
    constexpr qsizetype kLongest = 4;
    for (qsizetype at = 0; at < piece.size();) {
        qsizetype taken = 0;
        for (qsizetype len = 1; len <= kLongest && at + len <= piece.size(); ++len) {
            if (const auto one = exactly(piece.sliced(at, len), name)) {
                *out += *one;
                taken = len;
                break;
            }
        }
        if (taken == 0) {
            appendKept(out, uchar(piece.at(at)));
            taken = 1;
        }
        at += taken;
    }
}

// Other encodings are read in pieces cut after a byte below 0x30, which no
// multi-byte encoding kept here uses inside a character, so that only the
// pieces around an invalid byte are read character by character.
QString decodePiecewise(const QByteArray &bytes, const QString &name)
{
    constexpr qsizetype kPiece = 64;
    QString out;
    out.reserve(bytes.size());
    const qsizetype n = bytes.size();
    qsizetype from = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const bool cut = i + 1 == n || (i + 1 - from >= kPiece && uchar(bytes.at(i)) < 0x30);
        if (!cut)
            continue;
        const QByteArrayView piece = QByteArrayView(bytes).sliced(from, i + 1 - from);
        if (const auto text = exactly(piece, name))
            out += *text;
        else
            appendByCharacters(&out, piece, name);
        from = i + 1;
    }
    return out;
}

QString decodeEachByteKept(const QByteArray &bytes, const QString &name)
{
    return isUtf8(name) ? decodeUtf8Keeping(bytes) : decodePiecewise(bytes, name);
}

} // namespace

QString canonicalName(QStringView label)
{
    const QString l = label.trimmed().toString().toLower();
    if (l.isEmpty())
        return QString();
    static const QStringList latin1 = {
        QStringLiteral("windows-1252"), QStringLiteral("cp1252"), QStringLiteral("x-cp1252"),
        QStringLiteral("iso-8859-1"), QStringLiteral("iso8859-1"), QStringLiteral("iso_8859-1"),
        QStringLiteral("latin1"), QStringLiteral("l1"), QStringLiteral("us-ascii"),
        QStringLiteral("ascii"), QStringLiteral("cp819"), QStringLiteral("ibm819"),
        QStringLiteral("iso-ir-100"), QStringLiteral("csisolatin1"),
        QStringLiteral("iso_8859-1:1987")};
    if (latin1.contains(l))
        return QStringLiteral("windows-1252");
    if (l == u"utf-8" || l == u"utf8" || l == u"unicode-1-1-utf-8")
        return QStringLiteral("UTF-8");
    if (l == u"gb2312" || l == u"csgb2312" || l == u"x-gbk" || l == u"chinese")
        return QStringLiteral("GBK");
    if (l == u"utf-16" || l == u"unicode" || l == u"ucs-2" || l == u"iso-10646-ucs-2")
        return QStringLiteral("UTF-16");
    if (l == u"utf-32" || l == u"ucs-4" || l == u"iso-10646-ucs-4")
        return QStringLiteral("UTF-32");
    if (l == u"utf-16le" || l == u"utf-16be" || l == u"utf-32le" || l == u"utf-32be")
        return l.toUpper();
    // Anything else the system converts (through ICU): KOI8-R, Shift_JIS, ...
    const QStringDecoder decoder(l.toLatin1().constData());
    return decoder.isValid() ? QString::fromLatin1(decoder.name()) : QString();
}

bool isUtf16Or32(QStringView name)
{
    return name.startsWith(u"UTF-16") || name.startsWith(u"UTF-32");
}

bool holdsKeptBytes(QStringView text)
{
    return std::any_of(text.begin(), text.end(), isKeptByte);
}

bool canKeepBytes(const QString &name)
{
    // Encodings that shift between states cannot be read piece by piece.
    const QString l = name.toLower();
    return !isUtf16Or32(name) && !l.contains(u"2022") && !l.startsWith(u"hz")
           && !l.contains(u"utf-7") && !l.contains(u"bocu") && !l.contains(u"scsu");
}

std::optional<QString> decode(const QByteArray &bytes, const QString &name)
{
    if (isCp1252(name))
        return decodeCp1252(bytes);
    QStringDecoder decoder(name.toLatin1().constData(), kFlags);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    // A character of the kept range would be written back as a byte.
    if (holdsKeptBytes(text) && canKeepBytes(name))
        return decodeEachByteKept(bytes, name);
    return text;
}

std::optional<QString> decodeKeepingBytes(const QByteArray &bytes, const QString &name)
{
    if (isCp1252(name))
        return decodeCp1252(bytes);
    if (!canKeepBytes(name) || !QStringDecoder(name.toLatin1().constData()).isValid())
        return std::nullopt;
    if (auto text = exactly(bytes, name))
        return text;
    return decodeEachByteKept(bytes, name);
}

QByteArray encode(const QString &text, const QString &name)
{
    if (!holdsKeptBytes(text) || !canKeepBytes(name))
        return encodeRun(text, name);
    // Kept bytes go back as they were; the runs between them are encoded.
    QByteArray out;
    out.reserve(text.size());
    const QStringView view(text);
    qsizetype from = 0;
    for (qsizetype i = 0; i < view.size(); ++i) {
        if (!isKeptByte(view.at(i)))
            continue;
        if (i > from)
            out += encodeRun(view.sliced(from, i - from), name);
        out += char(view.at(i).unicode() & 0xFF);
        from = i + 1;
    }
    if (from < view.size())
        out += encodeRun(view.sliced(from), name);
    return out;
}

QString withKeptBytesShown(const QString &text)
{
    QString shown = text;
    for (QChar &c : shown) {
        if (isKeptByte(c))
            c = QChar(0xFFFD);
    }
    return shown;
}

QByteArray byteOrderMark(const QString &name)
{
    if (name == u"UTF-8")
        return QByteArray("\xef\xbb\xbf");
    if (name == u"UTF-16LE")
        return QByteArray("\xff\xfe");
    if (name == u"UTF-16BE")
        return QByteArray("\xfe\xff");
    if (name == u"UTF-32LE")
        return QByteArray("\xff\xfe\0\0", 4);
    if (name == u"UTF-32BE")
        return QByteArray("\0\0\xfe\xff", 4);
    return QByteArray();
}

std::optional<std::pair<QString, int>> fromByteOrderMark(const QByteArray &bytes)
{
    // UTF-32LE first: its mark begins with that of UTF-16LE.
    for (const char *name : {"UTF-32LE", "UTF-32BE", "UTF-8", "UTF-16LE", "UTF-16BE"}) {
        const QString n = QString::fromLatin1(name);
        const QByteArray mark = byteOrderMark(n);
        if (bytes.startsWith(mark))
            return std::make_pair(n, int(mark.size()));
    }
    return std::nullopt;
}

QString detect(const QByteArray &bytes)
{
    const std::unique_ptr<uchardet, void (*)(uchardet_t)> detector(uchardet_new(),
                                                                   uchardet_delete);
    if (!detector || uchardet_handle_data(detector.get(), bytes.constData(), bytes.size()) != 0)
        return QString();
    uchardet_data_end(detector.get());
    return canonicalName(QString::fromLatin1(uchardet_get_charset(detector.get())));
}

} // namespace TextEncodings
