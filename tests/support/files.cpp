#include "support/files.h"

#include "platform/htmleditview.h"

#include <QFile>
#include <QTest>

namespace TestFiles {

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace TestFiles

namespace TestEngine {

bool settle(HtmlEditView *view)
{
    return QTest::qWaitFor([view] { return view->isIdle(); }, 15000);
}

QString body(HtmlEditView *view)
{
    const auto html = view->documentHtml();
    if (!html)
        return QStringLiteral("<no result>");
    const qsizetype from = html->indexOf(QStringLiteral("<body>")) + 6;
    return html->mid(from, html->lastIndexOf(QStringLiteral("</body>")) - from);
}

} // namespace TestEngine
