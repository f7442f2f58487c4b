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

QString text(const QString &value)
{
    return value.toHtmlEscaped();
}

} // namespace HtmlMarkup
