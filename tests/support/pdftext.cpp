#include "support/pdftext.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QtEndian>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The streams of the file, inflated where they are compressed.
QList<QByteArray> streams(const QByteArray &pdf)
{
    QList<QByteArray> out;
    static const QRegularExpression start(QStringLiteral("stream\r?\n"));
    const QString latin = QString::fromLatin1(pdf);
    qsizetype from = 0;
    while (true) {
        const auto m = start.match(latin, from);
        if (!m.hasMatch())
            break;
        const qsizetype begin = m.capturedEnd();
        const qsizetype end = pdf.indexOf("endstream", begin);
        if (end < 0)
            break;
        const QByteArray raw = pdf.mid(begin, end - begin);
        QByteArray sized(4, '\0');
        qToBigEndian<quint32>(quint32(raw.size() * 20 + 1024), sized.data());
        const QByteArray inflated = qUncompress(sized + raw);
        out << (inflated.isEmpty() ? raw : inflated);
        from = end + 9;  // past "endstream"
    }
    return out;
}

int hex(const QString &text)
{
    return text.toInt(nullptr, 16);
}

} // namespace

QString pdfText(const QString &path)
{
    const QList<QByteArray> all = streams(readAll(path));
    // Glyph to character, from the bfrange lines of the Unicode maps.
    QHash<int, QChar> unicode;
    static const QRegularExpression range(
        QStringLiteral("<([0-9A-Fa-f]{4})> <([0-9A-Fa-f]{4})> (\\[[^\\]]*\\]|<[0-9A-Fa-f]{4}>)"));
    static const QRegularExpression code(QStringLiteral("<([0-9A-Fa-f]{4})>"));
    for (const QByteArray &s : all) {
        if (!s.contains("beginbfrange"))
            continue;
        auto it = range.globalMatch(QString::fromLatin1(s));
        while (it.hasNext()) {
            const auto m = it.next();
            const int first = hex(m.captured(1));
            const int last = hex(m.captured(2));
            const QString target = m.captured(3);
            if (target.startsWith(u'[')) {
                auto codes = code.globalMatch(target);
                for (int g = first; codes.hasNext() && g <= last; ++g)
                    unicode.insert(g, QChar(hex(codes.next().captured(1))));
            } else {
                for (int g = first; g <= last; ++g)
                    unicode.insert(g, QChar(hex(target.mid(1, 4)) + g - first));
            }
        }
    }
    QString text;
    static const QRegularExpression shown(QStringLiteral("<([0-9A-Fa-f]+)> Tj"));
    for (const QByteArray &s : all) {
        auto it = shown.globalMatch(QString::fromLatin1(s));
        while (it.hasNext()) {
            const QString glyphs = it.next().captured(1);
            for (qsizetype i = 0; i + 4 <= glyphs.size(); i += 4) {
                const QChar c = unicode.value(hex(glyphs.mid(i, 4)));
                if (c.unicode() > 0x20)
                    text += c;
            }
        }
    }
    return text;
}

int pdfPages(const QString &path)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(readAll(path)).count(page));
}
