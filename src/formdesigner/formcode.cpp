#include "formdesigner/formcode.h"

QString formCode(const QString &name, const QString &method, const QString &action,
                 const QString &design)
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("<!-- Form Code by Ombrel: By Korrandel -->") + crlf
           + QStringLiteral("<br><form name=\"") + name + QStringLiteral("\" method=\"") + method
           + QStringLiteral("\" action=\"") + action + QStringLiteral("\">") + crlf + design
           + crlf + QStringLiteral("</form><br>") + crlf + QStringLiteral("<!-- End of form -->");
}
