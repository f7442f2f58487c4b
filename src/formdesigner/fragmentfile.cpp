#include "formdesigner/fragmentfile.h"

#include "platform/textfiles.h"

#include <QRegularExpression>

namespace FragmentFile {

QString bodyText(const QString &html)
{
    static const QRegularExpression open(QStringLiteral("<body(\\s[^>]*)?>"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch found = open.match(html);
    const qsizetype start = found.hasMatch() ? found.capturedEnd() : 0;
    qsizetype end = html.lastIndexOf(QLatin1String("</body>"), -1, Qt::CaseInsensitive);
    if (end < start)
        end = html.size();
    return html.mid(start, end - start);
}

bool write(const QString &path, const QString &body, QString *error)
{
    return TextFiles::write(path, body + QStringLiteral("\r\n"), error);
}

std::optional<QString> read(const QString &path, QString *error)
{
    QString text;
    if (!TextFiles::read(path, &text, error))
        return std::nullopt;
    return text;
}

} // namespace FragmentFile
