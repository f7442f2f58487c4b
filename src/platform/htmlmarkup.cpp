#include "platform/htmlmarkup.h"

namespace HtmlMarkup {

QString attribute(const QString &value)
{
    QString out = value;
    out.replace(u'&', QStringLiteral("&amp;"));
    out.replace(u'"', QStringLiteral("&quot;"));
    out.replace(u'<', QStringLiteral("&lt;"));
    return out;
}

QString quotesEscaped(const QString &value)
{
    QString out = value;
    return out.replace(u'"', QStringLiteral("&quot;"));
}

QString attribute(const char *name, const QString &value)
{
    return u' ' + QLatin1String(name) + QStringLiteral("=\"") + value + u'"';
}

QString text(const QString &value)
{
    return value.toHtmlEscaped();
}

QString jsString(const QString &text)
{
    QString out;
    out.reserve(text.size() + 16);
    out += u'"';
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case 0x2028: out += QStringLiteral("\\u2028"); break;
        case 0x2029: out += QStringLiteral("\\u2029"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out;
}

} // namespace HtmlMarkup
